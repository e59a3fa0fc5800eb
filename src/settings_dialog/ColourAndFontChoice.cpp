#include "Form2.h"

#include "CircleStyle.h"
#include "ClockFace.h"
#include "DialogRun.h"
#include "NumberText.h"
#include "SettingsValues.h"

namespace {

// Screen fonts, effects with the colour choice, no style preselected.
constexpr int kFontPickerFlags = 1048833;

enum Row { Seconds = 0, Minutes = 1, Hours = 2, CirclesBackground = 3 };

} // namespace

// Opens the colour picker (or, for the hours, the font picker) and puts the result straight
// into the clock's elements and the row's swatch. A cancelled picker leaves the picker
// object's values, and the steps after it run with those.
void Form2::lblCOLOR_Click(int Index)
{
    ClockFace& clock = m_run.clockFace();
    tk::CommonDialog& picker = clock.ComDial;
    switch (Index) {
    case Seconds:
    case Minutes:
        picker.color = clock.lblS[Index].foreColor();
        picker.showColor();
        txtCOLOR[Index].setBackColor(picker.color);
        if (Index == Seconds)
            clock.ShapeS[1].setBorderColor(picker.color);
        break;
    case Hours:
        chooseHoursFont();
        break;
    case CirclesBackground:
        // The picker starts from the circles' own fill, so that its Cancel changes nothing.
        picker.color = clock.ShapeS[2].backColor();
        picker.showColor();
        for (int i = 2; i <= 4; ++i)
            clock.ShapeS[i].setBackColor(picker.color);
        txtCOLOR[Index].setBackColor(picker.color);
        return;
    default:
        return;
    }
    refreshSwatchTexts();
    clock.LineS[Index].setBorderColor(picker.color);
    clock.lblS[Index].setForeColor(picker.color);
    clock.ShapeS[Index + 2].setBorderColor(picker.color);
    txtCOLOR[Index].setBackColor(picker.color);
}

void Form2::refreshSwatchTexts()
{
    const ClockFace& clock = m_run.clockFace();
    for (int k = 2; k >= 0; --k)
        txtCOLOR[k].setText(tk::currencyText(clock.lblS[k].font().size));
}

// The font picker sets the hours colour too; the face goes to all three figures, and the
// minutes and seconds sizes follow the hours size by the circle style.
void Form2::chooseHoursFont()
{
    ClockFace& clock = m_run.clockFace();
    tk::CommonDialog& picker = clock.ComDial;
    picker.flags = kFontPickerFlags;
    picker.fontName = clock.lblS[2].font().name;
    picker.fontSize = clock.lblS[2].font().size;
    picker.color = clock.lblS[2].foreColor();
    picker.showFont();
    for (int k = 2; k >= 0; --k)
        clock.lblS[k].setFontName(picker.fontName);
    clock.lblS[2].setFontSize(picker.fontSize);
    const FigureSizes figures =
        CircleStyle::pickedFigureSizes(m_run.settings().ShapeWidth, clock.lblS[2].font().size);
    clock.lblS[1].setFontSize(figures.minutes);
    clock.lblS[0].setFontSize(figures.seconds);
}

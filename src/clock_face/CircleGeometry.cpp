#include "Form1.h"

#include "SettingsFile.h"
#include "TikoraClock.h"

namespace {

struct CircleStyle {
    float minutesCircle;
    float secondsCircle;
    float secondsLabel;
    float minutesLabel;
    std::int16_t radiusUnit;
    std::int16_t lineSteps;
    float spreadStep;
};

constexpr CircleStyle kDifferentSize{850, 700, 380, 510, 420, 4, 1.8f};
constexpr CircleStyle kEqualSize{1080, 1080, 700, 700, 540, 3, 2.0f};

} // namespace

// Applies the circle style: the seconds and minutes circles, labels and fonts, and the layout
// the drawing uses. The hours circle and label keep their own size.
void Form1::RazmerKrugov()
{
    const bool different = m.ShapeWidth == 0;
    const CircleStyle& style = different ? kDifferentSize : kEqualSize;
    ShapeS[3].setWidth(style.minutesCircle);
    ShapeS[3].setHeight(ShapeS[3].width());
    ShapeS[2].setWidth(style.secondsCircle);
    ShapeS[2].setHeight(ShapeS[2].width());
    const double hoursSize = lblS[2].font().size;
    const float hSize = m_run.settingsFile().fontSize(10);
    lblS[0].setFontSize(different ? static_cast<float>(hoursSize / 2) : hSize);
    lblS[1].setFontSize(different ? static_cast<float>(hoursSize * 2.1 / 3) : hSize);
    lblS[0].setWidth(style.secondsLabel);
    lblS[0].setHeight(lblS[0].width());
    lblS[1].setWidth(style.minutesLabel);
    lblS[1].setHeight(lblS[1].width());
    m.RadiusUnit = style.radiusUnit;
    m.LineSteps = style.lineSteps;
    m.SpreadStep = style.spreadStep;
}

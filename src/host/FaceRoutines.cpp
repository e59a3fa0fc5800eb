#include "Form1.h"

#include "CircleStyle.h"
#include "ClockTime.h"
#include "NumberText.h"
#include "Platform.h"
#include "SecondClockStyle.h"
#include "TikoraClock.h"

namespace {

constexpr std::int16_t kMaxTicks = 32767;
constexpr std::int16_t kHintTicks = 9;
constexpr int kHintGrey = 90;
constexpr int kHintFadeStep = 10;

} // namespace

void Form1::Timer4_Timer()
{
    tk::Platform& platform = m_run.platform();
    if (TickCount < kMaxTicks)
        ++TickCount;

    const int now = platform.timeOfDay();
    // "Time from start" counts the time the clock has run, whatever is done to the time of
    // day meanwhile.
    const std::int64_t elapsed = platform.steadySeconds() - StartTime;
    ShownTime = ClockTime::shownTime(now, elapsed, m_run.settings().ViewTime);
    const auto figures = ClockTime::figures(ShownTime);
    for (int k = 0; k < 3; ++k)
        lblS[k].setCaption(figures[k]);
    Angles =
        ClockTime::angles(platform.timeOfDay(), tk::parseNumber(lblS[1].caption()).value_or(0));

    if (TickCount < kHintTicks) {
        const int grey = kHintGrey - kHintFadeStep * TickCount;
        lblF1.setForeColor(tk::rgb(grey, grey, grey));
    } else {
        lblF1.setVisible(false);
    }
    Do_Lines();
}

// Sizes the circles and figures for the chosen circle style, and sets the layout the drawing
// uses.
void Form1::RazmerKrugov()
{
    const float shapeWidth = m_run.settings().ShapeWidth;
    const CircleStyle& style = CircleStyle::of(shapeWidth);
    ShapeS[3].setWidth(style.minutesCircle);
    ShapeS[3].setHeight(ShapeS[3].width());
    ShapeS[2].setWidth(style.secondsCircle);
    ShapeS[2].setHeight(ShapeS[2].width());
    const double hoursSize = lblS[2].font().size;
    const float stored = m_run.settings().fontSize(SettingsSlot::HSize);
    const FigureSizes figures = CircleStyle::figureSizes(shapeWidth, hoursSize, stored);
    lblS[0].setFontSize(figures.seconds);
    lblS[1].setFontSize(figures.minutes);
    lblS[0].setWidth(style.secondsLabel);
    lblS[0].setHeight(lblS[0].width());
    lblS[1].setWidth(style.minutesLabel);
    lblS[1].setHeight(lblS[1].width());
    layout.RadiusUnit = style.radiusUnit;
    layout.LineSteps = style.lineSteps;
    layout.SpreadStep = style.spreadStep;
}

// Lays the face out for the current angles: each group's line from the centre, its circle
// further out in the same direction, and its figure inside the circle.
void Form1::Do_Lines()
{
    const std::int32_t x0 = CentreLeft + CentreHalf;
    const std::int32_t y0 = CentreTop + CentreHalf;
    const std::array<float, 3> widths{ShapeS[2].width(), ShapeS[3].width(), ShapeS[4].width()};
    const SettingsValues& settings = m_run.settings();
    const auto places =
        layout.placeGroups(x0, y0, Angles, widths, settings.ShapeWidth, settings.clock2());
    for (int i = 0; i < 3; ++i) {
        const GroupPlace& place = places[i];
        LineS[i].setEnds(static_cast<float>(x0), static_cast<float>(y0), place.lineX2,
                         place.lineY2);
        tk::Shape& circle = ShapeS[i + 2];
        circle.move(place.circleLeft, place.circleTop, circle.width(), circle.height());
        tk::Label& label = lblS[i];
        label.move(place.labelLeft, place.labelTop, label.width(), label.height());
    }
}

void Form1::DoClock2()
{
    if (const auto dial = SecondClockStyle::dialFor(ScreenWidth))
        setPicture(Pict[dialBox(*dial)].picture(), tk::PicturePlace::Middle);
    for (int g = 0; g < 3; ++g) {
        LineS[g].setVisible(false);
        lblS[g].setFontSize(SecondClockStyle::kFigureSize);
        tk::Shape& circle = ShapeS[g + 2];
        circle.setWidth(SecondClockStyle::kCircleWidth);
        circle.setHeight(circle.width());
    }
    ShapeS[1].setBorderStyle(tk::BorderStyle::None);
}

#include "Form1.h"

#include "TikoraClock.h"

#include <cmath>

namespace {

constexpr float kCircleWidth = 1080;
constexpr float kLabelWidth = 700;

} // namespace

// Makes the four circles from the template and gives every element of the face its look and
// its colours from the settings. The stacking steps leave the labels and circles in front,
// hours first, and the lines behind everything.
void Form1::buildClockElements()
{
    const SettingsValues& settings = m_run.settings();
    LineS[2].setBorderColor(settings.colour(SettingsSlot::HColor));
    LineS[1].setBorderColor(settings.colour(SettingsSlot::MColor));
    LineS[0].setBorderColor(settings.colour(SettingsSlot::SColor));
    for (int i = 1; i <= 4; ++i) {
        tk::Shape& circle = ShapeS.load(i);
        circle.setVisible(true);
        circle.setBorderWidth(2);
        circle.setBorderStyle(tk::BorderStyle::Solid);
        circle.setFillStyle(tk::FillStyle::Transparent);
        circle.setBackColor(settings.colour(SettingsSlot::CColor));
        circle.setWidth(kCircleWidth);
        circle.setHeight(circle.width());
        circle.setShape(tk::ShapeKind::Circle);
        zOrder(circle, 0);
        if (i == 1) {
            placeCentreCircle(circle);
            continue;
        }
        const int k = i - 2;
        circle.setBorderColor(LineS[k].borderColor());
        zOrder(LineS[k], 1);
        LineS[k].setVisible(true);
        zOrder(lblS[k], 0);
        lblS[k].setVisible(true);
        lblS[k].setForeColor(LineS[k].borderColor());
        lblS[k].setWidth(kLabelWidth);
        lblS[k].setHeight(lblS[k].width() - 50);
        lblS[k].setFontSize(settings.fontSize(SettingsSlot::HSize));
        lblS[k].setFontBold(true);
        lblS[k].setFontName(settings.text(SettingsSlot::FName));
    }
}

// The centre circle: outlined in the seconds colour, filled black, in the middle of the screen.
void Form1::placeCentreCircle(tk::Shape& circle)
{
    const SettingsValues& settings = m_run.settings();
    circle.setWidth(kCircleWidth);
    circle.setHeight(circle.width());
    circle.setBorderColor(settings.colour(SettingsSlot::SColor));
    circle.setBorderWidth(1);
    circle.setBackColor(tk::kBlack);
    const std::int32_t halfHeight = static_cast<std::int32_t>(std::nearbyint(circle.height())) / 2;
    const std::int32_t halfWidth = static_cast<std::int32_t>(std::nearbyint(circle.width())) / 2;
    circle.setTop(static_cast<float>(ScreenHeight / 2 - halfHeight));
    circle.setLeft(static_cast<float>(ScreenWidth / 2 - halfWidth));
    CentreTop = static_cast<std::int32_t>(circle.top());
    CentreLeft = static_cast<std::int32_t>(circle.left());
    CentreHalf = halfWidth;
}

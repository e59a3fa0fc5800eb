#include "Form1.h"

#include "NumberText.h"
#include "TikoraClock.h"

#include <cmath>

namespace {

// The hours circle of the "Different size" style stands on a unit of its own.
constexpr std::int16_t kHoursRadiusUnit = 380;
constexpr float kHoursLabelTop = 152;
constexpr float kHoursLabelLeft = 193;
constexpr float kDialLabelTop = 120;
constexpr float kDialLabelLeft = 150;

} // namespace

// Lays the face out for the current angles: each group's line from the centre, its circle
// further out in the same direction, and its figure inside the circle.
void Form1::Do_Lines()
{
    const std::int32_t x0 = CentreLeft + CentreHalf;
    const std::int32_t y0 = CentreTop + CentreHalf;
    const bool dial = tk::parseNumber(m.strSettings[12]) == 1.0;
    const std::int16_t savedUnit =
        static_cast<std::int16_t>(tk::parseWholeNumber(m.SavedRadiusUnit).value_or(0));
    for (int i = 0; i < 3; ++i) {
        const double a = Angles[i];
        const double sinA = std::sin(a);
        const double cosA = std::cos(a);
        // The line still uses the unit the previous group (or pass) left behind.
        const int steps = m.LineSteps - i;
        LineS[i].setEnds(static_cast<float>(x0), static_cast<float>(y0),
                         static_cast<float>(x0 + steps * (2 * m.RadiusUnit * cosA)),
                         static_cast<float>(y0 + steps * (2 * m.RadiusUnit * sinA)));
        m.RadiusUnit = (i == 2 && m.ShapeWidth == 0) ? kHoursRadiusUnit : savedUnit;

        tk::Shape& circle = ShapeS[i + 2];
        const double halfWidth = circle.width() / 2.0;
        const float factor =
            static_cast<float>(m.LineSteps + 4) - m.SpreadStep * static_cast<float>(i);
        const double distance = static_cast<double>(factor) * m.RadiusUnit;
        circle.move(static_cast<float>(x0 + distance * cosA - halfWidth),
                    static_cast<float>(y0 + distance * sinA - halfWidth), circle.width(),
                    circle.height());

        const double rest = 1 - m.ShapeWidth;
        float top = static_cast<float>(circle.top() + (rest * 0.05 + 0.31) * m.RadiusUnit);
        float left = static_cast<float>(circle.left() + (rest * 0.03 + 0.38) * m.RadiusUnit);
        if (i == 2) {
            top = circle.top() + kHoursLabelTop;
            left = circle.left() + kHoursLabelLeft;
        }
        if (dial) {
            top = circle.top() + kDialLabelTop;
            left = circle.left() + kDialLabelLeft;
        }
        tk::Label& label = lblS[i];
        label.move(left, top, label.width(), label.height());
    }
}

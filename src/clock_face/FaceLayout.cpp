#include "FaceLayout.h"

#include "NumberText.h"

#include <cmath>

namespace {

// The hours circle of the "Different size" style stands on a unit of its own.
constexpr std::int16_t kHoursRadiusUnit = 380;
constexpr float kHoursLabelTop = 152;
constexpr float kHoursLabelLeft = 193;
constexpr float kDialLabelTop = 120;
constexpr float kDialLabelLeft = 150;
constexpr int kHours = 2;

} // namespace

std::array<GroupPlace, 3> FaceLayout::placeGroups(std::int32_t x0, std::int32_t y0,
                                                  const std::array<float, 3>& angles,
                                                  const std::array<float, 3>& circleWidths,
                                                  float shapeWidth, bool dial)
{
    const auto savedUnit =
        static_cast<std::int16_t>(tk::parseWholeNumber(SavedRadiusUnit).value_or(0));
    std::array<GroupPlace, 3> places;
    for (int i = 0; i < 3; ++i) {
        GroupPlace& place = places[i];
        const double a = angles[i];
        const double sinA = std::sin(a);
        const double cosA = std::cos(a);
        const int steps = LineSteps - i;
        place.lineX2 = static_cast<float>(x0 + steps * (2 * RadiusUnit * cosA));
        place.lineY2 = static_cast<float>(y0 + steps * (2 * RadiusUnit * sinA));
        RadiusUnit = (i == kHours && shapeWidth == 0) ? kHoursRadiusUnit : savedUnit;

        const double halfWidth = circleWidths[i] / 2.0;
        const float factor = static_cast<float>(LineSteps + 4) - SpreadStep * static_cast<float>(i);
        const double distance = static_cast<double>(factor) * RadiusUnit;
        place.circleLeft = static_cast<float>(x0 + distance * cosA - halfWidth);
        place.circleTop = static_cast<float>(y0 + distance * sinA - halfWidth);

        const double rest = 1 - shapeWidth;
        place.labelTop = static_cast<float>(place.circleTop + (rest * 0.05 + 0.31) * RadiusUnit);
        place.labelLeft = static_cast<float>(place.circleLeft + (rest * 0.03 + 0.38) * RadiusUnit);
        if (i == kHours) {
            place.labelTop = place.circleTop + kHoursLabelTop;
            place.labelLeft = place.circleLeft + kHoursLabelLeft;
        }
        if (dial) {
            place.labelTop = place.circleTop + kDialLabelTop;
            place.labelLeft = place.circleLeft + kDialLabelLeft;
        }
    }
    return places;
}

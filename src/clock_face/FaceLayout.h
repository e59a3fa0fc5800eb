#pragma once

#include <array>
#include <cstdint>
#include <string>

// Where one group of the face stands: its line's far end, its circle's and its figure's top
// left corners, in twips. Every line starts at the centre.
struct GroupPlace {
    float lineX2 = 0;
    float lineY2 = 0;
    float circleLeft = 0;
    float circleTop = 0;
    float labelLeft = 0;
    float labelTop = 0;
};

// The layout that the circle style sets and the drawing reads, and the drawing's rule.
struct FaceLayout {
    std::int16_t RadiusUnit = 0;
    std::int16_t LineSteps = 0;
    float SpreadStep = 0;
    // The unit of the style last chosen, kept as text.
    std::string SavedRadiusUnit;

    // Places the seconds, minutes and hours groups (0, 1, 2) for their angles around the
    // centre (x0, y0), each circle of its width. Each line still uses the unit the group
    // before it (or the previous pass) left behind, so the call changes RadiusUnit.
    std::array<GroupPlace, 3> placeGroups(std::int32_t x0, std::int32_t y0,
                                          const std::array<float, 3>& angles,
                                          const std::array<float, 3>& circleWidths,
                                          float shapeWidth, bool dial);
};

#pragma once

#include <array>
#include <string>
#include <vector>

// What every layer of the tests checks against, written once: the default settings file and
// the face at 10:20:30 on a 1024 x 768 screen. Standard C++ only, so that any suite can use it.
namespace worked {

// The settings file that a first start writes, byte for byte.
inline const std::string kDefaultSettings =
    "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1\r\n"
    "Back=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\n"
    "FName=Tahoma\r\nClock2=0\r\n";

// The default settings file with some lines changed, each given whole ("Back=1").
inline std::string settingsWith(const std::vector<std::string>& lines)
{
    std::string file = "\n" + kDefaultSettings;
    for (const std::string& line : lines) {
        const auto start = file.find("\n" + line.substr(0, line.find('=') + 1)) + 1;
        file.replace(start, file.find('\r', start) - start, line);
    }
    return file.substr(1);
}

// The centre of the face on the screen of the examples, 1024 x 768 pixels, in twips.
inline constexpr int kCentreX = 7680;
inline constexpr int kCentreY = 5760;
// The time of the examples, 10:20:30, in seconds since midnight.
inline constexpr int kTime = (10 * 60 + 20) * 60 + 30;

// Where one group of the face stands, in twips: its line's far end (every line starts at the
// centre), its circle's and its figure's top left corners.
struct Group {
    double lineX2, lineY2, circleLeft, circleTop, labelLeft, labelTop;
};

// One drawing of the face: the circle style (ShapeWidth), whether it is the second style with
// its dial and no lines, the radius unit the drawing starts from (a first drawing starts from
// the style's own; a later one from what the hours group left), the seconds, minutes and hours
// circles' widths, and where the three groups stand.
// clang-format off
struct Face { const char* name; float shapeWidth; bool clock2; int radiusUnitBefore;
    std::array<float, 3> circleWidths; std::array<Group, 3> groups; };
// clang-format on

// Only the seconds line differs between the first and a later drawing of "Different size".
inline constexpr Group kDifferentMinutes{9862.4, 7020.0, 9510.1, 6637.0, 9682.3, 6788.2};
inline constexpr Group kDifferentHours{6393.1, 4680.1, 5859.2, 4145.2, 6052.2, 4297.2};
inline constexpr Group kFirstSeconds{7680.0, 9120.0, 7330.0, 8770.0, 7502.2, 8921.2};
inline constexpr Group kLaterSeconds{7680.0, 8800.0, 7330.0, 8770.0, 7502.2, 8921.2};
inline constexpr std::array<Group, 3> kEqualGroups{
    {{7680.0, 9000.0, 7140.0, 9000.0, 7345.2, 9167.4},
     {9550.6, 6840.0, 9478.3, 6570.0, 9683.5, 6737.4},
     {6852.7, 5065.8, 5899.0, 4178.7, 6092.0, 4330.7}}};
// The lines are hidden; their ends are those of "Equal size".
inline constexpr std::array<Group, 3> kClock2Groups{
    {{7680.0, 9000.0, 7190.0, 9050.0, 7340.0, 9170.0},
     {9550.6, 6840.0, 9528.3, 6620.0, 9678.3, 6740.0},
     {6852.7, 5065.8, 5949.0, 4228.7, 6099.0, 4348.7}}};

inline constexpr std::array<Group, 3> kFirstGroups{kFirstSeconds, kDifferentMinutes,
                                                   kDifferentHours};
inline constexpr std::array<Group, 3> kLaterGroups{kLaterSeconds, kDifferentMinutes,
                                                   kDifferentHours};
inline constexpr std::array<float, 3> kWidths{700, 850, 1080};

inline constexpr Face kDifferentFirst{"DifferentFirst", 0, false, 420, kWidths, kFirstGroups};
inline constexpr Face kDifferentLater{"DifferentLater", 0, false, 380, kWidths, kLaterGroups};
inline constexpr Face kEqual{"Equal", 1, false, 540, {1080, 1080, 1080}, kEqualGroups};
inline constexpr Face kClock2{"Clock2", 1, true, 540, {980, 980, 980}, kClock2Groups};
inline constexpr std::array<Face, 4> kFaces{kDifferentFirst, kDifferentLater, kEqual, kClock2};

// A pixel of the 1024 x 768 screen and its colour.
struct Mark {
    int x, y, red, green, blue;
};

// The dial's inner and middle bands, 110 and 180 pixels up right from the screen's centre,
// half-way between its marks at 1 and 2 o'clock, where no circle stands at 10:20:30.
inline constexpr Mark kDialInnerBand{590, 306, 90, 74, 62};
inline constexpr Mark kDialMiddleBand{639, 257, 105, 82, 71};
inline constexpr std::array<Mark, 2> kDialBands{kDialInnerBand, kDialMiddleBand};
// The built-in emblem in the middle of the screen: its hub, and its rim left of the hub.
inline constexpr Mark kEmblemHub{512, 384, 200, 160, 60};
inline constexpr Mark kEmblemRim{491, 384, 200, 160, 60};
inline constexpr std::array<Mark, 2> kEmblem{kEmblemHub, kEmblemRim};

} // namespace worked

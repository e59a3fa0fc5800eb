#include "BuiltInDrawing.h"

#include <cmath>
#include <numbers>

namespace scene::BuiltInDrawing {

namespace {

constexpr int kEmblemSide = 49;
constexpr int kHourPositions = 12;
constexpr double kDegreesPerHour = 30.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// The dial's measures, in pixels from the middle of the picture. A pixel belongs to a disc when
// its centre lies inside it, so a disc of radius 73 holds the pixels 0 to 72 away.
constexpr double kCentreDiscRadius = 73;
constexpr double kInnerBandRadius = 148;
constexpr double kMiddleBandRadius = 215;
constexpr double kInnerMarkDistance = 108;
constexpr double kMiddleMarkDistance = 178;
constexpr double kDotDistance = 245;
constexpr double kMajorMarkDiameter = 18;
constexpr double kMinorMarkDiameter = 9;

// The dial's colours, few and flat like the rest of its 16-colour artwork.
constexpr tk::Colour kDarkBrown = tk::rgb(90, 74, 62);
constexpr tk::Colour kLightBrown = tk::rgb(105, 82, 71);
constexpr tk::Colour kGreyGreen = tk::rgb(93, 108, 86);

// The emblem's measures and colours.
constexpr double kEmblemFaceRadius = 21.0;
constexpr double kEmblemRimWidth = 2.5;
constexpr double kEmblemMarkDistance = 16.0;
constexpr double kEmblemMajorMarkRadius = 1.8;
constexpr double kEmblemMinorMarkRadius = 1.0;
constexpr double kEmblemHubRadius = 2.2;
constexpr tk::Colour kEmblemRim = tk::rgb(200, 160, 60);
constexpr tk::Colour kEmblemFace = tk::rgb(30, 50, 110);
constexpr tk::Colour kEmblemMarks = tk::rgb(225, 215, 170);

tk::PixelPointF pointAt(tk::PixelPointF middle, double distance, double degreesFromNoon)
{
    const double radians = (degreesFromNoon - 90.0) * kRadiansPerDegree;
    return {middle.x + distance * std::cos(radians), middle.y + distance * std::sin(radians)};
}

tk::PixelRectF discBox(tk::PixelPointF middle, double radius)
{
    return {middle.x - radius, middle.y - radius, 2 * radius, 2 * radius};
}

void fillDisc(Canvas& canvas, tk::PixelPointF middle, double radius, tk::Colour colour)
{
    canvas.drawEllipse(discBox(middle, radius), std::nullopt, colour);
}

bool isMajorHour(int hour)
{
    return hour % 3 == 0;
}

// Twelve marks at the hour positions; those at 12, 3, 6 and 9 o'clock are the large ones.
void drawMarks(Canvas& canvas, tk::PixelPointF middle, double distance, tk::Colour colour)
{
    for (int hour = 0; hour < kHourPositions; ++hour) {
        const double diameter = isMajorHour(hour) ? kMajorMarkDiameter : kMinorMarkDiameter;
        fillDisc(canvas, pointAt(middle, distance, hour * kDegreesPerHour), diameter / 2, colour);
    }
}

void drawHand(Canvas& canvas, tk::PixelPointF middle, double length, double degrees, double width)
{
    canvas.drawLine({middle, pointAt(middle, length, degrees)},
                    Pen{kEmblemMarks, width, PenCap::Round});
}

} // namespace

tk::PixelSize sizeOf(tk::BuiltInPicture which)
{
    switch (which) {
    case tk::BuiltInPicture::CentreEmblem:
        return {kEmblemSide, kEmblemSide};
    case tk::BuiltInPicture::Dial800x600:
        return {800, 600};
    case tk::BuiltInPicture::Dial1024x768:
        return {1024, 768};
    case tk::BuiltInPicture::Dial1280x1024:
        return {1280, 1024};
    }
    return {};
}

void drawCentreEmblem(Canvas& canvas)
{
    canvas.setAntialiasing(true);
    const tk::PixelPointF middle{kEmblemSide / 2.0, kEmblemSide / 2.0};
    canvas.drawEllipse(discBox(middle, kEmblemFaceRadius), Pen{kEmblemRim, kEmblemRimWidth},
                       kEmblemFace);
    for (int hour = 0; hour < kHourPositions; ++hour) {
        const double radius = isMajorHour(hour) ? kEmblemMajorMarkRadius : kEmblemMinorMarkRadius;
        fillDisc(canvas, pointAt(middle, kEmblemMarkDistance, hour * kDegreesPerHour), radius,
                 kEmblemMarks);
    }
    drawHand(canvas, middle, 9.0, 300.0, 2.5);
    drawHand(canvas, middle, 13.0, 60.0, 1.6);
    fillDisc(canvas, middle, kEmblemHubRadius, kEmblemRim);
}

void drawDial(Canvas& canvas, tk::PixelSize size)
{
    const tk::PixelPointF middle{static_cast<double>(size.width / 2),
                                 static_cast<double>(size.height / 2)};
    drawMarks(canvas, middle, kDotDistance, kDarkBrown);
    fillDisc(canvas, middle, kMiddleBandRadius, kLightBrown);
    drawMarks(canvas, middle, kMiddleMarkDistance, kDarkBrown);
    fillDisc(canvas, middle, kInnerBandRadius, kDarkBrown);
    drawMarks(canvas, middle, kInnerMarkDistance, kGreyGreen);
    fillDisc(canvas, middle, kCentreDiscRadius, tk::kBlack);
}

} // namespace scene::BuiltInDrawing

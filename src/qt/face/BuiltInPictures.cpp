#include "BuiltInPictures.h"

#include "LazyPicture.h"

#include <QPainter>
#include <QtMath>

#include <memory>

namespace {

constexpr int kEmblemSide = 49;
constexpr int kHourPositions = 12;
constexpr double kDegreesPerHour = 30.0;

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
const QColor kDarkBrown(90, 74, 62);
const QColor kLightBrown(105, 82, 71);
const QColor kGreyGreen(93, 108, 86);

// The emblem's colours.
const QColor kEmblemRim(200, 160, 60);
const QColor kEmblemFace(30, 50, 110);
const QColor kEmblemMarks(225, 215, 170);

QPointF pointAt(QPointF middle, double distance, double degreesFromNoon)
{
    const double radians = qDegreesToRadians(degreesFromNoon - 90.0);
    return middle + QPointF(distance * std::cos(radians), distance * std::sin(radians));
}

void fillDisc(QPainter& painter, QPointF middle, double radius, const QColor& colour)
{
    painter.setBrush(colour);
    painter.drawEllipse(middle, radius, radius);
}

// Twelve marks at the hour positions; those at 12, 3, 6 and 9 o'clock are the large ones.
void drawMarks(QPainter& painter, QPointF middle, double distance, const QColor& colour)
{
    for (int hour = 0; hour < kHourPositions; ++hour) {
        const double diameter = hour % 3 == 0 ? kMajorMarkDiameter : kMinorMarkDiameter;
        fillDisc(painter, pointAt(middle, distance, hour * kDegreesPerHour), diameter / 2, colour);
    }
}

void drawHand(QPainter& painter, QPointF middle, double length, double degrees, double width)
{
    painter.setPen(QPen(kEmblemMarks, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(middle, pointAt(middle, length, degrees));
}

} // namespace

tk::PictureRef BuiltInPictures::make(tk::BuiltInPicture which, double devicePixelRatio)
{
    if (which == tk::BuiltInPicture::CentreEmblem)
        return std::make_shared<QtPicture>(drawCentreEmblem(devicePixelRatio));
    const QSize size = sizeOf(which);
    return std::make_shared<LazyPicture>(
        size, [size, devicePixelRatio] { return drawDial(size, devicePixelRatio); });
}

QSize BuiltInPictures::sizeOf(tk::BuiltInPicture which)
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

// The pictures are drawn by code, so on a screen of more dots per inch they are drawn at its
// own resolution rather than scaled up.
QImage BuiltInPictures::blackField(QSize size, double devicePixelRatio)
{
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::black);
    return image;
}

QImage BuiltInPictures::drawCentreEmblem(double devicePixelRatio)
{
    QImage image = blackField({kEmblemSide, kEmblemSide}, devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF middle(kEmblemSide / 2.0, kEmblemSide / 2.0);
    painter.setPen(QPen(kEmblemRim, 2.5));
    painter.setBrush(kEmblemFace);
    painter.drawEllipse(middle, 21.0, 21.0);
    painter.setPen(Qt::NoPen);
    for (int hour = 0; hour < kHourPositions; ++hour) {
        const double radius = hour % 3 == 0 ? 1.8 : 1.0;
        fillDisc(painter, pointAt(middle, 16.0, hour * kDegreesPerHour), radius, kEmblemMarks);
    }
    drawHand(painter, middle, 9.0, 300.0, 2.5);
    drawHand(painter, middle, 13.0, 60.0, 1.6);
    painter.setPen(Qt::NoPen);
    fillDisc(painter, middle, 2.2, kEmblemRim);
    return image;
}

QImage BuiltInPictures::drawDial(QSize size, double devicePixelRatio)
{
    QImage image = blackField(size, devicePixelRatio);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const QPointF middle(size.width() / 2, size.height() / 2);
    drawMarks(painter, middle, kDotDistance, kDarkBrown);
    fillDisc(painter, middle, kMiddleBandRadius, kLightBrown);
    drawMarks(painter, middle, kMiddleMarkDistance, kDarkBrown);
    fillDisc(painter, middle, kInnerBandRadius, kDarkBrown);
    drawMarks(painter, middle, kInnerMarkDistance, kGreyGreen);
    fillDisc(painter, middle, kCentreDiscRadius, Qt::black);
    return image;
}

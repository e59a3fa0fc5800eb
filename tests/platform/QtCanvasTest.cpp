// The face's canvas strokes a line on a scratch image and lays it over the face; the pixels must
// be those of the line stroked on the face itself, under a repaint region as a tick's is.

#include "QtCanvas.h"
#include "QtCanvasCache.h"

#include <QPainter>
#include <QRegion>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kFace = 720;

// A face whose pixels differ from their neighbours, so that a blend over the wrong pixel shows.
QImage patternedFace(double ratio)
{
    QImage face(QSize(kFace, kFace) * ratio, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            row[x] = qRgb(x * 7 % 256, y * 13 % 256, (x + y) * 5 % 256);
    }
    face.setDevicePixelRatio(ratio);
    return face;
}

// The squares along a line's old and new place that a tick repaints, as a region of many.
QRegion repaintRegion(const QLineF& line)
{
    QRegion region;
    for (const QLineF& stroke : {line, QTransform().rotate(6).map(line)}) {
        for (double t = 0; t < 1; t += 0.1) {
            const QPointF at = stroke.pointAt(t) + QPointF(kFace / 2.0, kFace / 2.0);
            region += QRect(at.toPoint() - QPoint(20, 20), QSize(40, 40));
        }
    }
    return region;
}

QImage stroked(const QLineF& line, const scene::Pen& pen, double ratio, QtCanvasCache* cache)
{
    QImage face = patternedFace(ratio);
    QPainter painter(&face);
    painter.setClipRegion(repaintRegion(line));
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter, cache);
    const QPointF centre(kFace / 2.0, kFace / 2.0);
    canvas.drawLine({{centre.x(), centre.y()}, {centre.x() + line.dx(), centre.y() + line.dy()}},
                    pen);
    return face;
}

TEST(QtCanvasTest, LinesLaidOverTheFaceAreThoseStrokedOnIt)
{
    struct Row {
        double length;
        double width;
        tk::Colour colour;
        double ratio;
    };
    const Row rows[] = {
        {150.3, 1, 255, 1},      {230.7, 1, 8421631, 1}, {310.5, 1, 12632319, 1},
        {310.5, 1, 0xFFFFFF, 1}, {230.7, 1, 255, 2},     {310.5, 1, 8421631, 1.5},
    };
    ScreenUnits units;
    QtCanvasCache cache(units);
    for (const Row& row : rows) {
        for (int degrees = 0; degrees < 360; degrees += 7) {
            const double angle = degrees * std::numbers::pi / 180;
            const QLineF line(0, 0, row.length * std::sin(angle), -row.length * std::cos(angle));
            const scene::Pen pen{row.colour, row.width};
            EXPECT_EQ(stroked(line, pen, row.ratio, &cache), stroked(line, pen, row.ratio, nullptr))
                << row.length << " long, " << row.width << " wide at " << degrees << "° and "
                << row.ratio << " device pixels a pixel";
        }
    }
}

} // namespace

#pragma once

#include "Bounds.h"
#include "Colour.h"
#include "Font.h"
#include "ScreenUnits.h"
#include "ShapeSprite.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSize>

#include <unordered_map>

class QPainter;

namespace tk {
class Control;
class Label;
class Line;
class PictureBox;
class Shape;
class TextBox;
class Window;
} // namespace tk

// Paints a full-screen toolkit window from its elements: the back colour, the window's
// picture, the light-weight controls from the back to the front, then the picture boxes and
// the text boxes, which stand above them.
class FacePainter {
public:
    // `faceSize` is the screen the window is laid out for, in pixels.
    FacePainter(const tk::Window& window, const ScreenUnits& units, QSize faceSize);

    // Paints the part of the window inside `area` (pixels); nothing outside it is touched.
    void paint(QPainter& painter, const QRegion& area);
    // Whether the text boxes, such as the clock's setup hint, are painted.
    void setTextBoxesShown(bool shown) { m_textBoxesShown = shown; }

    const ScreenUnits& units() const { return m_units; }
    // The pixels that a control drawn at `bounds` (twips) may touch, with room for its pen and
    // for antialiasing.
    QRect paintedArea(const tk::Control& control, const tk::Bounds& bounds) const;
    // The pixels that a line between two points (pixels) may touch: a chain of small squares
    // along it, far less than the rectangle around a slanting line.
    static QRegion lineArea(const QLineF& line, int penWidth);
    // The line that a line control draws, in pixels.
    QLineF pixelLine(const tk::Line& line) const;

private:
    void paintWindowPicture(QPainter& painter, const QRect& area);
    void paintLightweight(QPainter& painter, const tk::Control& control);
    void paintLine(QPainter& painter, const tk::Line& line);
    void paintLabel(QPainter& painter, const tk::Label& label);
    void paintPictureBox(QPainter& painter, const tk::PictureBox& box);
    void paintTextBox(QPainter& painter, const tk::TextBox& box);
    void paintCaption(QPainter& painter, const tk::Control& control, const QRectF& box, int flags);
    const QFont& fontOf(const tk::Control& control);

    struct CachedFont {
        tk::Font font;
        QFont qtFont;
    };

    bool reaches(const tk::Control& control, const QRegion& area) const;

    const tk::Window& m_window;
    const ScreenUnits& m_units;
    QSize m_faceSize;
    bool m_textBoxesShown = true;
    std::unordered_map<const tk::Control*, CachedFont> m_fonts;
    std::unordered_map<const tk::Control*, ShapeSprite> m_sprites;
};

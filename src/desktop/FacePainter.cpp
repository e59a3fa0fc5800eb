#include "FacePainter.h"
#include "QtColour.h"

#include "Label.h"
#include "Line.h"
#include "PictureBox.h"
#include "QtPicture.h"
#include "ScreenFont.h"
#include "Shape.h"
#include "TextBox.h"
#include "Window.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = tk::kTwipsPerPixel;
// Room around a control's pen that antialiasing may touch.
constexpr int kAntialiasMargin = 2;
// A text box keeps its text this far from its left edge.
constexpr double kTextBoxInset = 2.0;
// A line from pixel a to pixel b runs through the centres of those pixels.
constexpr double kPixelCentre = 0.5;

const QtPicture* qtPictureOf(const tk::PictureRef& picture)
{
    return dynamic_cast<const QtPicture*>(picture.get());
}

int penWidthOf(const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Shape:
        return static_cast<const tk::Shape&>(control).borderWidth();
    case tk::ControlKind::Line:
        return static_cast<const tk::Line&>(control).borderWidth();
    default:
        return 0;
    }
}

int alignmentFlags(tk::Alignment alignment)
{
    switch (alignment) {
    case tk::Alignment::Right:
        return Qt::AlignRight;
    case tk::Alignment::Centre:
        return Qt::AlignHCenter;
    case tk::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

FacePainter::FacePainter(const tk::Window& window)
    : m_window(window)
{
}

QRectF FacePainter::pixelRect(const tk::Bounds& bounds)
{
    return {bounds.left / kTwipsPerPixel, bounds.top / kTwipsPerPixel,
            bounds.width / kTwipsPerPixel, bounds.height / kTwipsPerPixel};
}

QRect FacePainter::paintedArea(const tk::Control& control, const tk::Bounds& bounds)
{
    const double margin = penWidthOf(control) + kAntialiasMargin;
    return pixelRect(bounds).adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

QFont FacePainter::qtFont(const tk::Font& font)
{
    return ScreenFont::fromFont(font);
}

void FacePainter::paint(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, qtColour(m_window.backColor()));
    paintWindowPicture(painter, area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const tk::Control* control : m_window.stacking()) {
        if (control->visible() && paintedArea(*control, control->bounds()).intersects(area))
            paintLightweight(painter, *control);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::PictureBox && control->visible() &&
            paintedArea(*control, control->bounds()).intersects(area))
            paintPictureBox(painter, static_cast<const tk::PictureBox&>(*control));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const tk::Control* control : m_window.controls()) {
        if (m_textBoxesShown && control->kind() == tk::ControlKind::TextBox && control->visible() &&
            paintedArea(*control, control->bounds()).intersects(area))
            paintTextBox(painter, static_cast<const tk::TextBox&>(*control));
    }
    painter.restore();
}

// The window's picture stands at its top left corner at its own size.
void FacePainter::paintWindowPicture(QPainter& painter, const QRect& area)
{
    const QtPicture* picture = qtPictureOf(m_window.picture());
    if (!picture)
        return;
    const QImage& image = picture->image();
    const QRect source = area.intersected(image.rect());
    if (!source.isEmpty())
        painter.drawImage(source.topLeft(), image, source);
}

void FacePainter::paintLightweight(QPainter& painter, const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Shape:
        paintShape(painter, static_cast<const tk::Shape&>(control));
        break;
    case tk::ControlKind::Line:
        paintLine(painter, static_cast<const tk::Line&>(control));
        break;
    case tk::ControlKind::Label:
        paintLabel(painter, static_cast<const tk::Label&>(control));
        break;
    default:
        break;
    }
}

// The border is drawn inside the shape's box, so a circle never grows past its bounds.
void FacePainter::paintShape(QPainter& painter, const tk::Shape& shape)
{
    QRectF box = pixelRect(shape.bounds());
    if (shape.shape() == tk::ShapeKind::Circle || shape.shape() == tk::ShapeKind::Square) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    const bool outlined = shape.borderStyle() == tk::BorderStyle::Solid && shape.borderWidth() > 0;
    if (outlined) {
        const double inset = shape.borderWidth() / 2.0;
        box.adjust(inset, inset, -inset, -inset);
        painter.setPen(QPen(qtColour(shape.borderColor()), shape.borderWidth()));
    } else {
        painter.setPen(Qt::NoPen);
    }
    if (shape.backStyle() == tk::BackStyle::Opaque)
        painter.setBrush(qtColour(shape.backColor()));
    else
        painter.setBrush(Qt::NoBrush);
    if (shape.shape() == tk::ShapeKind::Circle || shape.shape() == tk::ShapeKind::Oval)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

void FacePainter::paintLine(QPainter& painter, const tk::Line& line)
{
    const QPointF from(line.x1() / kTwipsPerPixel + kPixelCentre,
                       line.y1() / kTwipsPerPixel + kPixelCentre);
    const QPointF to(line.x2() / kTwipsPerPixel + kPixelCentre,
                     line.y2() / kTwipsPerPixel + kPixelCentre);
    painter.setPen(QPen(qtColour(line.borderColor()), std::max(1, line.borderWidth())));
    painter.drawLine(from, to);
}

void FacePainter::paintLabel(QPainter& painter, const tk::Label& label)
{
    paintCaption(painter, label, pixelRect(label.bounds()),
                 alignmentFlags(label.alignment()) | Qt::AlignTop);
}

// A picture box is a window of its own on whole pixels: its back colour, then its picture
// from the top left corner, scaled down to fit when it is larger than the box.
void FacePainter::paintPictureBox(QPainter& painter, const tk::PictureBox& box)
{
    const QRect rect = pixelRect(box.bounds()).toRect();
    painter.fillRect(rect, qtColour(box.backColor()));
    const QtPicture* picture = qtPictureOf(box.picture());
    if (!picture)
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawImage(rect.topLeft(), picture->fittedInto(rect.size()));
    painter.restore();
}

void FacePainter::paintTextBox(QPainter& painter, const tk::TextBox& box)
{
    const QRectF rect = pixelRect(box.bounds()).adjusted(kTextBoxInset, 0, 0, 0);
    paintCaption(painter, box, rect, Qt::AlignLeft | Qt::AlignVCenter);
}

void FacePainter::paintCaption(QPainter& painter, const tk::Control& control, const QRectF& box,
                               int flags)
{
    if (control.caption().empty())
        return;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(fontOf(control));
    painter.setPen(qtColour(control.foreColor()));
    painter.drawText(box, flags | Qt::TextSingleLine, QString::fromStdString(control.caption()));
    painter.restore();
}

const QFont& FacePainter::fontOf(const tk::Control& control)
{
    CachedFont& cached = m_fonts[&control];
    if (cached.font != control.font() || cached.qtFont.pixelSize() <= 0) {
        cached.font = control.font();
        cached.qtFont = qtFont(cached.font);
    }
    return cached.qtFont;
}

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

// Room around a control's pen that antialiasing may touch.
constexpr int kAntialiasMargin = 2;
// A text box keeps its text this far from its left edge.
constexpr double kTextBoxInset = 2.0;
// A line from pixel a to pixel b runs through the centres of those pixels.
constexpr double kPixelCentre = 0.5;
// Rows in each band of the background's fill.
constexpr int kFillBandRows = 16;
// The length of each piece of a line whose surrounding square joins the line's area.
constexpr double kLinePieceLength = 32.0;

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

// Whether the segment comes within `margin` of the rectangle (Liang and Barsky's clipping).
bool segmentReaches(const QLineF& line, const QRect& rect, double margin)
{
    const QRectF box = QRectF(rect).adjusted(-margin, -margin, margin, margin);
    const double dx = line.dx();
    const double dy = line.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                         box.bottom() - line.y1()};
    double from = 0.0;
    double to = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
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

FacePainter::FacePainter(const tk::Window& window, const ScreenUnits& units, QSize faceSize)
    : m_window(window)
    , m_units(units)
    , m_faceSize(faceSize)
{
}

QRect FacePainter::paintedArea(const tk::Control& control, const tk::Bounds& bounds) const
{
    const double margin = penWidthOf(control) + kAntialiasMargin;
    return m_units.toPixels(bounds).adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

QLineF FacePainter::pixelLine(const tk::Line& line) const
{
    return {m_units.toPixels(line.x1()) + kPixelCentre, m_units.toPixels(line.y1()) + kPixelCentre,
            m_units.toPixels(line.x2()) + kPixelCentre, m_units.toPixels(line.y2()) + kPixelCentre};
}

QRegion FacePainter::lineArea(const QLineF& line, int penWidth)
{
    const double margin = std::max(1, penWidth) + kAntialiasMargin;
    const int pieces = std::max(1, static_cast<int>(std::ceil(line.length() / kLinePieceLength)));
    QRegion area;
    for (int i = 0; i < pieces; ++i) {
        const QPointF from = line.pointAt(static_cast<double>(i) / pieces);
        const QPointF to = line.pointAt(static_cast<double>(i + 1) / pieces);
        area += QRectF(from, to)
                    .normalized()
                    .adjusted(-margin, -margin, margin, margin)
                    .toAlignedRect();
    }
    return area;
}

// Whether a light-weight control may touch a pixel of the area: a slanting line reaches far
// fewer rectangles than the one around it.
bool FacePainter::reaches(const tk::Control& control, const QRegion& area) const
{
    const QRect box = paintedArea(control, control.bounds());
    if (!area.intersects(box))
        return false;
    if (control.kind() != tk::ControlKind::Line)
        return true;
    const auto& line = static_cast<const tk::Line&>(control);
    const QLineF pixels = pixelLine(line);
    const double margin = std::max(1, line.borderWidth()) + kAntialiasMargin;
    return std::any_of(area.begin(), area.end(), [&](const QRect& part) {
        return part.intersects(box) && segmentReaches(pixels, part, margin);
    });
}

void FacePainter::paint(QPainter& painter, const QRegion& area)
{
    painter.save();
    painter.setClipRegion(area, Qt::IntersectClip);
    // A fill under the clip costs less than one for each of the area's many rectangles. It is
    // done in bands of a few rows, since Qt hands a fill of many spans to a pool of threads,
    // which would wake them every second.
    const QRect bounding = area.boundingRect();
    const QColor back = qtColour(m_window.backColor());
    for (int top = bounding.top(); top <= bounding.bottom(); top += kFillBandRows) {
        const QRect band(bounding.left(), top, bounding.width(),
                         std::min(kFillBandRows, bounding.bottom() - top + 1));
        painter.fillRect(band, back);
        paintWindowPicture(painter, band);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const tk::Control* control : m_window.stacking()) {
        if (control->visible() && reaches(*control, area))
            paintLightweight(painter, *control);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const tk::Control* control : m_window.controls()) {
        // A picture box covers exactly its box, without antialiasing around it.
        if (control->kind() == tk::ControlKind::PictureBox && control->visible() &&
            area.intersects(m_units.toWholePixels(control->bounds())))
            paintPictureBox(painter, static_cast<const tk::PictureBox&>(*control));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const tk::Control* control : m_window.controls()) {
        if (m_textBoxesShown && control->kind() == tk::ControlKind::TextBox && control->visible() &&
            area.intersects(paintedArea(*control, control->bounds())))
            paintTextBox(painter, static_cast<const tk::TextBox&>(*control));
    }
    painter.restore();
}

// The window's picture stands at its own size at the top left corner, or with its middle at
// the face's middle.
void FacePainter::paintWindowPicture(QPainter& painter, const QRect& area)
{
    const QtPicture* picture = qtPictureOf(m_window.picture());
    if (!picture)
        return;
    const QImage& image = picture->image();
    const QSize size = picture->shownSize();
    const QPoint origin = m_window.picturePlace() == tk::PicturePlace::Middle
                              ? QtPicture::centredIn(QRect(QPoint(0, 0), m_faceSize), size)
                              : QPoint();
    const QRect shown = area.intersected(QRect(origin, size));
    if (shown.isEmpty())
        return;
    const double ratio = image.devicePixelRatio();
    const QRectF source(QPointF(shown.topLeft() - origin) * ratio, QSizeF(shown.size()) * ratio);
    painter.drawImage(QRectF(shown), image, source);
}

void FacePainter::paintLightweight(QPainter& painter, const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Shape:
        m_sprites[&control].paint(painter, static_cast<const tk::Shape&>(control),
                                  m_units.toPixels(control.bounds()));
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

void FacePainter::paintLine(QPainter& painter, const tk::Line& line)
{
    painter.setPen(QPen(qtColour(line.borderColor()), std::max(1, line.borderWidth())));
    painter.drawLine(pixelLine(line));
}

void FacePainter::paintLabel(QPainter& painter, const tk::Label& label)
{
    paintCaption(painter, label, m_units.toPixels(label.bounds()),
                 alignmentFlags(label.alignment()) | Qt::AlignTop);
}

// A picture box is a window of its own on whole pixels: its back colour, then its picture in
// its middle, scaled down to fit when it is larger than the box.
void FacePainter::paintPictureBox(QPainter& painter, const tk::PictureBox& box)
{
    const QRect rect = m_units.toWholePixels(box.bounds());
    painter.fillRect(rect, qtColour(box.backColor()));
    const QtPicture* picture = qtPictureOf(box.picture());
    if (!picture)
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    const QImage& shown = picture->fittedInto(rect.size(), painter.device()->devicePixelRatioF());
    painter.drawImage(QtPicture::centredIn(rect, shown.deviceIndependentSize().toSize()), shown);
    painter.restore();
}

void FacePainter::paintTextBox(QPainter& painter, const tk::TextBox& box)
{
    const QRectF rect = m_units.toPixels(box.bounds()).adjusted(kTextBoxInset, 0, 0, 0);
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
        cached.qtFont = ScreenFont::fromFont(cached.font, m_units);
    }
    return cached.qtFont;
}

#include "FaceWalk.h"

#include "Label.h"
#include "Line.h"
#include "PictureBox.h"
#include "PictureFit.h"
#include "Shape.h"
#include "ShapeSprite.h"
#include "TextBox.h"
#include "Window.h"

#include <algorithm>
#include <utility>

namespace scene {

namespace {

// A text box keeps its text this far from its left edge.
constexpr double kTextBoxInset = 2.0;

// Rows in each band of the back's fill and picture.
constexpr int kBandRows = 16;

// Calls `paint` for each band of a few rows of `rect`, from its top.
template <typename Paint> void forEachBand(const tk::PixelRect& rect, const Paint& paint)
{
    for (int top = rect.top; top < rect.bottom(); top += kBandRows)
        paint(tk::PixelRect(rect.left, top, rect.width, std::min(kBandRows, rect.bottom() - top)));
}

int alignmentFlags(tk::Alignment alignment)
{
    switch (alignment) {
    case tk::Alignment::Right:
        return kAlignRight;
    case tk::Alignment::Centre:
        return kAlignHCentre;
    case tk::Alignment::Left:
        break;
    }
    return kAlignLeft;
}

} // namespace

void FaceWalk::paint(Canvas& canvas, const Area& area)
{
    canvas.save();
    paintBack(canvas, area);
    canvas.setAntialiasing(true);
    for (const tk::Control* control : m_window.stacking()) {
        if (control->visible() && m_geometry.reaches(*control, area))
            paintLightweight(canvas, *control);
    }
    // Picture boxes and text boxes are drawn without antialiasing: a picture box covers exactly
    // its box. The hint is changed only when such a box is painted, since a toolkit may redo
    // its clip on each change of it.
    bool antialiasing = true;
    const tk::Units units = m_geometry.units();
    for (const tk::Control* control : m_window.controls()) {
        if (control->kind() == tk::ControlKind::PictureBox && control->visible() &&
            area.intersects(units.toWholePixels(control->bounds()))) {
            if (std::exchange(antialiasing, false))
                canvas.setAntialiasing(false);
            paintPictureBox(canvas, static_cast<const tk::PictureBox&>(*control));
        }
    }
    canvas.setTextAntialiasing(true);
    for (const tk::Control* control : m_window.controls()) {
        if (m_textBoxesShown && control->kind() == tk::ControlKind::TextBox && control->visible() &&
            area.intersects(m_geometry.paintedArea(*control, control->bounds()))) {
            if (std::exchange(antialiasing, false))
                canvas.setAntialiasing(false);
            paintTextBox(canvas, static_cast<const tk::TextBox&>(*control));
        }
    }
    canvas.restore();
}

// The back colour goes where the area is, a rectangle at a time, each widened by a pixel within
// the rectangle around the area: on a screen of a fraction of a device pixel to a pixel, the
// widened rectangles cover every device pixel of the area, as one fill around it would. The
// many pixels around the area that a canvas may let through are left alone, which a tick would
// otherwise write in their thousands. The window's picture, when there is one, is laid across
// that whole rectangle, in the same bands as ever, so that each of its pixels lands where it
// always did. Both go in bands of a few rows, since a toolkit may hand a fill of many spans to
// a pool of threads, which would wake them every second.
void FaceWalk::paintBack(Canvas& canvas, const Area& area)
{
    const tk::PixelRect bounding = area.boundingRect();
    for (const tk::PixelRect& rect : area.rects()) {
        const tk::PixelRect widened(rect.left - 1, rect.top - 1, rect.width + 2, rect.height + 2);
        forEachBand(widened.intersected(bounding), [&](const tk::PixelRect& band) {
            canvas.fillRect(band, m_window.backColor());
        });
    }
    if (m_window.picture())
        forEachBand(bounding, [&](const tk::PixelRect& band) { paintWindowPicture(canvas, band); });
}

// The window's picture stands at its own size at the top left corner, or with its middle at
// the face's middle.
void FaceWalk::paintWindowPicture(Canvas& canvas, const tk::PixelRect& band)
{
    const tk::PictureRef& picture = m_window.picture();
    if (!picture)
        return;
    const tk::PixelSize size = canvas.pictureSize(*picture);
    const tk::PixelPoint origin =
        m_window.picturePlace() == tk::PicturePlace::Middle
            ? PictureFit::centredIn(tk::PixelRect({0, 0}, m_faceSize), size)
            : tk::PixelPoint{};
    const tk::PixelRect shown = band.intersected(tk::PixelRect(origin, size));
    if (shown.isEmpty())
        return;
    canvas.drawPicture(*picture, shown, shown.translated(-origin.x, -origin.y));
}

void FaceWalk::paintLightweight(Canvas& canvas, const tk::Control& control)
{
    switch (control.kind()) {
    case tk::ControlKind::Shape:
        paintShape(canvas, control);
        break;
    case tk::ControlKind::Line:
        paintLine(canvas, static_cast<const tk::Line&>(control));
        break;
    case tk::ControlKind::Label:
        paintLabel(canvas, static_cast<const tk::Label&>(control));
        break;
    default:
        break;
    }
}

// The sprite is drawn anew only when the shape's look changed; a move only copies it.
void FaceWalk::paintShape(Canvas& canvas, const tk::Control& control)
{
    const auto& shape = static_cast<const tk::Shape&>(control);
    const tk::PixelRectF box = ShapeSprite::shapeBox(shape, m_geometry.toPixels(control.bounds()));
    const ShapeLook look = ShapeSprite::lookOf(shape, box, canvas.devicePixelRatio());
    if (look.size.isEmpty())
        return;
    const auto [drawn, isNew] = m_spriteLooks.try_emplace(&control, look);
    if (isNew || !(drawn->second == look)) {
        drawn->second = look;
        canvas.makeSprite(&control, look);
    }
    canvas.drawSprite(&control, ShapeSprite::spriteOrigin(box));
}

void FaceWalk::paintLine(Canvas& canvas, const tk::Line& line)
{
    canvas.drawLine(m_geometry.pixelLine(line),
                    Pen{line.borderColor(), static_cast<double>(std::max(1, line.borderWidth()))});
}

void FaceWalk::paintLabel(Canvas& canvas, const tk::Label& label)
{
    paintCaption(canvas, label, m_geometry.toPixels(label.bounds()),
                 alignmentFlags(label.alignment()) | kAlignTop);
}

// A picture box is a window of its own on whole pixels: its back colour, then its picture in
// its middle, scaled down to fit when it is larger than the box.
void FaceWalk::paintPictureBox(Canvas& canvas, const tk::PictureBox& box)
{
    const tk::PixelRect rect = m_geometry.units().toWholePixels(box.bounds());
    canvas.fillRect(rect, box.backColor());
    if (!box.picture())
        return;
    canvas.save();
    canvas.clipTo(rect);
    canvas.drawPictureFitted(*box.picture(), rect);
    canvas.restore();
}

void FaceWalk::paintTextBox(Canvas& canvas, const tk::TextBox& box)
{
    const tk::PixelRectF rect = m_geometry.toPixels(box.bounds()).adjusted(kTextBoxInset, 0, 0, 0);
    paintCaption(canvas, box, rect, kAlignLeft | kAlignVCentre);
}

void FaceWalk::paintCaption(Canvas& canvas, const tk::Control& control, const tk::PixelRectF& box,
                            int flags)
{
    if (control.caption().empty())
        return;
    canvas.drawText(box, control.caption(), control.font(), control.foreColor(), flags);
}

} // namespace scene

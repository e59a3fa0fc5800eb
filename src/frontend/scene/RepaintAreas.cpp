#include "RepaintAreas.h"

#include "Control.h"
#include "Line.h"
#include "Window.h"

namespace scene {

Area RepaintAreas::repaintArea(const tk::Control& control, const tk::Bounds& before)
{
    return uncovered(control, changedArea(control, before));
}

Area RepaintAreas::changedArea(const tk::Control& control, const tk::Bounds& before)
{
    Area changed;
    if (control.kind() == tk::ControlKind::Line) {
        const auto& line = static_cast<const tk::Line&>(control);
        const tk::PixelLineF now = m_geometry.pixelLine(line);
        const auto seen = m_lines.find(&control);
        if (seen != m_lines.end())
            changed = FaceGeometry::lineArea(seen->second, line.borderWidth());
        else if (!before.spansNothing())
            changed = m_geometry.paintedArea(control, before);
        changed += FaceGeometry::lineArea(now, line.borderWidth());
        m_lines[&control] = now;
        return changed;
    }
    const tk::Bounds now = control.bounds();
    if (!before.spansNothing())
        changed = m_geometry.paintedArea(control, before);
    if (!now.spansNothing())
        changed += m_geometry.paintedArea(control, now);
    return changed;
}

// Picture boxes stand above the light-weight controls and paint every pixel of their box, so
// what changes beneath one cannot be seen: the clock's lines all start under the centre
// picture, and without this every tick would repaint the picture and each line.
Area RepaintAreas::uncovered(const tk::Control& control, Area area) const
{
    if (control.kind() == tk::ControlKind::PictureBox || control.kind() == tk::ControlKind::TextBox)
        return area;
    for (const tk::Control* other : m_window.controls()) {
        if (other->kind() == tk::ControlKind::PictureBox && other->visible() && !other->container())
            area -= m_geometry.units().toWholePixels(other->bounds());
    }
    return area;
}

} // namespace scene

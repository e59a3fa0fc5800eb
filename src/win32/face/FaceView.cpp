#include "FaceView.h"

#include "Timer.h"

#include <cmath>

FaceView::FaceView(tk::Window& window, HWND handle, TickLoop& ticks,
                   std::function<void()> eachSecond)
    : m_window(window)
    , m_handle(handle)
    , m_timers(handle, ticks, std::move(eachSecond))
{
}

void FaceView::layOut(tk::Units units, tk::PixelSize layout, bool textBoxesShown)
{
    m_fit = FaceFit(layout);
    m_buffer = std::make_unique<FaceBuffer>(m_window, units, layout);
    m_buffer->setTextBoxesShown(textBoxesShown);
    m_repaintAreas = std::make_unique<scene::RepaintAreas>(m_window, units);
    m_dirty = tk::PixelRect({0, 0}, m_buffer->size());
}

void FaceView::fitInto(tk::PixelSize size)
{
    m_fit.fitInto(size);
    ::InvalidateRect(m_handle, nullptr, FALSE);
}

void FaceView::controlChanged(tk::Control& control, const tk::Bounds& before)
{
    if (control.kind() == tk::ControlKind::Timer)
        m_timers.timerChanged(static_cast<tk::Timer&>(control));
    else
        repaint(m_repaintAreas->repaintArea(control, before));
}

void FaceView::repaint(const scene::Area& area)
{
    if (area.isEmpty())
        return;
    m_dirty += area;
    for (const tk::PixelRect& rect : area.rects()) {
        const tk::PixelRect shown = m_fit.toWindow(rect);
        const RECT part{shown.left, shown.top, shown.right(), shown.bottom()};
        ::InvalidateRect(m_handle, &part, FALSE);
    }
}

void FaceView::repaintAll()
{
    m_dirty = tk::PixelRect({0, 0}, m_buffer->size());
    ::InvalidateRect(m_handle, nullptr, FALSE);
}

bool FaceView::answers(UINT message, WPARAM wParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_PAINT:
        paint();
        return true;
    // The face paints every pixel of the window, so nothing is erased first.
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_TIMER:
        return m_timers.fire(wParam);
    default:
        return false;
    }
}

void FaceView::paint()
{
    if (!m_dirty.isEmpty()) {
        m_buffer->paint(m_dirty);
        m_dirty = {};
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_handle, &paint);
    const RECT face = placedFace();
    paintMargins(dc, paint.rcPaint, face);
    m_buffer->showIn(dc, paint.rcPaint, face);
    ::EndPaint(m_handle, &paint);
}

RECT FaceView::placedFace() const
{
    const FaceFit::Placement& placement = m_fit.placement();
    const tk::PixelSize layout = m_fit.layout();
    return {static_cast<LONG>(std::lround(placement.x)),
            static_cast<LONG>(std::lround(placement.y)),
            static_cast<LONG>(std::lround(placement.x + layout.width * placement.scale)),
            static_cast<LONG>(std::lround(placement.y + layout.height * placement.scale))};
}

void FaceView::paintMargins(HDC dc, const RECT& rect, const RECT& face)
{
    HRGN margins = ::CreateRectRgnIndirect(&rect);
    HRGN covered = ::CreateRectRgnIndirect(&face);
    if (::CombineRgn(margins, margins, covered, RGN_DIFF) != NULLREGION)
        ::FillRgn(dc, margins, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::DeleteObject(covered);
    ::DeleteObject(margins);
}

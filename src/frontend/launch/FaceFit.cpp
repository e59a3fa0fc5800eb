#include "FaceFit.h"

#include <algorithm>
#include <cmath>

namespace {

// The whole pixels that a rectangle scaled and moved by `scale`, `x` and `y` touches, with a
// pixel more on every side for the edges that smoothing draws.
tk::PixelRect touched(const tk::PixelRect& area, double scale, double x, double y)
{
    const double left = area.left * scale + x;
    const double top = area.top * scale + y;
    const auto firstColumn = static_cast<int>(std::floor(left));
    const auto firstRow = static_cast<int>(std::floor(top));
    const auto endColumn = static_cast<int>(std::ceil(left + area.width * scale));
    const auto endRow = static_cast<int>(std::ceil(top + area.height * scale));
    return {firstColumn - 1, firstRow - 1, endColumn - firstColumn + 2, endRow - firstRow + 2};
}

} // namespace

tk::PixelSize FaceFit::layoutFor(tk::PixelSize window, tk::PixelSize largestScreen)
{
    if (window.isEmpty())
        return kSmallestLayout;
    const double grow = std::max({1.0, double(kSmallestLayout.width) / window.width,
                                  double(kSmallestLayout.height) / window.height});
    const tk::PixelSize grown{static_cast<int>(std::ceil(window.width * grow)),
                              static_cast<int>(std::ceil(window.height * grow))};
    return grown.boundedTo(largestFor(largestScreen));
}

void FaceFit::fitInto(tk::PixelSize size)
{
    m_placement = {};
    if (m_layout.isEmpty() || size.isEmpty())
        return;
    const double scale =
        std::min(double(size.width) / m_layout.width, double(size.height) / m_layout.height);
    m_placement = {scale, (size.width - m_layout.width * scale) / 2,
                   (size.height - m_layout.height * scale) / 2};
}

tk::PixelRect FaceFit::toWindow(const tk::PixelRect& area) const
{
    return touched(area, m_placement.scale, m_placement.x, m_placement.y);
}

tk::PixelRect FaceFit::toFace(const tk::PixelRect& area) const
{
    const double inverse = 1.0 / m_placement.scale;
    return touched(area, inverse, -m_placement.x * inverse, -m_placement.y * inverse);
}

#include "CaptionFit.h"

namespace {

bool fits(int pixelSize, TextExtent area, bool wrap, const CaptionMeasure& measure)
{
    if (!wrap)
        return measure.lineWidth(pixelSize) <= area.width;
    const TextExtent needed = measure.wrappedExtent(pixelSize, area.width);
    return needed.width <= area.width && needed.height <= area.height;
}

} // namespace

namespace CaptionFit {

int fittedPixelSize(int pixelSize, TextExtent area, bool wrap, const CaptionMeasure& measure)
{
    while (pixelSize > kSmallestPixelSize && !fits(pixelSize, area, wrap, measure))
        --pixelSize;
    return pixelSize;
}

} // namespace CaptionFit

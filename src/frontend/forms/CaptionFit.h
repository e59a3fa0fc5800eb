#pragma once

// The size a text takes, in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// Measures one caption in the control's font face at a given pixel size; the front end
// supplies it with its own font metrics.
class CaptionMeasure {
public:
    virtual ~CaptionMeasure() = default;
    // The width of the caption kept on one line.
    virtual int lineWidth(int pixelSize) const = 0;
    // The room the caption takes when it is wrapped at word boundaries to `width`.
    virtual TextExtent wrappedExtent(int pixelSize, int width) const = 0;
};

namespace CaptionFit {

// Below this the captions stop being readable; a caption that still does not fit is clipped.
inline constexpr int kSmallestPixelSize = 8;

// The font's pixel size made smaller, a pixel at a time, until the caption fits the area when
// it is wrapped at word boundaries (or, with `wrap` false, kept on one line, where only the
// width counts). A caption that does not fit even at the smallest size keeps that size; a
// font already smaller is left as it is.
int fittedPixelSize(int pixelSize, TextExtent area, bool wrap, const CaptionMeasure& measure);

} // namespace CaptionFit

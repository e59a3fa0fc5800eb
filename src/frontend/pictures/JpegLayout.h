#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a JPEG file's markers tell of the work of decoding it, read from all its markers and
// the bounds of its coded data before any decoder sees them.
struct JpegLayout {
    // The coefficients of a block of 8 x 8 pixels of a component.
    static constexpr std::int64_t kBlockBytes = 64 * 2;

    int width = 0;
    int height = 0;
    // How many components its frame has: 0 until a frame was read.
    int components = 0;
    // Whether a decoder must hold the coefficients of the whole picture before it can give
    // any pixel: a progressive JPEG, or one whose first scan holds some of its components
    // only. One that need not decodes a row at a time, straight to a smaller size.
    bool wholeCoefficients = false;
    // The bytes of the whole picture's coefficients: 64 of 2 bytes for each 8 x 8 block of
    // each component, as the decoder's buffer rounds them up.
    std::int64_t coefficientBytes = 0;
    // How many scans the coded data has; a decoder that holds the whole picture goes over
    // the blocks of the components of each scan.
    int scans = 0;
};

// The layout of a JPEG file's bytes; nothing when they are no JPEG of a kind that decoders
// read (baseline, extended, progressive or arithmetic coded, 1 to 4 components), when a
// marker is damaged, or when the file is cut short before the end of its picture.
std::optional<JpegLayout> readJpegLayout(std::string_view file);

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a BMP file's headers tell of the picture a decoder makes of it, checked against the
// pixel data that the file holds before any decoder sees it.
struct BmpLayout {
    int width = 0;
    int height = 0;
    int bitCount = 0;
};

// The layout of a BMP file's bytes; nothing when they are no BMP that decoders read (a bit
// count of 1, 4, 8, 16, 24 or 32, uncompressed, run-length coded or in bit fields), or when
// its pixel data is shorter than its headers say: fewer bytes than its rows take, or
// run-length codes that end before the end of the picture.
std::optional<BmpLayout> readBmpLayout(std::string_view file);

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a GIF file's block structure tells of the work of decoding its first picture, read
// from all its blocks before any decoder sees them.
struct GifLayout {
    // The canvas of the header, on which every frame is drawn.
    int canvasWidth = 0;
    int canvasHeight = 0;
    // The pixels of the first frame that a decoder must keep a copy of, to restore them after
    // the frame is shown; 0 when the frame leaves the canvas as it is.
    std::int64_t keptPixels = 0;
    // How many pixels the codes of the first frame stand for. A decoder works through all of
    // them, however few its frame has, and a few KiB of codes can stand for billions.
    std::int64_t codedPixels = 0;
};

// The layout of a GIF file's bytes; nothing when they are no GIF, when the file is cut short
// before its trailer, when a block is damaged, or when a frame reaches outside the canvas.
std::optional<GifLayout> readGifLayout(std::string_view file);

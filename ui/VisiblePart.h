// The part of a zoomed page the canvas shows, made from the picture at its
// own size: each picture pixel becomes factor x factor screen pixels
// (nearest neighbour), and only the client area's worth is made, so that
// what the view holds does not grow with the zoom. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 32-bit pixels (blue, green, red, unused) in bottom-up rows, as a
// device-independent bitmap holds them.
struct PixelRows {
    const uint8_t* bits = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
    size_t pitch = 0;  // bytes from one row to the next
};

class VisiblePart {
public:
    // The colour shown where the client area goes past the picture.
    static constexpr uint32_t kBackground = 0x808080;

    // `out` becomes width x height pixels in top-down rows: the picture at
    // `factor` screen pixels per picture pixel, seen from (originX, originY).
    // With `grid`, the first screen row and column of every picture pixel is
    // drawn a little towards grey, so that the pixels show.
    static void fill(const PixelRows& source, int32_t factor, int32_t originX, int32_t originY, int32_t width,
                     int32_t height, bool grid, std::vector<uint32_t>& out);

    // One grid pixel: a quarter of the way to mid grey.
    static uint32_t gridShade(uint32_t pixel);
};

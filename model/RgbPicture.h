// A picture as plain red, green and blue bytes, top row first: what the
// button detection reads, free of the decoder's row order and formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Region.h"

class Imagen;

class RgbPicture {
public:
    RgbPicture() = default;
    // Every pixel `red`, `green`, `blue`.
    RgbPicture(int32_t width, int32_t height, uint8_t red = 0, uint8_t green = 0, uint8_t blue = 0);
    // A copy of a decoded picture; empty when it has no bitmap.
    static RgbPicture of(const Imagen& picture);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The three bytes of pixel (x, y); the point must be inside.
    const uint8_t* at(int32_t x, int32_t y) const { return &bytes_[index(x, y)]; }
    uint8_t* at(int32_t x, int32_t y) { return &bytes_[index(x, y)]; }
    void set(int32_t x, int32_t y, uint8_t red, uint8_t green, uint8_t blue);
    // The part inside `window` (right and bottom exclusive), which must lie
    // within the picture.
    RgbPicture cropped(const Rect& window) const;

private:
    size_t index(int32_t x, int32_t y) const {
        return (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 3;
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> bytes_;
};

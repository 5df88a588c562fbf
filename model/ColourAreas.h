// A picture cut into areas of like colour: each pixel joins its neighbour
// (left, right, up, down) when no channel differs by more than a tolerance,
// so a gradient stays one area while a drawn edge ends it. Pixels mixed
// from the colours on either side of them (the smoothed edge of a rounded
// corner, stepping from one colour to the other) belong to no area: through
// them two areas would run into one.
#pragma once

#include <cstdint>
#include <vector>

#include "Region.h"
#include "RgbPicture.h"

struct ColourArea {
    int64_t pixels = 0;
    Rect bounds;                // right and bottom exclusive
    bool touchesBorder = false; // reaches the picture's edge
};

class ColourAreas {
public:
    // The area of a mixed pixel.
    static constexpr int32_t kMixed = -2;
    // Colours closer than this on either side of a pixel are not told
    // from noise.
    static constexpr int kMixedSpan = 32;

    ColourAreas(const RgbPicture& picture, int tolerance);

    const std::vector<ColourArea>& areas() const { return areas_; }
    // The area of pixel (x, y), which must be inside the picture; kMixed
    // for none.
    int32_t areaAt(int32_t x, int32_t y) const {
        return labels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

private:
    static bool isMixed(const RgbPicture& picture, int32_t x, int32_t y);

    int32_t width_;
    int32_t height_;
    std::vector<int32_t> labels_;
    std::vector<ColourArea> areas_;
};

#include "ColourAreas.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool alike(const uint8_t* a, const uint8_t* b, int tolerance) {
    return std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance &&
           std::abs(a[2] - b[2]) <= tolerance;
}

// Pixel p lies on the way from a to b, away from both ends, with a and b
// far enough apart that noise cannot explain it.
bool between(const uint8_t* a, const uint8_t* p, const uint8_t* b) {
    int widest = 0;
    for (int c = 1; c < 3; ++c)
        if (std::abs(b[c] - a[c]) > std::abs(b[widest] - a[widest]))
            widest = c;
    const int span = b[widest] - a[widest];
    if (std::abs(span) < ColourAreas::kMixedSpan)
        return false;
    const double t = double(p[widest] - a[widest]) / span;
    if (t < 0.1 || t > 0.9)
        return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(p[c] - (a[c] + t * (b[c] - a[c]))) > ColourAreas::kMixedSpan / 2)
            return false;
    return true;
}

// The root of `i`'s tree, halving the path on the way.
int32_t rootOf(std::vector<int32_t>& parent, int32_t i) {
    while (parent[static_cast<size_t>(i)] != i) {
        parent[static_cast<size_t>(i)] = parent[static_cast<size_t>(parent[static_cast<size_t>(i)])];
        i = parent[static_cast<size_t>(i)];
    }
    return i;
}

void join(std::vector<int32_t>& parent, int32_t a, int32_t b) {
    a = rootOf(parent, a);
    b = rootOf(parent, b);
    if (a != b)
        parent[static_cast<size_t>(std::max(a, b))] = std::min(a, b);
}

}  // namespace

// Two passes over the rows: each pixel joins its left and upper neighbours'
// trees when alike, then every tree becomes one numbered area.
ColourAreas::ColourAreas(const RgbPicture& picture, int tolerance)
    : width_(picture.width()), height_(picture.height()),
      labels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), kMixed) {
    std::vector<int32_t> parent(labels_.size(), kMixed);
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            if (isMixed(picture, x, y))
                continue;
            const int32_t i = y * width_ + x;
            parent[static_cast<size_t>(i)] = i;
            const uint8_t* here = picture.at(x, y);
            if (x > 0 && parent[static_cast<size_t>(i - 1)] != kMixed && alike(here, here - 3, tolerance))
                join(parent, i, i - 1);
            if (y > 0 && parent[static_cast<size_t>(i - width_)] != kMixed &&
                alike(here, picture.at(x, y - 1), tolerance))
                join(parent, i, i - width_);
        }
    }
    // A root is the smallest index of its tree: it comes before the rest.
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            const int32_t i = y * width_ + x;
            if (parent[static_cast<size_t>(i)] == kMixed)
                continue;
            const int32_t root = rootOf(parent, i);
            int32_t area;
            if (root == i) {
                area = static_cast<int32_t>(areas_.size());
                areas_.push_back(ColourArea{0, Rect{x, y, x + 1, y + 1}, false});
            } else {
                area = labels_[static_cast<size_t>(root)];
            }
            labels_[static_cast<size_t>(i)] = area;
            ColourArea& a = areas_[static_cast<size_t>(area)];
            ++a.pixels;
            a.bounds.left = std::min(a.bounds.left, x);
            a.bounds.right = std::max(a.bounds.right, x + 1);
            a.bounds.bottom = std::max(a.bounds.bottom, y + 1);
            a.touchesBorder = a.touchesBorder || x == 0 || y == 0 || x == width_ - 1 || y == height_ - 1;
        }
    }
}

bool ColourAreas::isMixed(const RgbPicture& picture, int32_t x, int32_t y) {
    const uint8_t* p = picture.at(x, y);
    if (x > 0 && x + 1 < picture.width() && between(p - 3, p, p + 3))
        return true;
    return y > 0 && y + 1 < picture.height() && between(picture.at(x, y - 1), p, picture.at(x, y + 1));
}

#include "ButtonFinder.h"

#include <algorithm>
#include <cstdlib>

namespace {

int64_t boxPixels(const Rect& r) {
    return (int64_t(r.right) - r.left) * (int64_t(r.bottom) - r.top);
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool alike(const uint8_t* a, const uint8_t* b, int tolerance) {
    return std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance &&
           std::abs(a[2] - b[2]) <= tolerance;
}

bool thinAndEven(int32_t before, int32_t after) {
    return before >= 1 && after >= 1 && before <= ButtonFinder::kMaxBorder && after <= ButtonFinder::kMaxBorder &&
           std::abs(before - after) <= 1;
}

// Drops every rectangle that lies inside another: an icon on a button, a
// face inside a frame drawn around it.
std::vector<Rect> outermost(const std::vector<Rect>& found) {
    std::vector<Rect> kept;
    for (size_t i = 0; i < found.size(); ++i) {
        bool nested = false;
        for (size_t j = 0; j < found.size() && !nested; ++j)
            nested = j != i && inside(found[i], found[j]) && (found[i] != found[j] || j < i);
        if (!nested)
            kept.push_back(found[i]);
    }
    std::sort(kept.begin(), kept.end(), [](const Rect& a, const Rect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    return kept;
}

}  // namespace

double ButtonFinder::overlap(const Rect& a, const Rect& b) {
    const int64_t width = int64_t(std::min(a.right, b.right)) - std::max(a.left, b.left);
    const int64_t height = int64_t(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
    if (width <= 0 || height <= 0)
        return 0.0;
    const double both = double(width) * double(height);
    return both / (double(boxPixels(a)) + double(boxPixels(b)) - both);
}

ButtonFinder::ButtonFinder(const RgbPicture& picture) : picture_(picture), areas_(picture, kTolerance) {}

ButtonFinder::Limits ButtonFinder::limitsFor(ButtonSensitivity sensitivity) {
    switch (sensitivity) {
    case ButtonSensitivity::Low: return Limits{20, 600, 0.6};
    case ButtonSensitivity::High: return Limits{8, 100, 0.35};
    case ButtonSensitivity::Medium: break;
    }
    return Limits{12, 250, 0.5};
}

// The background reaches the edge or covers half the page; a line or a
// letter is too thin, a scatter of noise too sparse.
bool ButtonFinder::looksLikeFace(const ColourArea& area, const Limits& limits) const {
    const int32_t width = area.bounds.right - area.bounds.left;
    const int32_t height = area.bounds.bottom - area.bounds.top;
    const int64_t box = boxPixels(area.bounds);
    const int64_t page = static_cast<int64_t>(areas_.width()) * areas_.height();
    return !area.touchesBorder && width >= limits.minSide && height >= limits.minSide &&
           area.pixels >= limits.minPixels && area.pixels >= limits.minFilled * static_cast<double>(box) &&
           box * 2 <= page;
}

std::vector<Rect> ButtonFinder::all(ButtonSensitivity sensitivity) const {
    const Limits limits = limitsFor(sensitivity);
    std::vector<Rect> found;
    const std::vector<ColourArea>& areas = areas_.areas();
    for (size_t i = 0; i < areas.size(); ++i)
        if (looksLikeFace(areas[i], limits))
            found.push_back(withBorder(areas[i].bounds));
    return outermost(found);
}

std::optional<Rect> ButtonFinder::at(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= areas_.width() || y >= areas_.height())
        return std::nullopt;
    for (const Rect& button : all(ButtonSensitivity::High))
        if (x >= button.left && x < button.right && y >= button.top && y < button.bottom)
            return button;
    return std::nullopt;
}

// Outward from the middle of each side of the face, a run of one colour,
// the same on all four sides and as wide on opposite ones, that ends
// within kMaxBorder pixels: a drawn border. A shadow falls on two sides
// only, the background runs on.
std::optional<Rect> ButtonFinder::fitAround(const RgbPicture& picture, int32_t x, int32_t y) {
    if (!picture.contains(x, y))
        return std::nullopt;
    for (int32_t reach = 128;; reach *= 2) {
        const Rect window{std::max(0, x - reach), std::max(0, y - reach), std::min(picture.width(), x + reach),
                          std::min(picture.height(), y + reach)};
        const bool whole = window == Rect{0, 0, picture.width(), picture.height()};
        const RgbPicture part = whole ? RgbPicture() : picture.cropped(window);
        // A face cut by the window's edge touches it, so is never found in
        // it; one that comes close may have its border cut.
        std::optional<Rect> found = ButtonFinder(whole ? picture : part).at(x - window.left, y - window.top);
        const bool clear = found && (window.left == 0 || found->left > kMaxBorder) &&
                           (window.top == 0 || found->top > kMaxBorder) &&
                           (window.right == picture.width() || part.width() - found->right > kMaxBorder) &&
                           (window.bottom == picture.height() || part.height() - found->bottom > kMaxBorder);
        if (found && (whole || clear))
            return Rect{found->left + window.left, found->top + window.top, found->right + window.left,
                        found->bottom + window.top};
        if (whole)
            return std::nullopt;
    }
}

Rect ButtonFinder::withBorder(const Rect& face) const {
    const int32_t middleX = (face.left + face.right) / 2, middleY = (face.top + face.bottom) / 2;
    const int32_t starts[4][4] = {{middleX, face.top - 1, 0, -1},
                                  {middleX, face.bottom, 0, 1},
                                  {face.left - 1, middleY, -1, 0},
                                  {face.right, middleY, 1, 0}};
    int32_t widths[4];
    const uint8_t* ringColour = nullptr;
    for (int side = 0; side < 4; ++side) {
        const int32_t x = starts[side][0], y = starts[side][1], dx = starts[side][2], dy = starts[side][3];
        if (!picture_.contains(x, y))
            return face;
        const uint8_t* first = picture_.at(x, y);
        if (ringColour && !alike(first, ringColour, kTolerance))
            return face;
        ringColour = first;
        int32_t width = 1;
        for (; width <= kMaxBorder; ++width) {
            if (!picture_.contains(x + dx * width, y + dy * width))
                return face;
            if (!alike(picture_.at(x + dx * width, y + dy * width), first, kTolerance))
                break;
        }
        if (width > kMaxBorder)
            return face;
        widths[side] = width;
    }
    if (!thinAndEven(widths[2], widths[3]) || !thinAndEven(widths[0], widths[1]))
        return face;
    return Rect{face.left - widths[2], face.top - widths[0], face.right + widths[3], face.bottom + widths[1]};
}

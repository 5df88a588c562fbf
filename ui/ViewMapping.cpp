#include "ui/ViewMapping.h"

#include <algorithm>
#include <cmath>

#include "model/Region.h"

namespace {

int32_t inRange(int64_t value, int32_t high) {
    return static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(value, high)));
}

// A scale within a hair of a level counts as that level, so that a fit of
// exactly 50 % steps on to 100 %, not to 50 % again.
const double kSameLevel = 1e-9;

}  // namespace

int32_t ViewMapping::truncated(double value) {
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

const std::vector<int32_t>& ViewMapping::levels() {
    static const std::vector<int32_t> fixed{25, 50, 100, 200, 400, 800};
    return fixed;
}

double ViewMapping::levelAbove(double scale) {
    for (int32_t level : levels())
        if (level / 100.0 > scale + kSameLevel)
            return level / 100.0;
    return scale;
}

double ViewMapping::levelBelow(double scale) {
    const std::vector<int32_t>& fixed = levels();
    for (auto level = fixed.rbegin(); level != fixed.rend(); ++level)
        if (*level / 100.0 < scale - kSameLevel)
            return *level / 100.0;
    return scale;
}

int32_t ViewMapping::toView(int32_t picture, double scale, bool exact) {
    if (exact)
        return truncated(static_cast<double>(picture) * std::lround(scale));
    return truncated(picture * scale + 0.5);
}

// The picture pixel a view pixel lies in: rounded down, negatives too.
int32_t ViewMapping::toPicture(int32_t view, double scale, bool exact) {
    if (exact)
        return truncated(std::floor(static_cast<double>(view) / std::lround(scale)));
    return truncated(view / scale + 0.5);
}

double ViewMapping::fitScale(int64_t width, int64_t height, int32_t viewWidth, int32_t viewHeight) {
    if (width <= 0 || height <= 0 || viewWidth <= 0 || viewHeight <= 0)
        return 1.0;
    return std::min({1.0, static_cast<double>(viewWidth) / width, static_cast<double>(viewHeight) / height});
}

void ViewMapping::setPicture(int64_t width, int64_t height, double fit) {
    pictureWidth_ = std::max<int64_t>(0, width);
    pictureHeight_ = std::max<int64_t>(0, height);
    fitScale_ = fit > 0 ? fit : 1.0;
    scrollTo(originX_, originY_);
}

void ViewMapping::setViewSize(int32_t width, int32_t height) {
    viewWidth_ = std::max(0, width);
    viewHeight_ = std::max(0, height);
    scrollTo(originX_, originY_);
}

int32_t ViewMapping::percent() const {
    return static_cast<int32_t>(std::lround(scale() * 100));
}

void ViewMapping::fit() {
    level_ = 0;
    originX_ = originY_ = 0;
}

void ViewMapping::zoomAround(int32_t percent, int32_t x, int32_t y) {
    const double was = scale();
    const double pictureX = (static_cast<double>(originX_) + x) / was;
    const double pictureY = (static_cast<double>(originY_) + y) / was;
    level_ = std::max(1, percent);
    const double now = scale();
    scrollTo(std::llround(pictureX * now - x), std::llround(pictureY * now - y));
}

int32_t ViewMapping::contentWidth() const {
    return truncated(static_cast<double>(pictureWidth_) * scale());
}

int32_t ViewMapping::contentHeight() const {
    return truncated(static_cast<double>(pictureHeight_) * scale());
}

int32_t ViewMapping::maxOriginX() const {
    return std::max(0, contentWidth() - viewWidth_);
}

int32_t ViewMapping::maxOriginY() const {
    return std::max(0, contentHeight() - viewHeight_);
}

bool ViewMapping::scrollTo(int64_t x, int64_t y) {
    const int32_t newX = inRange(x, maxOriginX()), newY = inRange(y, maxOriginY());
    const bool moved = newX != originX_ || newY != originY_;
    originX_ = newX;
    originY_ = newY;
    return moved;
}

int32_t ViewMapping::clientToViewX(int32_t x) const {
    return saturated(static_cast<int64_t>(x) + originX_);
}

int32_t ViewMapping::clientToViewY(int32_t y) const {
    return saturated(static_cast<int64_t>(y) + originY_);
}

int32_t ViewMapping::edgeScroll(int32_t pointer, int32_t extent, int32_t reach, int32_t step) {
    if (pointer < reach)
        return -step;
    if (pointer >= extent - reach)
        return step;
    return 0;
}

// How the canvas shows a page: the zoom (fitted to the window, or one of the
// fixed levels) and the scroll origin, and the rules that turn picture
// pixels into view pixels and back. View pixels are pixels of the whole
// page at the zoom, origin at the picture's top-left corner; the client
// area shows them from the scroll origin on. Portable.
#pragma once

#include <cstdint>
#include <vector>

class ViewMapping {
public:
    // Toward zero; values outside int32 saturate instead of overflowing.
    static int32_t truncated(double value);

    // The fixed levels, in percent, smallest first.
    static const std::vector<int32_t>& levels();
    // The next level above (below) `scale`; `scale` itself when none is.
    static double levelAbove(double scale);
    static double levelBelow(double scale);

    // From 100 % up, on a fixed level, a view pixel lies in one picture
    // pixel and a picture edge is a whole number of view pixels: the round
    // trip is exact. Below, or at fit, half up and truncated toward zero
    // (-1.5 gives -1), and only edges that moved are converted back.
    static int32_t toView(int32_t picture, double scale, bool exact);
    static int32_t toPicture(int32_t view, double scale, bool exact);

    // The largest scale, never above 1, at which a width x height picture
    // fits a view of viewWidth x viewHeight; 1 when nothing is known.
    static double fitScale(int64_t width, int64_t height, int32_t viewWidth, int32_t viewHeight);

    // A picture of width x height picture pixels shown at `fit` (0 or less: 1).
    void setPicture(int64_t width, int64_t height, double fit);
    // The client area's size; the origin stays within the new range.
    void setViewSize(int32_t width, int32_t height);

    bool atFit() const { return level_ <= 0; }
    double scale() const { return atFit() ? fitScale_ : level_ / 100.0; }
    bool exact() const { return !atFit() && level_ >= 100; }
    // The zoom as the status bar shows it, rounded to a whole percent.
    int32_t percent() const;

    // Back to fit, scrolled to the corner.
    void fit();
    // Shows `percent` keeping the picture point under the client point
    // (x, y) where it is, as far as the scroll range allows.
    void zoomAround(int32_t percent, int32_t x, int32_t y);

    int32_t originX() const { return originX_; }
    int32_t originY() const { return originY_; }
    // The whole page at the zoom, in view pixels.
    int32_t contentWidth() const;
    int32_t contentHeight() const;
    int32_t viewWidth() const { return viewWidth_; }
    int32_t viewHeight() const { return viewHeight_; }
    // How far the origin may go: 0 when the page fits.
    int32_t maxOriginX() const;
    int32_t maxOriginY() const;
    // Scrolls to (x, y), kept within the range; true when the origin moved.
    bool scrollTo(int64_t x, int64_t y);
    bool scrollBy(int64_t dx, int64_t dy) { return scrollTo(originX_ + dx, originY_ + dy); }

    // How far a drag at `pointer` scrolls one way on a client `extent`
    // long: `step` towards an edge within `reach` of it (or past it), else 0.
    static int32_t edgeScroll(int32_t pointer, int32_t extent, int32_t reach, int32_t step);

    // A client point as a view point.
    int32_t clientToViewX(int32_t x) const;
    int32_t clientToViewY(int32_t y) const;

private:
    int64_t pictureWidth_ = 0;
    int64_t pictureHeight_ = 0;
    double fitScale_ = 1.0;
    int32_t level_ = 0;  // percent; 0 at fit
    int32_t originX_ = 0;
    int32_t originY_ = 0;
    int32_t viewWidth_ = 0;
    int32_t viewHeight_ = 0;
};

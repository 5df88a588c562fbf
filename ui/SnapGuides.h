// Snapping while regions are moved or resized with the mouse: the lines a
// moved rectangle may snap to (edges and centre lines of the other regions
// and of the page) and which one its own edges or centre meet. Canvas
// pixels, which are screen pixels. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/Region.h"

class SnapGuides {
public:
    static const int32_t kReach = 5;  // screen pixels

    // The lines of `others` and of a width x height page (no page lines
    // when either is 0), sorted for quick look-ups.
    void setTargets(const std::vector<Rect>& others, int32_t pageWidth, int32_t pageHeight);

    // Of `lines` (the moving rectangle's own lines along one axis), the one
    // nearest to a target within kReach: how far to shift them all to meet
    // it, and the target, which is where the guide line is drawn. None when
    // no target is within reach.
    struct Snap {
        int32_t shift;
        int32_t guide;
    };
    std::optional<Snap> snapX(const std::vector<int32_t>& lines) const { return nearest(xs_, lines); }
    std::optional<Snap> snapY(const std::vector<int32_t>& lines) const { return nearest(ys_, lines); }

    // Left, centre and right (or top, centre and bottom) of a rectangle.
    static std::vector<int32_t> linesAcross(const Rect& r);
    static std::vector<int32_t> linesAlong(const Rect& r);

private:
    static std::optional<Snap> nearest(const std::vector<int32_t>& targets, const std::vector<int32_t>& lines);

    std::vector<int32_t> xs_;
    std::vector<int32_t> ys_;
};

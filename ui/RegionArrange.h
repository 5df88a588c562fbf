// The "Organizar" commands over the selected regions' rectangles: line up
// edges or centres with the reference, give its width, height or both, or
// spread the regions evenly. Works on picture pixels, so that the file gets
// exact values at any scale. Portable.
#pragma once

#include <cstddef>
#include <vector>

#include "model/Region.h"

class RegionArrange {
public:
    // How many selected regions `commandId` needs; 0 for an id that arranges nothing.
    static size_t regionsNeeded(int commandId);
    // `rects`, reference first, as `commandId` leaves them, in the same order.
    static std::vector<Rect> arranged(int commandId, const std::vector<Rect>& rects);

private:
    static Rect aligned(int commandId, const Rect& target, const Rect& reference);
    // The regions spread along x (`across`) or y: the outermost two stay,
    // the gaps between neighbours become equal, spare pixels going to the first gaps.
    static std::vector<Rect> distributed(const std::vector<Rect>& rects, bool across);
};

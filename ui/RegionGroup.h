// Several regions moved as one: their bounding box, and how far the box may
// go and still stay on the page. Portable.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Region.h"

class RegionGroup {
public:
    // The smallest rectangle holding all of `rects` (corners put in order);
    // all zero for none.
    static Rect bounds(const std::vector<Rect>& rects);
    // `offset` along one axis for a group spanning low..high on a page
    // 0..limit (no limit when limit <= 0), cut so that the group stays on
    // the page as one. A group already partly off the page may move back
    // but no further away; one larger than the page keeps covering it.
    static int64_t offsetOnPage(int32_t low, int32_t high, int64_t offset, int64_t limit);
    // Where a group copied at `copied` is pasted on a width x height picture
    // (0 x 0: none) holding `regions`: its box goes onto the picture, then
    // the whole group steps `step` pixels on (down and right, or up and left
    // where that leaves the picture) while any one of it has a twin there.
    static std::vector<Rect> pasted(const std::vector<Rect>& copied, uint32_t width, uint32_t height,
                                    const std::vector<Region>& regions, int32_t step);
};

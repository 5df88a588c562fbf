#include "ui/RegionGroup.h"

#include <algorithm>

Rect RegionGroup::bounds(const std::vector<Rect>& rects) {
    if (rects.empty())
        return Rect{};
    Rect box = cornersInOrder(rects.front());
    for (const Rect& rect : rects) {
        const Rect r = cornersInOrder(rect);
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

int64_t RegionGroup::offsetOnPage(int32_t low, int32_t high, int64_t offset, int64_t limit) {
    if (limit <= 0)
        return offset;
    const int64_t room = limit - (static_cast<int64_t>(high) - low);
    // Where the group's start may go; a start already outside widens the
    // range just enough to let it stay where it is.
    const int64_t lowest = std::min<int64_t>({0, room, low});
    const int64_t highest = std::max<int64_t>({0, room, low});
    const int64_t start = std::max(lowest, std::min(highest, static_cast<int64_t>(low) + offset));
    return start - low;
}

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

std::vector<Rect> RegionGroup::pasted(const std::vector<Rect>& copied, uint32_t width, uint32_t height,
                                      const std::vector<Region>& regions, int32_t step) {
    const Rect box = bounds(copied);
    const int64_t dx = offsetOnPage(box.left, box.right, 0, width);
    const int64_t dy = offsetOnPage(box.top, box.bottom, 0, height);
    auto placedAt = [&](const Rect& r, int64_t by) {
        return Rect{saturated(r.left + dx + by), saturated(r.top + dy + by), saturated(r.right + dx + by),
                    saturated(r.bottom + dy + by)};
    };
    auto anyTaken = [&](int64_t by) {
        return std::any_of(copied.begin(), copied.end(), [&](const Rect& r) {
            const Rect placed = cornersInOrder(placedAt(r, by));
            return std::any_of(regions.begin(), regions.end(),
                               [&](const Region& region) { return region.coords == placed; });
        });
    };
    const Rect start = placedAt(box, 0);
    int64_t by = 0;
    // Each region on the page stands in the way of at most one step.
    for (size_t tried = 0; tried <= regions.size() && anyTaken(by); ++tried) {
        const int64_t distance = static_cast<int64_t>(step) * static_cast<int64_t>(tried + 1);
        const bool fitsForward = width == 0 || height == 0 ||
                                 (start.right + distance <= static_cast<int64_t>(width) &&
                                  start.bottom + distance <= static_cast<int64_t>(height));
        by = fitsForward ? distance : -distance;
    }
    std::vector<Rect> placed;
    for (const Rect& r : copied)
        placed.push_back(cornersInOrder(placedAt(r, by)));
    return placed;
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

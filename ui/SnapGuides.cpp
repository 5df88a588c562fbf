#include "ui/SnapGuides.h"

#include <algorithm>
#include <cstdlib>

namespace {

int32_t centre(int32_t low, int32_t high) {
    return static_cast<int32_t>((static_cast<int64_t>(low) + high) / 2);
}

void sortUnique(std::vector<int32_t>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

void SnapGuides::setTargets(const std::vector<Rect>& others, int32_t pageWidth, int32_t pageHeight) {
    xs_.clear();
    ys_.clear();
    for (const Rect& other : others) {
        for (int32_t x : linesAcross(other))
            xs_.push_back(x);
        for (int32_t y : linesAlong(other))
            ys_.push_back(y);
    }
    if (pageWidth > 0 && pageHeight > 0) {
        xs_.insert(xs_.end(), {0, pageWidth / 2, pageWidth});
        ys_.insert(ys_.end(), {0, pageHeight / 2, pageHeight});
    }
    sortUnique(xs_);
    sortUnique(ys_);
}

std::vector<int32_t> SnapGuides::linesAcross(const Rect& r) {
    return {r.left, centre(r.left, r.right), r.right};
}

std::vector<int32_t> SnapGuides::linesAlong(const Rect& r) {
    return {r.top, centre(r.top, r.bottom), r.bottom};
}

// Each line looks at the targets on either side of it; ties go to the line
// given first, so an edge wins over the centre.
std::optional<SnapGuides::Snap> SnapGuides::nearest(const std::vector<int32_t>& targets,
                                                    const std::vector<int32_t>& lines) {
    std::optional<Snap> best;
    int64_t bestDistance = static_cast<int64_t>(kReach) + 1;
    for (int32_t line : lines) {
        auto at = std::lower_bound(targets.begin(), targets.end(), line);
        for (auto candidate : {at, at == targets.begin() ? targets.end() : at - 1}) {
            if (candidate == targets.end())
                continue;
            const int64_t distance = std::llabs(static_cast<int64_t>(*candidate) - line);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = Snap{static_cast<int32_t>(*candidate - static_cast<int64_t>(line)), *candidate};
            }
        }
    }
    return best;
}

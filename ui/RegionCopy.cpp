#include "ui/RegionCopy.h"

#include <algorithm>

void RegionCopy::copyOnto(const std::vector<Region>& regions, Pagina& page) {
    const int32_t width = page.recordedAncho(), height = page.recordedAlto();
    for (const Region& region : regions) {
        Region copy{cornersInOrder(region.coords), region.comando};
        if (width > 0 && height > 0) {
            intoRange(copy.coords.left, copy.coords.right, width);
            intoRange(copy.coords.top, copy.coords.bottom, height);
        }
        page.addRegion(copy);
    }
}

void RegionCopy::intoRange(int32_t& low, int32_t& high, int32_t limit) {
    const int64_t length = std::min<int64_t>(static_cast<int64_t>(high) - low, limit);
    const int64_t start = std::max<int64_t>(0, std::min<int64_t>(low, limit - length));
    low = static_cast<int32_t>(start);
    high = static_cast<int32_t>(start + length);
}

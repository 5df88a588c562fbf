#include "RegionScale.h"

#include "Proyecto.h"

namespace {

// `value` clamped into [0, from], then scaled to [0, to] rounding halves up.
int32_t scaledEdge(int32_t value, uint32_t from, uint32_t to) {
    const int64_t limit = from;
    const int64_t inside = value < 0 ? 0 : value > limit ? limit : value;
    return static_cast<int32_t>((2 * inside * to + from) / (2 * static_cast<int64_t>(from)));
}

// Grows [low, high) to one pixel when rounding closed it, inside [0, limit].
void keepOnePixel(int32_t& low, int32_t& high, uint32_t limit) {
    if (high > low)
        return;
    if (static_cast<uint32_t>(low) < limit)
        high = low + 1;
    else
        low = high - 1;
}

}  // namespace

Rect scaledRect(const Rect& rect, uint32_t fromWidth, uint32_t fromHeight, uint32_t toWidth, uint32_t toHeight) {
    if (fromWidth == 0 || fromHeight == 0 || toWidth == 0 || toHeight == 0)
        return rect;
    const Rect ordered = cornersInOrder(rect);
    Rect scaled{scaledEdge(ordered.left, fromWidth, toWidth), scaledEdge(ordered.top, fromHeight, toHeight),
                scaledEdge(ordered.right, fromWidth, toWidth), scaledEdge(ordered.bottom, fromHeight, toHeight)};
    keepOnePixel(scaled.left, scaled.right, toWidth);
    keepOnePixel(scaled.top, scaled.bottom, toHeight);
    return scaled;
}

void scaleRegions(Pagina& page, uint32_t fromWidth, uint32_t fromHeight, uint32_t toWidth, uint32_t toHeight) {
    for (Region& region : page.regiones)
        region.coords = scaledRect(region.coords, fromWidth, fromHeight, toWidth, toHeight);
}

// recordedAncho() gives the header's size once the header was read, and
// the file's own otherwise: they differ only for a picture really read.
std::vector<size_t> pagesWithResizedPictures(const Proyecto& project) {
    std::vector<size_t> resized;
    for (size_t i = 0; i < project.paginas.size(); ++i) {
        const Pagina& page = *project.paginas[i];
        if (page.ancho > 0 && page.alto > 0 &&
            (page.recordedAncho() != page.ancho || page.recordedAlto() != page.alto))
            resized.push_back(i);
    }
    return resized;
}

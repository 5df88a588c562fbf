// The one place that converts between screen and picture pixels, so that
// the canvas can work at the screen's scale while the file stays in the
// picture's own. Also holds the picture made ready for drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "Imagen.h"
#include "Pagina.h"
#include "Region.h"

class PaginaEscalada {
public:
    PaginaEscalada(Pagina& page, double scale);
    PaginaEscalada(const PaginaEscalada&) = delete;
    PaginaEscalada& operator=(const PaginaEscalada&) = delete;

    Pagina& page() const { return page_; }
    double scale() const { return scale_; }
    // The rescaled picture; its bitmap is null when none could be made.
    const Imagen& picture() const { return *picture_; }
    const std::vector<Region>& regions() const { return regions_; }

    // Half up, then truncated toward zero: -1.5 gives -1.
    int32_t toCanvas(int32_t value) const;
    int32_t toPicture(int32_t value) const;
    Rect toCanvas(const Rect& rect) const;
    Rect toPicture(const Rect& rect) const;

    void addRegion(const Region& region);
    void setRegionCoords(size_t index, const Rect& rect);
    void setRegionCommand(size_t index, const Comando& comando);
    void removeRegion(size_t index);

private:
    Pagina& page_;
    double scale_;
    std::unique_ptr<Imagen> picture_;
    std::vector<Region> regions_;
};

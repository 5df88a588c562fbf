// The one place that converts between screen and picture pixels, so that
// the canvas can work at the screen's scale while the file stays in the
// picture's own. Also holds the picture made ready for drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/Imagen.h"
#include "model/Pagina.h"
#include "model/Region.h"

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

    // The page's size on the canvas: its picture's, or the size the page
    // records when the picture is missing (as the blank picture shown for
    // it). 0 when neither is known: such a page has no edges.
    int32_t pageWidth() const;
    int32_t pageHeight() const;

    // Half up, then truncated toward zero: -1.5 gives -1.
    int32_t toCanvas(int32_t value) const;
    int32_t toPicture(int32_t value) const;
    Rect toCanvas(const Rect& rect) const;
    Rect toPicture(const Rect& rect) const;

    // The region's rectangle as the page stores it, in picture pixels.
    const Rect& pictureCoords(size_t index) const { return page_.regiones.at(index).coords; }

    void addRegion(const Region& region);
    // The same for a region given in picture pixels, stored exactly as given.
    void addPictureRegion(const Region& region);
    // An edit of the canvas rectangle. Only the picture edges whose canvas
    // edge changed follow, each by the picture distance its canvas edge went;
    // two opposite edges that moved alike move the same picture distance, so
    // a move keeps the picture width and height exactly.
    void setRegionCoords(size_t index, const Rect& rect);
    // What setRegionCoords would store for `rect`, without storing it.
    Rect pictureFor(size_t index, const Rect& rect) const;
    // An edit worked out in both kinds of pixels: each rectangle is stored as given.
    void setRegionCoords(size_t index, const Rect& canvasRect, const Rect& pictureRect);
    // Left before right and top before bottom, in both rectangles.
    bool cornersOrdered(size_t index) const;
    // Puts the corners in that order.
    void orderCorners(size_t index);
    void setRegionCommand(size_t index, const Comando& comando);
    void removeRegion(size_t index);

private:
    int64_t pictureDistance(int32_t from, int32_t to) const;

    Pagina& page_;
    double scale_;
    std::unique_ptr<Imagen> picture_;
    std::vector<Region> regions_;
};

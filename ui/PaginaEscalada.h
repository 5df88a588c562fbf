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
    // `exact`: a fixed zoom of 100 % or more (ViewMapping's rules); the view
    // then keeps the picture at its own size, in 32 bits, and the canvas
    // enlarges only the part it shows.
    PaginaEscalada(Pagina& page, double scale, bool exact = false);
    PaginaEscalada(const PaginaEscalada&) = delete;
    PaginaEscalada& operator=(const PaginaEscalada&) = delete;

    Pagina& page() const { return page_; }
    double scale() const { return scale_; }
    bool exact() const { return exact_; }
    // Screen pixels per pixel of picture(): the zoom when exact, else 1.
    int32_t pictureFactor() const;
    // The rescaled picture (at its own size when exact); its bitmap is null
    // when none could be made.
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

    // Where region `index` shows: when exact, its stored edges, which a drag
    // under way follows in whole picture pixels; else its canvas rectangle.
    Rect shownRect(size_t index) const;
    // Puts the canvas rectangle of `index` on its stored edges when exact.
    void realign(size_t index);

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
    bool exact_;
    std::unique_ptr<Imagen> picture_;
    std::vector<Region> regions_;
};

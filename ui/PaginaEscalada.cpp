#include "PaginaEscalada.h"

#include <FreeImage.h>

#include <cmath>

#include "ui/ViewMapping.h"

namespace {

// GDI draws standard bitmaps of 1, 4, 8, 24 and 32 bits per pixel as they
// are (the alpha of 32 is ignored). A 16-bit grey picture would be read as
// 5-5-5 colour and 48- or 64-bit ones not drawn at all.
bool gdiDrawsAsIs(FIBITMAP* picture) {
    if (FreeImage_GetImageType(picture) != FIT_BITMAP)
        return false;
    unsigned depth = FreeImage_GetBPP(picture);
    return depth == 1 || depth == 4 || depth == 8 || depth == 24 || depth == 32;
}

// A converted copy GDI draws faithfully; null when none can be made.
FIBITMAP* drawableCopy(FIBITMAP* picture) {
    // Grey stays grey in 8 bits; everything else keeps its colours in 24.
    if (FreeImage_GetImageType(picture) == FIT_UINT16)
        return FreeImage_ConvertTo8Bits(picture);
    return FreeImage_ConvertTo24Bits(picture);
}

bool ordered(const Rect& r) {
    return r.left <= r.right && r.top <= r.bottom;
}

// The picture at its own size in 32 bits, which VisiblePart reads.
FIBITMAP* fullSize(const Imagen* source) {
    if (!source || !source->bitmap())
        return nullptr;
    FIBITMAP* decoded = source->bitmap();
    if (FreeImage_GetImageType(decoded) == FIT_UINT16) {
        FIBITMAP* grey = FreeImage_ConvertTo8Bits(decoded);
        FIBITMAP* full = grey ? FreeImage_ConvertTo32Bits(grey) : nullptr;
        if (grey)
            FreeImage_Unload(grey);
        return full;
    }
    return FreeImage_ConvertTo32Bits(decoded);
}

FIBITMAP* rescaled(const Imagen* source, double scale) {
    if (!source || !source->bitmap())
        return nullptr;
    int width = static_cast<int>(source->width() * scale);
    int height = static_cast<int>(source->height() * scale);
    if (width <= 0 || height <= 0)
        return nullptr;
    // The page keeps its picture as decoded; only the view is converted.
    FIBITMAP* decoded = source->bitmap();
    FIBITMAP* drawable = gdiDrawsAsIs(decoded) ? decoded : drawableCopy(decoded);
    if (!drawable)
        return nullptr;
    FIBITMAP* view = FreeImage_Rescale(drawable, width, height, FILTER_BOX);
    if (drawable != decoded)
        FreeImage_Unload(drawable);
    return view;
}

}  // namespace

PaginaEscalada::PaginaEscalada(Pagina& page, double scale, bool exact)
    : page_(page), scale_(scale), exact_(exact && scale >= 1.0) {
    regions_.reserve(page.regiones.size());
    for (const Region& region : page.regiones)
        regions_.push_back(Region{toCanvas(region.coords), region.comando});
    // The decoded picture stays with the shared cache; the view keeps its own.
    picture_ = std::make_unique<Imagen>(exact_ ? fullSize(page.picture().get()) : rescaled(page.picture().get(), scale));
}

int32_t PaginaEscalada::pictureFactor() const {
    return exact_ ? static_cast<int32_t>(std::lround(scale_)) : 1;
}

Rect PaginaEscalada::shownRect(size_t index) const {
    return exact_ ? toCanvas(pictureCoords(index)) : regions_.at(index).coords;
}

void PaginaEscalada::realign(size_t index) {
    if (exact_)
        regions_.at(index).coords = toCanvas(pictureCoords(index));
}

// Truncated, as the rescaled picture's own size.
int32_t PaginaEscalada::pageWidth() const {
    return ViewMapping::truncated(page_.recordedAncho() * scale_);
}

int32_t PaginaEscalada::pageHeight() const {
    return ViewMapping::truncated(page_.recordedAlto() * scale_);
}

int32_t PaginaEscalada::toCanvas(int32_t value) const {
    return ViewMapping::toView(value, scale_, exact_);
}

int32_t PaginaEscalada::toPicture(int32_t value) const {
    return ViewMapping::toPicture(value, scale_, exact_);
}

Rect PaginaEscalada::toCanvas(const Rect& r) const {
    return Rect{toCanvas(r.left), toCanvas(r.top), toCanvas(r.right), toCanvas(r.bottom)};
}

Rect PaginaEscalada::toPicture(const Rect& r) const {
    return Rect{toPicture(r.left), toPicture(r.top), toPicture(r.right), toPicture(r.bottom)};
}

void PaginaEscalada::addRegion(const Region& region) {
    regions_.push_back(region);
    page_.addRegion(Region{toPicture(region.coords), region.comando});
    realign(regions_.size() - 1);
}

void PaginaEscalada::addPictureRegion(const Region& region) {
    regions_.push_back(Region{toCanvas(region.coords), region.comando});
    page_.addRegion(region);
}

// A canvas edge that did not move leaves its picture edge alone: converting
// it back would round away the picture's finer position.
int64_t PaginaEscalada::pictureDistance(int32_t from, int32_t to) const {
    return from == to ? 0 : static_cast<int64_t>(toPicture(to)) - toPicture(from);
}

Rect PaginaEscalada::pictureFor(size_t index, const Rect& rect) const {
    const Rect& was = regions_.at(index).coords;
    Rect stored = pictureCoords(index);
    int64_t left = pictureDistance(was.left, rect.left);
    int64_t top = pictureDistance(was.top, rect.top);
    bool movedAcross = static_cast<int64_t>(rect.left) - was.left == static_cast<int64_t>(rect.right) - was.right;
    bool movedAlong = static_cast<int64_t>(rect.top) - was.top == static_cast<int64_t>(rect.bottom) - was.bottom;
    int64_t right = movedAcross ? left : pictureDistance(was.right, rect.right);
    int64_t bottom = movedAlong ? top : pictureDistance(was.bottom, rect.bottom);
    return Rect{saturated(stored.left + left), saturated(stored.top + top), saturated(stored.right + right),
                saturated(stored.bottom + bottom)};
}

void PaginaEscalada::setRegionCoords(size_t index, const Rect& rect) {
    setRegionCoords(index, rect, pictureFor(index, rect));
}

void PaginaEscalada::setRegionCoords(size_t index, const Rect& canvasRect, const Rect& pictureRect) {
    regions_.at(index).coords = canvasRect;
    page_.regiones.at(index).coords = pictureRect;
}

bool PaginaEscalada::cornersOrdered(size_t index) const {
    return ordered(regions_.at(index).coords) && ordered(pictureCoords(index));
}

void PaginaEscalada::orderCorners(size_t index) {
    setRegionCoords(index, cornersInOrder(regions_.at(index).coords), cornersInOrder(pictureCoords(index)));
}

void PaginaEscalada::setRegionCommand(size_t index, const Comando& comando) {
    regions_.at(index).comando = comando;
    page_.regiones.at(index).comando = comando;
}

void PaginaEscalada::removeRegion(size_t index) {
    if (index >= regions_.size())
        return;
    regions_.erase(regions_.begin() + static_cast<std::ptrdiff_t>(index));
    page_.removeRegion(index);
}

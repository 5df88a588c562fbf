// Regions drawn for a picture of one size, carried over to the same design
// exported at another size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Region.h"

class Pagina;
class Proyecto;

// `rect` drawn on a `fromWidth` x `fromHeight` picture, for one of
// `toWidth` x `toHeight`: each edge scaled on its own axis and rounded to
// the nearest pixel, then kept inside the new picture and at least one
// pixel wide and high. A zero size on either side leaves it as it was.
Rect scaledRect(const Rect& rect, uint32_t fromWidth, uint32_t fromHeight, uint32_t toWidth, uint32_t toHeight);

// Scales every region of `page` the same way.
void scaleRegions(Pagina& page, uint32_t fromWidth, uint32_t fromHeight, uint32_t toWidth, uint32_t toHeight);

// Pages whose picture, read from its header, has another size than the one
// the project file recorded for it; pages with no recorded size or no
// readable picture are left out.
std::vector<size_t> pagesWithResizedPictures(const Proyecto& project);

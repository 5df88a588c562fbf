// Regions copied onto other pages at the same place: what the copy to
// pages puts on each page chosen. Portable.
#pragma once

#include <vector>

#include "model/Pagina.h"
#include "model/Region.h"

class RegionCopy {
public:
    // Adds `regions` (picture pixels), commands included, to `page`, each
    // moved onto the page's size and cut to it when larger. A page of no
    // known size takes them as they are.
    static void copyOnto(const std::vector<Region>& regions, Pagina& page);
    // One axis low..high moved inside 0..limit.
    static void intoRange(int32_t& low, int32_t& high, int32_t limit);
};

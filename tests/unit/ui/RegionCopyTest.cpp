// Regions copied onto another page: same place, moved onto a smaller page.
#include <gtest/gtest.h>

#include <vector>

#include "ui/RegionCopy.h"

TEST(RegionCopy, SamePlaceKeptOnThePageCommandsIncluded) {
    Pagina page;
    page.setImagen(100, 50, "/nonexistent/quenda-copy.png");
    Comando luz;
    luz.codigo = "luz";
    const std::vector<Region> given = {{Rect{10, 10, 30, 30}, luz}, {Rect{90, 40, 120, 60}, luz},
                                       {Rect{-10, 0, 200, 20}, luz}, {Rect{30, 30, 10, 10}, luz}};
    RegionCopy::copyOnto(given, page);
    const std::vector<Region> expected = {{Rect{10, 10, 30, 30}, luz}, {Rect{70, 30, 100, 50}, luz},
                                          {Rect{0, 0, 100, 20}, luz}, {Rect{10, 10, 30, 30}, luz}};
    EXPECT_EQ(expected, page.regiones);
}

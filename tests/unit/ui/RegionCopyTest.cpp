// Regions copied onto another page: same place, moved onto a smaller page.
#include <gtest/gtest.h>

#include <vector>

#include "ui/RegionCopy.h"

TEST(RegionCopy, SamePlaceKeptOnThePageCommandsIncluded) {
    Pagina page;
    page.setImagen(100, 50, "/nonexistent/quenda-copy.png");
    page.addRegion(Region{Rect{0, 0, 5, 5}, Comando()});
    const struct {
        Rect given, expected;
    } cases[] = {
        {Rect{10, 10, 30, 30}, Rect{10, 10, 30, 30}},
        {Rect{90, 40, 120, 60}, Rect{70, 30, 100, 50}},
        {Rect{-10, 0, 200, 20}, Rect{0, 0, 100, 20}},
        {Rect{30, 30, 10, 10}, Rect{10, 10, 30, 30}},
    };
    std::vector<Region> regions;
    for (const auto& c : cases) {
        regions.push_back(Region{c.given, Comando()});
        regions.back().comando.codigo = "luz";
    }
    RegionCopy::copyOnto(regions, page);
    ASSERT_EQ(1 + regions.size(), page.regiones.size());
    for (size_t i = 0; i < regions.size(); ++i) {
        EXPECT_EQ(cases[i].expected, page.regiones[1 + i].coords) << i;
        EXPECT_EQ("luz", page.regiones[1 + i].comando.codigo);
    }
}

// The "Organizar" rules on rectangles: each alignment and size against the
// reference, and the even spread of regions of uneven sizes.
#include <gtest/gtest.h>

#include <vector>

#include "base/resource.h"
#include "ui/RegionArrange.h"

namespace {

Rect rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Rect{left, top, right, bottom};
}

TEST(RegionArrange, EachCommandChangesTheOthersAgainstTheReference) {
    const Rect reference = rect(10, 10, 60, 40);  // 50 x 30, centre (35, 25)
    const Rect target = rect(100, 25, 130, 75);   // 30 x 50, centre (115, 50)
    const struct {
        int commandId;
        Rect expected;
    } cases[] = {
        {ID_ORGANIZAR_IZQUIERDA, rect(10, 25, 40, 75)},  {ID_ORGANIZAR_DERECHA, rect(30, 25, 60, 75)},
        {ID_ORGANIZAR_SUPERIOR, rect(100, 10, 130, 60)}, {ID_ORGANIZAR_INFERIOR, rect(100, -10, 130, 40)},
        {ID_ORGANIZAR_CENTRO_H, rect(20, 25, 50, 75)},   {ID_ORGANIZAR_CENTRO_V, rect(100, 0, 130, 50)},
        {ID_ORGANIZAR_ANCHO, rect(100, 25, 150, 75)},    {ID_ORGANIZAR_ALTO, rect(100, 25, 130, 55)},
        {ID_ORGANIZAR_TAMANO, rect(100, 25, 150, 55)},
    };
    for (const auto& c : cases) {
        const std::vector<Rect> result = RegionArrange::arranged(c.commandId, {reference, target, rect(130, 75, 100, 25)});
        ASSERT_EQ(3u, result.size());
        EXPECT_EQ(reference, result[0]) << c.commandId;
        EXPECT_EQ(c.expected, result[1]) << c.commandId;
        EXPECT_EQ(c.expected, result[2]) << c.commandId << " (corners given backwards)";
        EXPECT_EQ(2u, RegionArrange::regionsNeeded(c.commandId));
        EXPECT_EQ(std::vector<Rect>{target}, RegionArrange::arranged(c.commandId, {target}));
    }
}

TEST(RegionArrange, DistributionKeepsTheOutermostAndGivesSparePixelsToTheFirstGaps) {
    const struct {
        int commandId;
        std::vector<Rect> given;  // in selection order, not in place order
        std::vector<Rect> expected;
    } cases[] = {
        {ID_ORGANIZAR_DISTRIBUIR_H,
         {rect(50, 0, 55, 9), rect(0, 0, 10, 9), rect(90, 0, 100, 9), rect(13, 5, 43, 9)},
         {rect(70, 0, 75, 9), rect(0, 0, 10, 9), rect(90, 0, 100, 9), rect(25, 5, 55, 9)}},
        {ID_ORGANIZAR_DISTRIBUIR_H,  // 47 spare pixels over three gaps: 16, 16, 15
         {rect(0, 0, 10, 9), rect(13, 0, 43, 9), rect(50, 0, 55, 9), rect(92, 0, 102, 9)},
         {rect(0, 0, 10, 9), rect(26, 0, 56, 9), rect(72, 0, 77, 9), rect(92, 0, 102, 9)}},
        {ID_ORGANIZAR_DISTRIBUIR_V,  // more height than room: the gaps come out equal and negative
         {rect(0, 0, 9, 40), rect(0, 10, 9, 30), rect(0, 20, 9, 50)},
         {rect(0, 0, 9, 40), rect(0, 20, 9, 40), rect(0, 20, 9, 50)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, RegionArrange::arranged(c.commandId, c.given)) << c.commandId;
        EXPECT_EQ(3u, RegionArrange::regionsNeeded(c.commandId));
        std::vector<Rect> two(c.given.begin(), c.given.begin() + 2);
        EXPECT_EQ(two, RegionArrange::arranged(c.commandId, two));
    }
    EXPECT_EQ(0u, RegionArrange::regionsNeeded(ID_KEY_LEFT));
}

}  // namespace

// The zoom's rules: conversions at every level, the next level up or down,
// zooming around a point, the scroll range; and the canvas editing at a zoom.
#include <gtest/gtest.h>

#include <cmath>

#include "model/Pagina.h"
#include "ui/CanvasEditor.h"
#include "ui/ViewMapping.h"
#include "ui/WheelSteps.h"

namespace {

struct Level {
    double scale;
    bool exact;
};

// Every level the view can be at: the fixed ones, and fits below 100 %.
std::vector<Level> everyLevel() {
    std::vector<Level> all{{0.37, false}, {0.61, false}, {1.0, false}};
    for (int32_t percent : ViewMapping::levels())
        all.push_back({percent / 100.0, percent >= 100});
    return all;
}

}  // namespace

TEST(ViewMapping, RoundTripIsExactFrom100PercentUp) {
    for (const Level& level : everyLevel()) {
        if (!level.exact)
            continue;
        for (int32_t value : {-1001, -17, -1, 0, 1, 2, 7, 639, 1280, 100000})
            EXPECT_EQ(value, ViewMapping::toPicture(ViewMapping::toView(value, level.scale, true), level.scale, true))
                << level.scale << " " << value;
    }
    EXPECT_EQ(-2, ViewMapping::toPicture(-5, 4.0, true));  // the picture pixel -5 lies in
}

// A stored edge whose view edge did not move stays, whatever the level.
TEST(ViewMapping, AnEditMovesOnlyTheEdgesThatMovedAtEveryLevel) {
    for (const Level& level : everyLevel()) {
        Pagina page;
        page.setImagen(800, 600, "/nonexistent/zoom.png");
        Region region;
        region.coords = Rect{101, 51, 303, 153};
        page.addRegion(region);
        PaginaEscalada view(page, level.scale, level.exact);
        Rect r = view.regions()[0].coords;
        r.right += 1;
        view.setRegionCoords(0, r);
        const Rect& stored = page.regiones[0].coords;
        EXPECT_EQ(101, stored.left) << level.scale;
        EXPECT_EQ(51, stored.top) << level.scale;
        EXPECT_EQ(153, stored.bottom) << level.scale;
        EXPECT_LE(303, stored.right) << level.scale;
    }
}

TEST(ViewMapping, NextLevelFromAnyScale) {
    struct Row {
        double from, above, below;
    };
    for (const Row& row : {Row{0.1, 0.25, 0.1}, Row{0.25, 0.5, 0.25}, Row{0.6, 1.0, 0.5}, Row{1.0, 2.0, 0.5},
                           Row{3.0, 4.0, 2.0}, Row{8.0, 8.0, 4.0}}) {
        EXPECT_DOUBLE_EQ(row.above, ViewMapping::levelAbove(row.from)) << row.from;
        EXPECT_DOUBLE_EQ(row.below, ViewMapping::levelBelow(row.from)) << row.from;
    }
}

TEST(ViewMapping, FitNeverGoesAbove100Percent) {
    EXPECT_DOUBLE_EQ(1.0, ViewMapping::fitScale(300, 200, 1000, 1000));
    EXPECT_DOUBLE_EQ(0.25, ViewMapping::fitScale(1280, 800, 1000, 200));
}

// The picture point under the pointer stays under it, unless the scroll
// range stops it at the picture's edge.
TEST(ViewMapping, ZoomAroundKeepsThePointUnderThePointer) {
    struct Row {
        int32_t x, y, percent, originX, originY;
    };
    for (const Row& row : {Row{100, 50, 200, 100, 50}, Row{100, 50, 800, 700, 350}, Row{0, 0, 400, 0, 0},
                           Row{399, 299, 800, 2793, 2093}}) {
        ViewMapping view;
        view.setPicture(1280, 800, 1.0);
        view.setViewSize(400, 300);
        view.zoomAround(100, 0, 0);
        view.zoomAround(row.percent, row.x, row.y);
        EXPECT_EQ(row.originX, view.originX()) << row.percent;
        EXPECT_EQ(row.originY, view.originY()) << row.percent;
    }
}

TEST(ViewMapping, ScrollStaysWithinThePage) {
    ViewMapping view;
    view.setPicture(1280, 800, 0.5);
    view.setViewSize(640, 400);
    EXPECT_FALSE(view.scrollBy(50, 50));  // fitted: nothing to scroll
    view.zoomAround(800, 0, 0);
    EXPECT_EQ(10240 - 640, view.maxOriginX());
    EXPECT_TRUE(view.scrollTo(-5, 999999));
    EXPECT_EQ(0, view.originX());
    EXPECT_EQ(6400 - 400, view.originY());
    view.setViewSize(640, 7000);  // a taller window pulls the origin back
    EXPECT_EQ(0, view.originY());
}

TEST(ViewMapping, ADragNearTheEdgeScrollsTowardsIt) {
    struct Row {
        int32_t pointer, step;
    };
    for (const Row& row : {Row{-30, -20}, Row{0, -20}, Row{15, -20}, Row{16, 0}, Row{383, 0}, Row{384, 20},
                           Row{900, 20}})
        EXPECT_EQ(row.step, ViewMapping::edgeScroll(row.pointer, 400, 16, 20)) << row.pointer;
}

// Parts of a notch add up; a wheel's whole notches come out at once.
TEST(WheelSteps, PartsOfANotchAddUp) {
    struct Row {
        std::vector<int32_t> deltas;
        int32_t notches, pixels;  // in all, pixels at 60 a notch
    };
    const Row rows[] = {{{120}, 1, 60}, {{-240}, -2, -120}, {{30, 30, 30}, 0, 45}, {{30, 30, 30, 30}, 1, 60},
                        {{1, 1}, 0, 1}, {{50, -20, 90}, 1, 60}};
    for (const Row& row : rows) {
        WheelSteps zoom, scroll;
        int32_t notches = 0, pixels = 0;
        for (int32_t delta : row.deltas) {
            notches += zoom.notches(delta);
            pixels += scroll.pixels(delta, 60);
        }
        EXPECT_EQ(row.notches, notches) << row.deltas.size();
        EXPECT_EQ(row.pixels, pixels) << row.deltas.size();
    }
}

// --- The canvas at a zoom -----------------------------------------------------

class ZoomedCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.setImagen(200, 100, "/nonexistent/zoomed-canvas.png");
        Region region;
        region.coords = Rect{10, 10, 20, 20};
        page.addRegion(region);
        canvas.setPage(&page, 1.0, {});
    }
    void drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        canvas.leftDown(fromX, fromY, false);
        now += 300;
        canvas.mouseMove(toX, toY, true);
        canvas.leftUp(toX, toY);
    }
    uint32_t now = 1000;
    CanvasEditor canvas{[this] { return now; }, 250};
    Pagina page;
};

// At 800 % the region's picture pixel (10, 10) is screen pixels 80 to 87.
TEST_F(ZoomedCanvasTest, HitTestGripsAndDragsWorkInPicturePixels) {
    canvas.setZoom(8.0, true);
    EXPECT_EQ(0, canvas.hitTest(120, 120));
    EXPECT_EQ(-1, canvas.hitTest(79, 120));
    EXPECT_EQ(ZONE_RIGHT, canvas.zoneAt(0, 163, 120));  // grips stay 5 screen pixels wide
    EXPECT_EQ(ZONE_MOVE, canvas.zoneAt(0, 154, 120));
    drag(160, 120, 187, 120);  // 27 screen pixels: the edge lands in picture pixel 23
    EXPECT_EQ((Rect{10, 10, 23, 20}), page.regiones[0].coords);
    PaintPlan plan;
    canvas.paintPlan(plan);
    EXPECT_EQ((Rect{80, 80, 184, 160}), plan.inverted);
    EXPECT_EQ(8, plan.factor);
}

TEST_F(ZoomedCanvasTest, BandAtAZoomStoresWholePicturePixels) {
    canvas.setZoom(4.0, true);
    drag(401, 202, 443, 245);
    ASSERT_EQ(2u, page.regiones.size());
    EXPECT_EQ((Rect{100, 50, 110, 61}), page.regiones[1].coords);
}

TEST_F(ZoomedCanvasTest, ZoomingKeepsSelectionAndNeverMovesAnEdge) {
    canvas.selectRegion(0);
    for (double scale : {2.0, 0.25, 8.0, 0.5, 1.0}) {
        canvas.setZoom(scale, scale >= 1.0);
        EXPECT_EQ(0, canvas.selected());
        EXPECT_EQ((Rect{10, 10, 20, 20}), page.regiones[0].coords);
    }
}

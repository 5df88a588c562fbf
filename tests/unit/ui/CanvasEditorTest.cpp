// The page canvas without a window: showing a page, hit-testing, drag zones,
// pointer shapes, mouse moves and resizes, the rubber band and the command
// dialog requests, checked in the page's stored coordinates.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/Pagina.h"
#include "base/resource.h"
#include "ui/CanvasEditor.h"

namespace {

const uint32_t kDelay = 250;  // half of a 500 ms double-click time

Rect rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Rect{left, top, right, bottom};
}

class CanvasTest : public ::testing::Test {
protected:
    // A page whose picture file is missing shows a blank picture of its size.
    void show(double scale, int32_t width = 800, int32_t height = 600) {
        page.nombre = "Inicio";
        page.setImagen(width, height, "/nonexistent/quenda-canvas-test.png");
        canvas.setPage(&page, scale, {"Inicio", "Salon"});
    }
    void addRegion(const Rect& coords, const std::string& codigo = "") {
        Region region;
        region.coords = coords;
        region.comando.codigo = codigo;
        page.addRegion(region);
    }
    Rect stored(size_t i) const { return page.regiones.at(i).coords; }
    Rect shown(size_t i) const { return canvas.scaledPage()->regions().at(i).coords; }
    // A press held past the delay, then one move and the release.
    void drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        canvas.leftDown(fromX, fromY, false);
        now += kDelay + 1;
        canvas.mouseMove(toX, toY, true);
        canvas.leftUp(toX, toY);
    }

    uint32_t now = 1000;
    CanvasEditor canvas{[this] { return now; }, kDelay};
    Pagina page;
};

// --- Scale and size -------------------------------------------------------

TEST(CanvasScale, PictureThatFitsIsShownUnscaledWithoutMovingTheWindow) {
    ScaleChoice choice = chooseScale(1024, 700, 1280, 900);
    EXPECT_EQ(1.0, choice.scale);
    EXPECT_FALSE(choice.moveToCorner);
    EXPECT_FALSE(chooseScale(1280, 900, 1280, 900).moveToCorner);  // exactly the room there is
}

TEST(CanvasScale, TooLargePictureTakesTheSmallerRatioAndMovesTheWindow) {
    ScaleChoice wide = chooseScale(2560, 400, 1280, 900);
    EXPECT_DOUBLE_EQ(0.5, wide.scale);
    EXPECT_TRUE(wide.moveToCorner);
    ScaleChoice tall = chooseScale(1000, 1800, 1280, 900);
    EXPECT_DOUBLE_EQ(0.5, tall.scale);
    ScaleChoice both = chooseScale(2560, 3600, 1280, 900);
    EXPECT_DOUBLE_EQ(0.25, both.scale);
}

TEST(CanvasScale, NoRoomAtAllShowsThePictureUnscaledRatherThanAtScaleZero) {
    ScaleChoice choice = chooseScale(800, 600, 1280, 0);
    EXPECT_EQ(1.0, choice.scale);
    EXPECT_TRUE(choice.moveToCorner);
    EXPECT_EQ(1.0, chooseScale(800, 600, -10, -10).scale);
}

TEST_F(CanvasTest, SmallPictureGetsTheMinimumCanvasOf400By200) {
    show(1.0, 300, 150);
    int32_t width = 0, height = 0;
    canvas.canvasSize(width, height);
    EXPECT_EQ(400, width);
    EXPECT_EQ(200, height);
}

TEST_F(CanvasTest, CanvasTakesTheScaledPictureSize) {
    show(0.5, 1001, 600);
    int32_t width = 0, height = 0;
    canvas.canvasSize(width, height);
    EXPECT_EQ(500, width);
    EXPECT_EQ(300, height);
}

TEST_F(CanvasTest, WithoutPageTheCanvasIs400By200) {
    canvas.setPage(nullptr, 1.0, {});
    int32_t width = 0, height = 0;
    canvas.canvasSize(width, height);
    EXPECT_EQ(400, width);
    EXPECT_EQ(200, height);
}

TEST_F(CanvasTest, ShowingAPageResetsModeSelectionAndChecksNormal) {
    addRegion(rect(10, 10, 100, 100));
    show(1.0);
    canvas.leftDown(50, 50, false);
    canvas.command(2805);
    ASSERT_EQ(0, canvas.selected());
    CanvasActions actions = canvas.setPage(&page, 1.0, {"Inicio"});
    EXPECT_EQ(-1, canvas.selected());
    EXPECT_EQ(ModoEdicion::NORMAL, canvas.mode());
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
    EXPECT_FALSE(canvas.bandActive());
    EXPECT_EQ(2814, actions.checkModeCommand);
    EXPECT_TRUE(actions.repaint);
    EXPECT_EQ(std::vector<std::string>{"Inicio"}, canvas.pageNames());
}

TEST_F(CanvasTest, PaintPlanOutlinesEveryRegionAndInvertsTheSelectedOne) {
    addRegion(rect(10, 10, 100, 100));
    addRegion(rect(200, 20, 300, 80));
    show(1.0, 640, 480);
    PaintPlan plan;
    canvas.paintPlan(plan);
    EXPECT_EQ(640u, plan.width);
    EXPECT_EQ(480u, plan.height);
    EXPECT_NE(nullptr, plan.info);
    EXPECT_NE(nullptr, plan.bits);
    ASSERT_EQ(2u, plan.outlines.size());
    EXPECT_EQ(rect(200, 20, 300, 80), plan.outlines[1]);
    EXPECT_FALSE(plan.hasInverted);
    canvas.leftDown(250, 50, false);
    canvas.paintPlan(plan);
    EXPECT_EQ(2u, plan.outlines.size());
    EXPECT_TRUE(plan.hasInverted);
    EXPECT_EQ(rect(200, 20, 300, 80), plan.inverted);
}

// At half scale: one region takes the typed box whole; two move together to
// its corner, keeping their sizes; each time one step.
TEST_F(CanvasTest, ATypedBoxPlacesTheSelectionAsOneStep) {
    addRegion(rect(10, 10, 100, 100));
    addRegion(rect(200, 20, 300, 80));
    show(0.5, 640, 480);
    int steps = 0;
    canvas.setBeforeChange([&] { ++steps; });
    canvas.leftDown(20, 20, false);
    canvas.leftUp(20, 20);
    canvas.placeSelection(rect(11, 12, 51, 72));
    EXPECT_EQ(rect(11, 12, 51, 72), stored(0));
    canvas.command(ID_SELECCIONAR_TODO);
    canvas.placeSelection(rect(1, 2, 0, 0));
    EXPECT_EQ(rect(1, 2, 41, 62), stored(0));
    EXPECT_EQ(rect(190, 10, 290, 70), stored(1));
    EXPECT_EQ(2, steps);
}

TEST_F(CanvasTest, NoPageMeansNoPictureNoOutlinesAndInertHandlers) {
    canvas.setPage(nullptr, 1.0, {});
    PaintPlan plan;
    canvas.paintPlan(plan);
    EXPECT_EQ(nullptr, plan.bits);
    EXPECT_TRUE(plan.outlines.empty());
    CanvasActions press = canvas.leftDown(10, 10, false);
    EXPECT_FALSE(press.capture);
    EXPECT_FALSE(canvas.bandActive());
    EXPECT_FALSE(canvas.mouseMove(40, 40, true).drawBand);
    EXPECT_FALSE(canvas.leftUp(40, 40).repaint);
    EXPECT_EQ(-1, canvas.rightDown(10, 10).commandDialog);
}

TEST_F(CanvasTest, PageWithoutAnyPictureStillShowsItsRegionsOnTheMinimumCanvas) {
    addRegion(rect(10, 10, 100, 100));
    show(1.0, 0, 0);  // no size recorded: not even a blank picture
    int32_t width = 0, height = 0;
    canvas.canvasSize(width, height);
    EXPECT_EQ(400, width);
    EXPECT_EQ(200, height);
    PaintPlan plan;
    canvas.paintPlan(plan);
    EXPECT_EQ(nullptr, plan.bits);
    EXPECT_EQ(1u, plan.outlines.size());
    EXPECT_EQ(0, canvas.hitTest(50, 50));
    EXPECT_EQ(1.0, chooseScale(0, 0, 1280, 900).scale);
}

// --- Hit test, zones and pointer shapes -------------------------------------

TEST_F(CanvasTest, OverlapResolvesToTheEarlierRegionAndBoundsAreInclusive) {
    addRegion(rect(10, 10, 100, 100));
    addRegion(rect(50, 50, 150, 150));
    show(1.0);
    EXPECT_EQ(0, canvas.hitTest(60, 60));
    EXPECT_EQ(1, canvas.hitTest(120, 120));
    EXPECT_EQ(0, canvas.hitTest(100, 100));  // right-bottom corner of the first
    EXPECT_EQ(1, canvas.hitTest(150, 150));
    EXPECT_EQ(0, canvas.hitTest(10, 10));
    EXPECT_EQ(-1, canvas.hitTest(151, 60));
    EXPECT_EQ(-1, canvas.hitTest(9, 10));
    canvas.leftDown(60, 60, false);
    EXPECT_EQ(0, canvas.selected());
}

TEST_F(CanvasTest, ZonesFollowTheTableOrder) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    EXPECT_EQ(ZONE_TOP_LEFT, canvas.zoneAt(0, 103, 103));
    EXPECT_EQ(ZONE_BOTTOM_LEFT, canvas.zoneAt(0, 95, 165));
    EXPECT_EQ(ZONE_LEFT, canvas.zoneAt(0, 105, 130));
    EXPECT_EQ(ZONE_TOP_RIGHT, canvas.zoneAt(0, 200, 100));
    EXPECT_EQ(ZONE_BOTTOM_RIGHT, canvas.zoneAt(0, 196, 157));
    EXPECT_EQ(ZONE_RIGHT, canvas.zoneAt(0, 205, 130));
    EXPECT_EQ(ZONE_TOP, canvas.zoneAt(0, 150, 95));
    EXPECT_EQ(ZONE_BOTTOM, canvas.zoneAt(0, 150, 160));
    EXPECT_EQ(ZONE_MOVE, canvas.zoneAt(0, 106, 106));
    EXPECT_EQ(ZONE_NONE, canvas.zoneAt(-1, 150, 130));
}

TEST_F(CanvasTest, InANarrowRegionTheLeftAndTopEdgesWin) {
    addRegion(rect(100, 100, 108, 106));
    show(1.0);
    EXPECT_EQ(ZONE_TOP_LEFT, canvas.zoneAt(0, 104, 103));
    EXPECT_EQ(ZONE_LEFT, canvas.zoneAt(0, 105, 140));
}

TEST_F(CanvasTest, PressThreePixelsInsideTheCornerResizesAndInTheMiddleMoves) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    CanvasActions corner = canvas.leftDown(103, 103, false);
    EXPECT_EQ(CanvasCursor::SizeNWSE, corner.cursor);
    EXPECT_EQ(ZONE_TOP_LEFT, canvas.dragZone());
    canvas.leftUp(103, 103);
    CanvasActions middle = canvas.leftDown(150, 130, false);
    EXPECT_EQ(CanvasCursor::SizeAll, middle.cursor);
    EXPECT_EQ(ZONE_MOVE, canvas.dragZone());
}

TEST_F(CanvasTest, PointerShapesPerZone) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    EXPECT_EQ(CanvasCursor::SizeNS, canvas.cursorFor(0, 150, 100));
    EXPECT_EQ(CanvasCursor::SizeNS, canvas.cursorFor(0, 150, 160));
    EXPECT_EQ(CanvasCursor::SizeWE, canvas.cursorFor(0, 100, 130));
    EXPECT_EQ(CanvasCursor::SizeWE, canvas.cursorFor(0, 200, 130));
    EXPECT_EQ(CanvasCursor::SizeNESW, canvas.cursorFor(0, 200, 100));
    EXPECT_EQ(CanvasCursor::SizeNESW, canvas.cursorFor(0, 100, 160));
    EXPECT_EQ(CanvasCursor::SizeNWSE, canvas.cursorFor(0, 200, 160));
    EXPECT_EQ(CanvasCursor::Arrow, canvas.cursorFor(-1, 10, 10));
    EXPECT_EQ(CanvasCursor::None, canvas.mouseMove(10, 10, true).cursor);  // class arrow applies
    EXPECT_EQ(CanvasCursor::SizeAll, canvas.mouseMove(150, 130, true).cursor);
}

TEST_F(CanvasTest, DuringADragThePointerKeepsTheDragZoneShape) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(200, 130, false);  // right edge
    CanvasActions outside = canvas.mouseMove(400, 400, true);
    EXPECT_EQ(CanvasCursor::SizeWE, outside.cursor);
}

// --- Moving and resizing ------------------------------------------------

TEST_F(CanvasTest, QuickClickSelectsButDoesNotMove) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    CanvasActions press = canvas.leftDown(150, 130, false);
    EXPECT_TRUE(press.repaint);
    EXPECT_TRUE(press.capture);  // the release must reach the canvas wherever it happens
    EXPECT_EQ(0, canvas.selected());
    now += 100;
    EXPECT_FALSE(canvas.mouseMove(170, 140, true).repaint);
    now += kDelay - 100;  // exactly the delay: still too early
    canvas.mouseMove(190, 150, true);
    EXPECT_TRUE(canvas.leftUp(190, 150).releaseCapture);
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
    EXPECT_EQ(0, canvas.selected());
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
}

TEST_F(CanvasTest, HeldPressMakesTheRegionJumpByTheOffsetSinceThePress) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(150, 130, false);
    now += 50;
    canvas.mouseMove(155, 131, true);  // dropped: too early
    now += kDelay;
    CanvasActions step = canvas.mouseMove(170, 140, true);
    EXPECT_TRUE(step.repaint);
    EXPECT_EQ(rect(120, 110, 220, 170), stored(0));
    canvas.mouseMove(171, 138, true);
    EXPECT_EQ(rect(121, 108, 221, 168), stored(0));
    CanvasActions release = canvas.leftUp(171, 138);
    EXPECT_FALSE(release.repaint);
    canvas.mouseMove(300, 300, true);
    EXPECT_EQ(rect(121, 108, 221, 168), stored(0));
}

TEST_F(CanvasTest, TickCountWrapDoesNotStartOrStallADrag) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    now = 0xFFFFFFF0u;
    canvas.leftDown(150, 130, false);
    now = 0x00000010u;  // 32 ms later, across the wrap
    canvas.mouseMove(160, 130, true);
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
    now = 0x00000100u;  // 272 ms after the press
    canvas.mouseMove(160, 130, true);
    EXPECT_EQ(rect(110, 100, 210, 160), stored(0));
}

// Where a drag starts on the region's canvas rectangle.
enum class Grip { Middle, RightEdge, TopLeft };

struct MouseEdit {
    const char* name;
    Grip grip;
    int32_t dx, dy;
    bool keepsLeft, keepsTop, keepsRight, keepsBottom;
    bool keepsSize;
};

// At a scale below 1.0 a stored edge is finer than the canvas shows it: an
// edge the hand did not move keeps its stored value, and a move keeps the
// stored width and height.
TEST_F(CanvasTest, MouseEditsWriteOnlyTheEdgesTheyChangeAtEveryScale) {
    const Rect before = rect(101, 51, 301, 151);
    const MouseEdit edits[] = {
        {"move across", Grip::Middle, 7, 0, false, true, false, true, true},
        {"move along", Grip::Middle, 0, -5, true, false, true, false, true},
        {"move both ways", Grip::Middle, -3, 4, false, false, false, false, true},
        {"right edge", Grip::RightEdge, 9, 0, true, true, false, true, false},
        {"top-left corner", Grip::TopLeft, -4, -6, false, false, true, true, false},
    };
    for (double scale : {1.0, 0.5, 0.3}) {
        for (const MouseEdit& edit : edits) {
            page.regiones.clear();
            addRegion(before);
            show(scale);
            Rect c = shown(0);
            int32_t x = edit.grip == Grip::Middle ? (c.left + c.right) / 2
                        : edit.grip == Grip::RightEdge ? c.right : c.left;
            int32_t y = edit.grip == Grip::TopLeft ? c.top : (c.top + c.bottom) / 2;
            drag(x, y, x + edit.dx, y + edit.dy);
            Rect after = stored(0);
            std::string what = std::string(edit.name) + " at " + std::to_string(scale);
            EXPECT_EQ(edit.keepsLeft, after.left == before.left) << what;
            EXPECT_EQ(edit.keepsTop, after.top == before.top) << what;
            EXPECT_EQ(edit.keepsRight, after.right == before.right) << what;
            EXPECT_EQ(edit.keepsBottom, after.bottom == before.bottom) << what;
            if (edit.keepsSize) {
                EXPECT_EQ(before.right - before.left, after.right - after.left) << what;
                EXPECT_EQ(before.bottom - before.top, after.bottom - after.top) << what;
                EXPECT_EQ(rect(c.left + edit.dx, c.top + edit.dy, c.right + edit.dx, c.bottom + edit.dy), shown(0))
                    << what;
            }
        }
    }
}

TEST_F(CanvasTest, AtHalfScaleOnePixelRightShiftsLeftAndRightByTwoPicturePixels) {
    addRegion(rect(101, 50, 300, 151));
    show(0.5, 2000, 800);
    EXPECT_EQ(rect(51, 25, 150, 76), shown(0));
    drag(100, 50, 101, 50);
    EXPECT_EQ(rect(52, 25, 151, 76), shown(0));
    EXPECT_EQ(rect(103, 50, 302, 151), stored(0));
}

TEST_F(CanvasTest, CornerAndEdgeDragsSetThoseEdgesToThePointer) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    drag(103, 103, 80, 90);
    EXPECT_EQ(rect(80, 90, 200, 160), stored(0));
    drag(199, 158, 250, 190);
    EXPECT_EQ(rect(80, 90, 250, 190), stored(0));
    drag(150, 190, 150, 210);  // bottom edge
    EXPECT_EQ(rect(80, 90, 250, 210), stored(0));
    drag(250, 150, 260, 400);  // right edge: y does not count
    EXPECT_EQ(rect(80, 90, 260, 210), stored(0));
}

TEST_F(CanvasTest, EdgeDraggedPastTheOppositeOneIsPutBackInOrderOnRelease) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(100, 130, false);  // left edge
    now += kDelay + 1;
    canvas.mouseMove(260, 130, true);
    EXPECT_EQ(rect(260, 100, 200, 160), stored(0));  // crossed while dragging
    CanvasActions release = canvas.leftUp(260, 130);
    EXPECT_TRUE(release.repaint);
    EXPECT_EQ(rect(200, 100, 260, 160), stored(0));
    EXPECT_EQ(0, canvas.hitTest(230, 130));
}

TEST_F(CanvasTest, ReleaseOfAnOrderedDragNeitherRewritesNorRepaints) {
    addRegion(rect(101, 50, 300, 151));
    show(0.5, 2000, 800);
    canvas.leftDown(100, 50, false);
    now += 10;
    CanvasActions release = canvas.leftUp(100, 50);  // a quick click
    EXPECT_FALSE(release.repaint);
    // Stored values untouched: a rewrite would have rounded them to (102, 50, 300, 152).
    EXPECT_EQ(rect(101, 50, 300, 151), stored(0));
}

TEST_F(CanvasTest, DragWhoseReleaseWentElsewhereEndsAtTheNextPress) {
    addRegion(rect(100, 100, 200, 160));
    addRegion(rect(300, 100, 400, 160));
    show(1.0);
    canvas.leftDown(150, 130, false);
    now += kDelay + 1;
    canvas.mouseMove(160, 130, true);  // button released outside: no leftUp
    canvas.mouseMove(170, 130, true);  // still following
    EXPECT_EQ(rect(120, 100, 220, 160), stored(0));
    canvas.leftDown(20, 300, false);  // press on empty picture
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
    EXPECT_TRUE(canvas.bandActive());
    canvas.mouseMove(40, 330, true);
    canvas.leftUp(40, 330);
    EXPECT_EQ(rect(120, 100, 220, 160), stored(0));
    EXPECT_EQ(3u, page.regiones.size());
}

TEST_F(CanvasTest, MoveWithoutTheButtonEndsTheDragOrBandAndReleasesTheCapture) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(150, 130, false);
    now += kDelay + 1;
    canvas.mouseMove(160, 130, true);
    CanvasActions lost = canvas.mouseMove(400, 300, false);  // released where the canvas did not hear it
    EXPECT_TRUE(lost.releaseCapture);
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
    canvas.mouseMove(170, 140, false);
    EXPECT_EQ(rect(110, 100, 210, 160), stored(0));

    canvas.leftDown(20, 300, false);
    canvas.mouseMove(60, 350, true);
    CanvasActions lostBand = canvas.mouseMove(70, 360, false);
    EXPECT_TRUE(lostBand.releaseCapture);
    EXPECT_TRUE(lostBand.repaint);  // wipes the band's outline
    EXPECT_FALSE(canvas.bandActive());
    canvas.leftUp(70, 360);
    EXPECT_EQ(1u, page.regiones.size());
}

// "Deshacer" or another page during a press shows a page again: the pointer
// the press captured is released, and only then.
TEST_F(CanvasTest, ShowingAPageEndsADragOrBandAndReleasesTheCapture) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    EXPECT_FALSE(canvas.setPage(&page, 1.0, {"Inicio"}).releaseCapture);
    canvas.leftDown(150, 130, false);
    EXPECT_TRUE(canvas.setPage(&page, 1.0, {"Inicio"}).releaseCapture);
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
    canvas.leftDown(400, 300, false);
    EXPECT_TRUE(canvas.setPage(nullptr, 1.0, {}).releaseCapture);
    EXPECT_FALSE(canvas.bandActive());
}

TEST_F(CanvasTest, PressAfterALostReleaseEndsTheOldDragBeforeCapturingAgain) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(150, 130, false);
    CanvasActions again = canvas.leftDown(150, 130, false);  // no release in between
    EXPECT_TRUE(again.releaseCapture);
    EXPECT_TRUE(again.capture);  // the window releases first, then captures
    EXPECT_EQ(ZONE_MOVE, canvas.dragZone());
}

// --- Rubber band -------------------------------------------------------

TEST_F(CanvasTest, RubberBandCapturesAndDrawsWithXorErase) {
    show(1.0);
    CanvasActions press = canvas.leftDown(20, 20, false);
    EXPECT_TRUE(press.capture);
    EXPECT_FALSE(press.repaint);
    EXPECT_TRUE(canvas.bandActive());
    CanvasActions first = canvas.mouseMove(25, 40, true);
    EXPECT_TRUE(first.drawBand);
    EXPECT_EQ(rect(20, 20, 20, 20), first.erasedBand);
    EXPECT_EQ(rect(20, 20, 25, 40), first.drawnBand);
    EXPECT_FALSE(first.repaint);
    CanvasActions second = canvas.mouseMove(29, 80, true);
    EXPECT_EQ(rect(20, 20, 25, 40), second.erasedBand);
    EXPECT_EQ(rect(20, 20, 29, 80), second.drawnBand);
}

TEST_F(CanvasTest, BandNarrowerThanTenPixelsCreatesNothing) {
    show(1.0);
    canvas.leftDown(20, 20, false);
    canvas.mouseMove(29, 80, true);
    CanvasActions release = canvas.leftUp(29, 80);
    EXPECT_TRUE(page.regiones.empty());
    EXPECT_TRUE(release.releaseCapture);
    EXPECT_TRUE(release.repaint);
    EXPECT_FALSE(canvas.bandActive());
    canvas.leftDown(20, 20, false);
    canvas.leftUp(80, 29);
    EXPECT_TRUE(page.regiones.empty());
}

TEST_F(CanvasTest, BandOfTenPixelsCreatesOneUnselectedRegionWithEmptyCommand) {
    show(1.0);
    canvas.leftDown(20, 20, false);
    canvas.mouseMove(30, 30, true);
    canvas.leftUp(30, 30);
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(rect(20, 20, 30, 30), stored(0));
    EXPECT_EQ(Comando(), page.regiones[0].comando);
    EXPECT_EQ(-1, canvas.selected());
}

TEST_F(CanvasTest, BandDrawnUpAndLeftIsStoredWithLeftAndTopFirst) {
    show(1.0);
    canvas.leftDown(200, 150, false);
    canvas.leftUp(120, 90);
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(rect(120, 90, 200, 150), stored(0));
    EXPECT_EQ(0, canvas.hitTest(150, 100));
}

TEST_F(CanvasTest, BandAtHalfScaleIsStoredInPicturePixels) {
    show(0.5, 2000, 800);
    canvas.leftDown(51, 25, false);
    canvas.leftUp(150, 76);
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(rect(51, 25, 150, 76), shown(0));
    EXPECT_EQ(rect(102, 50, 300, 152), stored(0));
}

TEST_F(CanvasTest, StripBeyondASmallPictureIsOffThePageAndCtrlPressIsAPlainPress) {
    show(1.0, 300, 150);
    CanvasActions press = canvas.leftDown(320, 160, true);
    EXPECT_TRUE(press.capture);
    EXPECT_EQ(-1, press.commandDialog);
    canvas.leftUp(250, 100);
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(rect(250, 100, 300, 150), stored(0));
}

// Every way of placing an edge stops at the page's edges; a move keeps the
// whole region on the page. At half scale a 480 x 320 page is 240 x 160.
TEST_F(CanvasTest, EditsStopAtThePageEdgesInBothKindsOfPixels) {
    struct Case {
        double scale;
        int32_t fromX, fromY, toX, toY;
        Rect expected;  // picture pixels
    } cases[] = {
        {1.0, 150, 150, 700, 150, rect(380, 100, 480, 200)},   // move right, released far outside
        {1.0, 150, 150, -300, -300, rect(0, 0, 100, 100)},     // move up and left
        {1.0, 200, 200, 900, 900, rect(100, 100, 480, 320)},   // bottom-right corner
        {1.0, 100, 150, -50, 150, rect(0, 100, 200, 200)},     // left edge
        {0.5, 75, 75, 400, 75, rect(380, 100, 480, 200)},      // move, scaled
        {0.5, 100, 100, 999, 999, rect(100, 100, 480, 320)},   // corner, scaled
    };
    for (const Case& c : cases) {
        page.regiones.clear();
        addRegion(rect(100, 100, 200, 200));
        show(c.scale, 480, 320);
        drag(c.fromX, c.fromY, c.toX, c.toY);
        EXPECT_EQ(c.expected, stored(0)) << c.scale << " to " << c.toX << "," << c.toY;
        EXPECT_EQ(0, canvas.hitTest(shown(0).left + 1, shown(0).top + 1));
    }
    page.regiones.clear();
    show(1.0, 480, 320);
    canvas.leftDown(470, 300, false);
    canvas.mouseMove(900, 900, true);
    EXPECT_EQ(rect(470, 300, 480, 320), canvas.band());
    canvas.leftUp(400, 900);
    ASSERT_EQ(1u, page.regiones.size());
    EXPECT_EQ(rect(400, 300, 470, 320), stored(0));
}

TEST_F(CanvasTest, ArrowKeysStopAtThePageAndRegionsAlreadyOutsideStayUntilMoved) {
    addRegion(rect(380, 220, 480, 320));
    addRegion(rect(600, 10, 700, 50));  // outside the 480 x 320 page, as a file may hold it
    show(1.0, 480, 320);
    canvas.selectRegion(0);
    for (int key : {ID_KEY_RIGHT, ID_KEY_DOWN, ID_KEY_CTRL_RIGHT, ID_KEY_CTRL_DOWN})
        EXPECT_FALSE(canvas.command(key).repaint) << key;
    EXPECT_EQ(rect(380, 220, 480, 320), stored(0));
    EXPECT_EQ(rect(600, 10, 700, 50), stored(1));
    canvas.command(ID_KEY_LEFT);
    EXPECT_EQ(rect(379, 220, 479, 320), stored(0));
    canvas.selectRegion(1);
    canvas.command(ID_KEY_LEFT);
    EXPECT_EQ(rect(380, 10, 480, 50), stored(1));
}

TEST_F(CanvasTest, PressOnEmptyCanvasClearsTheSelection) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(150, 130, false);
    canvas.leftUp(150, 130);
    ASSERT_EQ(0, canvas.selected());
    canvas.leftDown(10, 10, false);
    EXPECT_EQ(-1, canvas.selected());
    canvas.leftUp(10, 10);
}

// --- Command dialog -----------------------------------------------------

TEST_F(CanvasTest, CtrlClickOpensTheDialogWithoutStartingADrag) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    CanvasActions press = canvas.leftDown(150, 130, true);
    EXPECT_EQ(0, press.commandDialog);
    EXPECT_TRUE(press.repaint);
    EXPECT_EQ(0, canvas.selected());
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());
    now += kDelay + 1;
    canvas.mouseMove(190, 150, true);
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
}

TEST_F(CanvasTest, RightClickSelectsTheClickedRegionAndOpensItsDialog) {
    addRegion(rect(10, 10, 50, 50));
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    canvas.leftDown(30, 30, false);
    canvas.leftUp(30, 30);
    CanvasActions right = canvas.rightDown(150, 130);
    EXPECT_EQ(1, right.commandDialog);
    EXPECT_EQ(1, canvas.selected());
    EXPECT_TRUE(right.repaint);
    CanvasActions outside = canvas.rightDown(500, 500);
    EXPECT_EQ(-1, outside.commandDialog);
    EXPECT_EQ(1, canvas.selected());
}

TEST_F(CanvasTest, DialogResultBecomesTheRegionCommandInBothLists) {
    addRegion(rect(100, 100, 200, 160), "old");
    show(1.0);
    Comando comando;
    comando.sector = "3";
    comando.codigo = "ON";
    comando.pagina = "Salon";
    comando.tipoComunicacion = "wifi";
    canvas.setRegionCommand(0, comando);
    EXPECT_EQ(comando, page.regiones[0].comando);
    EXPECT_EQ(comando, canvas.scaledPage()->regions()[0].comando);
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
}

TEST_F(CanvasTest, DialogResultForARegionRemovedMeanwhileIsDropped) {
    addRegion(rect(100, 100, 200, 160), "old");
    show(1.0);
    canvas.rightDown(150, 130);
    canvas.command(2785);  // delete, carried out while the dialog ran
    Comando comando;
    comando.codigo = "late";
    canvas.setRegionCommand(0, comando);
    EXPECT_TRUE(page.regiones.empty());
}

// --- Undo steps ---------------------------------------------------------

TEST_F(CanvasTest, EachGestureThatChangesThePageIsAnnouncedOnceBeforeItsChange) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    std::vector<std::vector<Region>> before;
    canvas.setBeforeChange([this, &before] { before.push_back(page.regiones); });
    canvas.leftDown(150, 130, false);
    canvas.mouseMove(160, 130, true);
    canvas.leftUp(160, 130);  // a quick click moves nothing
    EXPECT_TRUE(before.empty());

    canvas.leftDown(150, 130, false);
    now += kDelay + 1;
    canvas.mouseMove(160, 135, true);
    canvas.mouseMove(170, 140, true);
    canvas.leftUp(170, 140);
    canvas.command(ID_KEY_RIGHT);
    canvas.command(ID_KEY_RIGHT);
    canvas.leftDown(300, 300, false);
    canvas.leftUp(320, 320);
    canvas.setRegionCommand(0, page.regiones[0].comando);  // the same command changes nothing

    ASSERT_EQ(4u, before.size());
    EXPECT_EQ(rect(100, 100, 200, 160), before[0][0].coords);  // the drag, once
    EXPECT_EQ(rect(120, 110, 220, 170), before[1][0].coords);  // each key
    EXPECT_EQ(rect(121, 110, 221, 170), before[2][0].coords);
    EXPECT_EQ(1u, before[3].size());  // the band, before its region
}

}  // namespace

// --- Copy and paste ---------------------------------------------------------

TEST(CanvasPastePlacement, SamePlaceInsideThePictureAndAStepAwayFromATwin) {
    std::vector<Region> none;
    EXPECT_EQ(rect(10, 20, 110, 70), pastePlacement(rect(10, 20, 110, 70), 800, 600, none));
    EXPECT_EQ(rect(10, 20, 110, 70), pastePlacement(rect(110, 70, 10, 20), 800, 600, none));  // corners ordered
    EXPECT_EQ(rect(700, 550, 800, 600), pastePlacement(rect(900, 700, 1000, 750), 800, 600, none));
    EXPECT_EQ(rect(0, 0, 100, 50), pastePlacement(rect(-30, -10, 70, 40), 800, 600, none));
    EXPECT_EQ(rect(0, 10, 800, 60), pastePlacement(rect(-100, 10, 1200, 60), 800, 600, none));  // cut to the width
    EXPECT_EQ(rect(900, 700, 1000, 750), pastePlacement(rect(900, 700, 1000, 750), 0, 0, none));  // no picture

    std::vector<Region> twins{Region{rect(10, 20, 110, 70), Comando()},
                              Region{rect(20, 30, 120, 80), Comando()}};
    EXPECT_EQ(rect(30, 40, 130, 90), pastePlacement(rect(10, 20, 110, 70), 800, 600, twins));
    // At the picture's corner the step goes up and left instead.
    std::vector<Region> atCorner{Region{rect(700, 550, 800, 600), Comando()}};
    EXPECT_EQ(rect(690, 540, 790, 590), pastePlacement(rect(700, 550, 800, 600), 800, 600, atCorner));
}

TEST_F(CanvasTest, CopyGivesTheSelectedRegionInPicturePixelsAndPasteSelectsItsTwin) {
    addRegion(rect(101, 50, 301, 151), "luz1");
    show(0.5);
    Region copied;
    EXPECT_FALSE(canvas.selectedRegion(copied));
    canvas.selectRegion(0);
    ASSERT_TRUE(canvas.selectedRegion(copied));
    EXPECT_EQ(page.regiones[0], copied);

    int announced = 0;
    canvas.setBeforeChange([&announced] { ++announced; });
    CanvasActions actions = canvas.pasteRegion(copied);
    EXPECT_EQ(1, announced);  // one undo step
    EXPECT_TRUE(actions.repaint);
    ASSERT_EQ(2u, page.regiones.size());
    EXPECT_EQ(rect(111, 60, 311, 161), stored(1));  // stepped away, exact at any scale
    EXPECT_EQ("luz1", page.regiones[1].comando.codigo);
    EXPECT_EQ(canvas.scaledPage()->toCanvas(stored(1)), shown(1));
    EXPECT_EQ(1, canvas.selected());

    canvas.setPage(nullptr, 1.0, {});
    canvas.pasteRegion(copied);
    EXPECT_EQ(2u, page.regiones.size());
}

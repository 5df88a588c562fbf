// The canvas's edit modes and keyboard commands without a window: choosing a
// mode, aligning and equalising against the selected region, the arrow keys
// and Delete.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "model/Pagina.h"
#include "ui/CanvasEditor.h"

namespace {

Rect rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Rect{left, top, right, bottom};
}

class CanvasModesTest : public ::testing::Test {
protected:
    void show(double scale) {
        page.nombre = "Inicio";
        page.setImagen(1200, 800, "/nonexistent/quenda-canvas-modes.png");
        canvas.setPage(&page, scale, {"Inicio"});
    }
    void addRegion(const Rect& coords) {
        Region region;
        region.coords = coords;
        page.addRegion(region);
    }
    // A quick click: selects or applies the mode, never drags.
    CanvasActions click(int32_t x, int32_t y) {
        CanvasActions actions = canvas.leftDown(x, y, false);
        canvas.leftUp(x, y);
        return actions;
    }
    Rect stored(size_t i) const { return page.regiones.at(i).coords; }
    Rect shown(size_t i) const { return canvas.scaledPage()->regions().at(i).coords; }

    // A at (10, 10, 110, 60), B at (200, 40, 260, 70), C at (300, 90, 320, 95).
    void showABC() {
        addRegion(rect(10, 10, 110, 60));
        addRegion(rect(200, 40, 260, 70));
        addRegion(rect(300, 90, 320, 95));
        show(1.0);
    }

    uint32_t now = 5000;
    CanvasEditor canvas{[this] { return now; }, 250};
    Pagina page;
};

// --- Choosing a mode ----------------------------------------------------

struct ModeCase {
    int commandId;
    ModoEdicion mode;
};

TEST_F(CanvasModesTest, EachModeCommandSetsModeAndCheckMark) {
    const ModeCase cases[] = {
        {2805, ModoEdicion::ALINEARSUP},  {2806, ModoEdicion::ALINEARINF},   {2807, ModoEdicion::ALINEARIZQ},
        {2813, ModoEdicion::ALINEARDER},  {2809, ModoEdicion::IGUALARALTO},  {2810, ModoEdicion::IGUALARANCHO},
        {2812, ModoEdicion::IGUALARTAMANNO}, {2814, ModoEdicion::NORMAL},
    };
    show(1.0);
    for (const ModeCase& c : cases) {
        CanvasActions actions = canvas.command(c.commandId);
        EXPECT_EQ(c.mode, canvas.mode()) << c.commandId;
        EXPECT_EQ(c.commandId, actions.checkModeCommand);
        EXPECT_FALSE(actions.repaint);
    }
}

TEST_F(CanvasModesTest, ModeResourcesAndIdsMatchTheEditMenu) {
    EXPECT_EQ(104, modeInfo(ModoEdicion::ALINEARSUP).cursorResource);
    EXPECT_EQ(132, modeInfo(ModoEdicion::ALINEARINF).cursorResource);
    EXPECT_EQ(136, modeInfo(ModoEdicion::ALINEARIZQ).cursorResource);
    EXPECT_EQ(135, modeInfo(ModoEdicion::ALINEARDER).cursorResource);
    EXPECT_EQ(134, modeInfo(ModoEdicion::IGUALARALTO).cursorResource);
    EXPECT_EQ(133, modeInfo(ModoEdicion::IGUALARANCHO).cursorResource);
    EXPECT_EQ(137, modeInfo(ModoEdicion::IGUALARTAMANNO).cursorResource);
    ModoEdicion mode = ModoEdicion::NORMAL;
    EXPECT_FALSE(modeForCommand(2808, mode));
    EXPECT_FALSE(modeForCommand(2811, mode));
    EXPECT_EQ(ModoEdicion::NORMAL, mode);
}

TEST_F(CanvasModesTest, ChoosingAModeKeepsSelectionAndRegions) {
    showABC();
    click(50, 30);
    canvas.command(2810);
    canvas.command(2810);  // the mode already in force: the same again
    EXPECT_EQ(0, canvas.selected());
    EXPECT_EQ(rect(10, 10, 110, 60), stored(0));
}

TEST_F(CanvasModesTest, ModeChosenWithoutPageHoldsUntilSetPageResetsIt) {
    canvas.setPage(nullptr, 1.0, {});
    CanvasActions actions = canvas.command(2806);
    EXPECT_EQ(ModoEdicion::ALINEARINF, canvas.mode());
    EXPECT_EQ(2806, actions.checkModeCommand);
    show(1.0);
    EXPECT_EQ(ModoEdicion::NORMAL, canvas.mode());
}

// --- Clicking in a mode -------------------------------------------------

TEST_F(CanvasModesTest, AlignTopLinesUpOneRegionAfterAnother) {
    showABC();
    click(50, 30);  // A becomes the reference
    canvas.command(2805);
    CanvasActions actions = click(230, 50);
    EXPECT_TRUE(actions.repaint);
    EXPECT_EQ(rect(200, 10, 260, 40), stored(1));
    EXPECT_EQ(0, canvas.selected());
    click(310, 92);
    EXPECT_EQ(rect(300, 10, 320, 15), stored(2));
    EXPECT_EQ(rect(10, 10, 110, 60), stored(0));
}

struct AlignCase {
    int commandId;
    Rect expected;
};

TEST_F(CanvasModesTest, EveryModeChangesBAgainstA) {
    const AlignCase cases[] = {
        {2805, rect(200, 10, 260, 40)},   // top
        {2806, rect(200, 30, 260, 60)},   // bottom
        {2807, rect(10, 40, 70, 70)},     // left
        {2813, rect(50, 40, 110, 70)},    // right
        {2809, rect(200, 40, 260, 90)},   // height
        {2810, rect(200, 40, 300, 70)},   // width
        {2812, rect(200, 40, 300, 90)},   // size
    };
    for (const AlignCase& c : cases) {
        page.regiones.clear();
        showABC();
        click(50, 30);
        canvas.command(c.commandId);
        click(230, 50);
        EXPECT_EQ(c.expected, stored(1)) << c.commandId;
        EXPECT_EQ(0, canvas.selected());
    }
}

TEST_F(CanvasModesTest, InAModeAFirstClickOnlySelectsTheReference) {
    showABC();
    canvas.command(2806);
    click(230, 50);  // B: nothing selected, so B becomes the reference
    EXPECT_EQ(1, canvas.selected());
    EXPECT_EQ(rect(200, 40, 260, 70), stored(1));
    EXPECT_EQ(ZONE_NONE, canvas.dragZone());  // no drag outside NORMAL
    click(50, 30);  // A's bottom goes to B's bottom
    EXPECT_EQ(rect(10, 20, 110, 70), stored(0));
    EXPECT_EQ(1, canvas.selected());
}

TEST_F(CanvasModesTest, EmptyClickInAModeClearsTheReferenceAndRepaints) {
    showABC();
    click(50, 30);
    canvas.command(2805);
    CanvasActions empty = canvas.leftDown(600, 600, false);
    EXPECT_EQ(-1, canvas.selected());
    EXPECT_TRUE(empty.repaint);
    EXPECT_FALSE(empty.capture);
    EXPECT_FALSE(canvas.bandActive());
    canvas.leftUp(600, 600);
    EXPECT_EQ(3u, page.regiones.size());
    click(230, 50);
    EXPECT_EQ(1, canvas.selected());
    EXPECT_EQ(rect(200, 40, 260, 70), stored(1));
}

TEST_F(CanvasModesTest, ClickingTheReferenceChangesNothingAtAnyScale) {
    addRegion(rect(101, 50, 300, 151));
    show(0.5);
    click(100, 50);
    canvas.command(2812);
    click(100, 50);
    EXPECT_EQ(rect(51, 25, 150, 76), shown(0));
    EXPECT_EQ(rect(101, 50, 300, 151), stored(0));
}

// The modes line up the stored edges themselves, so the result in picture
// pixels is the same whatever the scale the page is shown at.
TEST_F(CanvasModesTest, EveryModeLinesUpTheStoredEdgesExactlyAtEveryScale) {
    const AlignCase cases[] = {
        {2805, rect(401, 21, 521, 81)},    // top
        {2806, rect(401, 61, 521, 121)},   // bottom
        {2807, rect(21, 81, 141, 141)},    // left
        {2813, rect(101, 81, 221, 141)},   // right
        {2809, rect(401, 81, 521, 181)},   // height
        {2810, rect(401, 81, 601, 141)},   // width
        {2812, rect(401, 81, 601, 181)},   // size
    };
    for (double scale : {1.0, 0.5, 0.3}) {
        for (const AlignCase& c : cases) {
            page.regiones.clear();
            addRegion(rect(21, 21, 221, 121));   // the reference
            addRegion(rect(401, 81, 521, 141));  // the target
            show(scale);
            click((shown(0).left + shown(0).right) / 2, (shown(0).top + shown(0).bottom) / 2);
            canvas.command(c.commandId);
            click((shown(1).left + shown(1).right) / 2, (shown(1).top + shown(1).bottom) / 2);
            EXPECT_EQ(c.expected, stored(1)) << c.commandId << " at " << scale;
            EXPECT_EQ(rect(21, 21, 221, 121), stored(0));
        }
    }
}

TEST_F(CanvasModesTest, PointerShowsTheModeShapeOnlyOverRegionsOtherThanTheReference) {
    showABC();
    canvas.command(2805);
    EXPECT_EQ(CanvasCursor::Arrow, canvas.cursorFor(1, 230, 50));  // nothing selected
    click(50, 30);
    EXPECT_EQ(CanvasCursor::Arrow, canvas.cursorFor(0, 50, 30));
    EXPECT_EQ(CanvasCursor::Mode, canvas.cursorFor(1, 230, 50));
    EXPECT_EQ(CanvasCursor::Mode, canvas.mouseMove(230, 50, true).cursor);
}

TEST_F(CanvasModesTest, CtrlClickAndRightClickInAModeOpenTheDialogInsteadOfAligning) {
    showABC();
    click(50, 30);
    canvas.command(2805);
    EXPECT_EQ(1, canvas.leftDown(230, 50, true).commandDialog);
    EXPECT_EQ(2, canvas.rightDown(310, 92).commandDialog);
    EXPECT_EQ(rect(200, 40, 260, 70), stored(1));
    EXPECT_EQ(rect(300, 90, 320, 95), stored(2));
}

// --- Keyboard -----------------------------------------------------------

struct KeyCase {
    int commandId;
    Rect expected;  // from (100, 100, 200, 160)
};

TEST_F(CanvasModesTest, EachKeyCommandMovesOneEdgeOrBothInTheArrowsDirection) {
    const KeyCase cases[] = {
        {2771, rect(99, 100, 199, 160)},  {2772, rect(99, 100, 200, 160)},  {2780, rect(100, 100, 199, 160)},
        {2773, rect(101, 100, 201, 160)}, {2774, rect(100, 100, 201, 160)}, {2781, rect(101, 100, 200, 160)},
        {2775, rect(100, 99, 200, 159)},  {2776, rect(100, 99, 200, 160)},  {2782, rect(100, 100, 200, 159)},
        {2777, rect(100, 101, 200, 161)}, {2778, rect(100, 100, 200, 161)}, {2783, rect(100, 101, 200, 160)},
    };
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    click(150, 130);
    for (const KeyCase& c : cases) {
        canvas.scaledPage()->setRegionCoords(0, rect(100, 100, 200, 160));
        CanvasActions actions = canvas.command(c.commandId);
        EXPECT_EQ(c.expected, stored(0)) << c.commandId;
        EXPECT_TRUE(actions.repaint);
    }
}

TEST_F(CanvasModesTest, FiveRightsAtScaleOneAddExactlyFive) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    click(150, 130);
    for (int i = 0; i < 5; ++i)
        canvas.command(2773);
    EXPECT_EQ(rect(105, 100, 205, 160), stored(0));
}

// The step is a picture pixel, whatever the scale the page is shown at.
TEST_F(CanvasModesTest, OneRightAtHalfScaleMovesTheStoredRectangleOnePicturePixel) {
    addRegion(rect(100, 50, 300, 150));
    show(0.5);
    EXPECT_EQ(rect(50, 25, 150, 75), shown(0));
    click(100, 50);
    canvas.command(2773);
    EXPECT_EQ(rect(101, 50, 301, 150), stored(0));
    EXPECT_EQ(canvas.scaledPage()->toCanvas(stored(0)), shown(0));
}

// Which way each stored edge goes (-1, 0, +1) for a key, and the key that
// takes it back.
struct KeyEdges {
    int commandId;
    int undoId;
    int left, top, right, bottom;
};

TEST_F(CanvasModesTest, EveryKeyWritesOnlyTheEdgesItMovesAndIsUndoneExactly) {
    const KeyEdges keys[] = {
        {2771, 2773, -1, 0, -1, 0}, {2773, 2771, 1, 0, 1, 0}, {2775, 2777, 0, -1, 0, -1},
        {2777, 2775, 0, 1, 0, 1},   {2772, 2781, -1, 0, 0, 0}, {2774, 2780, 0, 0, 1, 0},
        {2780, 2774, 0, 0, -1, 0},  {2781, 2772, 1, 0, 0, 0},  {2776, 2783, 0, -1, 0, 0},
        {2778, 2782, 0, 0, 0, 1},   {2782, 2778, 0, 0, 0, -1}, {2783, 2776, 0, 1, 0, 0},
    };
    auto direction = [](int32_t from, int32_t to) { return (to > from) - (to < from); };
    const Rect before = rect(101, 51, 301, 151);
    for (double scale : {1.0, 0.5, 0.3}) {
        for (const KeyEdges& key : keys) {
            page.regiones.clear();
            addRegion(before);
            show(scale);
            click((shown(0).left + shown(0).right) / 2, (shown(0).top + shown(0).bottom) / 2);
            canvas.command(key.commandId);
            Rect after = stored(0);
            std::string what = std::to_string(key.commandId) + " at " + std::to_string(scale);
            EXPECT_EQ(key.left, direction(before.left, after.left)) << what;
            EXPECT_EQ(key.top, direction(before.top, after.top)) << what;
            EXPECT_EQ(key.right, direction(before.right, after.right)) << what;
            EXPECT_EQ(key.bottom, direction(before.bottom, after.bottom)) << what;
            if (key.left == key.right && key.top == key.bottom) {  // a move
                EXPECT_EQ(before.right - before.left, after.right - after.left) << what;
                EXPECT_EQ(before.bottom - before.top, after.bottom - after.top) << what;
            }
            canvas.command(key.undoId);
            EXPECT_EQ(before, stored(0)) << what;
        }
    }
}

TEST_F(CanvasModesTest, ShrinkingStopsAtOnePixelSoTheRegionStaysReachable) {
    for (double scale : {1.0, 0.5}) {
        for (int id : {2780, 2781, 2782, 2783}) {
            page.regiones.clear();
            addRegion(scale == 1.0 ? rect(100, 100, 102, 102) : rect(200, 200, 202, 202));
            show(scale);
            click(shown(0).left, shown(0).top);
            canvas.command(id);  // two pixels to one
            Rect once = stored(0);
            CanvasActions refused = canvas.command(id);
            EXPECT_FALSE(refused.repaint) << id;
            EXPECT_EQ(once, stored(0)) << id << " at " << scale;
            EXPECT_LT(once.left, once.right);
            EXPECT_LT(once.top, once.bottom);
            EXPECT_EQ(0, canvas.hitTest(shown(0).left, shown(0).top));
        }
    }
}

TEST_F(CanvasModesTest, KeysSaturateInsteadOfOverflowing) {
    addRegion(rect(0, 0, INT32_MAX, 10));
    page.nombre = "Inicio";
    canvas.setPage(&page, 1.0, {"Inicio"});  // no picture, no size: no edges
    click(5, 5);
    canvas.command(2774);
    EXPECT_EQ(INT32_MAX, shown(0).right);
    EXPECT_EQ(INT32_MAX, stored(0).right);
}

TEST_F(CanvasModesTest, KeysDoNothingWithoutSelectionOrOutsideNormal) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    CanvasActions unselected = canvas.command(2773);
    EXPECT_FALSE(unselected.repaint);
    click(150, 130);
    canvas.command(2805);
    for (int id : {2771, 2773, 2775, 2777, 2785}) {
        CanvasActions actions = canvas.command(id);
        EXPECT_FALSE(actions.repaint) << id;
    }
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
    EXPECT_EQ(1u, page.regiones.size());
    canvas.command(2814);  // back to NORMAL: the selection is still the target
    canvas.command(2777);
    EXPECT_EQ(rect(100, 101, 200, 161), stored(0));
}

TEST_F(CanvasModesTest, UnknownIdsChangeNothing) {
    addRegion(rect(100, 100, 200, 160));
    show(1.0);
    click(150, 130);
    for (int id : {2779, 2784, 2808, 2811, 104, 0}) {
        CanvasActions actions = canvas.command(id);
        EXPECT_FALSE(actions.repaint) << id;
        EXPECT_EQ(0, actions.checkModeCommand) << id;
    }
    EXPECT_EQ(rect(100, 100, 200, 160), stored(0));
    EXPECT_EQ(ModoEdicion::NORMAL, canvas.mode());
}

TEST_F(CanvasModesTest, DeleteRemovesTheSelectedRegionFromThePage) {
    addRegion(rect(10, 10, 50, 50));
    addRegion(rect(100, 100, 200, 160));
    addRegion(rect(300, 100, 400, 160));
    show(1.0);
    click(150, 130);
    CanvasActions actions = canvas.command(2785);
    EXPECT_TRUE(actions.repaint);
    EXPECT_EQ(-1, canvas.selected());
    ASSERT_EQ(2u, page.regiones.size());
    EXPECT_EQ(rect(300, 100, 400, 160), stored(1));
    EXPECT_EQ(2u, canvas.scaledPage()->regions().size());
    EXPECT_FALSE(canvas.command(2785).repaint);  // nothing selected any more
    EXPECT_EQ(2u, page.regiones.size());
}

TEST_F(CanvasModesTest, KeysWithoutPageDoNothing) {
    canvas.setPage(nullptr, 1.0, {});
    EXPECT_FALSE(canvas.command(2773).repaint);
    EXPECT_FALSE(canvas.command(2785).repaint);
}

}  // namespace

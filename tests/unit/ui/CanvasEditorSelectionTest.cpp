// Several regions selected on the canvas: Shift+click, the selection band,
// Ctrl+A and Escape, moving them together by mouse and keys, deleting,
// pasting and arranging them, checked in the page's stored coordinates.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/resource.h"
#include "model/Pagina.h"
#include "ui/CanvasEditor.h"

namespace {

const uint32_t kDelay = 250;

Rect rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return Rect{left, top, right, bottom};
}

Rect moved(const Rect& r, int32_t dx, int32_t dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// A, B and C in a row and D below A, on a 400 x 300 page.
const Rect kA = rect(10, 10, 60, 60), kB = rect(100, 10, 150, 60), kC = rect(200, 10, 250, 60),
           kD = rect(10, 100, 60, 150);

// Public: the rows of a table call the gestures.
class CanvasSelectionTest : public ::testing::Test {
public:
    // At scale 0.5 the picture and the stored regions are twice as large.
    void show(double scale) {
        const int32_t f = scale == 1.0 ? 1 : 2;
        page.regiones.clear();
        for (const Rect& r : {kA, kB, kC, kD})
            page.addRegion(Region{rect(r.left * f, r.top * f, r.right * f, r.bottom * f), Comando()});
        page.setImagen(400 * f, 300 * f, "/nonexistent/quenda-selection.png");
        canvas.setPage(&page, scale, {"Inicio"});
    }
    void click(int32_t x, int32_t y, bool shift = false) {
        canvas.leftDown(x, y, false, shift);
        canvas.leftUp(x, y);
    }
    void drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, bool shift = false) {
        canvas.leftDown(fromX, fromY, false, shift);
        now += kDelay + 1;
        canvas.mouseMove(toX, toY, true);
        canvas.leftUp(toX, toY);
    }
    Rect stored(size_t i) const { return page.regiones.at(i).coords; }

    uint32_t now = 1000;
    CanvasEditor canvas{[this] { return now; }, kDelay};
    Pagina page;
};

TEST_F(CanvasSelectionTest, GesturesSelectInTheOrderTheReferenceFirst) {
    struct Case {
        const char* what;
        std::function<void(CanvasSelectionTest&)> gestures;
        std::vector<int32_t> expected;
    } cases[] = {
        {"shift-clicks add", [](CanvasSelectionTest& t) { t.click(30, 30); t.click(220, 30, true); t.click(120, 30, true); }, {0, 2, 1}},
        {"shift-click takes out the reference", [](CanvasSelectionTest& t) { t.click(30, 30); t.click(220, 30, true); t.click(30, 30, true); }, {2}},
        {"band selects what it touches", [](CanvasSelectionTest& t) { t.drag(90, 0, 200, 70, true); }, {1, 2}},
        {"band adds after the reference", [](CanvasSelectionTest& t) { t.click(30, 120); t.drag(260, 70, 150, 5, true); }, {3, 1, 2}},
        {"tiny band still selects", [](CanvasSelectionTest& t) { t.drag(95, 30, 100, 30, true); }, {1}},
        {"ctrl+a", [](CanvasSelectionTest& t) { t.canvas.command(ID_SELECCIONAR_TODO); }, {0, 1, 2, 3}},
        {"escape clears", [](CanvasSelectionTest& t) { t.canvas.command(ID_SELECCIONAR_TODO); t.canvas.command(ID_KEY_ESCAPE); }, {}},
        {"click in a group leaves it alone", [](CanvasSelectionTest& t) { t.canvas.command(ID_SELECCIONAR_TODO); t.click(220, 30); }, {2}},
        {"a mode keeps the reference", [](CanvasSelectionTest& t) { t.click(120, 30); t.click(30, 30, true); t.canvas.command(ID_MODO_ALINEARSUP); }, {1}},
        {"shift in a mode is a plain click", [](CanvasSelectionTest& t) { t.canvas.command(ID_MODO_ALINEARSUP); t.click(30, 30); t.click(120, 30, true); }, {0}},
        {"press on empty picture clears", [](CanvasSelectionTest& t) { t.canvas.command(ID_SELECCIONAR_TODO); t.click(300, 250); }, {}},
        {"given list", [](CanvasSelectionTest& t) { t.canvas.selectRegions({2, 9, 0, 2, -1}); }, {2, 0}},
    };
    for (const Case& c : cases) {
        show(1.0);
        c.gestures(*this);
        EXPECT_EQ(c.expected, canvas.selection()) << c.what;
        EXPECT_EQ(c.expected.empty() ? -1 : c.expected[0], canvas.selected()) << c.what;
        EXPECT_EQ(4u, page.regiones.size()) << c.what;  // no band drew a region
    }
}

TEST_F(CanvasSelectionTest, PaintPlanInvertsTheReferenceAndOutlinesTheOthersThick) {
    show(1.0);
    canvas.selectRegions({2, 0});
    PaintPlan plan;
    canvas.paintPlan(plan);
    EXPECT_TRUE(plan.hasInverted && plan.inverted == kC && plan.outlines.size() == 4u);
    EXPECT_EQ(std::vector<Rect>{kA}, plan.thick);
}

TEST_F(CanvasSelectionTest, GroupDragMovesAllAndStopsAtThePageAsOne) {
    struct Case {
        double scale;
        int32_t toX, toY;  // pressed on B's middle (125, 35) on the canvas
        int32_t dx, dy;    // what every selected region moved, in picture pixels
    } cases[] = {
        {1.0, 135, 45, 10, 10},
        {1.0, 900, 35, 150, 0},   // C's right stops at the page's right edge
        {1.0, -500, -500, -10, -10},
        {0.5, 135, 45, 20, 20},
        {0.5, 900, 35, 300, 0},
    };
    for (const Case& c : cases) {
        show(c.scale);
        const std::vector<Region> before = page.regiones;
        canvas.selectRegions({0, 1, 2});
        drag(125, 35, c.toX, c.toY);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(moved(before[i].coords, c.dx, c.dy), stored(i)) << c.scale << " " << c.toX << " #" << i;
        EXPECT_EQ(before[3].coords, stored(3));
        EXPECT_EQ((std::vector<int32_t>{0, 1, 2}), canvas.selection());
    }
}

TEST_F(CanvasSelectionTest, ArrowsMoveTheSelectionOnePicturePixelShiftTenCtrlTheReferenceOnly) {
    struct Case {
        int key;
        Rect a, b;  // A is the reference, B the other selected region
    } cases[] = {
        {ID_KEY_RIGHT, moved(kA, 1, 0), moved(kB, 1, 0)},
        {ID_KEY_UP, moved(kA, 0, -1), moved(kB, 0, -1)},
        {ID_KEY_SHIFT_RIGHT, moved(kA, 10, 0), moved(kB, 10, 0)},
        {ID_KEY_SHIFT_DOWN, moved(kA, 0, 10), moved(kB, 0, 10)},
        {ID_KEY_SHIFT_LEFT, moved(kA, -10, 0), moved(kB, -10, 0)},
        {ID_KEY_SHIFT_UP, moved(kA, 0, -10), moved(kB, 0, -10)},
        {ID_KEY_CTRL_RIGHT, rect(10, 10, 61, 60), kB},
        {ID_KEY_CTRL_SHIFT_DOWN, rect(10, 11, 60, 60), kB},
    };
    // The step is in picture pixels at any scale: each edge moves as kA's did.
    auto expected = [](const Rect& at, const Rect& was, const Rect& to) {
        return Rect{at.left + to.left - was.left, at.top + to.top - was.top, at.right + to.right - was.right,
                    at.bottom + to.bottom - was.bottom};
    };
    for (double scale : {1.0, 0.5}) {
        for (const Case& c : cases) {
            show(scale);
            const Rect a = page.regiones[0].coords, b = page.regiones[1].coords;
            canvas.selectRegions({0, 1});
            canvas.command(c.key);
            EXPECT_EQ(expected(a, kA, c.a), stored(0)) << c.key << " at " << scale;
            EXPECT_EQ(expected(b, kB, c.b), stored(1)) << c.key << " at " << scale;
        }
    }
    show(1.0);
    canvas.selectRegions({0, 3});  // the group stops at the page's left edge as one
    EXPECT_TRUE(canvas.command(ID_KEY_SHIFT_LEFT).repaint);
    EXPECT_FALSE(canvas.command(ID_KEY_SHIFT_LEFT).repaint);
    EXPECT_EQ(rect(0, 10, 50, 60), stored(0));
    EXPECT_EQ(rect(0, 100, 50, 150), stored(3));
}

TEST_F(CanvasSelectionTest, DeleteRemovesAllSelectedAsOneUndoStep) {
    show(1.0);
    int announced = 0;
    canvas.setBeforeChange([&announced] { ++announced; });
    canvas.selectRegions({3, 1});
    canvas.command(ID_KEY_DELETE);
    EXPECT_EQ((std::vector<Region>{Region{kA, Comando()}, Region{kC, Comando()}}), page.regiones);
    EXPECT_EQ(1, announced);
    EXPECT_TRUE(canvas.selection().empty());
}

TEST_F(CanvasSelectionTest, EscapePutsADragBackAndDropsABand) {
    show(1.0);
    canvas.selectRegions({0, 1});
    canvas.leftDown(30, 30, false);
    now += kDelay + 1;
    canvas.mouseMove(80, 90, true);
    ASSERT_EQ(moved(kA, 50, 60), stored(0));
    const CanvasActions escaped = canvas.command(ID_KEY_ESCAPE);
    EXPECT_TRUE(escaped.releaseCapture && escaped.changeWithdrawn);
    EXPECT_TRUE(stored(0) == kA && stored(1) == kB);
    EXPECT_EQ((std::vector<int32_t>{0, 1}), canvas.selection());

    canvas.leftDown(300, 200, false);
    canvas.mouseMove(380, 280, true);
    const CanvasActions dropped = canvas.command(ID_KEY_ESCAPE);
    EXPECT_TRUE(dropped.releaseCapture && !dropped.changeWithdrawn);
    canvas.leftUp(380, 280);
    EXPECT_EQ(4u, page.regiones.size());
}

TEST_F(CanvasSelectionTest, PastedGroupKeepsItsShapeStepsOffTwinsAndIsSelected) {
    show(1.0);
    canvas.selectRegions({1, 0});
    const std::vector<Region> copied = canvas.selectedRegions();
    int announced = 0;
    canvas.setBeforeChange([&announced] { ++announced; });
    canvas.pasteRegions(copied);
    ASSERT_EQ(6u, page.regiones.size());
    EXPECT_EQ(moved(kB, 10, 10), stored(4));
    EXPECT_EQ(moved(kA, 10, 10), stored(5));
    EXPECT_EQ((std::vector<int32_t>{4, 5}), canvas.selection());
    EXPECT_EQ(1, announced);
    Rect box;
    EXPECT_TRUE(canvas.selectionBounds(box) && box == rect(20, 20, 160, 70));
}

TEST_F(CanvasSelectionTest, DragsSnapWithAGuideUnlessSuspendedAndOnlyWhenOn) {
    const struct {
        const char* what;
        bool on, suspended;
        int32_t fromX, fromY, toX, toY;  // D pressed and dragged
        size_t region;
        Rect expected;
        size_t guides;
    } cases[] = {
        {"move meets B's left", true, false, 35, 125, 122, 128, 3, rect(100, 100, 150, 150), 2},
        {"suspended", true, true, 35, 125, 122, 128, 3, rect(97, 103, 147, 153), 0},
        {"off", false, false, 35, 125, 122, 128, 3, rect(97, 103, 147, 153), 0},
        {"right edge meets B's right", true, false, 60, 125, 147, 126, 3, rect(10, 100, 150, 150), 1},
        {"group's left meets A's right, its top A's", true, false, 130, 30, 93, 30, 1, rect(60, 10, 110, 60), 2},
    };
    for (const auto& c : cases) {
        show(1.0);
        canvas.setSnapping(c.on);
        if (c.region == 1)
            canvas.selectRegions({1, 2});
        canvas.leftDown(c.fromX, c.fromY, false);
        now += kDelay + 1;
        canvas.mouseMove(c.toX, c.toY, true, c.suspended);
        PaintPlan plan;
        canvas.paintPlan(plan);
        EXPECT_EQ(c.guides, plan.guides.size()) << c.what;
        canvas.leftUp(c.toX, c.toY);
        EXPECT_EQ(c.expected, stored(c.region)) << c.what;
        canvas.paintPlan(plan);
        EXPECT_TRUE(plan.guides.empty()) << c.what;
    }
    show(1.0);
    canvas.leftDown(35, 125, false);  // Alt let go during the drag: still no snapping
    now += kDelay + 1;
    canvas.mouseMove(100, 125, true, true);
    canvas.mouseMove(122, 128, true, false);
    EXPECT_EQ(rect(97, 103, 147, 153), stored(3));
}

}  // namespace

// The main window's sizes around the canvas, for frames, bars and borders of
// the sizes a window has at 96 and 144 DPI and without bars.
#include <gtest/gtest.h>

#include "ui/WindowLayout.h"

namespace {

struct LayoutCase {
    CanvasSurroundings around;
    Extent canvasClient;
    Extent window;
    Extent work;
    Extent room;
};

TEST(WindowLayout, WindowEnclosesTheWholeCanvasAndRoomLeavesSpaceForEverythingAround) {
    const LayoutCase cases[] = {
        // frame, toolbar, status bar, canvas border; canvas client; window; work area; picture room
        {{{6, 44}, 28, 22, {2, 2}}, {480, 800}, {488, 896}, {1280, 1024}, {1272, 928}},
        {{{8, 62}, 38, 30, {2, 2}}, {480, 800}, {490, 932}, {1920, 1040}, {1910, 908}},
        {{{16, 59}, 0, 0, {0, 0}}, {400, 200}, {416, 259}, {1280, 259}, {1264, 200}},
        // the page pane at the canvas's left
        {{{6, 44}, 28, 22, {2, 2}, 185}, {480, 800}, {673, 896}, {1280, 1024}, {1087, 928}},
    };
    for (const LayoutCase& c : cases) {
        EXPECT_EQ(c.window, windowSizeFor(c.around, c.canvasClient));
        EXPECT_EQ(c.room, pictureRoom(c.around, c.work));
        // A picture exactly the room's size makes a window exactly the work area's size.
        EXPECT_EQ(c.work, windowSizeFor(c.around, pictureRoom(c.around, c.work)));
    }
}

TEST(WindowLayout, AMenuBarWrappedOntoTwoLinesMakesTheWindowTaller) {
    // 19 pixels of client height went to the menu's second line.
    EXPECT_EQ((Extent{488, 915}), correctedWindowSize({488, 896}, {482, 852}, {482, 833}));
    EXPECT_EQ((Extent{484, 890}), correctedWindowSize({488, 896}, {482, 852}, {486, 858}));
}

TEST(WindowLayout, ToolbarIconsTakeTheNearestSizeAndTheLargerOnATie) {
    const struct {
        uint32_t dpi;
        int32_t size;
    } cases[] = {{72, 16}, {96, 16}, {110, 16}, {120, 24}, {144, 24}, {168, 32}, {192, 32}, {288, 32}};
    for (const auto& c : cases)
        EXPECT_EQ(c.size, toolbarIconSize(c.dpi)) << c.dpi;
}

}  // namespace

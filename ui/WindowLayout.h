// The sizes of the main window around the page canvas: how much room a
// page's picture may take on the work area, and how large the window must be
// for the canvas's client area to show the whole scaled picture. All sizes
// are in pixels of the screen the window is on. Portable: the window
// measures its frame, bars and borders and hands them in.
#pragma once

#include <cstdint>

struct Extent {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Extent& other) const { return width == other.width && height == other.height; }
};

// What stands around the canvas's client area.
struct CanvasSurroundings {
    Extent frame;          // window outer size minus its client size: borders, caption, menu bar
    int32_t toolbarHeight = 0;
    int32_t statusHeight = 0;
    Extent canvasBorder;   // canvas outer size minus its client size
    int32_t paneWidth = 0;  // the page pane and its splitter at the canvas's left; 0 hidden
};

// The largest picture a work area of `work` shows unscaled.
Extent pictureRoom(const CanvasSurroundings& around, Extent work);

// The main window's client size for a canvas whose client area is
// `canvasClient`: the bars above and below it, and its border.
Extent clientSizeFor(const CanvasSurroundings& around, Extent canvasClient);
// The same window's outer size.
Extent windowSizeFor(const CanvasSurroundings& around, Extent canvasClient);

// The window was given `outer` and got a client area of `got` instead of
// `wanted` (a menu bar wrapped onto two lines, a frame wider than the one
// assumed): the outer size that gives `wanted`.
Extent correctedWindowSize(Extent outer, Extent wanted, Extent got);

// The toolbar icon size for a screen of `dpi` dots per inch: the one of
// 16, 24 and 32 pixels nearest to 16 pixels at that scale, the larger one
// on a tie.
int32_t toolbarIconSize(uint32_t dpi);

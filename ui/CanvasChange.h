// What changed on the page canvas, as it tells the window around it (and
// the window tells the editor). Portable.
#pragma once

#include <cstddef>
#include <optional>

#include "model/Region.h"
#include "ui/ModoEdicion.h"

// Each member names one thing that changed; unset members changed nothing.
struct CanvasChange {
    std::optional<ModoEdicion> mode;  // the mode now in force: chosen, or NORMAL for a new page
    bool resized = false;             // the canvas took a new size
    // The page shown is about to be edited (once per drag, key or dialog):
    // the moment to keep it as it was, for undo.
    bool pageAboutToChange = false;
    // The edit announced last was put back whole: its undo step is void.
    bool pageChangeWithdrawn = false;
    // The selection moved, changed size or went to other regions or none
    // (every drag step and key): the box around the selected regions in
    // picture pixels, unset when nothing is selected, and how many they are.
    bool selectionChanged = false;
    std::optional<Rect> selection;
    size_t selectedCount = 0;
    // While the pages are tried, a left click: the region under it, or -1
    // outside every region.
    std::optional<int32_t> tapped;
    // A double-click found no button to fit a region to.
    bool nothingFitted = false;
    // The zoom changed (a level chosen, a refit to a new window size).
    bool zoomChanged = false;
};

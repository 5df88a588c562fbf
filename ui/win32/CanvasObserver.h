// What the page canvas tells the window around it. The canvas changes only
// its own window; the title, the mode check marks and the size around it
// belong to its owner, which learns what changed through this one call.
#pragma once

#include "ui/CanvasChange.h"

class CanvasObserver {
public:
    virtual void canvasChanged(const CanvasChange& change) = 0;

protected:
    ~CanvasObserver() = default;
};

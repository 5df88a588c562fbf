// The main window's toolbar holder; `hwnd` is null when the toolbar could not
// be created.
#pragma once

#include <windows.h>

struct Toolbar {
    HWND hwnd = nullptr;
    // Height of the toolbar window, 0 without one.
    int height() const {
        RECT r;
        if (!hwnd || !GetWindowRect(hwnd, &r))
            return 0;
        return r.bottom - r.top;
    }
};

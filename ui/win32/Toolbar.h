// The main window's toolbar holder; `hwnd` is null when the toolbar could not
// be created.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct Toolbar {
    Toolbar() = default;
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    HWND hwnd = nullptr;
    // Height of the toolbar window, 0 without one.
    int height() const {
        RECT r;
        if (!hwnd || !GetWindowRect(hwnd, &r))
            return 0;
        return r.bottom - r.top;
    }
    // Shows the icons drawn for the size nearest to `dpi` (16, 24 or 32
    // pixels) and fits the buttons and the bar's height to them.
    void useIconsFor(UINT dpi);

    int iconSize = 16;           // the size the buttons show
    HIMAGELIST icons = nullptr;  // ours once the size changed; the bar's own before
};

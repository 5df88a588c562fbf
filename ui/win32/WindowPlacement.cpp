#include "ui/win32/WindowPlacement.h"

#include "model/Settings.h"
#include "ui/WindowPlace.h"

// The caption must still be on a screen (one may have been unplugged or
// rearranged since), or the user could not reach the window.
bool restoreWindowPlacement(HWND window) {
    WindowPlace place;
    if (!loadWindowPlace(Settings::current(), place))
        return false;
    RECT now = {};
    GetWindowRect(window, &now);
    const bool sized = place.width > 0 && place.height > 0;
    const int width = sized ? place.width : now.right - now.left;
    RECT caption = {place.x, place.y, place.x + width, place.y + GetSystemMetrics(SM_CYCAPTION)};
    if (!MonitorFromRect(&caption, MONITOR_DEFAULTTONULL))
        return false;
    SetWindowPos(window, nullptr, place.x, place.y, width, sized ? place.height : 0,
                 (sized ? 0 : SWP_NOSIZE) | SWP_NOZORDER | SWP_NOACTIVATE);
    return sized;
}

// A minimised window's own rectangle is off the screen, a maximised one's
// is the screen's: its place is the normal one, which Windows gives
// relative to the main screen's work area.
void storeWindowPlacement(HWND window, bool withSize) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (IsIconic(window) || IsZoomed(window)) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        RECT work = {};
        if (!GetWindowPlacement(window, &placement) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
            return;
        rect = placement.rcNormalPosition;
        OffsetRect(&rect, work.left, work.top);
    }
    WindowPlace place{rect.left, rect.top};
    if (withSize) {
        place.width = rect.right - rect.left;
        place.height = rect.bottom - rect.top;
    }
    storeWindowPlace(Settings::current(), place);
}

#include "ui/win32/WindowPlacement.h"

#include "model/Settings.h"
#include "ui/WindowPlace.h"

// The caption must still be on a screen (one may have been unplugged or
// rearranged since), or the user could not reach the window.
void restoreWindowPlacement(HWND window) {
    WindowPlace place;
    if (!loadWindowPlace(Settings::current(), place))
        return;
    RECT now = {};
    GetWindowRect(window, &now);
    RECT caption = {place.x, place.y, place.x + (now.right - now.left), place.y + GetSystemMetrics(SM_CYCAPTION)};
    if (MonitorFromRect(&caption, MONITOR_DEFAULTTONULL))
        SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A minimised window's own rectangle is off the screen: its place is the
// normal one, which Windows gives relative to the main screen's work area.
void storeWindowPlacement(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (IsIconic(window)) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        RECT work = {};
        if (!GetWindowPlacement(window, &placement) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
            return;
        rect = placement.rcNormalPosition;
        OffsetRect(&rect, work.left, work.top);
    }
    storeWindowPlace(Settings::current(), WindowPlace{rect.left, rect.top});
}

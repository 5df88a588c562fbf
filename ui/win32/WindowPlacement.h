// Where the main window was when it closed, kept in the user's settings
// (WindowPlace) and given back at the next start.
#pragma once

#include <windows.h>

// Moves `window` to its place of the last run when its caption would still
// be on a screen, with its size when one was kept; true when it was.
bool restoreWindowPlacement(HWND window);
// Keeps the place of `window` now, for the next run, and its size `withSize`.
void storeWindowPlacement(HWND window, bool withSize);

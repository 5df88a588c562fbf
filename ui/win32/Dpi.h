// The screen's dots per inch as a window sees it, and the window frame at
// that DPI. The per-monitor calls exist from Windows 10 1607 on; before
// that (or when the program runs system aware) the system DPI and the
// older calls answer.
#pragma once

#include <windows.h>

#include "ui/WindowLayout.h"

// The DPI of the screen `window` is on (96 at 100 %).
UINT windowDpi(HWND window);
// The window's outer size minus its client size at `dpi`, from its own
// styles and menu (a menu bar counts as one line).
Extent frameAround(HWND window, UINT dpi);
// `value` pixels at 96 DPI, in pixels at `dpi`.
int scaledForDpi(int value, UINT dpi);
// The status bar font of the system at `dpi`; the caller deletes it.
HFONT createStatusFont(UINT dpi);

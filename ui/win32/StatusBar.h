// The status bar under the canvas: the edit mode, the selected region's
// place and size in picture pixels, and a message any feature may show.
#pragma once

#include <windows.h>

#include <string>

#include "model/Region.h"

class StatusBar {
public:
    StatusBar() = default;
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    // A child of `parent` along its bottom edge, with id IDC_STATUSBAR.
    void create(HWND parent);
    void setMode(const char* modeText);
    // The selected region in picture pixels, or null when none is selected.
    void setSelection(const Rect* region);
    // The message part, replacing the message before; "" empties it.
    void setMessage(const std::string& text);
    // One text across the whole bar in place of the parts; "" brings the
    // parts back as they were.
    void setWholeBarText(const std::string& text);

    // Height of the bar's window, 0 without one.
    int height() const;
    // The parent took a new size or DPI: the bar follows its bottom edge
    // with parts, font and height for the DPI of its screen.
    void fitParent();

    HWND hwnd = nullptr;

private:
    void setPart(int part, const std::string& text);

    HFONT font = nullptr;
    UINT fontDpi = 0;
};

// The main window's toolbar: its buttons, their tooltips and their state.
// hwnd() is null when the toolbar could not be created; every call then does
// nothing.
#pragma once

#include <windows.h>
#include <commctrl.h>

class Toolbar {
public:
    Toolbar() = default;
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // Creates the toolbar at the top of `parent`, its icons fitted to the
    // parent's DPI.
    void create(HWND parent);
    // Height of the toolbar window, 0 without one.
    int height() const;
    // Posted: the button changes when the message loop next runs.
    void enable(int commandId, bool enabled) const;
    // Presses the button of one edit mode; the group lets go of the others.
    void check(int commandId) const;
    // Shows the icons drawn for the size nearest to `dpi` (16, 24 or 32
    // pixels) and fits the buttons and the bar's height to them.
    void useIconsFor(UINT dpi);

    // Answers a tooltip's request for its text; false for any other notification.
    static bool answerTooltip(NMHDR* header);
    // The tooltip of a button's command id; "?" for any other id.
    static const char* tooltipText(int commandId);

    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
    int iconSize_ = 16;           // the size the buttons show
    HIMAGELIST icons_ = nullptr;  // ours once the size changed; the bar's own before
};

// The status bar under the canvas: the edit mode, the selected region's
// place and size in picture pixels, and a message any feature may show.
// The parts are sized from their texts in the bar's font (StatusLayout); a
// message longer than its part is shown whole across the bar for a few
// seconds first, and stays whole in the tooltip of its part, however long.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "model/Region.h"
#include "ui/StatusLayout.h"

class StatusBar {
public:
    StatusBar() = default;
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    // A child of `parent` along its bottom edge, with id IDC_STATUSBAR.
    void create(HWND parent);
    void setMode(const char* modeText);
    // The box around the `count` selected regions in picture pixels, or
    // null when none is selected.
    void setSelection(const Rect* box, size_t count);
    // The shown page's picture size (0 x 0 without one): the selection
    // part is as wide as its longest text for that picture.
    void setPictureSize(uint32_t width, uint32_t height);
    // The zoom part: `percent` of the picture's size.
    void setZoom(int32_t percent);
    // The message part, replacing the message before; "" empties it.
    void setMessage(const std::string& text);
    // One text across the whole bar in place of the parts; "" brings the
    // parts back as they were. It wins over a message shown whole.
    void setWholeBarText(const std::string& text);

    // Height of the bar's window, 0 without one.
    int height() const;
    // The parent took a new size or DPI: the bar follows its bottom edge
    // with parts, font and height for the DPI of its screen.
    void fitParent();

    HWND hwnd() const { return hwnd_; }

private:
    static void CALLBACK endWholeMessage(HWND bar, UINT, UINT_PTR timerId, DWORD);
    void setPart(int part, const std::string& text);
    void measureParts(UINT dpi);
    int textWidth(const std::string& text) const;
    void showWholeOrParts();
    // The tooltip of the message part holds the message, "" for none.
    void updateMessageTip();

    HWND hwnd_ = nullptr;
    HWND tip_ = nullptr;
    HFONT font_ = nullptr;
    UINT fontDpi_ = 0;
    uint32_t pictureSide_ = 0;
    bool partsMeasured_ = false;
    StatusLayout layout_;
    std::string message_;
    std::string wholeBarText_;
    bool messageShownWhole_ = false;
};

#include "ui/win32/StatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/Application.h"
#include "base/resource.h"
#include "ui/win32/Dpi.h"

namespace {

enum Part { kModePart, kSelectionPart, kMessagePart, kPartCount };

// Widths of the mode and selection parts at 96 DPI; the message takes the rest.
const int kModeWidth = 170;
const int kSelectionWidth = 230;

std::string selectionText(const Rect& region) {
    const int32_t left = std::min(region.left, region.right), top = std::min(region.top, region.bottom);
    const int32_t width = std::max(region.left, region.right) - left;
    const int32_t height = std::max(region.top, region.bottom) - top;
    return "x " + std::to_string(left) + "  y " + std::to_string(top) + "  ancho " + std::to_string(width) +
           "  alto " + std::to_string(height);
}

}  // namespace

StatusBar::~StatusBar() {
    if (font)
        DeleteObject(font);
}

void StatusBar::create(HWND parent) {
    hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUSBAR)), instanceHandle, nullptr);
    fitParent();
}

void StatusBar::setMode(const char* modeText) {
    setPart(kModePart, modeText);
}

void StatusBar::setSelection(const Rect* region) {
    setPart(kSelectionPart, region ? selectionText(*region) : std::string());
}

void StatusBar::setMessage(const std::string& text) {
    setPart(kMessagePart, text);
}

void StatusBar::setWholeBarText(const std::string& text) {
    if (!hwnd)
        return;
    SendMessageA(hwnd, SB_SIMPLE, text.empty() ? FALSE : TRUE, 0);
    if (!text.empty())
        SendMessageA(hwnd, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::setPart(int part, const std::string& text) {
    if (hwnd)
        SendMessageA(hwnd, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

int StatusBar::height() const {
    RECT r;
    if (!hwnd || !GetWindowRect(hwnd, &r))
        return 0;
    return r.bottom - r.top;
}

void StatusBar::fitParent() {
    if (!hwnd)
        return;
    const UINT dpi = windowDpi(GetParent(hwnd));
    if (dpi != fontDpi) {
        // The bar takes its height from its font: a new font first.
        if (HFONT larger = createStatusFont(dpi)) {
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(larger), FALSE);
            if (font)
                DeleteObject(font);
            font = larger;
        }
        fontDpi = dpi;
    }
    SendMessageA(hwnd, WM_SIZE, 0, 0);
    const int modeEnd = scaledForDpi(kModeWidth, dpi);
    int ends[kPartCount] = {modeEnd, modeEnd + scaledForDpi(kSelectionWidth, dpi), -1};
    SendMessageA(hwnd, SB_SETPARTS, kPartCount, reinterpret_cast<LPARAM>(ends));
}

#include "ui/win32/StatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/Application.h"
#include "base/resource.h"
#include "ui/ModoEdicion.h"
#include "ui/win32/Dpi.h"

namespace {

// What a part takes besides its text at 96 DPI: its edges, the indent of
// its text and the gap to the next part.
const int kPartMargin = 10;
// How long a message too long for its part covers the whole bar.
const UINT kWholeMessageMs = 5000;
const UINT_PTR kWholeMessageTimer = 1;
const char kBarProperty[] = "QuendaStatusBar";
const UINT_PTR kMessageTool = 1;
// Long messages wrap in the tooltip at this width (96 DPI).
const int kTipWidth = 400;

// Several regions are counted, in brackets, before their box.
std::string selectionText(const Rect& region, size_t count) {
    const int32_t left = std::min(region.left, region.right), top = std::min(region.top, region.bottom);
    const int32_t width = std::max(region.left, region.right) - left;
    const int32_t height = std::max(region.top, region.bottom) - top;
    return (count > 1 ? "(" + std::to_string(count) + ")  " : std::string()) + "x " + std::to_string(left) + "  y " + std::to_string(top) + "  ancho " + std::to_string(width) +
           "  alto " + std::to_string(height);
}

// Every number of the selection with as many digits as the picture's
// longer side (three at least; a picture's side never has ten).
std::string longestSelectionText(uint32_t pictureSide) {
    const size_t digits = std::min<size_t>(9, std::max<size_t>(3, std::to_string(pictureSide).size()));
    const int32_t number = std::stoi(std::string(digits, '8'));
    // Pages hold tens of regions; a longer count may cut the end of the text.
    return selectionText(Rect{number, number, 2 * number, 2 * number}, 88);
}

std::string zoomText(int32_t percent) {
    return std::to_string(percent) + " %";
}

}  // namespace

StatusBar::~StatusBar() {
    if (hwnd_) {
        KillTimer(hwnd_, kWholeMessageTimer);
        RemovePropA(hwnd_, kBarProperty);
    }
    if (font_)
        DeleteObject(font_);
}

void StatusBar::create(HWND parent) {
    hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUSBAR)), instanceHandle, nullptr);
    if (!hwnd_)
        return;
    SetPropA(hwnd_, kBarProperty, this);
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                           0, 0, hwnd_, nullptr, instanceHandle, nullptr);
    if (tip_) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = kMessageTool;
        tool.lpszText = const_cast<char*>("");
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    fitParent();
}

void StatusBar::setMode(const char* modeText) {
    setPart(StatusLayout::kMode, modeText);
}

void StatusBar::setSelection(const Rect* box, size_t count) {
    setPart(StatusLayout::kSelection, box ? selectionText(*box, count) : std::string());
}

void StatusBar::setPictureSize(uint32_t width, uint32_t height) {
    const uint32_t side = std::max(width, height);
    if (side == pictureSide_)
        return;
    pictureSide_ = side;
    partsMeasured_ = false;
    fitParent();
}

void StatusBar::setZoom(int32_t percent) {
    setPart(StatusLayout::kZoom, zoomText(percent));
}

void StatusBar::setMessage(const std::string& text) {
    message_ = text;
    setPart(StatusLayout::kMessage, text);
    if (!hwnd_)
        return;
    RECT bar = {};
    GetClientRect(hwnd_, &bar);
    messageShownWhole_ = !text.empty() && !layout_.messageFits(textWidth(text), bar.right);
    if (messageShownWhole_)
        SetTimer(hwnd_, kWholeMessageTimer, kWholeMessageMs, &StatusBar::endWholeMessage);
    showWholeOrParts();
    updateMessageTip();
}

// The tool covers the message part; an empty text shows no tooltip.
void StatusBar::updateMessageTip() {
    if (!tip_)
        return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = kMessageTool;
    SendMessageA(hwnd_, SB_GETRECT, StatusLayout::kMessage, reinterpret_cast<LPARAM>(&tool.rect));
    SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = const_cast<char*>(message_.c_str());
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, scaledForDpi(kTipWidth, fontDpi_ ? fontDpi_ : USER_DEFAULT_SCREEN_DPI));
}

void CALLBACK StatusBar::endWholeMessage(HWND bar, UINT, UINT_PTR timerId, DWORD) {
    KillTimer(bar, timerId);
    if (auto* self = static_cast<StatusBar*>(GetPropA(bar, kBarProperty))) {
        self->messageShownWhole_ = false;
        self->showWholeOrParts();
    }
}

void StatusBar::setWholeBarText(const std::string& text) {
    wholeBarText_ = text;
    showWholeOrParts();
}

// The test run's text first, then a message too long for its part.
void StatusBar::showWholeOrParts() {
    if (!hwnd_)
        return;
    std::string whole = wholeBarText_;
    if (whole.empty() && messageShownWhole_)
        whole = message_;
    SendMessageA(hwnd_, SB_SIMPLE, whole.empty() ? FALSE : TRUE, 0);
    if (!whole.empty())
        SendMessageA(hwnd_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(whole.c_str()));
}

void StatusBar::setPart(int part, const std::string& text) {
    if (hwnd_)
        SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

int StatusBar::height() const {
    RECT r;
    if (!hwnd_ || !GetWindowRect(hwnd_, &r))
        return 0;
    return r.bottom - r.top;
}

int StatusBar::textWidth(const std::string& text) const {
    HDC dc = GetDC(hwnd_);
    if (!dc)
        return 0;
    // The bar's own font, or the system's when it has none.
    HFONT barFont = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ before = barFont ? SelectObject(dc, barFont) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (before)
        SelectObject(dc, before);
    ReleaseDC(hwnd_, dc);
    return size.cx;
}

void StatusBar::measureParts(UINT dpi) {
    int modeWidth = 0;
    for (int i = 0; i < kModeCount; ++i)
        modeWidth = std::max(modeWidth, textWidth(modeInfo(modeAt(i)).titleText));
    // The widest level; a fit is below 100 %.
    const int zoomWidth = textWidth(zoomText(800));
    layout_ = StatusLayout(modeWidth, textWidth(longestSelectionText(pictureSide_)), scaledForDpi(kPartMargin, dpi),
                           zoomWidth);
    partsMeasured_ = true;
}

void StatusBar::fitParent() {
    if (!hwnd_)
        return;
    const UINT dpi = windowDpi(GetParent(hwnd_));
    if (dpi != fontDpi_) {
        // The bar takes its height from its font: a new font first.
        if (HFONT larger = createStatusFont(dpi)) {
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(larger), FALSE);
            if (font_)
                DeleteObject(font_);
            font_ = larger;
        }
        fontDpi_ = dpi;
        partsMeasured_ = false;
    }
    if (!partsMeasured_)
        measureParts(dpi);
    SendMessageA(hwnd_, WM_SIZE, 0, 0);
    RECT bar = {};
    GetClientRect(hwnd_, &bar);
    std::array<int32_t, StatusLayout::kPartCount> ends = layout_.partEnds(bar.right);
    int parts[StatusLayout::kPartCount];
    std::copy(ends.begin(), ends.end(), parts);
    SendMessageA(hwnd_, SB_SETPARTS, StatusLayout::kPartCount, reinterpret_cast<LPARAM>(parts));
    updateMessageTip();
}

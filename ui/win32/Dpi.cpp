#include "ui/win32/Dpi.h"

namespace {

// A user32 function that older Windows lack, or null.
template <typename Function>
Function userFunction(const char* name) {
    HMODULE user = GetModuleHandleA("user32.dll");
    FARPROC found = user ? GetProcAddress(user, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

}  // namespace

UINT windowDpi(HWND window) {
    static const DpiForWindow dpiForWindow = userFunction<DpiForWindow>("GetDpiForWindow");
    if (dpiForWindow && window) {
        UINT dpi = dpiForWindow(window);
        if (dpi)
            return dpi;
    }
    int dpi = 0;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

Extent frameAround(HWND window, UINT dpi) {
    static const AdjustForDpi adjustForDpi = userFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    if (!(adjustForDpi && adjustForDpi(&rect, style, menu, exStyle, dpi)))
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    return Extent{rect.right - rect.left, rect.bottom - rect.top};
}

int scaledForDpi(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), 96);
}

HFONT createStatusFont(UINT dpi) {
    static const ParametersForDpi parametersForDpi = userFunction<ParametersForDpi>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    bool read = parametersForDpi && parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    if (!read && !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    return CreateFontIndirectW(&metrics.lfStatusFont);
}

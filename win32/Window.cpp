#include "win32/Window.h"

#include "win32/Application.h"

#include <exception>

// Pointer-sized slot: a 64-bit object pointer does not fit in 4 bytes.
static Window* attachedWindow(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, 0));
}

Window::Window(Window* owner, const char* title, DWORD style, int x, int y, int width, int height)
    : hwnd_(nullptr), owner_(owner) {
    // windowProc sets hwnd_ at WM_NCCREATE; a creation that fails after it
    // (WM_CREATE answered -1) has already cleared it again at WM_NCDESTROY.
    CreateWindowExA(0, kWindowClassName, title, style, x, y, width, height, owner ? owner->hwnd_ : nullptr,
                    nullptr, instanceHandle, this);
}

Window::~Window() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT Window::onClose() {
    DestroyWindow(hwnd_);
    return 0;
}

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Mouse coordinates are signed: a capture can report points left of or
// above the client area.
static int mouseX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
static int mouseY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

static LRESULT paint(Window* object, HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    try {
        object->onPaint(dc, ps);
    } catch (...) {
        EndPaint(window, &ps);
        throw;
    }
    EndPaint(window, &ps);
    return 0;
}

static LRESULT dispatch(Window* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: return object->onClose();
    case WM_DESTROY: return object->onDestroy();
    case WM_PAINT: return paint(object, window);
    case WM_GETMINMAXINFO: return object->onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_LBUTTONDOWN: return object->onLButtonDown(mouseX(lParam), mouseY(lParam), wParam);
    case WM_LBUTTONDBLCLK: return object->onLButtonDoubleClick(mouseX(lParam), mouseY(lParam), wParam);
    case WM_LBUTTONUP: return object->onLButtonUp(mouseX(lParam), mouseY(lParam), wParam);
    case WM_RBUTTONDOWN: return object->onRButtonDown(mouseX(lParam), mouseY(lParam), wParam);
    case WM_MOUSEMOVE: return object->onMouseMove(mouseX(lParam), mouseY(lParam), wParam);
    case WM_TIMER: return object->onTimer(wParam);
    case WM_COMMAND: return object->onCommand(wParam, lParam);
    default: return object->onMessage(message, wParam, lParam);
    }
}

// The object travels in the creation parameter and is kept in window long
// 0 from WM_NCCREATE to WM_NCDESTROY; a window created without one gets the
// system defaults only.
Window* Window::bind(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE)
        return attachedWindow(window);
    Window* object = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (!object)
        return nullptr;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(object));
    object->hwnd_ = window;
    return object;
}

void Window::unbind(Window* object, HWND window) {
    SetWindowLongPtrA(window, 0, 0);
    if (object->hwnd_ == window)
        object->hwnd_ = nullptr;
}

LRESULT CALLBACK Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* object = bind(window, message, lParam);
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message of the window: after it the handle may name
        // another window, so the object lets go of it.
        unbind(object, window);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // No C++ exception may unwind through the system's frames; a handler
    // that fails is answered as if it had done nothing.
    try {
        return dispatch(object, window, message, wParam, lParam);
    } catch (const std::exception&) {
        return 0;
    } catch (...) {
        return 0;
    }
}

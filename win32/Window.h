// Base of the program's windows: each system message becomes a virtual call.
#pragma once

#include <windows.h>

class Window {
public:
    // Creates the system window of class kWindowClassName and binds this
    // object to it at WM_NCCREATE, the first message that carries the
    // creation parameter. The messages of CreateWindowExA reach the object
    // while it is still only a Window, so they get the handlers of this
    // class; a subclass's handlers take effect once this constructor returns.
    Window(Window* owner, const char* title, DWORD style, int x, int y, int width, int height);
    virtual ~Window();  // destroys the system window if it still exists
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual LRESULT onClose();
    virtual LRESULT onDestroy() { return 0; }
    virtual LRESULT onPaint(HDC, PAINTSTRUCT) { return 0; }
    virtual LRESULT onGetMinMaxInfo(MINMAXINFO*) { return 1; }
    virtual LRESULT onLButtonDown(int, int, WPARAM) { return 0; }
    virtual LRESULT onLButtonUp(int, int, WPARAM) { return 0; }
    // The second press of a double-click; a press like any other unless
    // the window gives it a meaning of its own.
    virtual LRESULT onLButtonDoubleClick(int x, int y, WPARAM keys) { return onLButtonDown(x, y, keys); }
    virtual LRESULT onRButtonDown(int, int, WPARAM) { return 0; }
    virtual LRESULT onMouseMove(int, int, WPARAM) { return 0; }
    virtual LRESULT onTimer(WPARAM) { return 0; }
    virtual LRESULT onCommand(WPARAM, LPARAM) { return 0; }
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The system window from WM_NCCREATE until WM_NCDESTROY, null otherwise.
    HWND hwnd() const { return hwnd_; }

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static Window* bind(HWND window, UINT message, LPARAM lParam);
    static void unbind(Window* object, HWND window);

    HWND hwnd_;
    Window* owner_;
};

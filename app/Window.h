// Base of the program's windows: each system message becomes a virtual call.
#pragma once

#include <windows.h>

class Window {
public:
    // Creates the system window of class kWindowClassName; the object is
    // attached to it at WM_CREATE, so handlers of a subclass take effect only
    // once this constructor has returned.
    Window(Window* owner, const char* title, DWORD style, int x, int y, int width, int height);
    virtual ~Window();  // destroys the system window
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual LRESULT onClose();
    virtual LRESULT onDestroy() { return 0; }
    virtual LRESULT onPaint(HDC, PAINTSTRUCT) { return 0; }
    virtual LRESULT onGetMinMaxInfo(MINMAXINFO*) { return 1; }
    virtual LRESULT onLButtonDown(int, int, WPARAM) { return 0; }
    virtual LRESULT onLButtonUp(int, int, WPARAM) { return 0; }
    virtual LRESULT onLButtonDblClk(int, int, WPARAM) { return 0; }
    virtual LRESULT onRButtonDown(int, int, WPARAM) { return 0; }
    virtual LRESULT onRButtonUp(int, int, WPARAM) { return 0; }
    virtual LRESULT onRButtonDblClk(int, int, WPARAM) { return 0; }
    virtual LRESULT onMouseMove(int, int, WPARAM) { return 0; }
    virtual LRESULT onTimer(WPARAM) { return 0; }
    virtual LRESULT onSetFocus(WPARAM) { return 0; }
    virtual LRESULT onUserNonZero() { return 0; }
    virtual LRESULT onUserZero() { return 0; }
    virtual LRESULT onCommand(WPARAM, LPARAM) { return 0; }
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd;
    Window* owner;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

#include "win32/Application.h"

#include "win32/Window.h"

HINSTANCE instanceHandle = nullptr;
POINT cascadePosition = {80, 32};

ATOM registerWindowClass(HCURSOR cursor, HBRUSH brush) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::windowProc;
    windowClass.cbClsExtra = 0;
    // Window long 0 holds the Window object: a pointer-sized slot.
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instanceHandle ? instanceHandle : GetModuleHandleA(nullptr);
    windowClass.hIcon = nullptr;
    windowClass.hCursor = cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kWindowClassName;
    return RegisterClassA(&windowClass);
}

void startApplication(HINSTANCE instance) {
    static bool registered = false;
    instanceHandle = instance;
    if (registered)
        return;
    registered = true;
    registerWindowClass(LoadCursorA(nullptr, IDC_ARROW), CreateSolidBrush(PALETTERGB(192, 192, 192)));
}

void dispatchWithAccelerators(HACCEL accelerators, MSG& message) {
    if (TranslateAcceleratorA(message.hwnd, accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop(HACCEL accelerators) {
    MSG message = {};
    // GetMessageA gives 0 for the quit message and -1 when it fails.
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatchWithAccelerators(accelerators, message);
    return static_cast<int>(message.wParam);
}

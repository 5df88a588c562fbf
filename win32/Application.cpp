#include "win32/Application.h"

#include <commctrl.h>

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

namespace {

bool focusIsOfClass(const char* className) {
    char name[32] = "";
    return GetClassNameA(GetFocus(), name, sizeof name) > 0 && lstrcmpiA(name, className) == 0;
}

// A box being typed in takes every key; a list takes Up and Down to move in it.
bool childKeepsKey(const MSG& message) {
    if (focusIsOfClass("Edit"))
        return true;
    const bool plainKey = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
    return message.message == WM_KEYDOWN && (message.wParam == VK_UP || message.wParam == VK_DOWN) && plainKey &&
           focusIsOfClass(WC_LISTVIEWA);
}

}  // namespace

void dispatchWithAccelerators(HACCEL accelerators, MSG& message) {
    // The keys are the top-level window's, whichever of its children has the focus.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!childKeepsKey(message) && TranslateAcceleratorA(root ? root : message.hwnd, accelerators, &message))
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

// The window and dialog framework: class, dispatch, dialog nesting and the
// cascade of dialog positions.
#include "tests/gui/GuiTest.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "win32/Application.h"
#include "win32/Dialog.h"
#include "win32/Window.h"
#include "tests/gui/GuiTestResources.h"

namespace {

// A top-level window that records what reached its handlers.
class RecordingWindow : public Window {
public:
    RecordingWindow() : Window(nullptr, "Registro", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200) {}

    LRESULT onMouseMove(int x, int y, WPARAM keys) override {
        lastX = x;
        lastY = y;
        lastKeys = keys;
        return 0;
    }
    LRESULT onPaint(HDC dc, PAINTSTRUCT ps) override {
        ++paints;
        paintDc = dc;
        paintRect = ps.rcPaint;
        return 0;
    }
    LRESULT onGetMinMaxInfo(MINMAXINFO*) override { ++minMaxInfos; return 0; }
    LRESULT onTimer(WPARAM id) override {
        if (id == 7)
            throw std::runtime_error("handler failed");
        if (id == 8)
            throw 42;  // not even a std::exception
        return 33;
    }
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return Window::onMessage(message, wParam, lParam);
    }

    int paints = 0, minMaxInfos = 0;
    std::vector<UINT> messages;
    int lastX = 0, lastY = 0;
    WPARAM lastKeys = 0;
    HDC paintDc = nullptr;
    RECT paintRect = {};
};

// A dialog of the test template: its title tells its depth, button
// "Otro" opens one more level, OK is refused while the field says "no".
class NestingDialog : public Dialog {
public:
    explicit NestingDialog(HWND parent, int depth = 1) : Dialog(parent, IDD_GUITEST), depth(depth) {}

    INT_PTR onInitDialog() override {
        SetWindowTextA(hwnd(), ("Prueba " + std::to_string(depth)).c_str());
        SetDlgItemTextA(hwnd(), IDC_GUITEST_EDIT, initialText.c_str());
        return 1;
    }
    INT_PTR onOk() override {
        text = getItemText(IDC_GUITEST_EDIT);
        if (text == "no")
            return 1;  // stays open, keeps its place in the cascade
        close(IDOK);
        return 1;
    }
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override {
        if (LOWORD(wParam) != IDC_GUITEST_NESTED)
            return 0;
        NestingDialog inner(hwnd(), depth + 1);
        innerResults.push_back(static_cast<int>(inner.runModal()));
        return 1;
    }

    int depth;
    std::string initialText;
    std::string text;
    std::vector<int> innerResults;
};


bool at(const SeenWindow& seen, int x, int y) {
    return seen.found && seen.rect.left == x && seen.rect.top == y;
}

Answerer& waitGone(Answerer& answerer) {
    return answerer.run([](HWND window) {
        for (int i = 0; i < 500 && IsWindow(window); ++i)
            Sleep(10);
    });
}

}  // namespace

GUI_TEST(Framework, WindowClass) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    GUI_REQUIRE(GetClassInfoExA(instanceHandle, "QUENDADEFWINCLASS", &info));
    GUI_CHECK_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));  // the canvas takes double-clicks
    GUI_CHECK_EQ(info.cbClsExtra, 0);
    GUI_CHECK_EQ(info.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
    GUI_CHECK(info.hIcon == nullptr);
    GUI_CHECK(info.hCursor == LoadCursorA(nullptr, IDC_ARROW));
    LOGBRUSH brush = {};
    GUI_REQUIRE(GetObjectA(info.hbrBackground, sizeof brush, &brush) == sizeof brush);
    GUI_CHECK_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    GUI_CHECK_EQ(brush.lbColor, static_cast<COLORREF>(PALETTERGB(192, 192, 192)));
}

GUI_TEST(Framework, BoundFromNcCreateToNcDestroy) {
    RecordingWindow window;
    GUI_REQUIRE(window.hwnd() != nullptr);
    GUI_CHECK(GetWindowLongPtrA(window.hwnd(), 0) == reinterpret_cast<LONG_PTR>(&window));
    // The handlers of the subclass take effect once its constructor ran.
    SetWindowPos(window.hwnd(), nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER);
    GUI_CHECK(window.minMaxInfos > 0);

    // A finished object given as the creation parameter sees the creation
    // itself, from WM_NCCREATE on, and lets go of the window at its end.
    HWND first = window.hwnd();
    window.messages.clear();
    HWND second = CreateWindowExA(0, kWindowClassName, "segunda", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, instanceHandle, &window);
    GUI_REQUIRE(second != nullptr);
    GUI_CHECK(window.hwnd() == second);
    GUI_REQUIRE(!window.messages.empty());
    GUI_CHECK_EQ(window.messages.front(), static_cast<UINT>(WM_NCCREATE));
    GUI_CHECK(std::count(window.messages.begin(), window.messages.end(), WM_CREATE) == 1);
    GUI_CHECK_EQ(windowTitle(second), std::string("segunda"));
    DestroyWindow(second);
    GUI_CHECK(window.hwnd() == nullptr);
    DestroyWindow(first);  // the object let go of it for the second
}

GUI_TEST(Framework, WindowWithoutObjectGetsDefaults) {
    HWND bare = CreateWindowExA(0, kWindowClassName, "suelta", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, instanceHandle, nullptr);
    GUI_REQUIRE(bare != nullptr);
    GUI_CHECK_EQ(GetWindowLongPtrA(bare, 0), static_cast<LONG_PTR>(0));
    GUI_CHECK_EQ(windowTitle(bare), std::string("suelta"));
    // DefWindowProcA answers WM_CLOSE by destroying the window.
    SendMessageA(bare, WM_CLOSE, 0, 0);
    GUI_CHECK(!IsWindow(bare));
}

GUI_TEST(Framework, MessagesReachTheirHandlers) {
    RecordingWindow window;
    SendMessageA(window.hwnd(), WM_MOUSEMOVE, MK_CONTROL, MAKELPARAM(16, 65535));
    GUI_CHECK_EQ(window.lastX, 16);
    GUI_CHECK_EQ(window.lastY, -1);
    GUI_CHECK_EQ(window.lastKeys, static_cast<WPARAM>(MK_CONTROL));
    GUI_CHECK_EQ(SendMessageA(window.hwnd(), WM_TIMER, 3, 0), static_cast<LRESULT>(33));

    // Unhandled messages get DefWindowProcA: the window text comes back.
    GUI_CHECK_EQ(windowTitle(window.hwnd()), std::string("Registro"));
}

GUI_TEST(Framework, PaintIsBracketed) {
    RecordingWindow window;
    ShowWindow(window.hwnd(), SW_SHOW);
    pumpFor(100);
    int before = window.paints;
    RECT dirty = {5, 6, 50, 60};
    InvalidateRect(window.hwnd(), &dirty, TRUE);
    UpdateWindow(window.hwnd());
    GUI_CHECK_EQ(window.paints, before + 1);
    GUI_CHECK(window.paintDc != nullptr);
    GUI_CHECK(window.paintRect.right >= 50 && window.paintRect.bottom >= 60);
    // EndPaint validated the area: nothing is left to paint.
    RECT left = {};
    GUI_CHECK(!GetUpdateRect(window.hwnd(), &left, FALSE));
}

GUI_TEST(Framework, ExceptionsStopAtTheWindowProcedure) {
    RecordingWindow window;
    GUI_CHECK_EQ(SendMessageA(window.hwnd(), WM_TIMER, 7, 0), static_cast<LRESULT>(0));
    GUI_CHECK_EQ(SendMessageA(window.hwnd(), WM_TIMER, 8, 0), static_cast<LRESULT>(0));
    GUI_CHECK(IsWindow(window.hwnd()));
    GUI_CHECK_EQ(SendMessageA(window.hwnd(), WM_TIMER, 9, 0), static_cast<LRESULT>(33));
}

GUI_TEST(Framework, CloseAndDestructorDestroyTheWindow) {
    HWND closed;
    {
        RecordingWindow window;
        closed = window.hwnd();
        SendMessageA(closed, WM_CLOSE, 0, 0);
        GUI_CHECK(!IsWindow(closed));
    }
    HWND deleted;
    {
        RecordingWindow window;
        deleted = window.hwnd();
        GUI_CHECK(IsWindow(deleted));
    }
    GUI_CHECK(!IsWindow(deleted));
}

GUI_TEST(Framework, NestedDialogsCascade) {
    Answerer answerer;
    answerer.on("Prueba 1").click(IDC_GUITEST_NESTED);
    answerer.on("Prueba 2").click(IDC_GUITEST_NESTED);
    waitGone(answerer.on("Prueba 3").click(IDCANCEL));
    waitGone(answerer.on("Prueba 2").click(IDOK));
    answerer.on("Prueba 1").click(IDC_GUITEST_NESTED);
    waitGone(answerer.on("Prueba 2").click(IDCANCEL));
    waitGone(answerer.on("Prueba 1").click(IDOK));
    answerer.start();

    NestingDialog outer(nullptr);
    INT_PTR result = outer.runModal();
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(result, static_cast<INT_PTR>(IDOK));
    GUI_CHECK(at(answerer.seen(0), 80, 32));
    GUI_CHECK(at(answerer.seen(1), 100, 52));
    GUI_CHECK(at(answerer.seen(2), 120, 72));
    GUI_CHECK(at(answerer.seen(4), 80, 32));
    GUI_CHECK(at(answerer.seen(5), 100, 52));  // the middle step came back
    GUI_CHECK_EQ(outer.innerResults.size(), static_cast<size_t>(2));
    GUI_CHECK_EQ(cascadePosition.x, 80);
    GUI_CHECK_EQ(cascadePosition.y, 32);

    Answerer again;
    waitGone(again.on("Prueba 1").click(IDCANCEL));
    again.start();
    NestingDialog next(nullptr);
    GUI_CHECK_EQ(next.runModal(), static_cast<INT_PTR>(IDCANCEL));
    GUI_REQUIRE(again.finish());
    GUI_CHECK(at(again.seen(0), 80, 32));
}

GUI_TEST(Framework, CloseBoxAndEscapeCancel) {
    Answerer answerer;
    waitGone(answerer.on("Prueba 1").run([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }));
    waitGone(answerer.on("Prueba 1").run([](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_GUITEST_EDIT);
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    }));
    answerer.start();
    NestingDialog first(nullptr);
    GUI_CHECK_EQ(first.runModal(), static_cast<INT_PTR>(IDCANCEL));
    NestingDialog second(nullptr);
    GUI_CHECK_EQ(second.runModal(), static_cast<INT_PTR>(IDCANCEL));
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK(at(answerer.seen(1), 80, 32));
    GUI_CHECK_EQ(cascadePosition.x, 80);
    GUI_CHECK_EQ(cascadePosition.y, 32);
}

GUI_TEST(Framework, RefusedOkKeepsTheDialogAndItsStep) {
    Answerer answerer;
    answerer.on("Prueba 1").type(IDC_GUITEST_EDIT, "no").click(IDOK);
    answerer.on("Prueba 1").run([](HWND) { Sleep(200); }).click(IDC_GUITEST_NESTED);
    waitGone(answerer.on("Prueba 2").click(IDCANCEL));
    waitGone(answerer.on("Prueba 1").type(IDC_GUITEST_EDIT, "  s\xED  ").click(IDOK));
    answerer.start();
    NestingDialog dialog(nullptr);
    GUI_CHECK_EQ(dialog.runModal(), static_cast<INT_PTR>(IDOK));
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK(at(answerer.seen(2), 100, 52));
    // getItemText keeps the blanks; trimming is the dialogs' business.
    GUI_CHECK_EQ(dialog.text, std::string("  s\xED  "));
}

GUI_TEST(Framework, GetItemTextOfEmptyControl) {
    Answerer answerer;
    waitGone(answerer.on("Prueba 1").click(IDOK));
    answerer.start();
    NestingDialog dialog(nullptr);
    dialog.initialText = "";
    GUI_CHECK_EQ(dialog.runModal(), static_cast<INT_PTR>(IDOK));
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(dialog.text, std::string());
}

GUI_TEST(Framework, MissingTemplateLeavesCascadeAlone) {
    Dialog missing(nullptr, 4321);
    INT_PTR result = missing.runModal();
    GUI_CHECK(result == 0 || result == -1);
    GUI_CHECK(missing.positionReleased());
    GUI_CHECK(missing.hwnd() == nullptr);  // no window was ever bound to it
    GUI_CHECK_EQ(cascadePosition.x, 80);
    GUI_CHECK_EQ(cascadePosition.y, 32);
}

GUI_TEST(Framework, EachDialogWindowReachesItsOwnObject) {
    // While the inner dialog runs, a message to the outer window reaches
    // the outer object, and a window with no object gets nothing.
    class Counting : public NestingDialog {
    public:
        explicit Counting(HWND parent, int depth) : NestingDialog(parent, depth) {}
        INT_PTR onMessage(UINT message, WPARAM, LPARAM) override {
            if (message != WM_USER + 51)
                return 0;
            ++received;
            return 1;
        }
        INT_PTR onCommand(WPARAM wParam, WORD, WORD) override {
            if (LOWORD(wParam) != IDC_GUITEST_NESTED || depth > 1)
                return 0;
            Counting inner(hwnd(), depth + 1);
            innerResults.push_back(static_cast<int>(inner.runModal()));
            innerReceived = inner.received;
            return 1;
        }
        int received = 0;
        int innerReceived = -1;
    };
    Counting outer(nullptr, 1);
    Answerer answerer;
    answerer.on("Prueba 1").click(IDC_GUITEST_NESTED);
    waitGone(answerer.on("Prueba 2").run([](HWND) {
        SendMessageA(FindWindowA(nullptr, "Prueba 1"), WM_USER + 51, 0, 0);
    }).click(IDCANCEL));
    waitGone(answerer.on("Prueba 1").click(IDOK));
    answerer.start();
    GUI_CHECK_EQ(outer.runModal(), static_cast<INT_PTR>(IDOK));
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(outer.received, 1);
    GUI_CHECK_EQ(outer.innerReceived, 0);

    HWND bare = CreateWindowExA(0, kWindowClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, instanceHandle, nullptr);
    GUI_REQUIRE(bare != nullptr);
    GUI_CHECK_EQ(Dialog::sharedDialogProc(bare, WM_COMMAND, IDOK, 0), static_cast<INT_PTR>(0));
    GUI_CHECK_EQ(Dialog::sharedDialogProc(bare, WM_INITDIALOG, 0, 0), static_cast<INT_PTR>(0));
    GUI_CHECK_EQ(cascadePosition.x, 80);
    DestroyWindow(bare);
}

GUI_TEST(Framework, DestructorGivesTheStepBack) {
    // A dialog object whose window ended without close() (EndDialog from
    // outside) still gives its step back when destroyed.
    Answerer answerer;
    waitGone(answerer.on("Prueba 1").run([](HWND dialog) { PostMessageA(dialog, WM_USER + 50, 0, 0); }));
    answerer.start();
    {
        class EndsItself : public NestingDialog {
        public:
            EndsItself() : NestingDialog(nullptr) {}
            INT_PTR onMessage(UINT message, WPARAM, LPARAM) override {
                if (message == WM_USER + 50)
                    EndDialog(hwnd(), 9);
                return 0;
            }
        } dialog;
        GUI_CHECK_EQ(dialog.runModal(), static_cast<INT_PTR>(9));
        GUI_CHECK_EQ(cascadePosition.x, 100);
        GUI_CHECK(!dialog.positionReleased());
    }
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(cascadePosition.x, 80);
    GUI_CHECK_EQ(cascadePosition.y, 32);
}

GUI_TEST(Framework, ExceptionsStopAtTheDialogProcedure) {
    class Throwing : public NestingDialog {
    public:
        Throwing() : NestingDialog(nullptr) {}
        INT_PTR onCommand(WPARAM wParam, WORD, WORD) override {
            if (LOWORD(wParam) == IDC_GUITEST_NESTED)
                throw std::runtime_error("handler failed");
            return 0;
        }
    } dialog;
    Answerer answerer;
    answerer.on("Prueba 1").click(IDC_GUITEST_NESTED);
    waitGone(answerer.on("Prueba 1").run([](HWND) { Sleep(200); }).click(IDOK));
    answerer.start();
    GUI_CHECK_EQ(dialog.runModal(), static_cast<INT_PTR>(IDOK));
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(cascadePosition.x, 80);
}

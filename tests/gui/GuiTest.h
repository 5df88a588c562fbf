// GUI tests of the real windows and dialogs, run under Wine and Xvfb.
//
// Writing a case
// --------------
// Put cases in tests/gui/<Area>GuiTest.cpp; every line that starts with
// GUI_TEST( becomes one ctest test named gui.<Suite>.<Case> (cmake reads those
// lines at configure time, so keep the macro at the start of its line):
//
//     #include "tests/gui/GuiTest.h"
//
//     GUI_TEST(MainWindow, StartUpState) {
//         auto window = createMainWindow();
//         pumpFor(200);                          // let posted messages land
//         GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda"));
//         GUI_CHECK(!menuItemEnabled(window->hwnd(), ID_GUARDAR_PROYECTO));
//     }
//
// GUI_CHECK / GUI_CHECK_EQ record a failure and go on; GUI_REQUIRE stops the
// case. The program quenda_guitest.exe runs one case per process:
//     quenda_guitest.exe MainWindow.StartUpState   (exit 0 pass, 1 fail)
//     quenda_guitest.exe --list
// A case that hangs is ended by a watchdog after 60 s (exit 3).
//
// Modal dialogs and message boxes block the test's own thread, so they are
// answered by an Answerer: a thread made with CreateThread that waits for a
// window of the test thread by its title, then types into its controls and
// presses a button. Describe the steps, start it, trigger the command, then
// finish() it:
//
//     Answerer answerer;
//     answerer.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Casa").click(IDOK);
//     answerer.on("Guardar como").typeFileName(folder.path("casa.xml")).click(IDOK);
//     answerer.start();
//     sendCommand(window->hwnd(), ID_NUEVO_PROYECTO);  // returns when the dialogs end
//     GUI_REQUIRE(answerer.finish());                 // every step found its window
//
// Keys typed with pressKey go through the real input queue and the message
// loop of the pumps, accelerator table included.
// Each step records what it saw (window rectangle, static texts) in
// answerer.seen(i). Paths handed to the program are DOS paths: TempFolder
// makes a folder with Win32 calls (Z:\tmp\...) and deletes it afterwards.
// Never call Win32 from a std::thread: Wine gives such threads no Win32
// environment.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/resource.h"

class MainWindow;

// ---- registration and checks ----------------------------------------------

using GuiTestFunction = void (*)();

struct GuiTestRegistration {
    GuiTestRegistration(const char* name, GuiTestFunction function);
};

#define GUI_TEST(suite, name)                                                                      \
    static void guiTest_##suite##_##name();                                                        \
    static GuiTestRegistration guiTestRegistration_##suite##_##name(#suite "." #name,             \
                                                                    &guiTest_##suite##_##name);   \
    static void guiTest_##suite##_##name()

void guiTestFailure(const char* file, int line, const std::string& what);

// Thrown by GUI_REQUIRE to end the case; the runner catches it.
struct GuiTestAbort {};

template <typename A, typename B>
std::string guiTestDescribe(const A& actual, const B& expected) {
    std::ostringstream text;
    text << "got [" << actual << "] expected [" << expected << "]";
    return text.str();
}

#define GUI_CHECK(condition)                                            \
    do {                                                                \
        if (!(condition))                                               \
            guiTestFailure(__FILE__, __LINE__, "failed: " #condition);  \
    } while (0)

#define GUI_REQUIRE(condition)                                          \
    do {                                                                \
        if (!(condition)) {                                             \
            guiTestFailure(__FILE__, __LINE__, "failed: " #condition);  \
            throw GuiTestAbort();                                       \
        }                                                               \
    } while (0)

#define GUI_CHECK_EQ(actual, expected)                                                    \
    do {                                                                                  \
        const auto& guiActual = (actual);                                                 \
        const auto& guiExpected = (expected);                                             \
        if (!(guiActual == guiExpected))                                                  \
            guiTestFailure(__FILE__, __LINE__,                                            \
                           #actual ": " + guiTestDescribe(guiActual, guiExpected));       \
    } while (0)

// ---- windows and the message loop ------------------------------------------

// The real main window, built as the program builds it.
std::unique_ptr<MainWindow> createMainWindow();
// The accelerator table, loaded once; the pumps below translate with it as
// the program's message loop does.
HACCEL programAccelerators();

// Runs the message loop (with the accelerator table) until `condition`
// holds or `timeoutMs` passes; returns the condition's last value.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Runs the message loop for `ms` milliseconds.
void pumpFor(DWORD ms);
// True once WM_QUIT went through one of the pumps; its wParam is kept.
bool quitReceived();
int quitCode();

// A key typed on the keyboard (SendInput) with the given modifiers held;
// it reaches the focus window through the message loop.
void pressKey(WORD virtualKey, bool ctrl = false, bool shift = false, bool alt = false);

// WM_COMMAND with the id as a menu would send it; returns when handled.
void sendCommand(HWND window, int commandId);

// Top-level window of the calling thread (or of `threadId`) by exact title
// and, when given, class ("#32770" for dialogs and message boxes).
HWND findThreadWindow(const std::string& title, const char* className = nullptr, DWORD threadId = 0);

std::string windowTitle(HWND window);
RECT windowRect(HWND window);
// The client area, at (0, 0).
RECT clientRect(HWND window);
int rectWidth(const RECT& r);
int rectHeight(const RECT& r);
// Texts of the window's "Static" children, in child order.
std::vector<std::string> staticTexts(HWND window);

// ---- menus and the toolbar -------------------------------------------------

HMENU topMenu(HWND window, int position);
bool menuItemEnabled(HWND window, int commandId);
bool menuItemChecked(HWND window, int commandId);
bool topMenuEnabled(HWND window, int position);
bool menuItemExists(HWND window, int commandId);
std::string menuItemText(HWND window, int commandId);
HWND toolbarOf(HWND mainWindow);
bool toolbarButtonEnabled(HWND mainWindow, int commandId);
bool toolbarButtonChecked(HWND mainWindow, int commandId);

// ---- files -------------------------------------------------------------------

// A new folder under the temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // DOS path of the folder with its trailing backslash.
    const std::string& dir() const { return dir_; }
    std::string path(const std::string& name) const { return dir_ + name; }

private:
    std::string dir_;
};

bool fileExists(const std::string& path);
// The whole file, or "" when it cannot be read.
std::string readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::string& bytes);
// A small PNG of the given size written through the core.
bool writeTestPicture(const std::string& path, int width, int height);

// ---- answering modal windows -------------------------------------------------

// What a step saw of its window.
struct SeenWindow {
    bool found = false;
    RECT rect = {};
    std::vector<std::string> texts;  // static texts (a message box's message)
};

class Answerer {
public:
    Answerer();
    ~Answerer();  // finishes if still running
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

    // Starts a step: wait (up to `timeoutMs`) for a visible window of the
    // test thread with this title and class (null: any class).
    Answerer& on(const std::string& title, const char* className = "#32770", DWORD timeoutMs = 10000);
    // Actions of the current step, done in order.
    Answerer& type(int controlId, const std::string& text);
    Answerer& typeFileName(const std::string& path);  // the file dialogs' name box
    Answerer& check(int controlId);                    // BM_SETCHECK + BN_CLICKED
    Answerer& click(int buttonId);                     // WM_COMMAND as a button does
    Answerer& run(const std::function<void(HWND)>& action);  // Win32 calls only

    void start();
    // Waits for the thread; true when every step found its window.
    bool finish(DWORD timeoutMs = 30000);
    const SeenWindow& seen(size_t step) const { return steps_[step].seen; }

private:
    struct Step {
        std::string title;
        const char* className;
        DWORD timeoutMs;
        std::vector<std::function<void(HWND)>> actions;
        SeenWindow seen;
    };
    static DWORD WINAPI threadMain(void* self);
    void runSteps();

    DWORD uiThread_;
    HANDLE thread_;
    bool allFound_;
    std::vector<Step> steps_;
};

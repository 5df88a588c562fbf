// Helpers of the GUI tests: pumps, window lookup, menus, files, answerer.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "win32/Application.h"
#include "tests/unit/support/PngEncoder.h"
#include "tests/windows/FolderTree.h"
#include "ui/win32/MainWindow.h"

// ---- windows and the message loop ------------------------------------------

namespace {
bool quitSeen = false;
int quitWParam = 0;
}  // namespace

std::unique_ptr<MainWindow> createMainWindow() {
    return std::unique_ptr<MainWindow>(new MainWindow());
}

HACCEL programAccelerators() {
    static HACCEL table = LoadAcceleratorsA(instanceHandle, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return table;
}

static void pumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            quitWParam = static_cast<int>(message.wParam);
            continue;
        }
        dispatchWithAccelerators(programAccelerators(), message);
    }
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        pumpPending();
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

bool quitReceived() { return quitSeen; }
int quitCode() { return quitWParam; }

static INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void pressKey(WORD virtualKey, bool ctrl, bool shift, bool alt) {
    std::vector<INPUT> inputs;
    std::vector<WORD> modifiers;
    if (ctrl)
        modifiers.push_back(VK_CONTROL);
    if (shift)
        modifiers.push_back(VK_SHIFT);
    if (alt)
        modifiers.push_back(VK_MENU);
    for (WORD modifier : modifiers)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        inputs.push_back(keyInput(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void sendCommand(HWND window, int commandId) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

namespace {
struct WindowSearch {
    const std::string* title;
    const char* className;
    HWND found;
};
}  // namespace

static bool hasClass(HWND window, const char* className) {
    if (!className)
        return true;
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

static BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    if (windowTitle(window) == *search->title && hasClass(window, search->className)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findThreadWindow(const std::string& title, const char* className, DWORD threadId) {
    WindowSearch search = {&title, className, nullptr};
    EnumThreadWindows(threadId ? threadId : GetCurrentThreadId(), matchWindow,
                      reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowTitle(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 2, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

RECT windowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT clientRect(HWND window) {
    RECT r = {};
    GetClientRect(window, &r);
    return r;
}

int rectWidth(const RECT& r) { return r.right - r.left; }
int rectHeight(const RECT& r) { return r.bottom - r.top; }

static BOOL CALLBACK collectStatic(HWND child, LPARAM context) {
    if (hasClass(child, "Static")) {
        std::string text = windowTitle(child);
        if (!text.empty())
            reinterpret_cast<std::vector<std::string>*>(context)->push_back(text);
    }
    return TRUE;
}

std::vector<std::string> staticTexts(HWND window) {
    std::vector<std::string> texts;
    EnumChildWindows(window, collectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// ---- menus and the toolbar -------------------------------------------------

HMENU topMenu(HWND window, int position) {
    return GetSubMenu(GetMenu(window), position);
}

static UINT menuState(HWND window, int commandId) {
    return GetMenuState(GetMenu(window), commandId, MF_BYCOMMAND);
}

bool menuItemExists(HWND window, int commandId) {
    return menuState(window, commandId) != static_cast<UINT>(-1);
}

bool menuItemEnabled(HWND window, int commandId) {
    UINT state = menuState(window, commandId);
    return state != static_cast<UINT>(-1) && !(state & (MF_DISABLED | MF_GRAYED));
}

bool menuItemChecked(HWND window, int commandId) {
    UINT state = menuState(window, commandId);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

bool topMenuEnabled(HWND window, int position) {
    UINT state = GetMenuState(GetMenu(window), position, MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_DISABLED | MF_GRAYED));
}

std::string menuItemText(HWND window, int commandId) {
    char text[256] = "";
    GetMenuStringA(GetMenu(window), commandId, text, sizeof text, MF_BYCOMMAND);
    return text;
}

HWND toolbarOf(HWND mainWindow) {
    return GetDlgItem(mainWindow, IDC_TOOLBAR);
}

bool toolbarButtonEnabled(HWND mainWindow, int commandId) {
    return SendMessageA(toolbarOf(mainWindow), TB_ISBUTTONENABLED, commandId, 0) != 0;
}

bool toolbarButtonChecked(HWND mainWindow, int commandId) {
    return SendMessageA(toolbarOf(mainWindow), TB_ISBUTTONCHECKED, commandId, 0) != 0;
}

// ---- files -------------------------------------------------------------------

TempFolder::TempFolder() {
    char base[MAX_PATH] = "";
    GetTempPathA(sizeof base, base);
    std::string root = base;
    if (!root.empty() && root.back() != '\\')
        root += '\\';
    for (unsigned attempt = 0; dir_.empty() && attempt < 1000; ++attempt) {
        std::string candidate = root + "quenda-gui-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount() + attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            dir_ = candidate + "\\";
    }
}

TempFolder::~TempFolder() {
    if (dir_.empty())
        return;
    // The file dialogs leave the current directory inside the folder, at
    // any depth.
    std::vector<WCHAR> current(GetCurrentDirectoryW(0, nullptr) + 1, 0);
    GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
    std::string currentText;
    narrowText(current.data(), currentText);
    if (currentText.rfind(dir_.substr(0, dir_.size() - 1), 0) == 0) {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        SetCurrentDirectoryA(temp);
    }
    removeFolderTree(dir_);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool writeTestPicture(const std::string& path, int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += static_cast<char>(x * 255 / (width > 1 ? width - 1 : 1));
            row += static_cast<char>(y * 255 / (height > 1 ? height - 1 : 1));
            row += static_cast<char>(0x80);
        }
        rows.push_back(row);
    }
    return writeFileBytes(path, encodePng(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 8, 2, rows));
}

// ---- answering modal windows -------------------------------------------------

Answerer::Answerer() : uiThread_(GetCurrentThreadId()), thread_(nullptr), allFound_(false) {}

Answerer::~Answerer() {
    if (thread_)
        finish();
}

Answerer& Answerer::on(const std::string& title, const char* className, DWORD timeoutMs) {
    Step step;
    step.title = title;
    step.className = className;
    step.timeoutMs = timeoutMs;
    steps_.push_back(step);
    return *this;
}

Answerer& Answerer::run(const std::function<void(HWND)>& action) {
    steps_.back().actions.push_back(action);
    return *this;
}

Answerer& Answerer::type(int controlId, const std::string& text) {
    return run([controlId, text](HWND window) {
        SendMessageA(GetDlgItem(window, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    });
}

Answerer& Answerer::typeFileName(const std::string& path) {
    return run([path](HWND window) {
        // The name box is edt1 in the file dialog's template, cmb13 in others.
        HWND box = GetDlgItem(window, 0x480);
        if (!box)
            box = GetDlgItem(window, 0x47C);
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    });
}

Answerer& Answerer::check(int controlId) {
    return run([controlId](HWND window) {
        HWND button = GetDlgItem(window, controlId);
        SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    });
}

Answerer& Answerer::click(int buttonId) {
    return run([buttonId](HWND window) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, buttonId)));
    });
}

void Answerer::start() {
    allFound_ = false;
    thread_ = CreateThread(nullptr, 0, &Answerer::threadMain, this, 0, nullptr);
}

DWORD WINAPI Answerer::threadMain(void* self) {
    try {
        static_cast<Answerer*>(self)->runSteps();
    } catch (...) {
    }
    return 0;
}

void Answerer::runSteps() {
    for (Step& step : steps_) {
        HWND window = nullptr;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < step.timeoutMs) {
            window = findThreadWindow(step.title, step.className, uiThread_);
            if (window && IsWindowVisible(window))
                break;
            window = nullptr;
            Sleep(20);
        }
        if (!window)
            return;  // the rest cannot follow; finish() reports it
        step.seen.found = true;
        step.seen.rect = windowRect(window);
        step.seen.texts = staticTexts(window);
        for (auto& action : step.actions)
            action(window);
    }
    allFound_ = true;
}

bool Answerer::finish(DWORD timeoutMs) {
    if (!thread_)
        return false;
    // The test thread keeps pumping: the answerer may be waiting on it.
    bool ended = pumpUntil([this] { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended)
        TerminateThread(thread_, 1);
    CloseHandle(thread_);
    thread_ = nullptr;
    return ended && allFound_;
}

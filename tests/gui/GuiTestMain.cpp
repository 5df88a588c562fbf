// Runner of the GUI tests: one case per process, named on the command line.
#include "tests/gui/GuiTest.h"

#include <cstdio>
#include <map>
#include <string>

#include "win32/Application.h"
#include "model/win32/RegistrySettings.h"
#include "model/win32/Win32FileAccess.h"
#include "ui/win32/RegionClipboard.h"

namespace {

std::map<std::string, GuiTestFunction>& registry() {
    static std::map<std::string, GuiTestFunction> cases;
    return cases;
}

int failures = 0;
const DWORD kWatchdogMs = 60000;

DWORD WINAPI watchdog(void*) {
    Sleep(kWatchdogMs);
    std::printf("TIMEOUT after %lu ms (a modal window left unanswered?)\n",
                static_cast<unsigned long>(kWatchdogMs));
    std::fflush(stdout);
    ExitProcess(3);
    return 0;
}

int runCase(const std::string& name) {
    auto found = registry().find(name);
    if (found == registry().end()) {
        std::printf("no GUI test named %s\n", name.c_str());
        return 2;
    }
    // run-gui-test.sh reads this line as proof that the program started.
    std::printf("RUN %s\n", name.c_str());
    std::fflush(stdout);
    CloseHandle(CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr));
    try {
        found->second();
    } catch (const GuiTestAbort&) {
    } catch (const std::exception& error) {
        guiTestFailure(__FILE__, __LINE__, std::string("exception: ") + error.what());
    } catch (...) {
        guiTestFailure(__FILE__, __LINE__, "unknown exception");
    }
    std::printf("%s %s\n", failures ? "FAIL" : "PASS", name.c_str());
    return failures ? 1 : 0;
}

}  // namespace

GuiTestRegistration::GuiTestRegistration(const char* name, GuiTestFunction function) {
    registry()[name] = function;
}

void guiTestFailure(const char* file, int line, const std::string& what) {
    ++failures;
    std::printf("%s:%d: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

// Run as a second process by the clipboard cases: puts the region text of
// file `path` on the clipboard as another editor would, answers "ok" or
// "failed" in `path`.put once its window is gone, and ends.
int putRegion(const std::string& path) {
    std::string text = readFileBytes(path);
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool put = owner && !text.empty() && putRegionText(owner, text);
    if (owner)
        DestroyWindow(owner);
    writeFileBytes(path + ".put", put ? "ok" : "failed");
    return put ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--put-region")
        return putRegion(argv[2]);
    if (argc != 2) {
        std::printf("usage: quenda_guitest.exe <Suite.Case> | --list | --warm-up\n");
        return 2;
    }
    std::string argument = argv[1];
    if (argument == "--list") {
        for (const auto& entry : registry())
            std::printf("%s\n", entry.first.c_str());
        return 0;
    }
    startApplication(GetModuleHandleA(nullptr));
    if (argument == "--warm-up") {
        // Wine's first window of a session is slow (desktop process, fonts):
        // the display fixture pays for it instead of the first case.
        DestroyWindow(CreateWindowExA(0, "QUENDADEFWINCLASS", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                      nullptr, instanceHandle, nullptr));
        return 0;
    }
    // As in the program: the core reads and writes DOS paths through Win32.
    static Win32FileAccess files;
    FileAccess::install(&files);
    // Settings of the case's own, in a key no other case uses, emptied
    // first: cases never see each other's values or the program's.
    static RegistrySettings settings("Software\\QuendaGuiTest\\" + argument);
    settings.removeAll();
    Settings::install(&settings);
    int result = runCase(argument);
    settings.removeAll();
    std::fflush(stdout);
    return result;
}

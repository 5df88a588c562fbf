#include "transfer/win32/ElevatedCommand.h"

#include <shellapi.h>

#include "model/FileAccess.h"
#include "transfer/FirewallRule.h"

namespace {

const char kScriptMark[] = "%SCRIPT%";

std::string replaced(std::string text, const std::string& mark, const std::string& by) {
    size_t at = text.find(mark);
    if (at != std::string::npos)
        text.replace(at, mark.size(), by);
    return text;
}

// The script goes to a file of its own in the temporary folder, written as
// every other file of the program is.
bool writeScript(const std::string& text, std::string& path) {
    char folder[MAX_PATH];
    char file[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, "qnd", 0, file) == 0)
        return false;
    path = file;
    return writeFileSafely(FileAccess::current(), path, text);
}

// Waits for `process` while the owner's windows keep painting.
void waitPumping(HANDLE process) {
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

class ShellLauncher : public ElevatedLauncher {
public:
    ElevatedOutcome run(HWND owner, const ElevatedRequest& request, DWORD& exitCode) override {
        std::string scriptPath;
        if (!writeScript(request.script, scriptPath)) {
            if (!scriptPath.empty())
                FileAccess::current().remove(scriptPath);
            return ElevatedOutcome::Failed;
        }
        std::string parameters = replaced(request.parameters, kScriptMark, scriptPath);
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.hwnd = owner;
        info.lpVerb = request.verb.c_str();
        info.lpFile = request.program.c_str();
        info.lpParameters = parameters.c_str();
        info.nShow = SW_HIDE;
        ElevatedOutcome outcome = ElevatedOutcome::Failed;
        if (!ShellExecuteExA(&info)) {
            if (GetLastError() == ERROR_CANCELLED)
                outcome = ElevatedOutcome::Refused;
        } else if (info.hProcess) {
            waitPumping(info.hProcess);
            if (GetExitCodeProcess(info.hProcess, &exitCode))
                outcome = ElevatedOutcome::Finished;
            CloseHandle(info.hProcess);
        }
        FileAccess::current().remove(scriptPath);
        return outcome;
    }
};

ElevatedLauncher* installed = nullptr;

}  // namespace

ElevatedLauncher& ElevatedLauncher::current() {
    static ShellLauncher shell;
    return installed ? *installed : shell;
}

void ElevatedLauncher::install(ElevatedLauncher* launcher) {
    installed = launcher;
}

ElevatedRequest firewallRequest() {
    char system[MAX_PATH] = "";
    char program[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    ElevatedRequest request;
    request.verb = "runas";
    // From the system folder by its full path: never a netsh found elsewhere.
    request.program = std::string(system) + "\\netsh.exe";
    request.parameters = std::string("-f \"") + kScriptMark + "\"";
    request.script = firewallScript(program);
    return request;
}

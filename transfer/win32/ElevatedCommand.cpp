#include "transfer/win32/ElevatedCommand.h"

#include <shellapi.h>

#include "transfer/FirewallRule.h"

namespace {

const char kScriptMark[] = "%SCRIPT%";

std::string replaced(std::string text, const std::string& mark, const std::string& by) {
    size_t at = text.find(mark);
    if (at != std::string::npos)
        text.replace(at, mark.size(), by);
    return text;
}

bool writeScript(const std::string& text, std::string& path) {
    char folder[MAX_PATH];
    char file[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, "qnd", 0, file) == 0)
        return false;
    path = file;
    HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                  written == text.size();
    CloseHandle(handle);
    return ok;
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
                DeleteFileA(scriptPath.c_str());
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
        DeleteFileA(scriptPath.c_str());
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

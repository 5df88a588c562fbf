#include "transfer/win32/ElevatedCommand.h"

#include <shellapi.h>

#include "model/WindowsPath.h"

namespace {

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
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.hwnd = owner;
        info.lpVerb = request.verb.c_str();
        info.lpFile = request.program.c_str();
        info.lpParameters = request.parameters.c_str();
        info.nShow = SW_HIDE;
        if (!ShellExecuteExW(&info))
            return GetLastError() == ERROR_CANCELLED ? ElevatedOutcome::Refused : ElevatedOutcome::Failed;
        ElevatedOutcome outcome = ElevatedOutcome::Failed;
        if (info.hProcess) {
            waitPumping(info.hProcess);
            if (GetExitCodeProcess(info.hProcess, &exitCode))
                outcome = ElevatedOutcome::Finished;
            CloseHandle(info.hProcess);
        }
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

WideText thisProgramPath() {
    // The call cuts the path to the buffer without saying how long it is.
    WideText path(MAX_PATH, WCHAR());
    while (path.size() <= kMaxSystemPath) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return WideText();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return WideText();
}

ElevatedRequest firewallRequest() {
    const std::u16string parameter(kFirewallParameter);
    return ElevatedRequest{L"runas", thisProgramPath(), WideText(parameter.begin(), parameter.end())};
}

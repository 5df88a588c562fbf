#include "transfer/win32/FirewallJob.h"

#include <shellapi.h>

#include "model/WindowsPath.h"
#include "transfer/FirewallRule.h"
#include "transfer/win32/ElevatedCommand.h"

namespace {

WideText systemFolder() {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0)
        return WideText();
    WideText folder(size, WCHAR());
    const UINT length = GetSystemDirectoryW(&folder[0], size);
    folder.resize(length < size ? length : 0);
    return folder;
}

DWORD runHidden(const WideText& program, WideText commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return kNetshNotStarted;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = kNetshNotStarted;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::u16string utf16(const WideText& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

bool isFirewallJob(const WCHAR* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (!arguments)
        return false;
    const bool job = count == 2 && utf16(arguments[1]) == kFirewallParameter;
    LocalFree(arguments);
    return job;
}

int runFirewallJob() {
    const WideText system = systemFolder();
    const WideText program = thisProgramPath();
    if (system.empty() || program.empty())
        return static_cast<int>(kNetshNotStarted);
    // From the system folder by its full path: never a netsh found elsewhere.
    const WideText netsh = system + L"\\netsh.exe";
    for (const std::u16string& command : firewallCommands(utf16(netsh), utf16(program))) {
        const DWORD exitCode = runHidden(netsh, WideText(command.begin(), command.end()));
        if (exitCode != 0)
            return static_cast<int>(exitCode);
    }
    return 0;
}

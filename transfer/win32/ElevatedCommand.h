// The one way the editor runs anything elevated: a program started through
// the shell with the verb "runas", awaited, its exit code read. The firewall
// step is its only user. Tests install a recorder in its place, which keeps
// the whole request and launches nothing.
#pragma once

#include <windows.h>

#include "model/win32/WidePath.h"
#include "transfer/FirewallRule.h"

// Everything the elevated program gets is in here: no file is written for it.
struct ElevatedRequest {
    WideText verb;        // L"runas"
    WideText program;     // full path of the program
    WideText parameters;  // its whole command line after the program
};

class ElevatedLauncher {
public:
    virtual ~ElevatedLauncher() = default;
    // Runs `request` and waits for it; `exitCode` is set when Finished.
    // Refused: the user said no to Windows' question.
    virtual ElevatedOutcome run(HWND owner, const ElevatedRequest& request, DWORD& exitCode) = 0;

    // The shell's, until another is installed.
    static ElevatedLauncher& current();
    // Installs `launcher` (not owned); null goes back to the shell's.
    static void install(ElevatedLauncher* launcher);
};

// This program's full path, however long.
WideText thisProgramPath();
// The firewall step's request: this program, elevated, with the one
// parameter that makes it run netsh (FirewallJob.h).
ElevatedRequest firewallRequest();

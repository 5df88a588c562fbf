// The one way the editor runs anything elevated: a program started through
// the shell with the verb "runas", awaited, its exit code read. The firewall
// step is its only user. Tests install a recorder in its place, which keeps
// the whole request and launches nothing.
#pragma once

#include <windows.h>

#include <string>

struct ElevatedRequest {
    std::string verb;        // "runas"
    std::string program;     // full path of the program
    std::string parameters;  // its command line, with "%SCRIPT%" for the script's path
    std::string script;      // text written to a temporary file for it
};

enum class ElevatedOutcome { Finished, Refused, Failed };

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

// The firewall step's request for this program (netsh from the system folder).
ElevatedRequest firewallRequest();

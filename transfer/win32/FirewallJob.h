// The firewall step as the elevated instance of the program does it, started
// by firewallRequest(): netsh from the system folder, each command on its own
// command line, for this program's own path. No window is made.
#pragma once

#include <windows.h>

// True when `commandLine` (GetCommandLineW's) asks for the firewall step.
bool isFirewallJob(const WCHAR* commandLine);
// 0 when every command succeeded, else the first failing one's exit code
// (kNetshNotStarted when netsh could not be started).
int runFirewallJob();

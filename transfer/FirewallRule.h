// The firewall rule that lets the device's announcement reach the editor,
// as a script for Windows' netsh ("netsh -f script"), run once elevated.
#pragma once

#include <string>

extern const char kFirewallRuleName[];  // "Quenda (dispositivo)"

// Deletes every inbound rule for `programPath` (the block rules Windows
// made when its question was cancelled) and adds one allow rule: that
// program, inbound UDP to the device port, from the local subnet only,
// in every network profile.
std::string firewallScript(const std::string& programPath);

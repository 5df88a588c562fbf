// The firewall rules as any user may read them, through the Windows Firewall
// API: what the firewall step left, seen from the unelevated editor.
#pragma once

#include <string>
#include <vector>

// The program path of every rule named kFirewallRuleName; empty when there
// is none or the firewall cannot be read.
std::vector<std::u16string> programsOfFirewallRule();

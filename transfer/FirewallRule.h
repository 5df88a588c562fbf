// The firewall rule that lets the device's announcement reach the editor.
// The editor starts itself elevated with kFirewallParameter; that instance
// runs netsh from the system folder with each command on its own command
// line, naming its own path, so the elevated step reads no file the user can
// write. The editor then reads the rules back unelevated: the step counts as
// done only when a rule of that name names this very program.
#pragma once

#include <string>
#include <vector>

extern const char kFirewallRuleName[];  // "Quenda (dispositivo)"
// The one command-line argument that makes the program do the firewall step
// alone, without any window.
extern const char16_t kFirewallParameter[];
// The elevated instance's exit code when netsh could not be started.
const unsigned long kNetshNotStarted = 0xFFFF;

// The full command lines for `netsh` (its full path), run in turn: delete
// every inbound rule for `programPath` (the block rules Windows made when its
// question was cancelled) and add one allow rule for that program, inbound
// UDP to the device port, from the local subnet only, in every profile. The
// delete fails when no rule matches: the first add makes sure one does.
std::vector<std::u16string> firewallCommands(const std::u16string& netsh, const std::u16string& programPath);

// Paths compared as Windows names files: case-blind (ASCII and Latin-1
// letters; the firewall keeps the path as netsh was given it).
bool sameProgramPath(const std::u16string& a, const std::u16string& b);

enum class ElevatedOutcome { Finished, Refused, Failed };

struct FirewallStepResult {
    ElevatedOutcome outcome = ElevatedOutcome::Failed;
    unsigned long exitCode = 0;                  // when Finished
    std::vector<std::u16string> rulePrograms;    // of the rules named kFirewallRuleName, read back
};

bool firewallRuleMade(const FirewallStepResult& result, const std::u16string& programPath);
// What the progress dialog says about the step.
std::string firewallOutcomeText(const FirewallStepResult& result, const std::u16string& programPath);

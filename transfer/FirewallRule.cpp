#include "transfer/FirewallRule.h"

#include "transfer/DeviceProtocol.h"

const char kFirewallRuleName[] = "Quenda (dispositivo)";

std::string firewallScript(const std::string& programPath) {
    const std::string program = "program=\"" + programPath + "\"";
    const std::string allow = "advfirewall firewall add rule name=\"" + std::string(kFirewallRuleName) +
                              "\" dir=in action=allow " + program + " protocol=udp localport=" +
                              std::to_string(kDevicePort) + " remoteip=localsubnet profile=any enable=yes\r\n";
    // The delete fails when no rule matches, and a failing line may end the
    // script: the first add makes sure there is one to delete.
    return allow + "advfirewall firewall delete rule name=all dir=in " + program + "\r\n" + allow;
}

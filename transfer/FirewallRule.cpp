#include "transfer/FirewallRule.h"

#include <algorithm>

#include "transfer/DeviceProtocol.h"

const char kFirewallRuleName[] = "Quenda (dispositivo)";
const char16_t kFirewallParameter[] = u"/regla-firewall";

namespace {

std::u16string widened(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// A path holds no '"', so quotes keep it whole however it is spelt.
std::u16string quoted(const std::u16string& text) {
    return u"\"" + text + u"\"";
}

char16_t folded(char16_t c) {
    const bool asciiUpper = c >= u'A' && c <= u'Z';
    const bool latin1Upper = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    return asciiUpper || latin1Upper ? static_cast<char16_t>(c + 0x20) : c;
}

}  // namespace

std::vector<std::u16string> firewallCommands(const std::u16string& netsh, const std::u16string& programPath) {
    const std::u16string firewall = quoted(netsh) + u" advfirewall firewall ";
    const std::u16string program = u"program=" + quoted(programPath);
    const std::u16string allow = firewall + u"add rule name=" + quoted(widened(kFirewallRuleName)) +
                                 u" dir=in action=allow " + program + u" protocol=udp localport=" +
                                 widened(std::to_string(kDevicePort)) +
                                 u" remoteip=localsubnet profile=any enable=yes";
    return {allow, firewall + u"delete rule name=all dir=in " + program, allow};
}

bool sameProgramPath(const std::u16string& a, const std::u16string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

bool firewallRuleMade(const FirewallStepResult& result, const std::u16string& programPath) {
    if (result.outcome != ElevatedOutcome::Finished || result.exitCode != 0)
        return false;
    return std::any_of(result.rulePrograms.begin(), result.rulePrograms.end(),
                       [&](const std::u16string& named) { return sameProgramPath(named, programPath); });
}

std::string firewallOutcomeText(const FirewallStepResult& result, const std::u16string& programPath) {
    const std::string unchanged = ": el firewall queda como estaba.";
    switch (result.outcome) {
    case ElevatedOutcome::Finished:
        if (firewallRuleMade(result, programPath))
            return "Regla creada: el firewall deja pasar el aviso del dispositivo.";
        if (result.exitCode == 0)
            return "La regla no se cre\xF3: el firewall no la muestra para este programa.";
        if (result.exitCode != kNetshNotStarted)
            return "netsh no pudo crear la regla (c\xF3" "digo " + std::to_string(result.exitCode) + ")" + unchanged;
        break;
    case ElevatedOutcome::Refused:
        return "Windows no dio permiso" + unchanged;
    case ElevatedOutcome::Failed:
        break;
    }
    return "No se pudo ejecutar netsh" + unchanged;
}

// The firewall step's netsh command lines and its verdict on what the
// firewall reads back.
#include <gtest/gtest.h>

#include "transfer/FirewallRule.h"

namespace {

const std::u16string kNetsh = u"C:\\Windows\\system32\\netsh.exe";
// Beyond 260 characters, with letters Windows-1252 lacks.
const std::u16string kLongPath = u"C:\\Usuarios\\\u0141ukasz \u65E5\u672C\\" + std::u16string(280, u'x') + u"\\quenda.exe";

}  // namespace

TEST(FirewallCommands, NameTheWholeProgramPathInEveryCommandFromTheSystemNetsh) {
    for (const std::u16string& path : {std::u16string(u"C:\\Quenda\\quenda.exe"), kLongPath}) {
        const std::vector<std::u16string> commands = firewallCommands(kNetsh, path);
        ASSERT_EQ(3u, commands.size());
        // Add, delete the program's every inbound rule, add again.
        EXPECT_EQ(commands[0], commands[2]);
        EXPECT_NE(std::u16string::npos, commands[0].find(u" add rule "));
        EXPECT_NE(std::u16string::npos, commands[1].find(u" delete rule name=all dir=in "));
        for (const std::u16string& command : commands) {
            EXPECT_EQ(0u, command.find(u"\"" + kNetsh + u"\" advfirewall firewall "));
            EXPECT_NE(std::u16string::npos, command.find(u" program=\"" + path + u"\""));
        }
    }
}

TEST(FirewallVerdict, MadeOnlyWhenTheRuleReadsBackWithThisProgram) {
    const std::u16string program = u"C:\\Programas\\Se\u00F1al\\quenda.exe";
    struct Case {
        ElevatedOutcome outcome;
        unsigned long exitCode;
        std::vector<std::u16string> readBack;
        bool made;
    } cases[] = {
        {ElevatedOutcome::Finished, 0, {program}, true},
        {ElevatedOutcome::Finished, 0, {u"c:\\PROGRAMAS\\SE\u00D1AL\\Quenda.EXE"}, true},
        {ElevatedOutcome::Finished, 0, {u"D:\\viejo\\quenda.exe", program}, true},
        {ElevatedOutcome::Finished, 0, {}, false},
        // The ANSI path netsh once wrote, or one cut short.
        {ElevatedOutcome::Finished, 0, {u"C:\\Programas\\Se?al\\quenda.exe"}, false},
        {ElevatedOutcome::Finished, 0, {u"C:\\Programas\\Se\u00F1al\\quenda.ex"}, false},
        {ElevatedOutcome::Finished, 1, {program}, false},
        {ElevatedOutcome::Refused, 0, {program}, false},
        {ElevatedOutcome::Failed, 0, {program}, false},
    };
    const std::string madeText = firewallOutcomeText({ElevatedOutcome::Finished, 0, {program}}, program);
    for (const Case& c : cases) {
        const FirewallStepResult result{c.outcome, c.exitCode, c.readBack};
        EXPECT_EQ(c.made, firewallRuleMade(result, program)) << &c - cases;
        EXPECT_EQ(c.made, firewallOutcomeText(result, program) == madeText) << &c - cases;
    }
    // A failing netsh and netsh not started say different things.
    EXPECT_NE(firewallOutcomeText({ElevatedOutcome::Finished, 1, {}}, program),
              firewallOutcomeText({ElevatedOutcome::Finished, kNetshNotStarted, {}}, program));
}

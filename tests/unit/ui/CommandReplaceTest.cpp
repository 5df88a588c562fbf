// One value replaced on every command that uses it: what the dialog lists,
// what it refuses, and what changes in which scope.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "ui/CommandReplace.h"

namespace {

using Texts = std::vector<std::string>;
const ReplaceField kSector = ReplaceField::Sector, kCode = ReplaceField::Code, kMac = ReplaceField::Mac,
                   kJump = ReplaceField::Jump;
const ReplaceScope kPage = ReplaceScope::ShownPage, kAll = ReplaceScope::Project;

// "Inicio": a start command and two regions; "Luces": a start command and one region.
Proyecto house() {
    Proyecto project;
    const std::vector<std::vector<Comando>> pages = {
        {{"Living", "luz1", "", "wifi", "CC"}, {"Living", "luz1", "Luces", "bt", "AA"}, {"Cocina", "luz1", "/back", "", ""}},
        {{"", "", "Inicio", "", ""}, {"Cocina", "tv", "", "bt", "AA"}}};
    for (const auto& commands : pages) {
        auto page = std::make_unique<Pagina>();
        page->nombre = project.paginas.empty() ? "Inicio" : "Luces";
        page->comandoInicial = commands[0];
        for (size_t r = 1; r < commands.size(); ++r)
            page->addRegion(Region{Rect{0, 0, 10, 10}, commands[r]});
        project.addPage(std::move(page));
    }
    return project;
}

Texts listed(const Proyecto& project, ReplaceField field, ReplaceScope scope) {
    Texts texts;
    for (const UsedValue& value : CommandReplace::usedValues(project, field, scope, 0))
        texts.push_back(value.listed());
    return texts;
}

}  // namespace

TEST(CommandReplace, ListsTheValuesInScopeWithHowManyCommandsUseThem) {
    const Proyecto project = house();
    const struct { ReplaceField field; ReplaceScope scope; Texts listed; } rows[] = {
        {kSector, kAll, {"Cocina (2)", "Living (2)"}},
        {kCode, kAll, {"luz1 \xB7 Cocina (1)", "tv \xB7 Cocina (1)", "luz1 \xB7 Living (2)"}},
        {kCode, kPage, {"luz1 \xB7 Cocina (1)", "luz1 \xB7 Living (2)"}},
        {kMac, kAll, {"AA (2)", "CC (1)"}},
        {kJump, kAll, {"/back (1)", "Inicio (1)", "Luces (1)"}},
        {kJump, kPage, {"/back (1)", "Luces (1)"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(listed(project, row.field, row.scope), row.listed) << row.listed.front();
}

// An empty value clears the field where the commands it goes to stand without it.
TEST(CommandReplace, ANewValueMustPassTheCommandRules) {
    const Proyecto project = house();
    const struct { ReplaceField field; UsedValue current; const char* typed; bool accepted; } rows[] = {
        {kSector, {"", "Cocina"}, "  Comedor ", true},
        {kSector, {"", "Cocina"}, "  ", false},          // their codes need a sector
        {kCode, {"Living", "luz1"}, "luz2", true},
        {kCode, {"Living", "luz1"}, "", false},          // the start command has no jump
        {kCode, {"Cocina", "luz1"}, "", true},           // a jump alone is a command
        {kMac, {"", "AA"}, "BB", true},
        {kMac, {"", "AA"}, " ", false},                  // BlueTooth commands
        {kMac, {"", "CC"}, "", true},                    // a WiFi command
        {kJump, {"", "Luces"}, "Luces", true},
        {kJump, {"", "Luces"}, "/back", true},
        {kJump, {"", "Luces"}, "Garaje", false},
        {kJump, {"", "Luces"}, "", false},
    };
    for (const auto& row : rows) {
        ReplaceRequest request{row.field, kAll, 0, row.current, row.typed};
        const FormCheck check = CommandReplace::check(project, request, 77);
        EXPECT_EQ(check.accepted, row.accepted) << row.current.value << " -> " << row.typed;
        EXPECT_EQ(check.focusControl, row.accepted ? 0 : 77) << row.typed;
        EXPECT_EQ(check.message.empty(), row.accepted) << row.typed;
    }
}

// Only the commands with the value change: a code only in its own sector,
// start commands too, the page shown alone when so chosen.
TEST(CommandReplace, ChangesEveryCommandWithTheValueInScope) {
    const struct { ReplaceField field; ReplaceScope scope; UsedValue current; size_t changed; Texts after; } rows[] = {
        {kCode, kAll, {"Living", "luz1", 2}, 2, {"luz1 \xB7 Cocina (1)", "tv \xB7 Cocina (1)", "luz9 \xB7 Living (2)"}},
        {kMac, kAll, {"", "AA", 2}, 2, {"CC (1)", "luz9 (2)"}},
        {kMac, kPage, {"", "AA", 1}, 1, {"AA (1)", "CC (1)", "luz9 (1)"}},
        {kJump, kAll, {"", "Inicio", 1}, 1, {"/back (1)", "Luces (1)", "luz9 (1)"}},
        {kSector, kPage, {"", "Cocina", 1}, 1, {"Cocina (1)", "Living (2)", "luz9 (1)"}},
    };
    for (const auto& row : rows) {
        Proyecto project = house();
        EXPECT_EQ(CommandReplace::replace(project, {row.field, row.scope, 0, row.current, "luz9"}), row.changed);
        EXPECT_EQ(listed(project, row.field, kAll), row.after) << row.current.value;
    }
}

// One value replaced on every command that uses it: what the dialog lists,
// what it refuses, and what changes in which scope.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "ui/CommandReplace.h"

namespace {

const int kField = 77;  // the control a refusal focuses

Comando comando(const char* sector, const char* codigo, const char* pagina, const char* mac = "") {
    return Comando{sector, codigo, pagina, *mac ? "bt" : "wifi", mac};
}

// "Inicio": a start command and two regions; "Luces": one region.
Proyecto house() {
    Proyecto project;
    const std::vector<std::vector<Comando>> pages = {
        {comando("Living", "luz1", ""), comando("Living", "luz1", "Luces", "AA"), comando("Cocina", "luz1", "/back")},
        {comando("", "", "Inicio"), comando("Cocina", "tv", "", "AA")},
    };
    const char* names[] = {"Inicio", "Luces"};
    for (size_t i = 0; i < pages.size(); ++i) {
        auto page = std::make_unique<Pagina>();
        page->nombre = names[i];
        page->comandoInicial = pages[i][0];
        for (size_t r = 1; r < pages[i].size(); ++r)
            page->addRegion(Region{Rect{0, 0, 10, 10}, pages[i][r]});
        project.addPage(std::move(page));
    }
    return project;
}

std::vector<std::string> listed(const std::vector<UsedValue>& values) {
    std::vector<std::string> texts;
    for (const UsedValue& value : values)
        texts.push_back(value.listed());
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(CommandReplace, ListsTheValuesInScopeWithHowManyCommandsUseThem) {
    const Proyecto project = house();
    const struct {
        ReplaceField field;
        ReplaceScope scope;
        Texts listed;
    } rows[] = {
        {ReplaceField::Sector, ReplaceScope::Project, {"Cocina (2)", "Living (2)"}},
        {ReplaceField::Code, ReplaceScope::Project, {"luz1 \xB7 Cocina (1)", "tv \xB7 Cocina (1)", "luz1 \xB7 Living (2)"}},
        {ReplaceField::Code, ReplaceScope::ShownPage, {"luz1 \xB7 Cocina (1)", "luz1 \xB7 Living (2)"}},
        {ReplaceField::Mac, ReplaceScope::Project, {"AA (2)"}},
        {ReplaceField::Jump, ReplaceScope::Project, {"/back (1)", "Inicio (1)", "Luces (1)"}},
        {ReplaceField::Jump, ReplaceScope::ShownPage, {"/back (1)", "Luces (1)"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(listed(CommandReplace::usedValues(project, row.field, row.scope, 0)), row.listed)
            << static_cast<int>(row.field) << " " << static_cast<int>(row.scope);
}

TEST(CommandReplace, ANewValueMustPassTheCommandRules) {
    const Proyecto project = house();
    const struct {
        ReplaceField field;
        const char* typed;
        bool accepted;
    } rows[] = {
        {ReplaceField::Sector, "  Comedor ", true}, {ReplaceField::Sector, "  ", false},
        {ReplaceField::Code, "luz2", true},         {ReplaceField::Code, "", false},
        {ReplaceField::Mac, "BB", true},            {ReplaceField::Mac, " ", false},
        {ReplaceField::Jump, "Luces", true},        {ReplaceField::Jump, "/back", true},
        {ReplaceField::Jump, "Garaje", false},      {ReplaceField::Jump, "", false},
    };
    for (const auto& row : rows) {
        ReplaceRequest request;
        request.field = row.field;
        request.replacement = row.typed;
        const FormCheck check = CommandReplace::check(project, request, kField);
        EXPECT_EQ(check.accepted, row.accepted) << row.typed;
        EXPECT_EQ(check.focusControl, row.accepted ? 0 : kField) << row.typed;
        EXPECT_EQ(check.message.empty(), row.accepted) << row.typed;
    }
}

// Only the commands with the value change: a code only in its own sector,
// start commands too, the page shown alone when so chosen.
TEST(CommandReplace, ChangesEveryCommandWithTheValueInScope) {
    const struct {
        ReplaceField field;
        ReplaceScope scope;
        UsedValue current;
        size_t changed;
        Texts after;  // the field's values in the whole project afterwards
    } rows[] = {
        {ReplaceField::Code, ReplaceScope::Project, {"Living", "luz1", 2}, 2, {"luz1 \xB7 Cocina (1)", "tv \xB7 Cocina (1)", "luz9 \xB7 Living (2)"}},
        {ReplaceField::Mac, ReplaceScope::Project, {"", "AA", 2}, 2, {"luz9 (2)"}},
        {ReplaceField::Mac, ReplaceScope::ShownPage, {"", "AA", 1}, 1, {"AA (1)", "luz9 (1)"}},
        {ReplaceField::Jump, ReplaceScope::Project, {"", "Inicio", 1}, 1, {"/back (1)", "Luces (1)", "luz9 (1)"}},
        {ReplaceField::Sector, ReplaceScope::ShownPage, {"", "Cocina", 1}, 1, {"Cocina (1)", "Living (2)", "luz9 (1)"}},
    };
    for (const auto& row : rows) {
        Proyecto project = house();
        const ReplaceRequest request{row.field, row.scope, 0, row.current, "luz9"};
        EXPECT_EQ(CommandReplace::replace(project, request), row.changed) << row.current.value;
        EXPECT_EQ(listed(CommandReplace::usedValues(project, row.field, ReplaceScope::Project, 0)), row.after)
            << row.current.value;
    }
}

TEST(CommandReplace, SaysHowManyChanged) {
    EXPECT_EQ(CommandReplace::doneText(1), "1 comando cambiado");
    EXPECT_EQ(CommandReplace::doneText(3), "3 comandos cambiados");
}

// The short text a region's label shows: the code and its sector, the jump on
// a line of its own, and a word for a command that does nothing.
#include <gtest/gtest.h>

#include <string>

#include "model/Comando.h"
#include "ui/CommandDescription.h"

namespace {

struct LabelRow {
    Comando comando;
    const char* label;
};

Comando comando(const char* sector, const char* codigo, const char* pagina, const char* tipo = "wifi",
                const char* mac = "") {
    return Comando{sector, codigo, pagina, tipo, mac};
}

}  // namespace

TEST(CommandLabel, SaysTheCodeItsSectorAndTheJumpInShort) {
    const LabelRow rows[] = {
        {comando("Living", "luz1", ""), "luz1 \xB7 Living"},
        {comando("Living", "luz1", "", "bt", "00:11:22:33:44:55"), "luz1 \xB7 Living (BT)"},
        {comando("", "luz1", ""), "luz1"},
        {comando("", "", "Luces"), "\xBB Luces"},
        {comando("", "", "/back"), "\xAB atr\xE1s"},
        {comando("Living", "luz1", "Luces"), "luz1 \xB7 Living\n\xBB Luces"},
        {comando("Cocina", "tv", "/back", "bt"), "tv \xB7 Cocina (BT)\n\xAB atr\xE1s"},
        {comando("Living", "", "", ""), "(sin funci\xF3n)"},
        {Comando{}, "(sin funci\xF3n)"},
    };
    for (const LabelRow& row : rows)
        EXPECT_EQ(CommandDescription::label(row.comando), row.label) << row.label;
}

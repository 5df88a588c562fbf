// The short text a region's label shows: the code and its sector, the jump on
// a line of its own, and a word for a command that does nothing.
#include <gtest/gtest.h>

#include "model/Comando.h"
#include "ui/CommandDescription.h"

TEST(CommandLabel, SaysTheCodeItsSectorAndTheJumpInShort) {
    const struct { Comando comando; const char* label; } rows[] = {
        {{"Living", "luz1", "", "wifi", ""}, "luz1 \xB7 Living"},
        {{"Living", "luz1", "", "bt", "00:11:22:33:44:55"}, "luz1 \xB7 Living (BT)"},
        {{"", "luz1", "", "wifi", ""}, "luz1"},
        {{"", "", "Luces", "wifi", ""}, "\xBB Luces"},
        {{"", "", "/back", "", ""}, "\xAB atr\xE1s"},
        {{"Living", "luz1", "Luces", "wifi", ""}, "luz1 \xB7 Living\n\xBB Luces"},
        {{"Cocina", "tv", "/back", "bt", ""}, "tv \xB7 Cocina (BT)\n\xAB atr\xE1s"},
        {{"Living", "", "", "", ""}, "(sin funci\xF3n)"},
        {Comando{}, "(sin funci\xF3n)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CommandDescription::label(row.comando), row.label) << row.label;
}

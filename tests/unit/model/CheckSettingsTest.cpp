// The minimum button size the user set last: kept in the settings, read back
// at its default when absent or unusable.
#include <gtest/gtest.h>

#include "model/CheckSettings.h"
#include "model/Settings.h"

TEST(CheckSettings, MinButtonSizeComesFromTheSettingWithinBounds) {
    const uint32_t fallback = CheckOptions().minButtonSize;
    const std::pair<const char*, uint32_t> cases[] = {{nullptr, fallback}, {"0", fallback}, {"1", 1},
                                                      {"24", 24}, {"240", 240}, {"241", fallback},
                                                      {"4000000000", fallback}, {"diez", fallback}};
    for (const auto& c : cases) {
        MemorySettings settings;
        if (c.first)
            settings.writeText(setting::kTamanoMinimoBoton, c.first);
        EXPECT_EQ(c.second, readCheckOptions(settings).minButtonSize) << (c.first ? c.first : "absent");
    }
}

TEST(CheckSettings, OnlyAllowedSizesAreStored) {
    const std::pair<uint32_t, bool> cases[] = {{0, false}, {1, true}, {64, true}, {241, false}};
    for (const auto& c : cases) {
        MemorySettings settings;
        EXPECT_EQ(c.second, writeCheckOptions(settings, CheckOptions{c.first})) << c.first;
        EXPECT_EQ(c.second, settings.values.count(setting::kTamanoMinimoBoton) == 1) << c.first;
        EXPECT_EQ(c.second ? c.first : CheckOptions().minButtonSize, readCheckOptions(settings).minButtonSize);
    }
}

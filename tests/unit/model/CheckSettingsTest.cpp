// The minimum button size the user set last: kept in the settings, read back
// at its default when absent or unusable.
#include <gtest/gtest.h>

#include "model/CheckSettings.h"
#include "model/Settings.h"

TEST(CheckSettings, MinButtonSizeIsKeptWithinBounds) {
    const uint32_t fallback = CheckOptions().minButtonSize;
    const std::pair<const char*, uint32_t> stored[] = {{nullptr, fallback}, {"0", fallback}, {"1", 1}, {"240", 240},
                                                       {"241", fallback}, {"4000000000", fallback}, {"diez", fallback}};
    for (const auto& c : stored) {
        MemorySettings settings;
        if (c.first)
            settings.writeText(setting::kTamanoMinimoBoton, c.first);
        EXPECT_EQ(c.second, readCheckOptions(settings).minButtonSize) << (c.first ? c.first : "absent");
    }
    for (uint32_t size : {0u, 64u, 241u}) {
        MemorySettings settings;
        const bool allowed = size == 64;
        EXPECT_EQ(allowed, writeCheckOptions(settings, CheckOptions{size})) << size;
        EXPECT_EQ(allowed ? size : fallback, readCheckOptions(settings).minButtonSize) << size;
    }
}

// The recent projects: what the stored text yields, how opening and saving
// reorder it, the menu texts that tell files apart; the window's place.
#include <gtest/gtest.h>

#include "model/Settings.h"
#include "ui/RecentProjects.h"
#include "ui/WindowPlace.h"

namespace {

using Paths = std::vector<std::string>;

TEST(RecentProjects, StoredTextDropsEmptyAndRepeatedEntriesAndKeepsEight) {
    const struct {
        std::string text;
        Paths paths;
    } cases[] = {
        {"", {}},
        {"|C:\\a.xml||D:\\b.xml|", {"C:\\a.xml", "D:\\b.xml"}},
        // One file whatever the case, accented capitals too: the first stays.
        {"C:\\Casa\\\xC1rbol.xml|c:\\casa\\\xE1RBOL.XML|C:\\b.xml", {"C:\\Casa\\\xC1rbol.xml", "C:\\b.xml"}},
        {"1|2|3|4|5|6|7|8|9|10", {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.paths, splitRecent(c.text)) << c.text;
}

TEST(RecentProjects, OpeningPutsThePathFirstOnceTheNinthFallsOffAndAnotherEditorsStay) {
    MemorySettings store;
    RecentProjects recent(store), otherEditor(store);
    for (const char* path : {"1", "2", "3", "4", "5", "6", "7", "8"})
        recent.add(path);
    otherEditor.add("C:\\Nueve.xml");
    for (const char* path : {"5", "", "x|y"})
        recent.add(path);
    EXPECT_EQ("5|C:\\Nueve.xml|8|7|6|4|3|2", store.values[setting::kRecientes]);
    recent.remove("c:\\NUEVE.XML");
    recent.remove("absent");
    EXPECT_EQ((Paths{"5", "8", "7", "6", "4", "3", "2"}), otherEditor.paths());
}

TEST(RecentProjects, MenuTextsShowEnoughFoldersToTellFilesApart) {
    const struct {
        Paths paths;
        Paths labels;
    } cases[] = {
        {{"C:\\casa.xml", "C:\\Obras\\casa.xml"}, {"&1 C:\\casa.xml", "&2 C:\\Obras\\casa.xml"}},
        {{"C:\\Users\\ana\\OneDrive\\Obras\\Casa\\casa.xml", "D:\\x\\y\\Piso\\casa.xml"},
         {"&1 C:\\...\\Casa\\casa.xml", "&2 D:\\...\\Piso\\casa.xml"}},
        {{"C:\\a\\Obras\\casa.xml", "C:\\b\\Obras\\casa.xml", "C:\\b\\c\\d.xml"},
         {"&1 C:\\a\\Obras\\casa.xml", "&2 C:\\b\\Obras\\casa.xml", "&3 C:\\...\\c\\d.xml"}},
        // Case differs, file differs not: the first different folder shows.
        {{"C:\\x\\p\\OBRAS\\casa.xml", "C:\\x\\q\\obras\\CASA.xml"},
         {"&1 C:\\...\\p\\OBRAS\\casa.xml", "&2 C:\\...\\q\\obras\\CASA.xml"}},
        {{"\\\\servidor\\proyectos\\2024\\Casa\\casa.xml"}, {"&1 \\\\servidor\\proyectos\\...\\Casa\\casa.xml"}},
        {{"C:\\Obras\\Pino & Roble\\casa.xml"}, {"&1 C:\\...\\Pino && Roble\\casa.xml"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.labels, recentMenuLabels(c.paths)) << c.paths[0];
}

TEST(WindowPlace, OnlyWholeNumbersAScreenMayHaveAreRestored) {
    const struct {
        const char* x;
        const char* y;
        bool loaded;
    } cases[] = {
        {"120", "-40", true}, {"-1920", "0", true}, {"", "5", false},         {"12a", "5", false},
        {" 12", "5", false},  {"-", "5", false},    {"99999999", "5", false}, {"5", "2147483648", false},
    };
    for (const auto& c : cases) {
        MemorySettings store;
        store.values = {{setting::kVentanaX, c.x}, {setting::kVentanaY, c.y}};
        WindowPlace place;
        EXPECT_EQ(c.loaded, loadWindowPlace(store, place)) << c.x << "," << c.y;
        MemorySettings copy;
        storeWindowPlace(copy, place);
        EXPECT_EQ(c.loaded, copy.values == store.values) << c.x << "," << c.y;
    }
}

// A size kept comes back; one unusable loads as none, the place still loads.
TEST(WindowPlace, TheSizeTheUserChoseComesBackWithThePlace) {
    const struct {
        const char* width;
        const char* height;
        int32_t loadedWidth, loadedHeight;
    } cases[] = {{"900", "640", 900, 640}, {"0", "640", 0, 0}, {"-5", "640", 0, 0}, {"9x", "640", 0, 0}};
    for (const auto& c : cases) {
        MemorySettings store;
        store.values = {{setting::kVentanaX, "10"}, {setting::kVentanaY, "20"}, {setting::kVentanaAncho, c.width},
                        {setting::kVentanaAlto, c.height}};
        WindowPlace place;
        ASSERT_TRUE(loadWindowPlace(store, place)) << c.width;
        EXPECT_EQ(c.loadedWidth, place.width) << c.width;
        EXPECT_EQ(c.loadedHeight, place.height) << c.width;
        MemorySettings copy;
        storeWindowPlace(copy, place);
        EXPECT_EQ(c.loadedWidth > 0, copy.values == store.values) << c.width;
    }
}

}  // namespace

// The pages' order and names: a page moved (the start page kept), renamed
// with the jumps that reached it, and what the page pane lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "ui/PageMove.h"
#include "ui/PagePaneRows.h"
#include "ui/PageRename.h"

namespace {

// A page: its name, its picture (to tell same-named pages apart), its start
// command's jump and its regions' jumps.
struct PageSetup {
    const char* nombre;
    const char* imagen;
    const char* startJump;
    std::vector<const char*> regionJumps;
};

Proyecto project(const std::vector<PageSetup>& pages, const std::string& start) {
    Proyecto made;
    made.paginaInicial = start;
    for (const PageSetup& setup : pages) {
        auto page = std::make_unique<Pagina>();
        page->nombre = setup.nombre;
        page->imagen = setup.imagen;
        page->comandoInicial.pagina = setup.startJump;
        for (const char* jump : setup.regionJumps)
            page->addRegion(Region{Rect{0, 0, 10, 10}, Comando{"", "", jump, "", ""}});
        made.addPage(std::move(page));
    }
    return made;
}

// The pictures in order, then the start page: "b a c | Sala".
std::string order(const Proyecto& project) {
    std::string text;
    for (const auto& page : project.paginas)
        text += page->imagen + " ";
    return text + "| " + project.paginaInicial;
}

// Each page's name and jumps, the start command's first: "Casa>Luces,/back".
std::string jumps(const Proyecto& project) {
    std::string text;
    for (const auto& page : project.paginas) {
        text += page->nombre + ">" + page->comandoInicial.pagina;
        for (const Region& region : page->regiones)
            text += "," + region.comando.pagina;
        text += " ";
    }
    return text + "| " + project.paginaInicial;
}

const std::vector<PageSetup> kThree = {{"Uno", "a", "", {}}, {"Dos", "b", "", {}}, {"Tres", "c", "", {}}};
const std::vector<PageSetup> kTwins = {{"Sala", "a", "", {}}, {"Sala", "b", "", {}}, {"Patio", "c", "", {}}};

}  // namespace

TEST(PageMove, TheStartPageStaysTheSamePage) {
    const struct { std::vector<PageSetup> pages; const char* start; size_t from, to; const char* order; const char* redirected; } rows[] = {
        {kThree, "", 0, 2, "b c a | Uno", ""},
        {kThree, "", 2, 0, "c a b | Uno", ""},
        {kThree, "", 1, 2, "a c b | ", ""},
        {kThree, "Dos", 1, 0, "b a c | Dos", ""},
        {kThree, "Dos", 0, 0, "a b c | Dos", ""},
        {kTwins, "", 1, 0, "b a c | Sala", "Sala"},
        {kTwins, "Patio", 0, 2, "b c a | Patio", "Sala"},
        {kTwins, "", 2, 0, "c a b | Sala", ""},
        {kTwins, "", 0, 1, "b a c | Sala", "Sala"},
    };
    for (const auto& row : rows) {
        Proyecto moved = project(row.pages, row.start);
        const PageMoveOutcome outcome = PageMove::apply(moved, row.from, row.to);
        EXPECT_EQ(order(moved), row.order) << row.from << " -> " << row.to;
        EXPECT_EQ(outcome.redirectedName, row.redirected) << row.order;
        EXPECT_EQ(PageMove::statusText(outcome).empty(), outcome.redirectedName.empty()) << row.order;
    }
}

// A jump reaches the first page of its name: only those follow a rename.
TEST(PageRename, CarriesTheJumpsThatReachedThePage) {
    const std::vector<PageSetup> house = {{"Casa", "a", "Luces", {"Luces", "/back", "Patio"}},
                                          {"Luces", "b", "", {"Casa", "Luces"}},
                                          {"Luces", "c", "Luces", {}},
                                          {"Patio", "d", "", {"Casa"}}};
    const struct { const char* start; size_t index; const char* nombre; size_t changed; bool startPage; const char* jumps; } rows[] = {
        {"", 1, "Sala", 4, false, "Casa>Sala,Sala,/back,Patio Sala>,Casa,Sala Luces>Sala Patio>,Casa | "},
        {"Luces", 1, "Sala", 4, true, "Casa>Sala,Sala,/back,Patio Sala>,Casa,Sala Luces>Sala Patio>,Casa | Sala"},
        {"Luces", 2, "Garaje", 0, false, "Casa>Luces,Luces,/back,Patio Luces>,Casa,Luces Garaje>Luces Patio>,Casa | Luces"},
        {"", 0, "Inicio", 2, false, "Inicio>Luces,Luces,/back,Patio Luces>,Inicio,Luces Luces>Luces Patio>,Inicio | "},
        {"", 3, "Patio", 0, false, "Casa>Luces,Luces,/back,Patio Luces>,Casa,Luces Luces>Luces Patio>,Casa | "},
    };
    for (const auto& row : rows) {
        Proyecto renamed = project(house, row.start);
        const PageRenameOutcome outcome = PageRename::apply(renamed, row.index, row.nombre);
        EXPECT_EQ(jumps(renamed), row.jumps) << row.index << " " << row.nombre;
        EXPECT_EQ(outcome.jumps, row.changed) << row.jumps;
        EXPECT_EQ(outcome.startPage, row.startPage) << row.jumps;
    }
    EXPECT_NE(PageRename::statusText({3, false}), PageRename::statusText({2, false}));
}

// The start mark, the page shown, the check's unreachable pages and the
// pages that jump to each one.
TEST(PagePaneRows, MarksEachPageAndSaysWhatPointsHere) {
    const Proyecto house = project({{"Casa", "a", "Luces", {"Patio", "Nada"}},
                                    {"Luces", "b", "", {"Casa", "/back"}},
                                    {"Patio", "c", "", {"Luces", "Luces"}},
                                    {"Suelta", "d", "", {"Casa"}},
                                    {"Luces", "e", "", {}}},
                                   "Luces");
    const PagePaneRows rows(house, 2);
    const struct { bool start, shown, unreachable; std::vector<std::string> pointing; } expected[] = {
        {false, false, false, {"Luces", "Suelta"}},
        {true, false, false, {"Casa", "Patio"}},
        {false, true, false, {"Casa"}},
        {false, false, true, {}},
        {false, false, false, {}},
    };
    ASSERT_EQ(rows.size(), house.paginas.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows.row(i).nombre, house.paginas[i]->nombre);
        EXPECT_EQ(rows.row(i).start, expected[i].start) << i;
        EXPECT_EQ(rows.row(i).shown, expected[i].shown) << i;
        EXPECT_EQ(rows.row(i).unreachable, expected[i].unreachable) << i;
        EXPECT_EQ(rows.pointingHere(i), expected[i].pointing) << i;
        for (const std::string& name : expected[i].pointing)
            EXPECT_NE(rows.tooltip(i).find(name), std::string::npos) << i;
    }
    EXPECT_NE(rows.tooltip(3), rows.tooltip(2));
    // Marked rows say more than their name (the start mark before it, the
    // other after it); the others say just that.
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.label(i) == house.paginas[i]->nombre, !expected[i].start && !expected[i].unreachable) << i;
    EXPECT_EQ(rows.label(1).rfind("Luces"), rows.label(1).size() - 5);
    EXPECT_EQ(rows.label(3).find("Suelta"), 0u);
    // Without a start page named, the first page is the start page.
    EXPECT_TRUE(PagePaneRows(project(kThree, ""), -1).row(0).start);
}

// A test run of the pages without a window: what each tap, the back and home
// keys and the start commands show, over a small house ("Inicio" sends luz1
// and jumps to "Luces", which goes back) and a few more pages.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "ui/RemoteTrial.h"

namespace {

Comando cmd(const char* sector, const char* codigo, const char* pagina, const char* tipo = "", const char* mac = "") {
    return Comando{sector, codigo, pagina, tipo, mac};
}

struct PageSetup {
    const char* nombre;
    Comando inicial;
    std::vector<Comando> regiones;
};

std::unique_ptr<Proyecto> project(const std::vector<PageSetup>& pages, const std::string& start) {
    auto made = std::make_unique<Proyecto>();
    made->paginaInicial = start;
    for (const PageSetup& setup : pages) {
        auto page = std::make_unique<Pagina>();
        page->nombre = setup.nombre;
        page->comandoInicial = setup.inicial;
        for (const Comando& comando : setup.regiones)
            page->addRegion(Region{Rect{0, 0, 10, 10}, comando});
        made->addPage(std::move(page));
    }
    return made;
}

// Five kinds of region on "Inicio", one going back on "Luces", none on "Vacia".
const std::vector<PageSetup> kHouse = {
    {"Inicio",
     Comando(),
     {cmd("Living", "luz1", "", "wifi"), cmd("", "", "Luces"),
      cmd("Dormitorio", "persiana", "Luces", "bt", "00:11:22:33:44:55"), cmd("", "", "Garaje"),
      cmd("", "", "", "wifi")}},
    {"Luces", Comando(), {cmd("", "", "/back")}},
    {"Vacia", Comando(), {}},
};

// What a user sees after the last step: the page, how many pages back
// leads through, what flashes and the message.
std::string seen(const RemoteTrial& trial, const TrialStep& step) {
    std::string text = trial.shownPage() ? trial.shownPage()->nombre : "(none)";
    text += " back:" + std::to_string(trial.historyDepth());
    text += step.flashRegion >= 0 ? " flash:" + std::to_string(step.flashRegion) : "";
    text += step.flashAll ? " flash:all" : "";
    return text + (step.message.empty() ? "" : " | " + step.message);
}

// `steps` after start(): "t1" taps region 1 ("t-" outside), "b" is the back
// key, "h" the home key, "p2" chooses page 2 from the list.
struct TrialCase {
    const char* what;
    const char* steps;
    std::string expected;  // as seen() writes it
    std::vector<PageSetup> pages = kHouse;
    const char* start = "";
};

void runCases(const std::vector<TrialCase>& cases) {
    for (const TrialCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto house = project(c.pages, c.start);
        RemoteTrial trial(*house);
        TrialStep step = trial.start();
        std::istringstream steps(c.steps);
        for (std::string one; steps >> one;) {
            const int n = one.size() > 1 && one[1] != '-' ? one[1] - '0' : -1;
            step = one[0] == 't'   ? trial.tap(n)
                   : one[0] == 'b' ? trial.back()
                   : one[0] == 'h' ? trial.start()
                                   : trial.showPageAt(n);
        }
        EXPECT_EQ(c.expected, seen(trial, step));
    }
}

const char kLuz1[] = "Se enviar\xED" "a el c\xF3" "digo \"luz1\" al sector \"Living\" por WiFi";
const char kCircle[] = "Las funciones iniciales saltan en c\xEDrculo; la prueba se detuvo en \"A\"";

}  // namespace

TEST(RemoteTrial, WhatATapDoes) {
    runCases({
        {"a code is described and its region flashes", "t0", std::string("Inicio back:0 flash:0 | ") + kLuz1},
        {"a jump shows the page", "t1", "Luces back:1"},
        {"a code and a jump: the code first, then the page", "t2",
         "Luces back:1 | Se enviar\xED" "a el c\xF3" "digo \"persiana\" al sector \"Dormitorio\" por BlueTooth a "
         "00:11:22:33:44:55"},
        {"a jump to a page that does not exist stays", "t3", "Inicio back:0 | La p\xE1gina \"Garaje\" no existe"},
        {"a region with an empty command", "t4", "Inicio back:0 | La regi\xF3n no tiene funci\xF3n"},
        {"outside every region flashes them all", "t-", "Inicio back:0 flash:all"},
        {"a page without regions says so", "t-", "Vacia back:0 flash:all | La p\xE1gina no tiene regiones", kHouse,
         "Vacia"},
        {"a code without sector or medium", "t0",
         "P back:0 flash:0 | Se enviar\xED" "a el c\xF3" "digo \"x\" sin sector sin tipo de comunicaci\xF3n",
         {{"P", Comando(), {cmd("", "x", "")}}}},
    });
}

TEST(RemoteTrial, HistoryOfThePagesVisited) {
    runCases({
        {"/back returns to the page before", "t1 t0", "Inicio back:0"},
        {"/back with nothing to go back to stays", "t0", "Luces back:0 | No hay p\xE1gina anterior", kHouse, "Luces"},
        {"one step back lands on the page before the last", "t1 p2 b", "Luces back:1"},
        {"the back key walks back the whole way", "t1 p2 b b", "Inicio back:0"},
        {"the page list jumps as a region would", "p2", "Vacia back:1"},
        {"home starts again with no history", "t1 h", "Inicio back:0"},
    });
}

TEST(RemoteTrial, StartPageAndStartCommands) {
    const Comando toB = cmd("", "", "B");
    const std::string circle = std::string("A back:0 | ") + kCircle;
    runCases({
        {"a name no page has: the first page, said", "",
         "Inicio back:0 | La p\xE1gina inicial \"Garaje\" no existe; se empieza por la primera", kHouse, "Garaje"},
        {"no pages at all", "", "(none) back:0 | El proyecto no tiene p\xE1ginas", {}},
        {"a code is described on entry", "", std::string("A back:0 | Al entrar en \"A\": ") + kLuz1,
         {{"A", cmd("Living", "luz1", "", "wifi"), {}}}},
        {"a jump replaces the page", "", "B back:0", {{"A", toB, {}}, {"B", Comando(), {}}}},
        {"a name two pages have: the first of them", "", "A back:0",
         {{"A", Comando(), {}}, {"A", toB, {}}, {"B", Comando(), {}}}, "A"},
        {"a circle stops once every page had its jump", "", circle, {{"A", toB, {}}, {"B", cmd("", "", "A"), {}}}},
        {"a page that jumps to itself stops too", "", circle, {{"A", cmd("", "", "A"), {}}}},
        {"/back on entry returns at once", "t0", "X back:0",
         {{"X", Comando(), {cmd("", "", "A")}}, {"A", cmd("", "", "/back"), {}}}},
        {"/back on entry returns to the last page", "t0 t0", "Y back:1",
         {{"X", Comando(), {cmd("", "", "Y")}}, {"Y", Comando(), {cmd("", "", "A")}}, {"A", cmd("", "", "/back"), {}}}},
        {"/back on entry with nothing to go back to", "", "A back:0 | No hay p\xE1gina anterior",
         {{"A", cmd("", "", "/back"), {}}}},
        {"a start jump to a page that does not exist", "", "A back:0 | La p\xE1gina \"Z\" no existe",
         {{"A", cmd("", "", "Z"), {}}}},
    });
}

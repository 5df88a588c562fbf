// A test run of the pages without a window: what each tap, the back and home
// keys and the start commands show, over the worked example's two pages
// ("Inicio" sends luz1 and jumps to "Luces", which goes back) and a few more.
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

// The worked example, with three more regions on "Inicio" and a page without any.
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
    std::vector<PageSetup> pages;
    const char* start;
    const char* steps;
    std::string expected;  // as seen() writes it
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
            if (one[0] == 't')
                step = trial.tap(n);
            else if (one[0] == 'b')
                step = trial.back();
            else if (one[0] == 'h')
                step = trial.start();
            else if (one[0] == 'p')
                step = trial.showPageAt(n);
        }
        EXPECT_EQ(c.expected, seen(trial, step));
    }
}

const char kLuz1[] = "Se enviar\xED" "a el c\xF3" "digo \"luz1\" al sector \"Living\" por WiFi";
const char kCircle[] = "Las funciones iniciales saltan en c\xEDrculo; la prueba se detuvo en \"A\"";

}  // namespace

TEST(RemoteTrial, WhatATapDoes) {
    runCases({
        {"a code is described and its region flashes", kHouse, "", "t0",
         std::string("Inicio back:0 flash:0 | ") + kLuz1},
        {"a jump shows the page", kHouse, "", "t1", "Luces back:1"},
        {"a code and a jump: the code first, then the page", kHouse, "", "t2",
         "Luces back:1 | Se enviar\xED" "a el c\xF3" "digo \"persiana\" al sector \"Dormitorio\" por BlueTooth a "
         "00:11:22:33:44:55"},
        {"a jump to a page that does not exist stays", kHouse, "", "t3",
         "Inicio back:0 | La p\xE1gina \"Garaje\" no existe"},
        {"a region with an empty command", kHouse, "", "t4", "Inicio back:0 | La regi\xF3n no tiene funci\xF3n"},
        {"outside every region flashes them all", kHouse, "", "t-", "Inicio back:0 flash:all"},
        {"a page without regions says so", kHouse, "Vacia", "t-",
         "Vacia back:0 flash:all | La p\xE1gina no tiene regiones"},
        {"a code without sector or medium", {{"P", Comando(), {cmd("", "x", "")}}}, "", "t0",
         "P back:0 flash:0 | Se enviar\xED" "a el c\xF3" "digo \"x\" sin sector sin tipo de comunicaci\xF3n"},
    });
}

TEST(RemoteTrial, HistoryOfThePagesVisited) {
    runCases({
        {"/back returns to the page before", kHouse, "", "t1 t0", "Inicio back:0"},
        {"/back with nothing to go back to stays", kHouse, "Luces", "t0", "Luces back:0 | No hay p\xE1gina anterior"},
        {"the back key walks back the whole way", kHouse, "", "t1 p2 b b", "Inicio back:0"},
        {"the page list jumps as a region would", kHouse, "", "p2", "Vacia back:1"},
        {"home starts again with no history", kHouse, "", "t1 h", "Inicio back:0"},
    });
}

TEST(RemoteTrial, StartPageAndStartCommands) {
    const Comando toB = cmd("", "", "B");
    runCases({
        {"a name no page has: the first page, said", kHouse, "Garaje", "",
         "Inicio back:0 | La p\xE1gina inicial \"Garaje\" no existe; se empieza por la primera"},
        {"no pages at all", {}, "", "", "(none) back:0 | El proyecto no tiene p\xE1ginas"},
        {"a code is described on entry", {{"A", cmd("Living", "luz1", "", "wifi"), {}}}, "", "",
         std::string("A back:0 | Al entrar en \"A\": ") + kLuz1},
        {"a jump replaces the page", {{"A", toB, {}}, {"B", Comando(), {}}}, "", "", "B back:0"},
        {"a circle stops once every page had its jump", {{"A", toB, {}}, {"B", cmd("", "", "A"), {}}}, "", "",
         std::string("A back:0 | ") + kCircle},
        {"a page that jumps to itself stops too", {{"A", cmd("", "", "A"), {}}}, "", "",
         std::string("A back:0 | ") + kCircle},
        {"/back on entry returns at once",
         {{"X", Comando(), {cmd("", "", "A")}}, {"A", cmd("", "", "/back"), {}}}, "", "t0", "X back:0"},
        {"/back on entry with nothing to go back to", {{"A", cmd("", "", "/back"), {}}}, "", "",
         "A back:0 | No hay p\xE1gina anterior"},
        {"a start jump to a page that does not exist", {{"A", cmd("", "", "Z"), {}}}, "", "",
         "A back:0 | La p\xE1gina \"Z\" no existe"},
    });
}

// A test run of the pages without a window: what each tap, the back and home
// keys and the start commands show, over the worked example's two pages
// ("Inicio" sends luz1 and jumps to "Luces", which goes back) and a few more.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "ui/RemoteTrial.h"

namespace {

Comando comando(const std::string& sector, const std::string& codigo, const std::string& pagina,
                const std::string& tipo = "wifi", const std::string& mac = "") {
    Comando c;
    c.sector = sector;
    c.codigo = codigo;
    c.pagina = pagina;
    c.tipoComunicacion = tipo;
    c.btMacAddress = mac;
    return c;
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
        for (size_t i = 0; i < setup.regiones.size(); ++i) {
            Region region;
            region.coords = Rect{0, 40 * static_cast<int32_t>(i), 100, 40 * static_cast<int32_t>(i) + 30};
            region.comando = setup.regiones[i];
            page->addRegion(region);
        }
        made->addPage(std::move(page));
    }
    return made;
}

// The worked example, with three more regions on "Inicio" and a page without any.
const std::vector<PageSetup> kHouse = {
    {"Inicio",
     Comando(),
     {comando("Living", "luz1", ""), comando("", "", "Luces"),
      comando("Dormitorio", "persiana", "Luces", "bt", "00:11:22:33:44:55"), comando("", "", "Garaje"),
      comando("", "", "", "wifi")}},
    {"Luces", Comando(), {comando("", "", "/back")}},
    {"Vacia", Comando(), {}},
};

// What a user sees after the last step: the page, how many pages back
// leads through, what flashes and the message.
std::string seen(const RemoteTrial& trial, const TrialStep& step) {
    std::string text = trial.shownPage() ? trial.shownPage()->nombre : "(none)";
    text += " back:" + std::to_string(trial.historyDepth());
    if (step.flashRegion >= 0)
        text += " flash:" + std::to_string(step.flashRegion);
    if (step.flashAll)
        text += " flash:all";
    if (!step.message.empty())
        text += " | " + step.message;
    return text;
}

struct TrialCase {
    const char* what;
    std::vector<PageSetup> pages;
    const char* start;
    std::function<TrialStep(RemoteTrial&)> steps;  // after start()
    std::string expected;                          // as seen() writes it
};

void runCases(const std::vector<TrialCase>& cases) {
    for (const TrialCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto house = project(c.pages, c.start);
        RemoteTrial trial(*house);
        TrialStep step = trial.start();
        if (c.steps)
            step = c.steps(trial);
        EXPECT_EQ(c.expected, seen(trial, step));
    }
}

const char kLuz1[] = "Se enviar\xED" "a el c\xF3" "digo \"luz1\" al sector \"Living\" por WiFi";

}  // namespace

TEST(RemoteTrial, WhatATapDoes) {
    runCases({
        {"a code is described and its region flashes", kHouse, "", [](RemoteTrial& t) { return t.tap(0); },
         std::string("Inicio back:0 flash:0 | ") + kLuz1},
        {"a jump shows the page", kHouse, "", [](RemoteTrial& t) { return t.tap(1); }, "Luces back:1"},
        {"a code and a jump: the code first, then the page", kHouse, "", [](RemoteTrial& t) { return t.tap(2); },
         "Luces back:1 | Se enviar\xED" "a el c\xF3" "digo \"persiana\" al sector \"Dormitorio\" por BlueTooth a "
         "00:11:22:33:44:55"},
        {"a jump to a page that does not exist stays", kHouse, "", [](RemoteTrial& t) { return t.tap(3); },
         "Inicio back:0 | La p\xE1gina \"Garaje\" no existe"},
        {"a region with an empty command", kHouse, "", [](RemoteTrial& t) { return t.tap(4); },
         "Inicio back:0 | La regi\xF3n no tiene funci\xF3n"},
        {"outside every region flashes them all", kHouse, "", [](RemoteTrial& t) { return t.tap(-1); },
         "Inicio back:0 flash:all"},
        {"a page without regions says so", kHouse, "Vacia", [](RemoteTrial& t) { return t.tap(-1); },
         "Vacia back:0 flash:all | La p\xE1gina no tiene regiones"},
        {"a code without sector or medium", {{"P", Comando(), {comando("", "x", "", "")}}}, "",
         [](RemoteTrial& t) { return t.tap(0); },
         "P back:0 flash:0 | Se enviar\xED" "a el c\xF3" "digo \"x\" sin sector sin tipo de comunicaci\xF3n"},
    });
}

TEST(RemoteTrial, HistoryOfThePagesVisited) {
    runCases({
        {"/back returns to the page before", kHouse, "",
         [](RemoteTrial& t) {
             t.tap(1);
             return t.tap(0);
         },
         "Inicio back:0"},
        {"/back with nothing to go back to stays", kHouse, "Luces", [](RemoteTrial& t) { return t.tap(0); },
         "Luces back:0 | No hay p\xE1gina anterior"},
        {"the back key walks back the whole way", kHouse, "",
         [](RemoteTrial& t) {
             t.tap(1);
             t.showPageAt(2);
             t.back();
             return t.back();
         },
         "Inicio back:0"},
        {"the page list jumps as a region would", kHouse, "", [](RemoteTrial& t) { return t.showPageAt(2); },
         "Vacia back:1"},
        {"home starts again with no history", kHouse, "",
         [](RemoteTrial& t) {
             t.tap(1);
             return t.start();
         },
         "Inicio back:0"},
    });
}

TEST(RemoteTrial, StartPage) {
    runCases({
        {"none named: the first page", kHouse, "", nullptr, "Inicio back:0"},
        {"the page named", kHouse, "Luces", nullptr, "Luces back:0"},
        {"a name no page has: the first page, said", kHouse, "Garaje", nullptr,
         "Inicio back:0 | La p\xE1gina inicial \"Garaje\" no existe; se empieza por la primera"},
        {"no pages at all", {}, "", nullptr, "(none) back:0 | El proyecto no tiene p\xE1ginas"},
    });
}

TEST(RemoteTrial, StartCommands) {
    const Comando toB = comando("", "", "B");
    runCases({
        {"a code is described on entry", {{"A", comando("Living", "luz1", ""), {}}}, "", nullptr,
         std::string("A back:0 | Al entrar en \"A\": ") + kLuz1},
        {"a jump replaces the page", {{"A", toB, {}}, {"B", Comando(), {}}}, "", nullptr, "B back:0"},
        {"a circle stops once every page had its jump",
         {{"A", toB, {}}, {"B", comando("", "", "A"), {}}}, "", nullptr,
         "A back:0 | Las funciones iniciales saltan en c\xEDrculo; la prueba se detuvo en \"A\""},
        {"a page that jumps to itself stops too", {{"A", comando("", "", "A"), {}}}, "", nullptr,
         "A back:0 | Las funciones iniciales saltan en c\xEDrculo; la prueba se detuvo en \"A\""},
        {"/back on entry returns at once",
         {{"X", Comando(), {comando("", "", "A")}}, {"A", comando("", "", "/back"), {}}}, "",
         [](RemoteTrial& t) { return t.tap(0); }, "X back:0"},
        {"/back on entry with nothing to go back to", {{"A", comando("", "", "/back"), {}}}, "", nullptr,
         "A back:0 | No hay p\xE1gina anterior"},
        {"a start jump to a page that does not exist", {{"A", comando("", "", "Z"), {}}}, "", nullptr,
         "A back:0 | La p\xE1gina \"Z\" no existe"},
    });
}

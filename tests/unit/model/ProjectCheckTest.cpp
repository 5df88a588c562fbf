// The project check: a sound project gives no finding; each kind of slip
// gives one finding that names its page and region.
#include <gtest/gtest.h>

#include <functional>

#include "model/ProjectCheck.h"
#include "model/Proyecto.h"
#include "support/PngFile.h"
#include "support/TempFolder.h"

namespace {

Comando jumpTo(const std::string& pagina) {
    Comando comando;
    comando.codigo = "luz";
    comando.tipoComunicacion = "wifi";
    comando.pagina = pagina;
    return comando;
}

Region region(Rect coords, const Comando& comando) {
    Region r;
    r.coords = coords;
    r.comando = comando;
    return r;
}

// Three 40 x 30 pages: Inicio jumps to Luces, Luces to Persianas, which
// jumps back, each from a region on the left half. Nothing to find with
// buttons of 4 pixels allowed.
class ProjectCheck : public ::testing::Test {
protected:
    void SetUp() override {
        picture = folder.file("p.png");
        ASSERT_TRUE(writePng(picture, 40, 30));
        build();
    }
    void build() {
        project.reset();
        options = CheckOptions{4};
        addPage("Inicio", "Luces");
        addPage("Luces", "Persianas");
        addPage("Persianas", "/back");
        project.paginaInicial = "Inicio";
    }
    void addPage(const std::string& name, const std::string& jump) {
        auto page = std::make_unique<Pagina>();
        page->nombre = name;
        page->setImagen(40, 30, picture);
        page->addRegion(region(Rect{0, 0, 20, 30}, jumpTo(jump)));
        project.addPage(std::move(page));
    }
    Pagina& page(size_t i) { return *project.paginas[i]; }
    Region& firstRegion(size_t i) { return page(i).regiones[0]; }
    // The one finding the slip made.
    ProjectFinding only() {
        std::vector<ProjectFinding> findings = check();
        EXPECT_EQ(1u, findings.size());
        return findings.empty() ? ProjectFinding{} : findings[0];
    }
    void expectOnly(int32_t pageIndex, int32_t regionIndex, const std::string& text,
                    FindingSeverity severity = FindingSeverity::Error) {
        EXPECT_EQ((ProjectFinding{pageIndex, regionIndex, text, severity}), only());
    }
    std::vector<ProjectFinding> check() { return checkProject(project, options); }

    TempFolder folder;
    std::string picture;
    Proyecto project;
    CheckOptions options{4};
};

}  // namespace

TEST_F(ProjectCheck, ASoundProjectHasNoFindings) {
    EXPECT_TRUE(check().empty());
    project.paginaInicial = "";  // the first page is shown first
    EXPECT_TRUE(check().empty());
    EXPECT_TRUE(checkProject(Proyecto()).empty());
}

TEST_F(ProjectCheck, StartPageAndJumpsThatNameNoPage) {
    project.paginaInicial = "Portada";
    expectOnly(-1, -1, "La p\xE1gina inicial \"Portada\" no existe");

    project.paginaInicial = "Inicio";
    firstRegion(0).comando.pagina = "Luz";  // Luces now unreached as well
    std::vector<ProjectFinding> findings = check();
    ASSERT_EQ(3u, findings.size());
    EXPECT_EQ((ProjectFinding{0, 0, "Regi\xF3n 1: salta a \"Luz\", que no existe"}), findings[0]);
    EXPECT_EQ(1, findings[1].page);
    EXPECT_EQ(2, findings[2].page);

    firstRegion(0).comando.pagina = "Luces";
    page(1).comandoInicial.pagina = "Garaje";
    expectOnly(1, -1, "La funci\xF3n inicial salta a \"Garaje\", que no existe");
}

TEST_F(ProjectCheck, PagesSharingANameAndPagesNoJumpReaches) {
    firstRegion(1).comando.pagina = "/back";
    page(2).nombre = "Luces";  // the jump to Luces reaches the first one only
    expectOnly(2, -1, "Otra p\xE1gina anterior tiene el mismo nombre: los saltos llegan s\xF3lo a aqu\xE9lla",
               FindingSeverity::Warning);

    page(2).nombre = "Persianas";
    expectOnly(2, -1, "Ning\xFAn salto lleva a esta p\xE1gina desde la p\xE1gina inicial", FindingSeverity::Warning);
    // A start command's jump counts as a way in.
    page(0).comandoInicial.pagina = "Persianas";
    EXPECT_TRUE(check().empty());
}

TEST_F(ProjectCheck, MissingPicture) {
    page(1).setImagen(40, 30, folder.file("falta.png"));
    expectOnly(1, -1, "Falta la imagen \"" + folder.file("falta.png") + "\" o no se puede leer");
}

TEST_F(ProjectCheck, RegionsOutsideThePictureOrWithoutArea) {
    firstRegion(1).coords = Rect{30, 20, 41, 30};
    expectOnly(1, 0, "Regi\xF3n 1: sale de la imagen");
    firstRegion(1).coords = Rect{-1, 0, 10, 10};
    expectOnly(1, 0, "Regi\xF3n 1: sale de la imagen");
    firstRegion(1).coords = Rect{10, 5, 10, 20};
    expectOnly(1, 0, "Regi\xF3n 1: no tiene superficie");
    firstRegion(1).coords = Rect{40, 30, 0, 0};  // corners swapped: still inside
    EXPECT_TRUE(check().empty());
}

TEST_F(ProjectCheck, CommandsThatDoNothingOrLackTheirAddress) {
    page(2).addRegion(region(Rect{21, 1, 25, 5}, Comando()));
    expectOnly(2, 1, "Regi\xF3n 2: no hace nada (sin alias ni salto)", FindingSeverity::Warning);

    page(2).regiones[1].comando.codigo = "persiana";
    page(2).regiones[1].comando.tipoComunicacion = "bt";
    expectOnly(2, 1, "Regi\xF3n 2: es BlueTooth y no tiene MacAddr");
    page(2).regiones[1].comando.btMacAddress = "00:11:22:33:44:55";
    EXPECT_TRUE(check().empty());

    page(0).comandoInicial.tipoComunicacion = "bt";
    expectOnly(0, -1, "La funci\xF3n inicial es BlueTooth y no tiene MacAddr");
}

namespace {

const FindingSeverity kAviso = FindingSeverity::Warning;
// A warning unless said otherwise, with the facts its text must give.
struct Expected { int32_t page, region; std::vector<std::string> facts; FindingSeverity severity = kAviso; };
struct Slip { const char* what; std::function<void()> make; std::vector<Expected> expected; };

void bluetooth(Comando& comando, const char* mac) {
    comando.tipoComunicacion = "bt";
    comando.btMacAddress = mac;
}

}  // namespace

TEST_F(ProjectCheck, WhatOnlyShowsInTheHouseIsAWarning) {
    const std::string wide = folder.file("a.png"), square = folder.file("c.png"), tall = folder.file("v.png");
    ASSERT_TRUE(writePng(wide, 50, 30) && writePng(square, 30, 30) && writePng(tall, 30, 40));
    auto addRegion = [&](Rect coords) { page(0).addRegion(region(coords, jumpTo("Luces"))); };
    const Slip slips[] = {
        // The first two share an edge only.
        {"regions over earlier ones, each once",
         [&] { addRegion(Rect{20, 0, 40, 30}); addRegion(Rect{15, 5, 25, 25}); addRegion(Rect{40, 0, 30, 10}); },
         {{0, 2, {"regi\xF3n 1"}}, {0, 3, {"regi\xF3n 2"}}}},
        {"a shared edge", [&] { addRegion(Rect{20, 0, 40, 30}); }, {}},
        {"narrower or lower than the minimum",
         [&] { options.minButtonSize = 25; firstRegion(1).coords = Rect{0, 0, 40, 24}; },
         {{0, 0, {"20 x 30", "25"}}, {1, 0, {"40 x 24", "25"}}, {2, 0, {"20 x 30", "25"}}}},
        {"the minimum itself", [&] { options.minButtonSize = 20; }, {}},
        {"no way on", [&] { firstRegion(2).comando.pagina = ""; }, {{2, -1, {}}}},
        {"back from the start command",
         [&] { firstRegion(2).comando.pagina = ""; page(2).comandoInicial.pagina = "/back"; }, {}},
        // Only that the other pages are now unreached.
        {"the start page with no way on", [&] { firstRegion(0).comando.pagina = ""; }, {{1, -1, {}}, {2, -1, {}}}},
        {"MAC addresses typed wrong", [&] {
             bluetooth(firstRegion(0).comando, "00:11:22:33:44");
             bluetooth(page(1).comandoInicial, "00-11-22:33-44-55");
             bluetooth(firstRegion(2).comando, "00:11:22:33:44:5G");
         }, {{0, 0, {"\"00:11:22:33:44\""}}, {1, -1, {"\"00-11-22:33-44-55\""}}, {2, 0, {"\"00:11:22:33:44:5G\""}}}},
        {"a MAC with dashes", [&] { bluetooth(firstRegion(2).comando, "0a-1B-2c-3D-4e-5F"); }, {}},
        {"a picture of an unusual size", [&] { page(2).setImagen(50, 30, wide); }, {{2, -1, {"50 x 30", "40 x 30"}}}},
        {"a square page among landscape ones", [&] { page(2).setImagen(30, 30, square); }, {}},
        {"a portrait page among landscape ones", [&] { page(2).setImagen(30, 40, tall); }, {}},
        {"a missing picture has no size",
         [&] { page(1).setImagen(40, 30, folder.file("falta.png")); page(2).setImagen(50, 30, wide); },
         {{1, -1, {"falta.png"}, FindingSeverity::Error}}},
    };
    for (const Slip& slip : slips) {
        build();
        slip.make();
        std::vector<ProjectFinding> found = check();
        ASSERT_EQ(slip.expected.size(), found.size()) << slip.what;
        for (size_t i = 0; i < found.size(); ++i) {
            const Expected& e = slip.expected[i];
            EXPECT_EQ((ProjectFinding{e.page, e.region, found[i].text, e.severity}), found[i]) << slip.what;
            for (const std::string& fact : e.facts)
                EXPECT_NE(std::string::npos, found[i].text.find(fact)) << slip.what << ": " << found[i].text;
        }
    }
}

TEST_F(ProjectCheck, AStopKeepsWhatWasFoundAndChecksNoFurther) {
    page(0).comandoInicial.tipoComunicacion = page(2).comandoInicial.tipoComunicacion = "bt";
    const std::vector<ProjectFinding> all = check();
    ASSERT_EQ(2u, all.size());
    for (size_t stopAt : {1u, 0u}) {  // 0: never
        std::vector<std::pair<size_t, size_t>> told;
        CheckOutcome outcome = checkProject(project, options, [&](size_t done, size_t count) {
            told.emplace_back(done, count);
            return done != stopAt;
        });
        EXPECT_EQ(stopAt != 0, outcome.stopped);
        EXPECT_EQ(std::vector<ProjectFinding>(all.begin(), all.begin() + (stopAt ? 1 : 2)), outcome.findings);
        EXPECT_EQ(told.size(), stopAt ? 1u : 3u);
        EXPECT_EQ((std::pair<size_t, size_t>{told.size(), 3}), told.back());
    }
}

TEST(FindingsOrder, EachColumnSortsStablyAndTextsAsASpanishReaderExpects) {
    const FindingSeverity e = FindingSeverity::Error, w = FindingSeverity::Warning;
    const std::vector<ProjectFinding> given = {
        {0, -1, "Zona", w}, {1, 0, "\xD3valo", e}, {2, 3, "\xE1rbol", w}, {3, 1, "\xD1u", e}, {4, -1, "nube", w},
        {5, 0, "Oca", w},   {6, 2, "Arbol", e},    {7, 1, "luz", w},      {8, -1, "Luz", e}, {9, -1, "Luz", w}};
    const std::vector<int32_t> errorsFirst = {1, 3, 6, 8, 0, 2, 4, 5, 7, 9};
    const std::tuple<FindingColumn, bool, std::vector<int32_t>> rows[] = {
        {FindingColumn::Text, true, {6, 2, 7, 8, 9, 4, 3, 5, 1, 0}},
        {FindingColumn::Text, false, {0, 1, 5, 3, 4, 8, 9, 7, 2, 6}},
        {FindingColumn::Severity, true, errorsFirst},
        {FindingColumn::Region, true, {0, 4, 8, 9, 1, 5, 3, 7, 6, 2}},
    };
    auto pagesOf = [](const std::vector<ProjectFinding>& findings) {
        std::vector<int32_t> pages;
        for (const ProjectFinding& finding : findings)
            pages.push_back(finding.page);
        return pages;
    };
    for (const auto& row : rows) {
        std::vector<ProjectFinding> findings = given;
        sortFindings(findings, std::get<0>(row), std::get<1>(row));
        EXPECT_EQ(std::get<2>(row), pagesOf(findings)) << static_cast<int>(std::get<0>(row)) << std::get<1>(row);
    }
    std::vector<ProjectFinding> findings = given;
    putErrorsFirst(findings);
    EXPECT_EQ(errorsFirst, pagesOf(findings));
}

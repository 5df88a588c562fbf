// The project check: a sound project gives no finding; each kind of slip
// gives one finding that names its page and region.
#include <gtest/gtest.h>

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
    EXPECT_EQ("La p\xE1gina inicial \"Portada\" no existe", findingLine(project, only()));

    project.paginaInicial = "Inicio";
    firstRegion(0).comando.pagina = "Luz";  // Luces now unreached as well
    std::vector<ProjectFinding> findings = check();
    ASSERT_EQ(3u, findings.size());
    EXPECT_EQ((ProjectFinding{0, 0, "Regi\xF3n 1: salta a \"Luz\", que no existe"}), findings[0]);
    EXPECT_EQ("Inicio: Regi\xF3n 1: salta a \"Luz\", que no existe", findingLine(project, findings[0]));
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

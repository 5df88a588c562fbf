#include <gtest/gtest.h>

#include "model/EditHistory.h"
#include "model/Proyecto.h"

namespace {

Comando wifi(const std::string& sector, const std::string& codigo) {
    Comando comando;
    comando.sector = sector;
    comando.codigo = codigo;
    comando.tipoComunicacion = "wifi";
    return comando;
}

Region region(int32_t left, int32_t top, int32_t right, int32_t bottom, const Comando& comando = Comando()) {
    Region r;
    r.coords = Rect{left, top, right, bottom};
    r.comando = comando;
    return r;
}

// A page whose picture file does not exist: it gets the blank ancho x alto picture.
std::unique_ptr<Pagina> page(const std::string& nombre, int32_t ancho = 40, int32_t alto = 30) {
    auto p = std::make_unique<Pagina>();
    p->nombre = nombre;
    p->setImagen(ancho, alto, "/nonexistent/quenda/" + nombre + ".png");
    return p;
}

Proyecto projectWithPages(std::initializer_list<const char*> names) {
    Proyecto project;
    for (const char* name : names)
        project.addPage(page(name));
    return project;
}

std::vector<std::string> namesOf(const Proyecto& project) {
    return project.pageNames();
}

}  // namespace

TEST(ModelPagina, NewPageHasTheDefaults) {
    Pagina p;
    EXPECT_EQ("", p.nombre);
    EXPECT_EQ("", p.imagen);
    EXPECT_EQ("HV", p.orientaciones);
    EXPECT_EQ(Comando(), p.comandoInicial);
    EXPECT_TRUE(p.regiones.empty());
    EXPECT_EQ(0u, p.pictureWidth());
}

TEST(ModelPagina, RemoveRegionKeepsTheOrderOfTheRest) {
    Pagina p;
    p.addRegion(region(1, 1, 2, 2));
    p.addRegion(region(3, 3, 4, 4));
    p.addRegion(region(5, 5, 6, 6));
    p.removeRegion(1);
    ASSERT_EQ(2u, p.regiones.size());
    EXPECT_EQ(Rect({1, 1, 2, 2}), p.regiones[0].coords);
    EXPECT_EQ(Rect({5, 5, 6, 6}), p.regiones[1].coords);
}

TEST(ModelPagina, SetImagenWithMissingFileGivesBlankOfTheGivenSize) {
    auto p = page("salon", 400, 200);
    EXPECT_EQ(400u, p->picture()->width());
    EXPECT_EQ(200u, p->picture()->height());
    EXPECT_EQ("/nonexistent/quenda/salon.png", p->imagen);
    EXPECT_EQ(400, p->ancho);
    EXPECT_EQ(200, p->alto);
}

TEST(ModelPagina, CopyOfPageWithMissingPictureShowsABlankPictureOfTheSameSize) {
    auto source = page("salon", 123, 45);
    Pagina copy(*source);
    std::shared_ptr<const Imagen> blank = copy.picture();
    EXPECT_EQ(123u, blank->width());
    EXPECT_EQ(45u, blank->height());
    EXPECT_NE(nullptr, blank->bitmap());
    EXPECT_EQ(*source, copy);
}

TEST(ModelProyecto, EmptyProjectFindsNothingAndListsNoNames) {
    Proyecto project;
    EXPECT_EQ(nullptr, project.findPage("Inicio"));
    EXPECT_EQ(nullptr, project.findPage(""));
    EXPECT_TRUE(project.pageNames().empty());
}

TEST(ModelProyecto, FindAndRemoveReachOnlyTheFirstOfTwoPagesNamedAlike) {
    Proyecto project;
    project.addPage(page("Luces", 10, 10));
    project.addPage(page("Luces", 20, 20));
    EXPECT_EQ(10, project.findPage("Luces")->ancho);

    project.removePage("Luces");
    ASSERT_EQ(1u, project.paginas.size());
    EXPECT_EQ(20, project.paginas[0]->ancho);
    EXPECT_EQ(20, project.findPage("Luces")->ancho);
}

TEST(ModelProyecto, FindComparesWholeNamesExactly) {
    Proyecto project = projectWithPages({"Salon", "Sal\xF3n"});
    EXPECT_EQ(nullptr, project.findPage("salon"));
    EXPECT_EQ(nullptr, project.findPage("Salo"));
    EXPECT_EQ(project.paginas[1].get(), project.findPage("Sal\xF3n"));
}

TEST(ModelProyecto, RemovingTheStartPageClearsPaginaInicial) {
    Proyecto project = projectWithPages({"Inicio", "Luces"});
    project.paginaInicial = "Inicio";
    project.removePage("Luces");
    EXPECT_EQ("Inicio", project.paginaInicial);
    project.removePage("Inicio");
    EXPECT_EQ("", project.paginaInicial);
    EXPECT_TRUE(project.paginas.empty());
}

TEST(ModelProyecto, RemovingByTheRemovedPagesOwnNameIsSafe) {
    Proyecto project = projectWithPages({"Inicio", "Luces"});
    project.paginaInicial = "Luces";
    // The main window passes the name held by the page being removed.
    project.removePage(project.paginas[1]->nombre);
    EXPECT_EQ(std::vector<std::string>{"Inicio"}, namesOf(project));
    EXPECT_EQ("", project.paginaInicial);
}

TEST(ModelProyecto, RemovingAnUnknownNameChangesNothing) {
    Proyecto project = projectWithPages({"A", "B"});
    project.paginaInicial = "B";
    project.removePage("C");
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), namesOf(project));
    EXPECT_EQ("B", project.paginaInicial);
}

TEST(ModelProyecto, RemovingTheSecondOfFourKeepsTheOthersInOrder) {
    Proyecto project = projectWithPages({"1", "2", "3", "4"});
    project.removePage("2");
    EXPECT_EQ((std::vector<std::string>{"1", "3", "4"}), namesOf(project));
}

TEST(ModelProyecto, RemovingAPageLeavesJumpsToItAsTheyWere) {
    Proyecto project = projectWithPages({"Inicio", "Luces"});
    Comando jump;
    jump.pagina = "Luces";
    project.paginas[0]->addRegion(region(0, 0, 5, 5, jump));
    project.removePage("Luces");
    EXPECT_EQ("Luces", project.paginas[0]->regiones[0].comando.pagina);
}

TEST(ModelProyecto, RenamedPageIsNoLongerFoundByItsOldName) {
    Proyecto project = projectWithPages({"Inicio"});
    project.paginaInicial = "Inicio";
    project.paginas[0]->nombre = "Portada";
    EXPECT_EQ(nullptr, project.findPage(project.paginaInicial));
}

class ModelDeepCopy : public ::testing::Test {
protected:
    void SetUp() override {
        project.archivo = "casa.xml";
        project.instalacion = "Casa";
        project.paginaInicial = "Inicio";
        project.addPage(page("Inicio"));
        project.addPage(page("Luces"));
        Pagina& first = *project.paginas[0];
        first.comandoInicial = wifi("Living", "escena");
        first.addRegion(region(10, 20, 230, 120, wifi("Living", "luz1")));
        first.addRegion(region(250, 20, 470, 120, wifi("Living", "luz2")));
    }
    Proyecto project;
};

TEST_F(ModelDeepCopy, CopyEqualsTheOriginalAndOwnsItsPages) {
    Proyecto copy(project);
    EXPECT_EQ(project, copy);
    EXPECT_EQ(nullptr, copy.guardado);
    for (size_t i = 0; i < copy.paginas.size(); ++i) {
        EXPECT_NE(project.paginas[i].get(), copy.paginas[i].get());
    }
}

TEST_F(ModelDeepCopy, OnePixelOrOneCharacterMakesThemUnequal) {
    {
        Proyecto copy(project);
        copy.paginas[0]->regiones[1].coords.bottom += 1;
        EXPECT_NE(project, copy);
    }
    {
        Proyecto copy(project);
        copy.paginas[0]->regiones[0].comando.btMacAddress = "x";
        EXPECT_NE(project, copy);
    }
    {
        Proyecto copy(project);
        copy.paginas[0]->comandoInicial.codigo[0] = 'E';
        EXPECT_NE(project, copy);
    }
    {
        Proyecto copy(project);
        std::swap(copy.paginas[0]->regiones[0], copy.paginas[0]->regiones[1]);
        EXPECT_NE(project, copy);
    }
    {
        Proyecto copy(project);
        copy.archivo = "otra.xml";
        EXPECT_NE(project, copy);
    }
    {
        Proyecto copy(project);
        copy.paginas[1]->orientaciones = "V";
        EXPECT_NE(project, copy);
    }
}

TEST_F(ModelDeepCopy, SizesPicturesAndSnapshotAreNotCompared) {
    Proyecto copy(project);
    copy.paginas[0]->ancho = 1;
    copy.paginas[0]->alto = 2;
    copy.paginas[1]->setImagen(999, 999, copy.paginas[1]->imagen);
    copy.takeSnapshot();
    EXPECT_EQ(project, copy);
}

TEST_F(ModelDeepCopy, SnapshotEqualsTheProject) {
    project.takeSnapshot();
    ASSERT_NE(nullptr, project.guardado);
    EXPECT_EQ(project, *project.guardado);
    EXPECT_EQ(nullptr, project.guardado->guardado);
}

TEST(ModelUnsavedChanges, FollowTheSnapshotAndTheBlankRule) {
    Proyecto project;
    EXPECT_FALSE(project.hasUnsavedChanges());

    project.paginaInicial = "Inicio";  // plays no part in being blank
    EXPECT_FALSE(project.hasUnsavedChanges());

    project.instalacion = "Casa";
    EXPECT_TRUE(project.hasUnsavedChanges());

    project.takeSnapshot();
    EXPECT_FALSE(project.hasUnsavedChanges());

    project.addPage(page("Inicio"));
    EXPECT_TRUE(project.hasUnsavedChanges());
    project.takeSnapshot();
    EXPECT_FALSE(project.hasUnsavedChanges());

    project.paginas[0]->addRegion(region(0, 0, 1, 1));
    EXPECT_TRUE(project.hasUnsavedChanges());
}

TEST(ModelUnsavedChanges, PageWithoutSnapshotCounts) {
    Proyecto project;
    project.addPage(page("Inicio"));
    EXPECT_TRUE(project.hasUnsavedChanges());
}

TEST(ModelProyecto, ResetEmptiesEverything) {
    Proyecto project = projectWithPages({"A"});
    project.archivo = "a.xml";
    project.instalacion = "Casa";
    project.paginaInicial = "A";
    project.takeSnapshot();
    project.reset();
    EXPECT_TRUE(project.paginas.empty());
    EXPECT_EQ("", project.archivo);
    EXPECT_EQ("", project.instalacion);
    EXPECT_EQ("", project.paginaInicial);
    EXPECT_EQ(nullptr, project.guardado);
    EXPECT_TRUE(project.isBlank());
}

TEST(ModelProyecto, CopyNameTakesTheFirstFreeNumber) {
    Proyecto project = projectWithPages({"Inicio", "Inicio (2)", "Luces (3)", "Sal\xF3n (1)", "A (02)"});
    EXPECT_EQ("Inicio (3)", project.copyName("Inicio"));
    EXPECT_EQ("Inicio (3)", project.copyName("Inicio (2)"));
    EXPECT_EQ("Luces (4)", project.copyName("Luces (3)"));
    EXPECT_EQ("Sal\xF3n (1) (2)", project.copyName("Sal\xF3n (1)"));
    EXPECT_EQ("A (02) (2)", project.copyName("A (02)"));
    EXPECT_EQ("Otra (2)", project.copyName("Otra"));
}

TEST(ModelProyecto, DuplicateGoesAfterItsPageWithEqualRegionsAndTheSamePictureAndIsOneUndoStep) {
    Proyecto project = projectWithPages({"Inicio", "Luces"});
    Pagina& inicio = *project.paginas[0];
    inicio.orientaciones = "V";
    inicio.comandoInicial = wifi("Living", "entrar");
    inicio.addRegion(region(1, 2, 30, 40, wifi("Living", "luz1")));
    inicio.addRegion(region(-5, 0, 10, 10));
    EditHistory history;
    history.recordPageInsertion(project, 1);
    Pagina* copy = project.duplicatePage(0);

    ASSERT_EQ(project.paginas[1].get(), copy);
    EXPECT_EQ((std::vector<std::string>{"Inicio", "Inicio (2)", "Luces"}), namesOf(project));
    EXPECT_EQ(inicio.regiones, copy->regiones);
    EXPECT_EQ("V", copy->orientaciones);
    EXPECT_EQ(inicio.comandoInicial, copy->comandoInicial);
    EXPECT_EQ(inicio.imagen, copy->imagen);
    EXPECT_EQ(inicio.pictureFile, copy->pictureFile);
    EXPECT_EQ(nullptr, project.duplicatePage(3));

    history.undo(project);
    EXPECT_EQ((std::vector<std::string>{"Inicio", "Luces"}), namesOf(project));
}

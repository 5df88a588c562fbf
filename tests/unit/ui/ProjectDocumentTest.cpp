// The main window's document without a window: the commands available in
// each state of the project, the page shown after each page operation and
// undo step, the check marks and the title.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Proyecto.h"
#include "base/resource.h"
#include "ui/PaginaForm.h"
#include "ui/ProjectDocument.h"

namespace {

// Pages are told apart by their picture names: several may share a name.
struct PageSetup {
    const char* nombre;
    const char* imagen;
};

std::unique_ptr<Proyecto> project(const std::vector<PageSetup>& pages, const std::string& start = "") {
    auto made = std::make_unique<Proyecto>();
    made->instalacion = "Casa";
    made->paginaInicial = start;
    for (const PageSetup& setup : pages) {
        auto page = std::make_unique<Pagina>();
        page->nombre = setup.nombre;
        page->imagen = setup.imagen;
        made->addPage(std::move(page));
    }
    return made;
}

// "nombre/imagen" of every page, in order, "*" before the page shown.
std::string pages(const ProjectDocument& document) {
    std::string text;
    const Proyecto& shown = document.project();
    for (size_t i = 0; i < shown.paginas.size(); ++i) {
        text += text.empty() ? "" : ",";
        text += (static_cast<int>(i) == document.shownIndex() ? "*" : "") + shown.paginas[i]->nombre + "/" +
                shown.paginas[i]->imagen;
    }
    return text;
}

PaginaForm form(const std::string& nombre, const std::string& imagen) {
    Comando start;
    start.codigo = "riego";
    return PaginaForm(nombre, "V", imagen, &start);
}

std::vector<int> checkedPageItems(const ProjectDocument& document) {
    std::vector<int> checked;
    for (size_t i = 0; i <= document.project().paginas.size(); ++i)
        if (document.isChecked(ID_PAGE_FIRST + static_cast<int>(i)))
            checked.push_back(static_cast<int>(i));
    return checked;
}

const std::vector<PageSetup> kThree = {{"Uno", "1.png"}, {"Dos", "2.png"}, {"Tres", "3.png"}};
const std::vector<PageSetup> kSameName = {{"Sala", "a.png"}, {"Sala", "b.png"}, {"Patio", "c.png"}};

struct OperationCase {
    const char* what;
    std::vector<PageSetup> setup;
    const char* start;
    std::function<void(ProjectDocument&)> operation;
    const char* expected;  // as pages() writes it
};

}  // namespace

TEST(ProjectDocument, CommandsAvailableInEachStateOfTheProject) {
    ProjectDocument blank;
    ProjectDocument withoutPages;
    withoutPages.replaceProject(project({}));
    ProjectDocument withPages;
    withPages.replaceProject(project(kThree));
    ProjectDocument emptiedByDeletion;  // only the undo keeps "Editar" open
    emptiedByDeletion.replaceProject(project({{"Uno", "1.png"}}));
    ASSERT_TRUE(emptiedByDeletion.deleteShownPage());

    struct Row {
        int commandId;
        bool blank, withoutPages, withPages, emptied;
    };
    const Row rows[] = {
        {ID_NUEVO_PROYECTO, true, true, true, true},     {ID_GUARDAR_PROYECTO, false, true, true, true},
        {ID_GUARDAR_COMO, false, true, true, true},      {ID_MODIFICAR_PROYECTO, false, true, true, true},
        {ID_VERIFICAR_PROYECTO, false, true, true, true}, {ID_PAGINA_AGREGAR, false, true, true, true},
        {ID_TRANSFERIR, false, false, true, false},      {ID_PAGINA_ELIMINAR, false, false, true, false},
        {ID_PAGINA_EDITAR, false, false, true, false},   {ID_PAGINA_DUPLICAR, false, false, true, false},
        {ID_MODO_NORMAL, false, false, true, false},     {ID_MODO_IGUALARTAMANNO, false, false, true, false},
        {ID_EDITAR_PEGAR, false, false, true, false},    {ID_DESHACER, false, false, false, true},
        {ID_REHACER, false, false, false, false},        {ID_PAGINA_SUBIR, false, false, false, false},
        {ID_PAGINA_BAJAR, false, false, true, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.blank, blank.isEnabled(row.commandId)) << row.commandId;
        EXPECT_EQ(row.withoutPages, withoutPages.isEnabled(row.commandId)) << row.commandId;
        EXPECT_EQ(row.withPages, withPages.isEnabled(row.commandId)) << row.commandId;
        EXPECT_EQ(row.emptied, emptiedByDeletion.isEnabled(row.commandId)) << row.commandId;
    }
    EXPECT_FALSE(blank.editMenuEnabled());
    EXPECT_FALSE(blank.pageMenuEnabled());
    EXPECT_FALSE(withoutPages.editMenuEnabled());
    EXPECT_TRUE(withoutPages.pageMenuEnabled());
    EXPECT_TRUE(withPages.editMenuEnabled());
    EXPECT_TRUE(emptiedByDeletion.editMenuEnabled());
}

TEST(ProjectDocument, PageShownAfterEachOperation) {
    const OperationCase cases[] = {
        {"open: the first page", kThree, "", [](ProjectDocument&) {}, "*Uno/1.png,Dos/2.png,Tres/3.png"},
        {"open: the start page", kThree, "Tres", [](ProjectDocument&) {}, "Uno/1.png,Dos/2.png,*Tres/3.png"},
        {"open: a start page that names none shows none", kThree, "Cuatro", [](ProjectDocument&) {},
         "Uno/1.png,Dos/2.png,Tres/3.png"},
        {"a page item shows its page, the start page stays", kThree, "Tres",
         [](ProjectDocument& d) { ASSERT_TRUE(d.showPageAt(0)); }, "*Uno/1.png,Dos/2.png,Tres/3.png"},
        {"deleting the middle page shows the start page", kThree, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.deleteShownPage(); }, "*Uno/1.png,Tres/3.png"},
        {"deleting the start page clears it", kThree, "Dos",
         [](ProjectDocument& d) { d.deleteShownPage(); }, "*Uno/1.png,Tres/3.png"},
        {"a new page goes last and is shown", kThree, "",
         [](ProjectDocument& d) { d.addPage(form("Cocina", "cocina.png")); },
         "Uno/1.png,Dos/2.png,Tres/3.png,*Cocina/cocina.png"},
        {"an edited page stays shown", kThree, "Dos",
         [](ProjectDocument& d) { d.editShownPage(form("Comedor", "4.png")); }, "Uno/1.png,*Comedor/4.png,Tres/3.png"},
        {"a copy goes right after its page and is shown", kThree, "Dos",
         [](ProjectDocument& d) { d.duplicateShownPage(); }, "Uno/1.png,Dos/2.png,*Dos (2)/2.png,Tres/3.png"},
        {"modifying the project shows the new start page", kThree, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.modifyProject("Quinta", "Tres"); },
         "Uno/1.png,Dos/2.png,*Tres/3.png"},
        {"undoing a deletion shows the page again", kThree, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.deleteShownPage(), d.undo(); },
         "Uno/1.png,*Dos/2.png,Tres/3.png"},
        {"redoing it shows the start page", kThree, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.deleteShownPage(), d.undo(), d.redo(); },
         "*Uno/1.png,Tres/3.png"},
        {"undoing an edit of an unshown page shows it", kThree, "",
         [](ProjectDocument& d) { d.showPageAt(2), d.shownPageAboutToChange(), d.showPageAt(0), d.undo(); },
         "Uno/1.png,Dos/2.png,*Tres/3.png"},
        // Pages sharing a name: each is reached and removed as itself.
        {"the second item of a shared name shows the second page", kSameName, "",
         [](ProjectDocument& d) { d.showPageAt(1); }, "Sala/a.png,*Sala/b.png,Patio/c.png"},
        {"deleting the second page of a shared name removes it", kSameName, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.deleteShownPage(); }, "*Sala/a.png,Patio/c.png"},
        {"editing the second page of a shared name edits it", kSameName, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.editShownPage(form("Sala", "d.png")); },
         "Sala/a.png,*Sala/d.png,Patio/c.png"},
        {"copying the second page of a shared name copies it", kSameName, "",
         [](ProjectDocument& d) { d.showPageAt(1), d.duplicateShownPage(); },
         "Sala/a.png,Sala/b.png,*Sala (2)/b.png,Patio/c.png"},
    };
    for (const OperationCase& c : cases) {
        ProjectDocument document;
        document.replaceProject(project(c.setup, c.start));
        c.operation(document);
        EXPECT_EQ(c.expected, pages(document)) << c.what;
    }
}

TEST(ProjectDocument, WithNoPageShownPageOperationsDoNothing) {
    ProjectDocument document;
    document.replaceProject(project(kThree, "Cuatro"));
    EXPECT_FALSE(document.deleteShownPage() || document.editShownPage(form("Otra", "x.png")) ||
                 document.duplicateShownPage() || document.showPageAt(3) || document.showPageAt(-1) ||
                 document.undo() || document.redo());
    EXPECT_EQ("Uno/1.png,Dos/2.png,Tres/3.png", pages(document));
}

TEST(ProjectDocument, OnlyThePageShownAndTheModeInForceAreChecked) {
    ProjectDocument document;
    document.replaceProject(project(kSameName, "Sala"));
    EXPECT_EQ(std::vector<int>{0}, checkedPageItems(document));
    document.showPageAt(1);
    EXPECT_EQ(std::vector<int>{1}, checkedPageItems(document));
    document.setMode(ModoEdicion::ALINEARDER);
    EXPECT_TRUE(document.isChecked(ID_MODO_ALINEARDER));
    EXPECT_FALSE(document.isChecked(ID_MODO_NORMAL));
    document.showPageAt(2);  // a page is shown in NORMAL, as the canvas shows it
    EXPECT_TRUE(document.isChecked(ID_MODO_NORMAL));
    document.replaceProject(project(kThree, "Cuatro"));
    EXPECT_TRUE(checkedPageItems(document).empty());
}

TEST(ProjectDocument, TitleShowsInstallationPageAndMode) {
    struct Row {
        const char* instalacion;
        bool withPage;
        ModoEdicion mode;
        const char* title;
    };
    const Row rows[] = {
        {"", false, ModoEdicion::NORMAL, "Quenda"},
        {"Casa", false, ModoEdicion::ALINEARINF, "Quenda - Casa"},
        {"", true, ModoEdicion::NORMAL, "Quenda - Dos - modo normal"},
        {"Casa", true, ModoEdicion::ALINEARSUP, "Quenda - Casa - Dos - alineando borde superior"},
        {"Casa", true, ModoEdicion::IGUALARTAMANNO, "Quenda - Casa - Dos - igualando tama\xF1o"},
    };
    for (const Row& row : rows) {
        ProjectDocument document;
        document.replaceProject(project(kThree, row.withPage ? "Dos" : "Cuatro"));
        document.project().instalacion = row.instalacion;
        document.setMode(row.mode);
        EXPECT_EQ(row.title, document.title());
    }
}

TEST(ProjectDocument, PageDialogValuesAndUndoSteps) {
    ProjectDocument document;
    document.replaceProject(project(kThree));
    document.project().takeSnapshot();
    document.addPage(form("Patio", "/nonexistent/quenda-patio.png"));
    const Pagina& added = *document.shownPage();
    EXPECT_EQ("riego", added.comandoInicial.codigo);
    EXPECT_EQ("V", added.orientaciones);
    EXPECT_EQ(400u, added.pictureWidth());  // a blank picture for a missing file
    EXPECT_EQ(200u, added.pictureHeight());
    EXPECT_EQ(std::vector<std::string>({"Uno", "Dos", "Tres"}), document.otherPageNames());

    document.modifyProject("Casa", "");  // the same values: no step
    ASSERT_TRUE(document.undo());
    EXPECT_EQ("*Uno/1.png,Dos/2.png,Tres/3.png", pages(document));
    EXPECT_FALSE(document.project().hasUnsavedChanges());
    EXPECT_FALSE(document.isEnabled(ID_DESHACER));

    document.replaceProject(project(kThree));  // another project takes no history along
    EXPECT_FALSE(document.isEnabled(ID_REHACER));
}

TEST(ProjectDocument, TryingThePagesGreysEditingAndGivesTheEditedPageBack) {
    ProjectDocument document;
    document.replaceProject(project(kThree, "Dos"));
    document.showPageAt(2);
    document.setMode(ModoEdicion::ALINEARSUP);
    ASSERT_TRUE(document.isEnabled(ID_PROBAR_MANDO));
    document.startTrial();
    EXPECT_EQ("Quenda - Probando - Casa - Dos", document.title());
    EXPECT_EQ(std::vector<int>{1}, checkedPageItems(document));
    const int greyed[] = {ID_MODIFICAR_PROYECTO, ID_VERIFICAR_PROYECTO, ID_PAGINA_AGREGAR, ID_PAGINA_ELIMINAR,
                          ID_PAGINA_EDITAR,      ID_PAGINA_DUPLICAR,    ID_DESHACER,       ID_REHACER,
                          ID_EDITAR_COPIAR,      ID_EDITAR_PEGAR,       ID_MODO_NORMAL,    ID_KEY_LEFT,
                          ID_KEY_DELETE,         ID_KEY_CTRL_SHIFT_UP,  ID_PAGINA_AGREGAR_IMAGENES,
                          ID_PAGINA_REEMPLAZAR_IMAGEN};
    for (int id : greyed)
        EXPECT_FALSE(document.isEnabled(id)) << id;
    const int offered[] = {ID_GUARDAR_PROYECTO, ID_NUEVO_PROYECTO, ID_ABRIR_PROYECTO, IDM_EXIT,
                           ID_PROBAR_MANDO,     ID_PRUEBA_ATRAS,   ID_PAGE_FIRST + 2, ID_RECIENTE_FIRST,
                           ID_PRUEBA_SALIR,     ID_PRUEBA_INICIO,  ID_TRANSFERIR};
    for (int id : offered)
        EXPECT_TRUE(document.isEnabled(id)) << id;
    EXPECT_FALSE(document.isEnabled(ID_PAGE_FIRST + 3));

    document.setMode(ModoEdicion::NORMAL);  // as the canvas reports for each page tried
    EXPECT_EQ(ModoEdicion::ALINEARSUP, document.endTrial());
    EXPECT_EQ(nullptr, document.trial());
    EXPECT_EQ(2, document.shownIndex());
    EXPECT_TRUE(document.isEnabled(ID_PAGINA_ELIMINAR));
    EXPECT_FALSE(document.isEnabled(ID_PRUEBA_ATRAS));
}

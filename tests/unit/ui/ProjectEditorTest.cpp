// The main window's rules, through the editor with scripted answers: the
// unsaved-work question before anything drops the project, the recovery
// copy's life, a vanished recent project, what a test run of the pages
// blocks, and where dropped files go.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "base/resource.h"
#include "model/ButtonPageMaker.h"
#include "model/ProjectCheck.h"
#include "model/Proyecto.h"
#include "model/Settings.h"
#include "ui/CanvasChange.h"
#include "ui/EditorPrompts.h"
#include "tests/unit/support/ButtonPagePng.h"
#include "tests/unit/support/TempFolder.h"
#include "ui/ProjectEditor.h"
#include "support/MemoryFileAccess.h"

namespace {

enum class Answer { Yes, No, Cancel };

// A saved project of two pages, "Inicio" and "Luces".
std::unique_ptr<Proyecto> savedProject(const std::string& instalacion, const std::string& archivo) {
    auto project = std::make_unique<Proyecto>();
    project->instalacion = instalacion;
    project->archivo = archivo;
    for (const char* nombre : {"Inicio", "Luces"}) {
        auto page = std::make_unique<Pagina>();
        page->nombre = nombre;
        project->addPage(std::move(page));
    }
    project->takeSnapshot();
    return project;
}

// Answers from the script and keeps, in order, what was asked or opened.
struct ScriptedPrompts : EditorPrompts {
    Answer unsavedWork = Answer::No;
    bool saves = true;
    bool forgetsVanished = true;
    std::vector<std::string> existing;  // files of the recent list still there
    std::vector<Region> selected;         // on the canvas
    std::vector<size_t> copyTargets;      // pages chosen to copy to
    std::optional<ReplaceRequest> replacement;  // the replace dialog's answer
    std::vector<std::string> asked;

    // Keeps what was asked and gives `answer`.
    template <typename T>
    T ask(const std::string& what, T answer) {
        asked.push_back(what);
        return answer;
    }

    void documentChanging() override {}
    void showNow(const EditorActions&) override {}
    bool mayDropProject(Proyecto& project) override {
        if (!project.hasUnsavedChanges())
            return true;
        asked.push_back("unsaved");
        return unsavedWork == Answer::No || (unsavedWork == Answer::Yes && save(project));
    }
    bool save(Proyecto& project) override {
        if (saves)
            project.takeSnapshot();
        return ask("save", saves);
    }
    bool saveAs(Proyecto& project) override { return save(project); }
    std::unique_ptr<Proyecto> chooseAndRead() override { return read("C:\\otra.xml"); }
    std::unique_ptr<Proyecto> read(const std::string& path) override {
        return ask("read " + path, savedProject("Otra", path));
    }
    bool askNewProject(std::string& instalacion) override {
        instalacion = "Nueva";
        return ask("new", true);
    }
    bool askProjectValues(const Proyecto&, std::string&, std::string&) override { return false; }
    bool scaleResizedPages(const Proyecto&, const std::vector<size_t>&) override { return false; }
    bool forgetVanishedProject(const std::string& path) override { return ask("vanished " + path, forgetsVanished); }
    bool projectExists(const std::string& path) override {
        return std::find(existing.begin(), existing.end(), path) != existing.end();
    }
    std::optional<PaginaForm> pageValues;  // the page dialog's answer
    std::optional<PaginaForm> askPage(const Proyecto&, const Pagina*, const std::vector<std::string>&) override {
        return ask("page", pageValues);
    }
    bool confirmPageDeletion() override { return ask("delete page", true); }
    PicturesAnswer choosePicturePages(const Proyecto&) override { return PicturesAnswer(); }
    PicturesAnswer takeDroppedPictures(const Proyecto&, const std::vector<std::string>& paths,
                                       const std::vector<std::string>&) override {
        return ask("pictures " + std::to_string(paths.size()), PicturesAnswer());
    }
    PicturesAnswer chooseReplacement(const Proyecto&, const Pagina&) override { return PicturesAnswer(); }
    void refusePicturesWithoutProject() override { asked.push_back("no project for pictures"); }
    bool chooseFinding(const Proyecto&, ProjectFinding&) override { return false; }
    bool mayTransfer(const Proyecto&) override { return true; }
    void transfer(Proyecto&) override { asked.push_back("transfer"); }
    void transferOverNetwork(Proyecto&) override {}
    void copySelectedRegion() override {}
    void pasteRegion() override {}
    std::vector<Region> selectedRegions() override { return selected; }
    std::optional<ReplaceRequest> askReplace(const Proyecto&, size_t shown) override {
        return ask("replace in page " + std::to_string(shown), replacement);
    }
    std::vector<size_t> choosePagesToCopyTo(const Proyecto&, size_t shown) override {
        return ask("copy to pages from " + std::to_string(shown), copyTargets);
    }
    void showAbout() override {}
    void showError(const std::string& text) override { asked.push_back("error " + text); }
    void showHelp() override {}
    std::string documentFile;  // the save dialog's answer
    bool replacesDocument = false;
    std::string chooseDocumentFile(const std::string& offered) override {
        return ask("document " + offered, documentFile);
    }
    bool mayReplaceDocument(const std::string& path) override { return ask("replace " + path, replacesDocument); }
    bool openDocumentWhenDone(const std::string& path) override { return ask("done " + path, true); }
    void openDocument(const std::string& path) override { asked.push_back("open " + path); }
};

std::string joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list)
        text += (text.empty() ? "" : "; ") + item;
    return text;
}

// An editor showing "Casa" from C:\casa.xml, with an unsaved change and
// C:\casa.xml and C:\vieja.xml in the recent list.
struct Scene {
    MemorySettings settings;
    ScriptedPrompts prompts;
    ProjectEditor editor{prompts, settings};

    Scene() {
        editor.replaceProject(savedProject("Casa", "C:\\casa.xml"));
        for (const char* path : {"C:\\vieja.xml", "C:\\casa.xml"})
            editor.document().project().archivo = path, editor.command(ID_GUARDAR_PROYECTO);
        editor.recentShown();
        edit();
        prompts.asked.clear();
    }
    void edit() { editor.document().modifyProject("Casa editada", ""); }
    const std::string& installation() { return editor.document().project().instalacion; }
};

}  // namespace

// Whatever would drop the project asks first; Cancel keeps it, No drops it,
// Yes saves it and then drops it.
TEST(ProjectEditor, UnsavedWorkIsAskedAboutBeforeAnythingDropsIt) {
    // Each way says whether the project was let go.
    const auto replaced = [](Scene& s) { return s.installation() != "Casa editada"; };
    const std::vector<std::pair<const char*, std::function<bool(Scene&)>>> ways = {
        {"new", [&](Scene& s) { s.editor.command(ID_NUEVO_PROYECTO); return replaced(s); }},
        {"open", [&](Scene& s) { s.editor.command(ID_ABRIR_PROYECTO); return replaced(s); }},
        {"recent", [&](Scene& s) { s.editor.command(ID_RECIENTE_FIRST + 1); return replaced(s); }},
        {"drop", [&](Scene& s) { s.editor.drop({"C:\\otra.xml"}, {}); return replaced(s); }},
        {"start", [&](Scene& s) { s.editor.openAtStart("C:\\otra.xml", ""); return replaced(s); }},
        {"close", [](Scene& s) { return s.editor.mayClose(); }},
        {"session", [](Scene& s) { return s.editor.querySessionEnd(); }},
    };
    for (const auto& [way, letGo] : ways) {
        for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
            Scene scene;
            scene.prompts.existing = {"C:\\vieja.xml"};
            scene.prompts.unsavedWork = answer;
            const int row = static_cast<int>(answer);
            EXPECT_EQ(answer != Answer::Cancel, letGo(scene)) << way << " " << row;
            const std::vector<std::string>& asked = scene.prompts.asked;
            EXPECT_EQ(asked.empty() ? "" : asked.front(), "unsaved") << way << " " << row;
            EXPECT_EQ(answer == Answer::Yes, asked.size() > 1 && asked[1] == "save") << way << " " << row;
        }
    }
}

// A copy is written while work is unsaved and removed as soon as nothing is
// left to recover: a save, another project over dropped work, an undo back
// to the saved state, the end of a session the user let end.
TEST(ProjectEditor, TheRecoveryCopyLivesWhileWorkIsUnsaved) {
    const std::vector<std::pair<const char*, std::function<RecoveryWork(Scene&)>>> ends = {
        {"save", [](Scene& s) { return s.editor.command(ID_GUARDAR_PROYECTO).recovery; }},
        {"undo", [](Scene& s) { return s.editor.command(ID_DESHACER).recovery; }},
        {"drop", [](Scene& s) { return s.editor.drop({"C:\\otra.xml"}, {}).recovery; }},
        {"start", [](Scene& s) { return s.editor.openAtStart("C:\\otra.xml", "").recovery; }},
        {"session", [](Scene& s) {
             s.editor.querySessionEnd();
             return s.editor.sessionEnded(true);
         }},
    };
    for (const auto& [way, end] : ends) {
        Scene scene;
        EXPECT_EQ(scene.editor.recoveryTick(), RecoveryWork::WriteCopy) << way;
        scene.editor.recoveryCopyStarted();
        EXPECT_EQ(end(scene), RecoveryWork::RemoveCopy) << way;
    }
    // Work dropped at log-off is copied no more; a session that goes on after
    // all copies it again, and one ended without an answer keeps the copy.
    Scene scene;
    scene.editor.recoveryCopyStarted();
    EXPECT_TRUE(scene.editor.querySessionEnd());
    EXPECT_FALSE(scene.editor.recoveryTimerRuns());
    EXPECT_EQ(scene.editor.sessionEnded(false), RecoveryWork::None);
    EXPECT_TRUE(scene.editor.recoveryTimerRuns());
    EXPECT_EQ(scene.editor.sessionEnded(true), RecoveryWork::None);
}

// A listed project that is gone: the user decides whether it leaves the
// list; the project shown stays either way.
TEST(ProjectEditor, AVanishedRecentProjectMayLeaveTheList) {
    for (const bool forget : {true, false}) {
        Scene scene;
        scene.prompts.forgetsVanished = forget;
        scene.editor.command(ID_RECIENTE_FIRST + 1);
        EXPECT_EQ(joined(scene.prompts.asked), "vanished C:\\vieja.xml");
        EXPECT_EQ(scene.installation(), "Casa editada");
        EXPECT_EQ(joined(scene.editor.recentShown()), forget ? "C:\\casa.xml" : "C:\\casa.xml; C:\\vieja.xml");
    }
}

// While the pages are tried nothing edits the project: greyed commands
// still arrive as keys and do nothing; leaving, saving and the page items work.
TEST(ProjectEditor, ATestRunBlocksEveryEdit) {
    Scene scene;
    scene.editor.command(ID_GUARDAR_PROYECTO);
    ASSERT_TRUE(scene.editor.command(ID_PROBAR_MANDO).trialStarted);
    scene.prompts.asked.clear();
    for (int blocked : {ID_PAGINA_ELIMINAR, ID_PAGINA_AGREGAR, ID_PAGINA_EDITAR, ID_DESHACER, ID_MODO_ALINEARSUP,
                        ID_KEY_LEFT, ID_KEY_DELETE, ID_EDITAR_PEGAR, ID_MODIFICAR_PROYECTO}) {
        const EditorActions done = scene.editor.command(blocked);
        EXPECT_FALSE(done.canvasCommand || done.documentChanged) << blocked;
    }
    EXPECT_EQ(joined(scene.prompts.asked), "");
    EXPECT_EQ(scene.editor.document().project().paginas.size(), 2u);
    EXPECT_TRUE(scene.editor.command(ID_PAGE_FIRST + 1).pageChosen);
    EXPECT_EQ(scene.editor.pageOnCanvas(), scene.editor.document().project().paginas[1].get());
    scene.editor.command(ID_TRANSFERIR);
    EXPECT_EQ(joined(scene.prompts.asked), "save; transfer");
    EXPECT_TRUE(scene.editor.command(ID_PRUEBA_SALIR).menusChanged);
    EXPECT_FALSE(scene.editor.document().trial());
    EXPECT_EQ(*scene.editor.command(ID_KEY_LEFT).canvasCommand, ID_KEY_LEFT);
    // Outside a test run Escape is the canvas's, to cancel a drag or the selection.
    EXPECT_EQ(*scene.editor.command(ID_PRUEBA_SALIR).canvasCommand, ID_KEY_ESCAPE);
}

// One project file opens; anything else is taken as pictures, and with no
// project to take them, refused.
TEST(ProjectEditor, DroppedFilesGoWhereTheyBelong) {
    const struct {
        std::vector<std::string> paths;
        std::vector<std::string> unreadable;
        bool blank;
        const char* asked;
    } rows[] = {
        {{"C:\\otra.XML"}, {}, false, "unsaved; read C:\\otra.XML"},
        {{"C:\\otra.xml", "C:\\sala.png"}, {}, false, "pictures 2"},
        {{"C:\\otra.xml"}, {"C:\\???.png"}, false, "pictures 1"},
        {{"C:\\sala.png"}, {}, true, "no project for pictures"},
        {{"C:\\xml"}, {}, false, "pictures 1"},
    };
    for (const auto& row : rows) {
        Scene scene;
        if (row.blank)
            scene.editor.replaceProject(std::make_unique<Proyecto>());
        scene.editor.drop(row.paths, row.unreadable);
        EXPECT_EQ(joined(scene.prompts.asked), row.asked) << row.paths[0];
    }
}

// A canvas edit put back whole (Escape during a drag) leaves no step: the
// first undo reaches the edit before it.
TEST(ProjectEditor, AnEditPutBackLeavesNoUndoStep) {
    Scene scene;
    CanvasChange announced, withdrawn;
    announced.pageAboutToChange = true;
    withdrawn.pageChangeWithdrawn = true;
    scene.editor.canvasChanged(announced);
    EXPECT_TRUE(scene.editor.canvasChanged(withdrawn).menusChanged);
    EXPECT_TRUE(scene.editor.document().undo());
    EXPECT_EQ(scene.installation(), "Casa");
    EXPECT_FALSE(scene.editor.document().undo());
}

// The selected regions go to the pages chosen in one undo step; Cancel
// changes nothing. Snapping is on until turned off, and stays so.
TEST(ProjectEditor, CopyToPagesIsOneStepAndSnappingIsRemembered) {
    Scene scene;
    Region region;
    region.coords = Rect{1, 2, 3, 4};
    region.comando.codigo = "luz";
    scene.prompts.selected = {region, region};
    scene.prompts.copyTargets = {1};
    EXPECT_TRUE(scene.editor.command(ID_COPIAR_A_PAGINAS).documentChanged);
    EXPECT_EQ(joined(scene.prompts.asked), "copy to pages from 0");
    const Proyecto& project = scene.editor.document().project();
    EXPECT_EQ(project.paginas[1]->regiones, (std::vector<Region>{region, region}));
    scene.editor.command(ID_DESHACER);
    EXPECT_TRUE(scene.editor.document().project().paginas[1]->regiones.empty());
    scene.prompts.copyTargets.clear();
    EXPECT_FALSE(scene.editor.command(ID_COPIAR_A_PAGINAS).documentChanged);

    EXPECT_TRUE(scene.editor.snapping());
    EXPECT_EQ(scene.editor.command(ID_AJUSTAR_GUIAS).snapping, std::optional<bool>(false));
    EXPECT_FALSE(ProjectEditor(scene.prompts, scene.settings).snapping());
    EXPECT_EQ(scene.editor.command(ID_AJUSTAR_GUIAS).snapping, std::optional<bool>(true));
}

// The replace goes over both pages as one undo step and says how many
// changed; the value it has already adds no step; Cancel changes nothing.
TEST(ProjectEditor, ReplaceInCommandsIsOneStepAndSaysHowMany) {
    Scene scene;
    Proyecto& project = scene.editor.document().project();
    for (const auto& page : project.paginas)
        page->addRegion(Region{Rect{1, 2, 3, 4}, Comando{"Living", "luz", "", "bt", "AA"}});
    scene.prompts.replacement = ReplaceRequest{ReplaceField::Mac, ReplaceScope::Project, 0, {"", "AA", 2}, "BB"};
    const EditorActions done = scene.editor.command(ID_REEMPLAZAR_COMANDOS);
    EXPECT_EQ(done.statusMessage, CommandReplace::doneText(2));
    EXPECT_EQ(project.paginas[1]->regiones[0].comando.btMacAddress, "BB");
    scene.editor.command(ID_DESHACER);
    EXPECT_EQ(scene.editor.document().project().paginas[0]->regiones[0].comando.btMacAddress, "AA");
    EXPECT_EQ(scene.editor.document().project().paginas[1]->regiones[0].comando.btMacAddress, "AA");

    scene.prompts.replacement->replacement = "AA";
    EXPECT_EQ(scene.editor.command(ID_REEMPLAZAR_COMANDOS).statusMessage, CommandReplace::doneText(0));
    scene.prompts.replacement.reset();
    EXPECT_FALSE(scene.editor.command(ID_REEMPLAZAR_COMANDOS).documentChanged);
    scene.editor.command(ID_DESHACER);  // the edit before: no step was added
    EXPECT_EQ(scene.installation(), "Casa");
}

// Labels are off until turned on, and stay as last chosen.
TEST(ProjectEditor, LabelsAreRemembered) {
    Scene scene;
    EXPECT_FALSE(scene.editor.labels());
    EXPECT_EQ(scene.editor.command(ID_VER_ETIQUETAS).labels, std::optional<bool>(true));
    EXPECT_TRUE(ProjectEditor(scene.prompts, scene.settings).labels());
    EXPECT_EQ(scene.editor.command(ID_VER_ETIQUETAS).labels, std::optional<bool>(false));
    EXPECT_FALSE(ProjectEditor(scene.prompts, scene.settings).labels());
}

// The handover document goes where the user says, as an .html file; one
// that is there already is replaced only on Yes; a written one may be opened.
TEST(ProjectEditor, TheDocumentIsWrittenWhereChosenAndReplacedOnlyOnYes) {
    // The name typed, whether a document is there, the answer, what was asked.
    struct Row { const char* chosen; bool there, replaces; const char* asked; bool written; };
    const Row rows[] = {
        {"", false, false, "document casa.html", false},
        {"C:\\entrega", false, false, "document casa.html; done C:\\entrega.html; open C:\\entrega.html", true},
        {"C:\\entrega.html", true, false, "document casa.html; replace C:\\entrega.html", false},
        {"C:\\entrega.html", true, true,
         "document casa.html; replace C:\\entrega.html; done C:\\entrega.html; open C:\\entrega.html", true},
    };
    for (const Row& row : rows) {
        MemoryFileAccess files;
        files.folders.insert("C:\\");
        ScopedFileAccess installed(files);
        if (row.there)
            files.files["C:\\entrega.html"] = "old";
        Scene scene;
        scene.prompts.documentFile = row.chosen;
        scene.prompts.replacesDocument = row.replaces;
        scene.editor.command(ID_EXPORTAR_DOCUMENTACION);
        EXPECT_EQ(joined(scene.prompts.asked), row.asked) << row.chosen;
        EXPECT_EQ(files.files["C:\\entrega.html"].rfind("<!DOCTYPE html>", 0) == 0, row.written) << row.chosen;
    }
}

// Found buttons not yet covered come as regions with no command, in one
// step; a second search finds nothing new and changes nothing.
TEST(ProjectEditor, DetectingButtonsAddsTheNewOnesAsOneStep) {
    TempFolder folder;
    const ButtonPage made =
        ButtonPageMaker({PageBackground::Gradient, ButtonStyle::Outlined}, 9).make(300, 260, 3, 2);
    std::ofstream(folder.file("inicio.png"), std::ios::binary) << rgbPng(made.picture);
    MemorySettings settings;
    ScriptedPrompts prompts;
    ProjectEditor editor{prompts, settings};
    auto project = savedProject("Casa", folder.file("casa.xml"));
    project->paginas[0]->setImagen(300, 260, folder.file("inicio.png"));
    project->paginas[0]->addRegion(Region{made.buttons[0], Comando()});
    project->paginas[0]->regiones[0].comando.codigo = "C";
    editor.replaceProject(std::move(project));
    const auto regions = [&] { return editor.document().project().paginas[0]->regiones; };

    EditorActions done = editor.command(ID_DETECTAR_BOTONES);
    ASSERT_EQ(regions().size(), made.buttons.size());
    std::vector<Rect> added;
    for (size_t i = 1; i < regions().size(); ++i) {
        EXPECT_EQ(regions()[i].comando, Comando());
        added.push_back(regions()[i].coords);
    }
    const auto byPlace = [](const Rect& a, const Rect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; };
    std::vector<Rect> expected(made.buttons.begin() + 1, made.buttons.end());
    std::sort(added.begin(), added.end(), byPlace);
    std::sort(expected.begin(), expected.end(), byPlace);
    EXPECT_EQ(added, expected);
    std::vector<int32_t> all(regions().size() - 1);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(done.selectRegions, all);
    EXPECT_EQ(done.statusMessage, ButtonDetection::foundText(expected.size()));

    done = editor.command(ID_DETECTAR_BOTONES);
    EXPECT_FALSE(done.documentChanged);
    EXPECT_EQ(done.statusMessage, ButtonDetection::foundText(0));
    editor.command(ID_DESHACER);
    EXPECT_EQ(regions().size(), 1u);

    CanvasChange nothingThere;
    nothingThere.nothingFitted = true;
    EXPECT_EQ(editor.canvasChanged(nothingThere).statusMessage, ButtonDetection::nothingToFitText());

    editor.command(ID_SENSIBILIDAD_ALTA);
    EXPECT_EQ(editor.sensitivityCommand(), ID_SENSIBILIDAD_ALTA);
    EXPECT_EQ(ProjectEditor(prompts, settings).sensitivityCommand(), ID_SENSIBILIDAD_ALTA);
}

// Moving and renaming a page are one undo step each; a rename, from the pane
// or the page dialog, carries the jumps that reached the page and says so.
TEST(ProjectEditor, PagesMoveAndRenameAsOneStepEach) {
    Scene scene;
    const auto project = [&]() -> const Proyecto& { return scene.editor.document().project(); };
    scene.editor.document().project().paginas[0]->addRegion(Region{Rect{1, 2, 3, 4}, Comando{"", "", "Luces", "", ""}});
    const auto names = [&] { return joined(project().pageNames()) + " | " + project().paginaInicial; };

    EXPECT_FALSE(scene.editor.command(ID_PAGINA_SUBIR).documentChanged);  // the first page stays first
    EXPECT_TRUE(scene.editor.command(ID_PAGINA_BAJAR).documentChanged);
    EXPECT_EQ(names(), "Luces; Inicio | Inicio");
    EXPECT_EQ(scene.editor.document().shownIndex(), 1);
    scene.editor.command(ID_DESHACER);
    EXPECT_EQ(names(), "Inicio; Luces | ");

    const EditorActions renamed = scene.editor.renamePage(1, "Sala");
    EXPECT_EQ(renamed.statusMessage, PageRename::statusText({1, false}));
    EXPECT_EQ(project().paginas[0]->regiones[0].comando.pagina, "Sala");
    scene.editor.command(ID_DESHACER);
    EXPECT_EQ(project().paginas[0]->regiones[0].comando.pagina, "Luces");

    scene.editor.pickPage(1);
    scene.prompts.pageValues = PaginaForm("Comedor", "V", "luces.png", nullptr);
    EXPECT_EQ(scene.editor.command(ID_PAGINA_EDITAR).statusMessage, PageRename::statusText({1, false}));
    EXPECT_EQ(names(), "Inicio; Comedor | ");
    EXPECT_EQ(project().paginas[0]->regiones[0].comando.pagina, "Comedor");
    scene.editor.command(ID_DESHACER);
    EXPECT_EQ(project().paginas[0]->regiones[0].comando.pagina, "Luces");
    EXPECT_EQ(scene.installation(), "Casa editada");  // the step before is still there
}

// PgUp and PgDn walk every page of a project larger than the page menu, and
// jump during a test run, where moving and renaming do nothing.
TEST(ProjectEditor, PgUpAndPgDnReachEveryPage) {
    Scene scene;
    auto large = std::make_unique<Proyecto>();
    const int pages = 1300;
    for (int i = 0; i < pages; ++i) {
        large->addPage(std::make_unique<Pagina>());
        large->paginas.back()->nombre = "P" + std::to_string(i);
    }
    scene.editor.replaceProject(std::move(large));
    ProjectDocument& document = scene.editor.document();
    ASSERT_LT(document.pageItemCount(), pages);
    for (int id = ID_PAGE_FIRST; id < ID_PAGE_FIRST + document.pageItemCount(); ++id)
        ASSERT_EQ(commandRow(id), commandRow(ID_PAGE_FIRST)) << id;

    scene.editor.pickPage(pages - 2);
    EXPECT_TRUE(scene.editor.command(ID_PAGINA_SIGUIENTE).pageChosen);
    EXPECT_EQ(document.shownIndex(), pages - 1);
    EXPECT_FALSE(scene.editor.command(ID_PAGINA_SIGUIENTE).pageChosen);
    EXPECT_TRUE(scene.editor.command(ID_PAGINA_ANTERIOR).pageChosen);
    EXPECT_EQ(document.shownIndex(), pages - 2);

    scene.editor.command(ID_PROBAR_MANDO);
    EXPECT_TRUE(scene.editor.command(ID_PAGINA_SIGUIENTE).pageChosen);
    EXPECT_EQ(document.trial()->shownIndex(), 1);
    EXPECT_EQ(document.trial()->historyDepth(), 1u);
    EXPECT_FALSE(document.isEnabled(ID_PAGINA_BAJAR));
    EXPECT_FALSE(scene.editor.command(ID_PAGINA_BAJAR).documentChanged);
    EXPECT_FALSE(scene.editor.movePage(0, 1).documentChanged);
    EXPECT_FALSE(scene.editor.renamePage(0, "Otra").documentChanged);
    EXPECT_EQ(document.project().paginas[0]->nombre, "P0");
}

// The page pane shows until hidden, and stays as last chosen.
TEST(ProjectEditor, ThePagePaneIsRemembered) {
    Scene scene;
    EXPECT_TRUE(scene.editor.pagePane());
    EXPECT_EQ(scene.editor.command(ID_VER_PANEL_PAGINAS).pagePane, std::optional<bool>(false));
    EXPECT_FALSE(ProjectEditor(scene.prompts, scene.settings).pagePane());
}

#include "ui/ProjectEditor.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/ProjectCheck.h"
#include "model/Settings.h"
#include "model/Proyecto.h"
#include "base/resource.h"
#include "ui/CanvasChange.h"
#include "ui/CommandReplace.h"
#include "ui/CommandTable.h"
#include "ui/EditorPrompts.h"
#include "ui/HandoverExport.h"

namespace {

bool isProjectFile(const std::string& path) {
    return path.size() > 4 && equalIgnoringCase(path.substr(path.size() - 4), ".xml");
}

}  // namespace

ProjectEditor::ProjectEditor(EditorPrompts& prompts, Settings& settings)
    : prompts_(prompts), settings_(settings), recent_(settings), detection_(settings) {
    document_.showStartPage();
}

const std::vector<std::string>& ProjectEditor::recentShown() {
    recentShown_ = recent_.paths();
    return recentShown_;
}

Pagina* ProjectEditor::pageOnCanvas() const {
    const RemoteTrial* trial = document_.trial();
    if (!trial)
        return document_.shownPage();
    const int shown = trial->shownIndex();
    return shown >= 0 ? document_.project().paginas[static_cast<size_t>(shown)].get() : nullptr;
}

// ---- what the window hands over ----------------------------------------------

// A greyed item still arrives as its key: the rule of the table decides.
EditorActions ProjectEditor::command(int commandId) {
    const CommandRow* row = commandRow(commandId);
    EditorActions done;
    if (!row) {
        // The canvas's own ids, which edit nothing during a test run.
        if (!document_.trial())
            done.canvasCommand = commandId;
        return done;
    }
    const bool offered = row->surfaces & kMenuAlwaysOffered ? !document_.trial() : document_.isEnabled(commandId);
    if (!offered)
        return done;
    done = (this->*row->handler)(commandId);
    dropCopyOfSavedWork(done);
    return done;
}

// One project file opens; anything else is taken as pictures, and what is
// not a PNG is refused with the rest.
EditorActions ProjectEditor::drop(const std::vector<std::string>& paths, const std::vector<std::string>& unreadable) {
    EditorActions done;
    // Pages or a project arrive: a test run of the pages ends first.
    endTrial(done);
    if (paths.size() == 1 && unreadable.empty() && isProjectFile(paths[0])) {
        if (mayDropDocument(done))
            showOpened(prompts_.read(paths[0]), done);
    } else if (!document_.isEnabled(ID_PAGINA_AGREGAR_IMAGENES)) {
        prompts_.refusePicturesWithoutProject();
    } else {
        const EditorActions added = pictures(prompts_.takeDroppedPictures(document_.project(), paths, unreadable));
        done.documentChanged = done.documentChanged || added.documentChanged;
    }
    dropCopyOfSavedWork(done);
    return done;
}

// A recovered project offered just before is unsaved work of its own.
EditorActions ProjectEditor::openAtStart(const std::string& path, const std::string& refusal) {
    EditorActions done;
    if (!refusal.empty())
        prompts_.showError(refusal);
    else if (!path.empty() && mayDropDocument(done))
        showOpened(prompts_.read(path), done);
    dropCopyOfSavedWork(done);
    return done;
}

EditorActions ProjectEditor::replaceProject(std::unique_ptr<Proyecto> replacement) {
    EditorActions done;
    endTrial(done);
    prompts_.documentChanging();
    document_.replaceProject(std::move(replacement));
    done.documentChanged = true;
    return done;
}

EditorActions ProjectEditor::canvasChanged(const CanvasChange& change) {
    EditorActions done;
    if (change.mode) {
        document_.setMode(*change.mode);
        done.titleChanged = true;
    }
    if (change.tapped && document_.trial())
        showTrialStep(document_.trial()->tap(*change.tapped), done);
    // The step is recorded before the edit, so "Deshacer" is ready when it ends.
    if (change.pageAboutToChange) {
        document_.shownPageAboutToChange();
        done.menusChanged = true;
    }
    if (change.pageChangeWithdrawn) {
        document_.withdrawPageChange();
        done.menusChanged = true;
    }
    if (change.nothingFitted)
        done.statusMessage = ButtonDetection::nothingToFitText();
    return done;
}

RecoveryWork ProjectEditor::recoveryTick() const {
    if (document_.project().hasUnsavedChanges())
        return RecoveryWork::WriteCopy;
    return copyMayExist_ ? RecoveryWork::RemoveCopy : RecoveryWork::None;
}

// ---- the end ---------------------------------------------------------------------

bool ProjectEditor::mayClose() {
    EditorActions done;
    return mayDropDocument(done);
}

bool ProjectEditor::querySessionEnd() {
    EditorActions done;
    sessionMayEnd_ = mayDropDocument(done);
    return sessionMayEnd_;
}

// A session ended without the user's answer keeps the recovery copy.
RecoveryWork ProjectEditor::sessionEnded(bool ending) {
    const bool answered = sessionMayEnd_;
    if (!ending)
        sessionMayEnd_ = false;  // another program kept the session going
    return ending && answered && copyMayExist_ ? RecoveryWork::RemoveCopy : RecoveryWork::None;
}

// A normal end: the work was saved or the user chose to drop it.
RecoveryWork ProjectEditor::destroyed() const {
    return copyMayExist_ ? RecoveryWork::RemoveCopy : RecoveryWork::None;
}

// ---- the project -----------------------------------------------------------------

EditorActions ProjectEditor::about(int) {
    prompts_.showAbout();
    return EditorActions();
}

EditorActions ProjectEditor::help(int) {
    prompts_.showHelp();
    return EditorActions();
}

EditorActions ProjectEditor::exit(int) {
    EditorActions done;
    done.close = true;
    return done;
}

// The project in place stays until the new one has been saved.
EditorActions ProjectEditor::newProject(int) {
    EditorActions done;
    endTrial(done);
    std::string instalacion;
    if (!mayDropDocument(done) || !prompts_.askNewProject(instalacion))
        return done;
    auto created = std::make_unique<Proyecto>();
    created->instalacion = instalacion;
    if (prompts_.save(*created))
        showOpened(std::move(created), done);
    return done;
}

EditorActions ProjectEditor::openProject(int) {
    EditorActions done;
    endTrial(done);
    if (mayDropDocument(done))
        showOpened(prompts_.chooseAndRead(), done);
    return done;
}

EditorActions ProjectEditor::saveProject(int) {
    return saved(prompts_.save(document_.project()));
}

EditorActions ProjectEditor::saveProjectAs(int) {
    return saved(prompts_.saveAs(document_.project()));
}

// A project written is listed first; the title may name another file.
EditorActions ProjectEditor::saved(bool written) {
    EditorActions done;
    if (written)
        rememberProject(done);
    done.titleChanged = true;
    return done;
}

// The start page is shown again, whatever the answer.
EditorActions ProjectEditor::modifyProject(int) {
    std::string instalacion, paginaInicial;
    const bool accepted = prompts_.askProjectValues(document_.project(), instalacion, paginaInicial);
    return change([&] {
        if (accepted)
            document_.modifyProject(instalacion, paginaInicial);
        else
            document_.showStartPage();
    });
}

EditorActions ProjectEditor::verifyProject(int) {
    EditorActions done;
    ProjectFinding finding;
    if (!prompts_.chooseFinding(document_.project(), finding) || !document_.showPageAt(finding.page))
        return done;
    done.pageChosen = true;
    done.selectRegion = finding.region;
    return done;
}

EditorActions ProjectEditor::transfer(int) {
    EditorActions done;
    if (!prompts_.save(document_.project()))
        return done;
    rememberProject(done);
    if (prompts_.mayTransfer(document_.project()))
        prompts_.transfer(document_.project());
    return done;
}

EditorActions ProjectEditor::transferOverNetwork(int) {
    prompts_.transferOverNetwork(document_.project());
    return EditorActions();
}

// A file that is gone may come back (a network drive, a card): the user
// decides whether it leaves the list. The project in place stays either way.
EditorActions ProjectEditor::openRecent(int commandId) {
    EditorActions done;
    const size_t index = static_cast<size_t>(commandId - ID_RECIENTE_FIRST);
    if (index >= recentShown_.size())
        return done;
    const std::string path = recentShown_[index];
    if (!prompts_.projectExists(path)) {
        if (prompts_.forgetVanishedProject(path)) {
            recent_.remove(path);
            done.recentChanged = true;
        }
        return done;
    }
    if (mayDropDocument(done))
        showOpened(prompts_.read(path), done);
    return done;
}

// ---- pages and pictures ----------------------------------------------------------

EditorActions ProjectEditor::addPage(int) {
    const Proyecto& project = document_.project();
    if (std::optional<PaginaForm> values = prompts_.askPage(project, nullptr, project.pageNames()))
        return change([&] { document_.addPage(*values); });
    return EditorActions();
}

EditorActions ProjectEditor::deletePage(int) {
    if (document_.shownPage() && prompts_.confirmPageDeletion())
        return change([this] { document_.deleteShownPage(); });
    return EditorActions();
}

EditorActions ProjectEditor::editPage(int) {
    const Pagina* page = document_.shownPage();
    if (!page)
        return EditorActions();
    const std::optional<PaginaForm> values =
        prompts_.askPage(document_.project(), page, document_.otherPageNames());
    if (!values)
        return EditorActions();
    // A new name carries the jumps that reached the page, and says how many.
    PageRenameOutcome renamed;
    const bool newName = values->nombre != page->nombre;
    EditorActions done = change([&] { document_.editShownPage(*values, &renamed); });
    if (newName)
        done.statusMessage = PageRename::statusText(renamed);
    return done;
}

EditorActions ProjectEditor::duplicatePage(int) {
    return change([this] { document_.duplicateShownPage(); });
}

EditorActions ProjectEditor::pictures(const PicturesAnswer& answer) {
    if (!answer.accepted)
        return EditorActions();
    return change([&] { document_.addPicturePages(answer.pictures, answer.scaleRegions); });
}

EditorActions ProjectEditor::addPicturePages(int) {
    return pictures(prompts_.choosePicturePages(document_.project()));
}

EditorActions ProjectEditor::replacePicture(int) {
    EditorActions done;
    const Pagina* page = document_.shownPage();
    if (!page)
        return done;
    const PicturesAnswer answer = prompts_.chooseReplacement(document_.project(), *page);
    if (!answer.accepted || answer.pictures.empty())
        return done;
    return change([&] { document_.replaceShownPicture(answer.pictures.front().name, answer.scaleRegions); });
}

EditorActions ProjectEditor::undo(int) {
    return change([this] { document_.undo(); });
}

EditorActions ProjectEditor::redo(int) {
    return change([this] { document_.redo(); });
}

EditorActions ProjectEditor::copyRegion(int) {
    prompts_.copySelectedRegion();
    return EditorActions();
}

EditorActions ProjectEditor::pasteRegion(int) {
    if (document_.shownPage())
        prompts_.pasteRegion();
    return EditorActions();
}

EditorActions ProjectEditor::copyToPages(int) {
    if (!document_.shownPage())
        return EditorActions();
    const std::vector<Region> regions = prompts_.selectedRegions();
    if (regions.empty())
        return EditorActions();
    const std::vector<size_t> pages =
        prompts_.choosePagesToCopyTo(document_.project(), static_cast<size_t>(document_.shownIndex()));
    if (pages.empty())
        return EditorActions();
    return change([&] { document_.copyToPages(regions, pages); });
}

EditorActions ProjectEditor::passToCanvas(int commandId) {
    EditorActions done;
    done.canvasCommand = commandId;
    return done;
}

// Reads the project only: nothing on the window changes.
EditorActions ProjectEditor::exportDocumentation(int) {
    HandoverExport::run(prompts_, document_.project(), FileAccess::current());
    return EditorActions();
}

// One step adds every button found; none found changes nothing.
EditorActions ProjectEditor::detectButtons(int) {
    Pagina* page = document_.shownPage();
    const std::vector<Rect> found = page ? detection_.newButtons(*page) : std::vector<Rect>();
    EditorActions done;
    if (!found.empty()) {
        std::vector<int32_t> added;
        done = change([&] {
            document_.shownPageAboutToChange();
            for (const Rect& button : found) {
                added.push_back(static_cast<int32_t>(page->regiones.size()));
                page->addRegion(Region{button, Comando()});
            }
        });
        done.selectRegions = added;
    }
    done.statusMessage = ButtonDetection::foundText(found.size());
    return done;
}

EditorActions ProjectEditor::chooseSensitivity(int commandId) {
    ButtonSensitivity sensitivity;
    if (ButtonDetection::sensitivityFor(commandId, sensitivity))
        detection_.setSensitivity(sensitivity);
    EditorActions done;
    done.menusChanged = true;
    return done;
}

EditorActions ProjectEditor::showPage(int commandId) {
    return pickPage(commandId - ID_PAGE_FIRST);
}

EditorActions ProjectEditor::pickPage(int index) {
    EditorActions done;
    if (RemoteTrial* trial = document_.trial())
        showTrialStep(trial->showPageAt(index), done);
    else
        done.pageChosen = document_.showPageAt(index);
    return done;
}

// ---- trying the pages ------------------------------------------------------------

EditorActions ProjectEditor::toggleTrial(int) {
    EditorActions done;
    if (document_.trial()) {
        endTrial(done);
        return done;
    }
    const TrialStep first = document_.startTrial();
    done.trialStarted = true;
    done.menusChanged = true;
    showTrialStep(first, done);
    return done;
}

EditorActions ProjectEditor::leaveTrial(int) {
    EditorActions done;
    endTrial(done);
    return done;
}

EditorActions ProjectEditor::escape(int) {
    if (document_.trial())
        return leaveTrial(ID_PRUEBA_SALIR);
    return passToCanvas(ID_KEY_ESCAPE);
}

bool ProjectEditor::snapping() const {
    return settings_.readSwitch(setting::kAjustarAGuias, true);
}

EditorActions ProjectEditor::toggleSnapping(int) {
    EditorActions done;
    done.snapping = !snapping();
    settings_.writeSwitch(setting::kAjustarAGuias, *done.snapping);
    return done;
}

EditorActions ProjectEditor::replaceInCommands(int) {
    const std::optional<ReplaceRequest> request =
        prompts_.askReplace(document_.project(), static_cast<size_t>(std::max(document_.shownIndex(), 0)));
    if (!request)
        return EditorActions();
    size_t changed = 0;
    EditorActions done = change([&] { changed = document_.replaceInCommands(*request); });
    done.statusMessage = CommandReplace::doneText(changed);
    return done;
}

bool ProjectEditor::labels() const {
    return settings_.readSwitch(setting::kEtiquetas, false);
}

EditorActions ProjectEditor::toggleLabels(int) {
    EditorActions done;
    done.labels = !labels();
    settings_.writeSwitch(setting::kEtiquetas, *done.labels);
    return done;
}

EditorActions ProjectEditor::movePage(size_t from, size_t to) {
    const size_t count = document_.project().paginas.size();
    if (document_.trial() || from >= count || to >= count || from == to)
        return EditorActions();
    PageMoveOutcome outcome;
    EditorActions done = change([&] { outcome = document_.movePage(from, to); });
    done.statusMessage = PageMove::statusText(outcome);
    return done;
}

EditorActions ProjectEditor::movePageUp(int) {
    const int shown = document_.shownIndex();
    return shown > 0 ? movePage(static_cast<size_t>(shown), static_cast<size_t>(shown) - 1) : EditorActions();
}

EditorActions ProjectEditor::movePageDown(int) {
    const int shown = document_.shownIndex();
    return shown >= 0 ? movePage(static_cast<size_t>(shown), static_cast<size_t>(shown) + 1) : EditorActions();
}

EditorActions ProjectEditor::renamePage(size_t index, const std::string& nombre) {
    const auto& pages = document_.project().paginas;
    if (document_.trial() || index >= pages.size() || pages[index]->nombre == nombre)
        return EditorActions();
    PageRenameOutcome outcome;
    EditorActions done = change([&] { outcome = document_.renamePage(index, nombre); });
    done.statusMessage = PageRename::statusText(outcome);
    return done;
}

// The first and last pages stay where they are: nothing wraps around.
EditorActions ProjectEditor::previousPage(int) {
    const RemoteTrial* trial = document_.trial();
    const int shown = trial ? trial->shownIndex() : document_.shownIndex();
    return shown > 0 ? pickPage(shown - 1) : EditorActions();
}

EditorActions ProjectEditor::nextPage(int) {
    const RemoteTrial* trial = document_.trial();
    const int shown = trial ? trial->shownIndex() : document_.shownIndex();
    return pickPage(shown + 1);
}

bool ProjectEditor::pagePane() const {
    return settings_.readSwitch(setting::kPanelPaginas, true);
}

EditorActions ProjectEditor::togglePagePane(int) {
    EditorActions done;
    done.pagePane = !pagePane();
    settings_.writeSwitch(setting::kPanelPaginas, *done.pagePane);
    return done;
}

EditorActions ProjectEditor::trialBack(int) {
    EditorActions done;
    showTrialStep(document_.trial()->back(), done);
    return done;
}

EditorActions ProjectEditor::trialHome(int) {
    EditorActions done;
    showTrialStep(document_.trial()->start(), done);
    return done;
}

void ProjectEditor::showTrialStep(const TrialStep& step, EditorActions& done) {
    if (!document_.trial())
        return;
    done.pageChosen = done.pageChosen || step.pageChanged;
    if (step.flashRegion >= 0)
        done.flashRegion = step.flashRegion;
    else if (step.flashAll)
        done.flashAll = true;
    done.wholeBarText = RemoteTrial::statusText(step);
    done.titleChanged = true;
}

// The page edited before comes back in its mode; its selection does not.
// The window shows that at once: whatever comes next (a question, another
// project) meets the page edited.
void ProjectEditor::endTrial(EditorActions& done) {
    if (!document_.trial())
        return;
    EditorActions ended;
    ended.modeAfterTrial = document_.endTrial();
    ended.trialEnded = true;
    ended.wholeBarText = std::string();
    ended.pageChosen = true;
    ended.menusChanged = true;
    prompts_.showNow(ended);
    done.menusChanged = true;
}

// ---- opening and listing -----------------------------------------------------------

bool ProjectEditor::mayDropDocument(EditorActions& done) {
    Proyecto& project = document_.project();
    const bool unsaved = project.hasUnsavedChanges();
    if (!prompts_.mayDropProject(project))
        return false;
    if (unsaved && !project.hasUnsavedChanges())
        rememberProject(done);
    return true;
}

void ProjectEditor::showOpened(std::unique_ptr<Proyecto> opened, EditorActions& done) {
    if (!opened)
        return;
    endTrial(done);
    prompts_.documentChanging();
    document_.replaceProject(std::move(opened));
    done.documentChanged = true;
    rememberProject(done);
    // Pictures exported again at another size: their pages' regions may follow.
    const std::vector<size_t> resized = document_.resizedPictures();
    if (resized.empty())
        return;
    prompts_.showNow(done);
    if (!prompts_.scaleResizedPages(document_.project(), resized))
        return;
    prompts_.documentChanging();
    document_.scaleToPictures(resized);
}

// The canvas lets go of its page first: the change may alter or destroy it.
EditorActions ProjectEditor::change(const std::function<void()>& edit) {
    prompts_.documentChanging();
    edit();
    EditorActions done;
    done.documentChanged = true;
    return done;
}

void ProjectEditor::rememberProject(EditorActions& done) {
    recent_.add(document_.project().archivo);
    done.recentChanged = true;
}

void ProjectEditor::dropCopyOfSavedWork(EditorActions& done) const {
    if (copyMayExist_ && !document_.project().hasUnsavedChanges())
        done.recovery = RecoveryWork::RemoveCopy;
}

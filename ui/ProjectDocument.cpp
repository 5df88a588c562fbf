#include "ui/ProjectDocument.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/PictureCache.h"
#include "model/Proyecto.h"
#include "model/RegionScale.h"
#include "base/resource.h"
#include "ui/CommandReplace.h"
#include "ui/CommandTable.h"
#include "ui/PaginaForm.h"
#include "ui/RegionCopy.h"

namespace {

// A picture that cannot be loaded leaves a new page this blank size.
const int32_t kFallbackWidth = 400;
const int32_t kFallbackHeight = 200;

}  // namespace

ProjectDocument::ProjectDocument() : project_(new Proyecto()) {}

ProjectDocument::~ProjectDocument() = default;

Pagina* ProjectDocument::shownPage() const {
    if (shown_ < 0 || static_cast<size_t>(shown_) >= project_->paginas.size())
        return nullptr;
    return project_->paginas[static_cast<size_t>(shown_)].get();
}

// A page sharing the shown page's name keeps that name in the list.
std::vector<std::string> ProjectDocument::otherPageNames() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < project_->paginas.size(); ++i)
        if (static_cast<int>(i) != shown_)
            names.push_back(project_->paginas[i]->nombre);
    return names;
}

// The command table says when each command can be chosen; an id it does not
// know (the canvas's) can be chosen, but not while the pages are tried.
bool ProjectDocument::isEnabled(int commandId) const {
    const CommandRow* row = commandRow(commandId);
    if (!row)
        return !trial_;
    if (trial_ && !row->whileTrying)
        return false;
    if (row->availability == Availability::ExistingPage)
        return commandId - row->firstId < static_cast<int>(project_->paginas.size());
    return trial_ || isAvailable(row->availability);
}

bool ProjectDocument::isAvailable(Availability availability) const {
    switch (availability) {
    case Availability::Always: return true;
    case Availability::NotBlank: return !project_->isBlank();
    case Availability::WithPages: return !project_->paginas.empty();
    case Availability::CanUndo: return history_.canUndo();
    case Availability::CanRedo: return history_.canRedo();
    case Availability::PageShown: return shown_ >= 0;
    case Availability::PageBefore: return shown_ > 0;
    case Availability::PageAfter: return shown_ >= 0 && static_cast<size_t>(shown_) + 1 < project_->paginas.size();
    case Availability::ExistingPage: return false;
    case Availability::OnlyTrying: return trial_ != nullptr;
    }
    return false;
}

bool ProjectDocument::isChecked(int commandId) const {
    ModoEdicion mode;
    if (modeForCommand(commandId, mode))
        return mode == mode_;
    const int page = trial_ ? trial_->shownIndex() : shown_;
    return page >= 0 && commandId == ID_PAGE_FIRST + page;
}

// Undoing the removal of the last page needs "Editar" without pages.
bool ProjectDocument::editMenuEnabled() const {
    return !project_->paginas.empty() || history_.canUndo() || history_.canRedo();
}

bool ProjectDocument::pageMenuEnabled() const {
    return !project_->isBlank();
}

std::string ProjectDocument::title() const {
    std::string text = "Quenda";
    if (trial_)
        text += " - Probando";
    if (!project_->instalacion.empty())
        text += " - " + project_->instalacion;
    if (trial_) {
        if (const Pagina* page = trial_->shownPage())
            text += " - " + page->nombre;
    } else if (const Pagina* page = shownPage())
        text += " - " + page->nombre + " - " + modeInfo(mode_).titleText;
    return text;
}

void ProjectDocument::show(int index) {
    shown_ = index >= 0 && static_cast<size_t>(index) < project_->paginas.size() ? index : -1;
    mode_ = ModoEdicion::NORMAL;
}

// The start page is kept by name: the first page of that name is shown.
void ProjectDocument::showStartPage() {
    const std::string& wanted = project_->paginaInicial;
    int found = -1;
    for (size_t i = 0; i < project_->paginas.size() && found < 0; ++i)
        if (wanted.empty() || project_->paginas[i]->nombre == wanted)
            found = static_cast<int>(i);
    show(found);
}

bool ProjectDocument::showPageAt(int index) {
    if (index < 0 || static_cast<size_t>(index) >= project_->paginas.size())
        return false;
    show(index);
    return true;
}

void ProjectDocument::replaceProject(std::unique_ptr<Proyecto> replacement) {
    endTrial();
    project_ = std::move(replacement);
    history_.clear();
    // No page of the old project, nor of its history, is shown again: its
    // decoded pictures would only hold memory until pushed out.
    PictureCache::shared().clear();
    showStartPage();
}

void ProjectDocument::modifyProject(const std::string& instalacion, const std::string& paginaInicial) {
    if (instalacion != project_->instalacion || paginaInicial != project_->paginaInicial) {
        history_.recordProjectChange(*project_);
        project_->instalacion = instalacion;
        project_->paginaInicial = paginaInicial;
    }
    showStartPage();
}

void ProjectDocument::addPage(const PaginaForm& values) {
    std::unique_ptr<Pagina> page(new Pagina());
    page->nombre = values.nombre;
    page->setImagen(kFallbackWidth, kFallbackHeight, values.imagen, project_->archivo);
    page->orientaciones = values.orientaciones;
    page->setComandoInicial(values.comandoInicial);
    const size_t index = project_->paginas.size();
    history_.recordPageInsertion(*project_, index);
    project_->addPage(std::move(page));
    show(static_cast<int>(index));
}

bool ProjectDocument::deleteShownPage() {
    if (shown_ < 0)
        return false;
    history_.recordPageRemoval(*project_, static_cast<size_t>(shown_));
    project_->removePageAt(static_cast<size_t>(shown_));
    showStartPage();
    return true;
}

// The picture is loaded again even when its name did not change: the file
// may have been replaced meanwhile.
bool ProjectDocument::editShownPage(const PaginaForm& values, PageRenameOutcome* renamed) {
    Pagina* page = shownPage();
    if (!page)
        return false;
    const size_t index = static_cast<size_t>(shown_);
    const bool newName = values.nombre != page->nombre;
    if (newName)
        history_.recordPagesChange(*project_, index);
    else
        history_.recordPageChange(*project_, index);
    page->replaceImagen(values.imagen, project_->archivo);
    page->orientaciones = values.orientaciones;
    page->setComandoInicial(values.comandoInicial);
    // After the start command: a jump of its own to the page follows too.
    if (newName) {
        const PageRenameOutcome outcome = PageRename::apply(*project_, index, values.nombre);
        if (renamed)
            *renamed = outcome;
    }
    show(shown_);
    return true;
}

bool ProjectDocument::duplicateShownPage() {
    if (shown_ < 0)
        return false;
    const size_t copy = static_cast<size_t>(shown_) + 1;
    history_.recordPageInsertion(*project_, copy);
    project_->duplicatePage(static_cast<size_t>(shown_));
    show(static_cast<int>(copy));
    return true;
}

// Regions follow only a picture whose size really changed: scaling to the
// same size would still clamp and reorder them.
void ProjectDocument::repicture(Pagina& page, const std::string& imagen, bool scale) {
    const int32_t oldWidth = page.recordedAncho();
    const int32_t oldHeight = page.recordedAlto();
    page.replaceImagen(imagen, project_->archivo);
    const bool resized = oldWidth != page.recordedAncho() || oldHeight != page.recordedAlto();
    if (scale && resized && oldWidth > 0 && oldHeight > 0)
        scaleRegions(page, static_cast<uint32_t>(oldWidth), static_cast<uint32_t>(oldHeight), page.pictureWidth(),
                     page.pictureHeight());
}

void ProjectDocument::addPicturePages(const std::vector<PictureFile>& pictures, bool scale) {
    if (pictures.empty())
        return;
    auto& pages = project_->paginas;
    size_t at = shown_ >= 0 ? static_cast<size_t>(shown_) + 1 : pages.size();
    history_.recordPagesChange(*project_, at);
    int firstNew = -1, firstUpdated = -1;
    for (const PictureFile& picture : pictures) {
        bool updated = false;
        for (size_t i = 0; i < pages.size(); ++i) {
            if (!equalIgnoringCase(pages[i]->imagen, picture.name))
                continue;
            repicture(*pages[i], pages[i]->imagen, scale);
            if (!updated && firstUpdated < 0)
                firstUpdated = static_cast<int>(i);
            updated = true;
        }
        if (updated)
            continue;
        std::unique_ptr<Pagina> page(new Pagina());
        const std::string& name = picture.name;
        const std::string stem = name.substr(0, name.rfind('.'));
        page->nombre = project_->uniqueName(stem.empty() ? name : stem);
        page->setImagen(static_cast<int32_t>(picture.width), static_cast<int32_t>(picture.height), name,
                        project_->archivo);
        pages.insert(pages.begin() + static_cast<std::ptrdiff_t>(at), std::move(page));
        if (firstNew < 0)
            firstNew = static_cast<int>(at);
        ++at;
    }
    show(firstNew >= 0 ? firstNew : firstUpdated);
}

bool ProjectDocument::replaceShownPicture(const std::string& imagen, bool scale) {
    Pagina* page = shownPage();
    if (!page)
        return false;
    std::vector<Pagina*> sharing;
    for (const auto& other : project_->paginas)
        if (other.get() != page && equalIgnoringCase(other->imagen, imagen))
            sharing.push_back(other.get());
    if (sharing.empty())
        history_.recordPageChange(*project_, static_cast<size_t>(shown_));
    else
        history_.recordPagesChange(*project_, static_cast<size_t>(shown_));
    repicture(*page, imagen, scale);
    for (Pagina* other : sharing)
        repicture(*other, other->imagen, scale);
    show(shown_);
    return true;
}

std::vector<size_t> ProjectDocument::resizedPictures() const {
    return pagesWithResizedPictures(*project_);
}

// The recorded size becomes the picture's: the regions now match it.
void ProjectDocument::scaleToPictures(const std::vector<size_t>& indices) {
    if (indices.empty())
        return;
    history_.recordPagesChange(*project_, indices.front());
    for (size_t index : indices) {
        if (index >= project_->paginas.size())
            continue;
        Pagina& page = *project_->paginas[index];
        if (page.ancho <= 0 || page.alto <= 0)
            continue;
        scaleRegions(page, static_cast<uint32_t>(page.ancho), static_cast<uint32_t>(page.alto), page.pictureWidth(),
                     page.pictureHeight());
        page.ancho = page.recordedAncho();
        page.alto = page.recordedAlto();
    }
    show(shown_);
}

void ProjectDocument::shownPageAboutToChange() {
    if (shown_ >= 0)
        history_.recordPageChange(*project_, static_cast<size_t>(shown_));
}

void ProjectDocument::withdrawPageChange() {
    history_.dropLastStep();
}

void ProjectDocument::copyToPages(const std::vector<Region>& regions, const std::vector<size_t>& pages) {
    if (regions.empty() || pages.empty())
        return;
    history_.recordPagesChange(*project_, static_cast<size_t>(std::max(shown_, 0)));
    for (size_t index : pages)
        if (index < project_->paginas.size())
            RegionCopy::copyOnto(regions, *project_->paginas[index]);
}

size_t ProjectDocument::replaceInCommands(const ReplaceRequest& request) {
    if (request.replacement == request.current.value)
        return 0;  // nothing would change: no step either
    history_.recordPagesChange(*project_, static_cast<size_t>(std::max(shown_, 0)));
    return CommandReplace::replace(*project_, request);
}

PageMoveOutcome ProjectDocument::movePage(size_t from, size_t to) {
    const size_t count = project_->paginas.size();
    if (from >= count || to >= count || from == to)
        return PageMoveOutcome();
    const Pagina* shown = shownPage();
    history_.recordPagesChange(*project_, to);
    const PageMoveOutcome outcome = PageMove::apply(*project_, from, to);
    for (size_t i = 0; i < count; ++i)
        if (project_->paginas[i].get() == shown)
            shown_ = static_cast<int>(i);
    return outcome;
}

PageRenameOutcome ProjectDocument::renamePage(size_t index, const std::string& nombre) {
    if (index >= project_->paginas.size() || project_->paginas[index]->nombre == nombre)
        return PageRenameOutcome();
    history_.recordPagesChange(*project_, index);
    const PageRenameOutcome outcome = PageRename::apply(*project_, index, nombre);
    show(static_cast<int>(index));
    return outcome;
}

int ProjectDocument::pageItemCount() const {
    return std::min(static_cast<int>(project_->paginas.size()), kPageItemLimit);
}

bool ProjectDocument::undo() {
    return history_.canUndo() && stepThroughHistory(&EditHistory::undo);
}

bool ProjectDocument::redo() {
    return history_.canRedo() && stepThroughHistory(&EditHistory::redo);
}

bool ProjectDocument::stepThroughHistory(int (EditHistory::*step)(Proyecto&)) {
    const int index = (history_.*step)(*project_);
    if (index >= 0)
        show(index);
    else
        showStartPage();
    return true;
}

TrialStep ProjectDocument::startTrial() {
    endTrial();
    modeBeforeTrial_ = mode_;
    trial_.reset(new RemoteTrial(*project_));
    return trial_->start();
}

ModoEdicion ProjectDocument::endTrial() {
    if (trial_) {
        trial_.reset();
        mode_ = modeBeforeTrial_;
    }
    return mode_;
}

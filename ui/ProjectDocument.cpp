#include "ui/ProjectDocument.h"

#include "model/Proyecto.h"
#include "base/resource.h"
#include "ui/PaginaForm.h"

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

bool ProjectDocument::isEnabled(int commandId) const {
    const bool blank = project_->isBlank();
    const bool withPages = !project_->paginas.empty();
    ModoEdicion mode;
    if (modeForCommand(commandId, mode))
        return withPages;
    switch (commandId) {
    case ID_GUARDAR_PROYECTO:
    case ID_GUARDAR_COMO:
    case ID_MODIFICAR_PROYECTO:
    case ID_VERIFICAR_PROYECTO:
    case ID_PAGINA_AGREGAR: return !blank;
    case ID_TRANSFERIR:
    case ID_PAGINA_ELIMINAR:
    case ID_PAGINA_EDITAR:
    case ID_PAGINA_DUPLICAR: return withPages;
    case ID_DESHACER: return history_.canUndo();
    case ID_REHACER: return history_.canRedo();
    case ID_EDITAR_PEGAR: return shown_ >= 0;
    default: return true;
    }
}

bool ProjectDocument::isChecked(int commandId) const {
    ModoEdicion mode;
    if (modeForCommand(commandId, mode))
        return mode == mode_;
    return shown_ >= 0 && commandId == ID_PAGE_FIRST + shown_;
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
    if (!project_->instalacion.empty())
        text += " - " + project_->instalacion;
    if (const Pagina* page = shownPage())
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
    project_ = std::move(replacement);
    history_.clear();
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
bool ProjectDocument::editShownPage(const PaginaForm& values) {
    Pagina* page = shownPage();
    if (!page)
        return false;
    history_.recordPageChange(*project_, static_cast<size_t>(shown_));
    page->nombre = values.nombre;
    page->replaceImagen(values.imagen, project_->archivo);
    page->orientaciones = values.orientaciones;
    page->setComandoInicial(values.comandoInicial);
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

void ProjectDocument::shownPageAboutToChange() {
    if (shown_ >= 0)
        history_.recordPageChange(*project_, static_cast<size_t>(shown_));
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

#include "EditHistory.h"

#include <utility>

#include "Proyecto.h"

EditHistory::EditHistory() = default;
EditHistory::~EditHistory() = default;

EditHistory::Step& EditHistory::open(const Proyecto& project, PagePart part, size_t index) {
    redoable_.clear();
    if (undoable_.size() == kMaxSteps)
        undoable_.pop_front();
    undoable_.emplace_back();
    Step& step = undoable_.back();
    step.instalacion = project.instalacion;
    step.paginaInicial = project.paginaInicial;
    step.part = part;
    step.pageIndex = index;
    return step;
}

void EditHistory::recordProjectChange(const Proyecto& project) {
    open(project, PagePart::None, 0);
}

void EditHistory::recordPageChange(const Proyecto& project, size_t index) {
    if (index >= project.paginas.size())
        return;
    open(project, PagePart::Content, index).page = std::make_unique<Pagina>(*project.paginas[index]);
}

void EditHistory::recordPageInsertion(const Proyecto& project, size_t index) {
    open(project, PagePart::Presence, index);
}

void EditHistory::recordPageRemoval(const Proyecto& project, size_t index) {
    if (index >= project.paginas.size())
        return;
    open(project, PagePart::Presence, index).page = std::make_unique<Pagina>(*project.paginas[index]);
}

void EditHistory::recordPagesChange(const Proyecto& project, size_t index) {
    Step& step = open(project, PagePart::All, index);
    step.pages.reserve(project.paginas.size());
    for (const auto& page : project.paginas)
        step.pages.push_back(std::make_unique<Pagina>(*page));
}

int EditHistory::undo(Proyecto& project) {
    return carry(undoable_, redoable_, project);
}

int EditHistory::redo(Proyecto& project) {
    return carry(redoable_, undoable_, project);
}

int EditHistory::carry(std::deque<Step>& from, std::deque<Step>& to, Proyecto& project) {
    if (from.empty())
        return -1;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return exchange(to.back(), project);
}

void EditHistory::clear() {
    undoable_.clear();
    redoable_.clear();
}

void EditHistory::dropLastStep() {
    if (!undoable_.empty())
        undoable_.pop_back();
}

// The page objects themselves change places, so nothing is copied here; the
// caller shows the project's pages again afterwards.
int EditHistory::exchange(Step& step, Proyecto& project) {
    std::swap(step.instalacion, project.instalacion);
    std::swap(step.paginaInicial, project.paginaInicial);
    auto& pages = project.paginas;
    const size_t index = step.pageIndex;
    switch (step.part) {
    case PagePart::Content:
        if (index >= pages.size())
            return -1;
        std::swap(step.page, pages[index]);
        return static_cast<int>(index);
    case PagePart::Presence:
        if (step.page) {
            const size_t at = index < pages.size() ? index : pages.size();
            pages.insert(pages.begin() + static_cast<std::ptrdiff_t>(at), std::move(step.page));
            step.pageIndex = at;
            return static_cast<int>(at);
        }
        if (index < pages.size()) {
            step.page = std::move(pages[index]);
            pages.erase(pages.begin() + static_cast<std::ptrdiff_t>(index));
        }
        return -1;
    case PagePart::All:
        std::swap(step.pages, pages);
        return index < pages.size() ? static_cast<int>(index) : -1;
    case PagePart::None:
        break;
    }
    return -1;
}

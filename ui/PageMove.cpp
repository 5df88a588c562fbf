#include "ui/PageMove.h"

#include <algorithm>
#include <iterator>

#include "model/Proyecto.h"

PageMoveOutcome PageMove::apply(Proyecto& project, size_t from, size_t to) {
    PageMoveOutcome outcome;
    auto& pages = project.paginas;
    if (from >= pages.size() || to >= pages.size() || from == to)
        return outcome;
    const Pagina* moving = pages[from].get();
    const bool wasFirstOfName = project.findPage(moving->nombre) == moving;
    if (project.paginaInicial.empty() && (from == 0 || to == 0))
        project.paginaInicial = pages.front()->nombre;
    const auto begin = pages.begin();
    if (from < to)
        std::rotate(begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(from) + 1,
                    begin + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(begin + static_cast<std::ptrdiff_t>(to), begin + static_cast<std::ptrdiff_t>(from),
                    begin + static_cast<std::ptrdiff_t>(from) + 1);
    outcome.moved = true;
    // Only the moved page passed others: only its name can lead elsewhere now.
    if (wasFirstOfName != (project.findPage(moving->nombre) == moving))
        outcome.redirectedName = moving->nombre;
    return outcome;
}

std::string PageMove::statusText(const PageMoveOutcome& outcome) {
    if (outcome.redirectedName.empty())
        return "";
    return "Hay varias p\xE1ginas \"" + outcome.redirectedName + "\": sus saltos llevan ahora a otra de ellas";
}

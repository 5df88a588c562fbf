#include "ui/PagePaneRows.h"

#include "model/Proyecto.h"

PagePaneRows::PagePaneRows(const Proyecto& project, int shown) : project_(project), graph_(project) {
    const size_t count = project.paginas.size();
    rows_.resize(count);
    const Pagina* start = project.paginaInicial.empty() ? nullptr : project.findPage(project.paginaInicial);
    for (size_t i = 0; i < count; ++i) {
        PagePaneRow& row = rows_[i];
        const Pagina* page = project.paginas[i].get();
        row.nombre = page->nombre;
        row.start = project.paginaInicial.empty() ? i == 0 : page == start;
        row.shown = static_cast<int>(i) == shown;
        row.unreachable = graph_.unreachable(i);
    }
}

std::string PagePaneRows::label(size_t index) const {
    const PagePaneRow& shown = rows_[index];
    return (shown.start ? "\xBB " : "") + shown.nombre + (shown.unreachable ? " (sin acceso)" : "");
}

std::vector<std::string> PagePaneRows::pointingHere(size_t index) const {
    std::vector<std::string> names;
    for (size_t from : graph_.pagesJumpingTo(index))
        names.push_back(project_.paginas[from]->nombre);
    return names;
}

std::string PagePaneRows::tooltip(size_t index) const {
    const std::vector<std::string> names = pointingHere(index);
    if (names.empty())
        return "Ninguna p\xE1gina salta aqu\xED";
    std::string text = "Saltan aqu\xED:";
    for (const std::string& name : names)
        text += "\n" + name;
    return text;
}

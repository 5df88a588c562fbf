#include "ui/PageRename.h"

#include "model/Proyecto.h"

namespace {

bool follow(Comando& comando, const std::string& from, const std::string& to) {
    if (comando.pagina != from)
        return false;
    comando.pagina = to;
    return true;
}

}  // namespace

PageRenameOutcome PageRename::apply(Proyecto& project, size_t index, const std::string& nombre) {
    PageRenameOutcome outcome;
    if (index >= project.paginas.size())
        return outcome;
    Pagina& renamed = *project.paginas[index];
    const std::string old = renamed.nombre;
    const bool reachedByJumps = project.findPage(old) == &renamed;
    renamed.nombre = nombre;
    if (!reachedByJumps || old == nombre)
        return outcome;
    for (const auto& page : project.paginas) {
        outcome.jumps += follow(page->comandoInicial, old, nombre);
        for (Region& region : page->regiones)
            outcome.jumps += follow(region.comando, old, nombre);
    }
    if (project.paginaInicial == old) {
        project.paginaInicial = nombre;
        outcome.startPage = true;
    }
    return outcome;
}

std::string PageRename::statusText(const PageRenameOutcome& outcome) {
    std::string text = "P\xE1gina renombrada; saltos cambiados: " + std::to_string(outcome.jumps);
    if (outcome.startPage)
        text += "; es la p\xE1gina inicial";
    return text;
}

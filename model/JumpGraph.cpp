#include "model/JumpGraph.h"

#include <unordered_map>

#include "model/Proyecto.h"

namespace {

const char kBack[] = "/back";

}  // namespace

JumpGraph::JumpGraph(const Proyecto& project) {
    const size_t count = project.paginas.size();
    std::unordered_map<std::string, size_t> first;
    firstOfName_.assign(count, false);
    for (size_t i = 0; i < count; ++i)
        firstOfName_[i] = first.emplace(project.paginas[i]->nombre, i).second;
    auto add = [&](size_t from, int32_t region, const Comando& comando) {
        if (comando.pagina.empty() || comando.pagina == kBack)
            return;
        auto target = first.find(comando.pagina);
        if (target != first.end())
            jumps_.push_back(PageJump{from, target->second, region});
    };
    std::vector<std::vector<size_t>> targets(count);
    for (size_t i = 0; i < count; ++i) {
        const Pagina& page = *project.paginas[i];
        add(i, -1, page.comandoInicial);
        for (size_t r = 0; r < page.regiones.size(); ++r)
            add(i, static_cast<int32_t>(r), page.regiones[r].comando);
    }
    for (const PageJump& jump : jumps_)
        targets[jump.from].push_back(jump.to);
    if (!project.paginaInicial.empty()) {
        auto start = first.find(project.paginaInicial);
        startKnown_ = start != first.end();
        start_ = startKnown_ ? start->second : 0;
    }
    reached_.assign(count, false);
    if (count == 0)
        return;
    std::vector<size_t> pending{start_};
    reached_[start_] = true;
    while (!pending.empty()) {
        const size_t page = pending.back();
        pending.pop_back();
        for (size_t target : targets[page])
            if (!reached_[target]) {
                reached_[target] = true;
                pending.push_back(target);
            }
    }
}

bool JumpGraph::unreachable(size_t page) const {
    return startKnown_ && !reached_[page] && firstOfName_[page];
}

std::vector<size_t> JumpGraph::pagesJumpingTo(size_t page) const {
    std::vector<bool> jumping(firstOfName_.size(), false);
    for (const PageJump& jump : jumps_)
        if (jump.to == page)
            jumping[jump.from] = true;
    std::vector<size_t> pages;
    for (size_t i = 0; i < jumping.size(); ++i)
        if (jumping[i])
            pages.push_back(i);
    return pages;
}

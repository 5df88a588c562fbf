#include "ProjectCheck.h"

#include <algorithm>
#include <unordered_map>

#include "FileAccess.h"
#include "PngWalk.h"
#include "Proyecto.h"

namespace {

const char kBack[] = "/back";

using FirstPageByName = std::unordered_map<std::string, size_t>;

FirstPageByName firstPages(const Proyecto& project) {
    FirstPageByName first;
    for (size_t i = 0; i < project.paginas.size(); ++i)
        first.emplace(project.paginas[i]->nombre, i);
    return first;
}

bool jumps(const Comando& comando) {
    return !comando.pagina.empty() && comando.pagina != kBack;
}

bool jumpsNowhere(const Comando& comando, const FirstPageByName& first) {
    return jumps(comando) && first.find(comando.pagina) == first.end();
}

bool bluetoothWithoutAddress(const Comando& comando) {
    return comando.tipoComunicacion == "bt" && comando.btMacAddress.empty();
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Pages that a chain of jumps reaches from the page shown first; the device
// follows a jump to the first page of that name, as the editor does.
std::vector<bool> reachedPages(const Proyecto& project, const FirstPageByName& first, size_t start) {
    std::vector<bool> reached(project.paginas.size(), false);
    std::vector<size_t> pending{start};
    reached[start] = true;
    auto follow = [&](const Comando& comando) {
        if (!jumps(comando))
            return;
        auto target = first.find(comando.pagina);
        if (target != first.end() && !reached[target->second]) {
            reached[target->second] = true;
            pending.push_back(target->second);
        }
    };
    while (!pending.empty()) {
        const Pagina& page = *project.paginas[pending.back()];
        pending.pop_back();
        follow(page.comandoInicial);
        for (const Region& region : page.regiones)
            follow(region.comando);
    }
    return reached;
}

constexpr FindingSeverity kError = FindingSeverity::Error;
constexpr FindingSeverity kWarning = FindingSeverity::Warning;

class Checker {
public:
    Checker(const Proyecto& project, const CheckOptions& options)
        : project_(project), options_(options), first_(firstPages(project)) {}

    CheckOutcome run(const CheckProgress& progress) {
        CheckOutcome outcome;
        bool startKnown = checkStartPage();
        std::vector<bool> reached;
        if (startKnown && !project_.paginas.empty())
            reached = reachedPages(project_, first_, startPage());
        const size_t count = project_.paginas.size();
        for (size_t i = 0; i < count && !outcome.stopped; ++i) {
            bool duplicate = first_.at(project_.paginas[i]->nombre) != i;
            checkPage(i, duplicate, reached.empty() || reached[i] || duplicate);
            outcome.stopped = progress && !progress(i + 1, count);
        }
        outcome.findings = std::move(findings_);
        return outcome;
    }

private:
    void add(int32_t page, int32_t region, FindingSeverity severity, const std::string& text) {
        findings_.push_back(ProjectFinding{page, region, text, severity});
    }

    // False when the start page names no page: then nothing can be said of
    // which pages the device reaches.
    bool checkStartPage() {
        if (project_.paginaInicial.empty() || first_.count(project_.paginaInicial))
            return true;
        add(-1, -1, kError, "La p\xE1gina inicial " + quoted(project_.paginaInicial) + " no existe");
        return false;
    }

    size_t startPage() const {
        return project_.paginaInicial.empty() ? 0 : first_.at(project_.paginaInicial);
    }

    void checkPage(size_t index, bool duplicate, bool reached) {
        const Pagina& page = *project_.paginas[index];
        const int32_t p = static_cast<int32_t>(index);
        if (duplicate)
            add(p, -1, kWarning, "Otra p\xE1gina anterior tiene el mismo nombre: los saltos llegan s\xF3lo a aqu\xE9lla");
        // The file as it is now, where the device will ask for it: it may
        // have gone or changed since the project was opened.
        uint32_t width = page.pictureWidth();
        uint32_t height = page.pictureHeight();
        const std::string path = picturePath(project_.archivo, page.imagen);
        if (page.imagen.empty() || !Imagen::readSize(path, width, height) || !readsWhole(path))
            add(p, -1, kError, "Falta la imagen " + quoted(page.imagen) + " o no se puede leer");
        if (jumpsNowhere(page.comandoInicial, first_))
            add(p, -1, kError, "La funci\xF3n inicial salta a " + quoted(page.comandoInicial.pagina) + ", que no existe");
        if (bluetoothWithoutAddress(page.comandoInicial))
            add(p, -1, kError, "La funci\xF3n inicial es BlueTooth y no tiene MacAddr");
        if (!reached)
            add(p, -1, kWarning, "Ning\xFAn salto lleva a esta p\xE1gina desde la p\xE1gina inicial");
        for (size_t r = 0; r < page.regiones.size(); ++r)
            checkRegion(page, p, static_cast<int32_t>(r), width, height);
    }

    void checkRegion(const Pagina& page, int32_t p, int32_t r, uint32_t width, uint32_t height) {
        const Region& region = page.regiones[static_cast<size_t>(r)];
        const Comando& comando = region.comando;
        const std::string prefix = "Regi\xF3n " + std::to_string(r + 1) + ": ";
        if (jumpsNowhere(comando, first_))
            add(p, r, kError, prefix + "salta a " + quoted(comando.pagina) + ", que no existe");
        Rect box = cornersInOrder(region.coords);
        if (box.left == box.right || box.top == box.bottom)
            add(p, r, kError, prefix + "no tiene superficie");
        if (outside(box, width, height))
            add(p, r, kError, prefix + "sale de la imagen");
        if (comando.codigo.empty() && comando.pagina.empty())
            add(p, r, kWarning, prefix + "no hace nada (sin alias ni salto)");
        if (bluetoothWithoutAddress(comando))
            add(p, r, kError, prefix + "es BlueTooth y no tiene MacAddr");
    }

    // A copy cut short or damaged has a sound header: only reading it to the
    // end finds it. Pages sharing a picture read it once.
    bool readsWhole(const std::string& path) {
        auto known = readWhole_.find(path);
        if (known == readWhole_.end())
            known = readWhole_.emplace(path, pictureReadsWhole(path)).first;
        return known->second;
    }

    static bool outside(const Rect& box, uint32_t width, uint32_t height) {
        return box.left < 0 || box.top < 0 || box.right > static_cast<int64_t>(width) ||
               box.bottom > static_cast<int64_t>(height);
    }

    const Proyecto& project_;
    const CheckOptions& options_;
    FirstPageByName first_;
    std::vector<ProjectFinding> findings_;
    std::unordered_map<std::string, bool> readWhole_;
};

}  // namespace

std::vector<ProjectFinding> checkProject(const Proyecto& project, const CheckOptions& options) {
    return Checker(project, options).run(nullptr).findings;
}

CheckOutcome checkProject(const Proyecto& project, const CheckOptions& options, const CheckProgress& progress) {
    return Checker(project, options).run(progress);
}

std::string findingLine(const Proyecto& project, const ProjectFinding& finding) {
    if (finding.page < 0 || static_cast<size_t>(finding.page) >= project.paginas.size())
        return finding.text;
    return project.paginas[static_cast<size_t>(finding.page)]->nombre + ": " + finding.text;
}

const char* severityText(FindingSeverity severity) {
    return severity == FindingSeverity::Error ? "Error" : "Aviso";
}

namespace {

int compareIn(FindingColumn column, const ProjectFinding& a, const ProjectFinding& b) {
    auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (column) {
    case FindingColumn::Severity: return order(a.severity, b.severity);
    case FindingColumn::Page: return order(a.page, b.page);
    case FindingColumn::Region: return order(a.region, b.region);
    case FindingColumn::Text: return a.text.compare(b.text);
    }
    return 0;
}

}  // namespace

void sortFindings(std::vector<ProjectFinding>& findings, FindingColumn column, bool ascending) {
    std::stable_sort(findings.begin(), findings.end(), [&](const ProjectFinding& a, const ProjectFinding& b) {
        int compared = compareIn(column, a, b);
        return ascending ? compared < 0 : compared > 0;
    });
}

void putErrorsFirst(std::vector<ProjectFinding>& findings) {
    sortFindings(findings, FindingColumn::Severity, true);
}

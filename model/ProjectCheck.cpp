#include "ProjectCheck.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

#include "FileAccess.h"
#include "JumpGraph.h"
#include "PngWalk.h"
#include "Proyecto.h"
#include "base/SpanishOrder.h"

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

// A page is left by a jump or by going back; the device's own back key, if
// it has one, is not counted.
bool leadsOn(const Comando& comando) {
    return !comando.pagina.empty();
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Six pairs of hexadecimal digits with one separator, ':' or '-', throughout.
bool macWellFormed(const std::string& mac) {
    if (mac.size() != 17 || (mac[2] != ':' && mac[2] != '-'))
        return false;
    for (size_t i = 0; i < mac.size(); ++i) {
        bool separatorPlace = i % 3 == 2;
        if (separatorPlace ? mac[i] != mac[2] : !isHexDigit(mac[i]))
            return false;
    }
    return true;
}

bool bluetoothWithBadAddress(const Comando& comando) {
    return comando.tipoComunicacion == "bt" && !comando.btMacAddress.empty() && !macWellFormed(comando.btMacAddress);
}

const char kMacForm[] =
    "no tiene la forma 00:1A:2B:3C:4D:5E (seis pares hexadecimales separados por \":\" o \"-\")";

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// For each region, the first region before it in the page's order that it
// overlaps, or -1. Shared edges do not count: no finger can tell one pixel.
// A sweep from top to bottom compares each region only with those that
// cross its top edge, so a page of many regions side by side stays fast.
std::vector<int32_t> firstOverlapped(const std::vector<Region>& regions) {
    const size_t count = regions.size();
    std::vector<Rect> boxes(count);
    std::vector<size_t> byTop;
    byTop.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        boxes[i] = cornersInOrder(regions[i].coords);
        if (boxes[i].left < boxes[i].right && boxes[i].top < boxes[i].bottom)
            byTop.push_back(i);  // a region without area overlaps nothing
    }
    std::sort(byTop.begin(), byTop.end(), [&](size_t a, size_t b) { return boxes[a].top < boxes[b].top; });
    std::vector<int32_t> first(count, -1);
    std::vector<size_t> crossing;
    for (size_t current : byTop) {
        const Rect& box = boxes[current];
        crossing.erase(std::remove_if(crossing.begin(), crossing.end(),
                                      [&](size_t other) { return boxes[other].bottom <= box.top; }),
                       crossing.end());
        for (size_t other : crossing) {
            if (boxes[other].left >= box.right || box.left >= boxes[other].right)
                continue;
            size_t later = std::max(current, other);
            int32_t earlier = static_cast<int32_t>(std::min(current, other));
            if (first[later] < 0 || earlier < first[later])
                first[later] = earlier;
        }
        crossing.push_back(current);
    }
    return first;
}

// What the check found of one picture file as it is on disk now.
struct PictureFacts {
    std::string path;
    bool sized = false;  // its header reads
    uint32_t width = 0;
    uint32_t height = 0;
    int whole = -1;  // reads to its end: 1 or 0, -1 until read
};

// The shape pages are grouped by for their usual size. A square picture is
// neither landscape nor portrait: it is compared only with other square
// ones, so a square page among landscape screens is not reported.
int shapeOf(uint32_t width, uint32_t height) {
    return width > height ? 0 : width < height ? 1 : 2;
}

const char* const kShapeNames[] = {"apaisadas", "verticales", "cuadradas"};

constexpr FindingSeverity kError = FindingSeverity::Error;
constexpr FindingSeverity kWarning = FindingSeverity::Warning;

class Checker {
public:
    Checker(const Proyecto& project, const CheckOptions& options)
        : project_(project), options_(options), first_(firstPages(project)) {}

    CheckOutcome run(const CheckProgress& progress) {
        CheckOutcome outcome;
        checkStartPage();
        const JumpGraph graph(project_);
        const size_t count = project_.paginas.size();
        findUsualSizes();
        for (size_t i = 0; i < count && !outcome.stopped; ++i) {
            bool duplicate = first_.at(project_.paginas[i]->nombre) != i;
            checkPage(i, duplicate, !graph.unreachable(i));
            outcome.stopped = progress && !progress(i + 1, count);
        }
        outcome.findings = std::move(findings_);
        return outcome;
    }

private:
    void add(int32_t page, int32_t region, FindingSeverity severity, const std::string& text) {
        findings_.push_back(ProjectFinding{page, region, text, severity});
    }

    void checkStartPage() {
        if (!project_.paginaInicial.empty() && !first_.count(project_.paginaInicial))
            add(-1, -1, kError, "La p\xE1gina inicial " + quoted(project_.paginaInicial) + " no existe");
    }

    // The page the device shows first; the first page when the start page
    // names none.
    size_t startPage() const {
        if (project_.paginaInicial.empty())
            return 0;
        auto start = first_.find(project_.paginaInicial);
        return start == first_.end() ? 0 : start->second;
    }

    PictureFacts& factsOf(const Pagina& page) {
        const std::string path = picturePath(project_.archivo, page.imagen);
        auto known = pictures_.find(path);
        if (known == pictures_.end()) {
            PictureFacts facts;
            facts.path = path;
            facts.sized = !page.imagen.empty() && Imagen::readSize(path, facts.width, facts.height);
            known = pictures_.emplace(path, facts).first;
        }
        return known->second;
    }

    // A copy cut short or damaged has a sound header: only reading it to the
    // end finds it. Pages sharing a picture read it once.
    static bool readable(PictureFacts& facts) {
        if (facts.sized && facts.whole < 0)
            facts.whole = pictureReadsWhole(facts.path) ? 1 : 0;
        return facts.sized && facts.whole == 1;
    }

    // For each shape, the picture size more than half of its pages have, if
    // one does. Headers only: a page whose picture's size cannot be read is
    // left out.
    void findUsualSizes() {
        std::map<std::tuple<int, uint32_t, uint32_t>, size_t> pagesOfSize;
        size_t pagesOfShape[3] = {0, 0, 0};
        for (const auto& page : project_.paginas) {
            const PictureFacts& facts = factsOf(*page);
            if (!facts.sized)
                continue;
            int shape = shapeOf(facts.width, facts.height);
            ++pagesOfShape[shape];
            ++pagesOfSize[std::make_tuple(shape, facts.width, facts.height)];
        }
        for (const auto& size : pagesOfSize) {
            int shape = std::get<0>(size.first);
            if (2 * size.second > pagesOfShape[shape])
                usualSize_[shape] = {std::string(), true, std::get<1>(size.first), std::get<2>(size.first), -1};
        }
    }

    void checkUsualSize(const PictureFacts& facts, int32_t p) {
        if (!facts.sized)
            return;
        int shape = shapeOf(facts.width, facts.height);
        const PictureFacts& usual = usualSize_[shape];
        if (usual.sized && (usual.width != facts.width || usual.height != facts.height))
            add(p, -1, kWarning,
                "La imagen mide " + sizeText(facts.width, facts.height) + " y la mayor\xED" "a de las p\xE1ginas " +
                    kShapeNames[shape] + " miden " + sizeText(usual.width, usual.height));
    }

    static std::string sizeText(int64_t width, int64_t height) {
        return std::to_string(width) + " x " + std::to_string(height);
    }

    bool hasWayOn(const Pagina& page) const {
        if (leadsOn(page.comandoInicial))
            return true;
        return std::any_of(page.regiones.begin(), page.regiones.end(),
                           [](const Region& region) { return leadsOn(region.comando); });
    }

    void checkPage(size_t index, bool duplicate, bool reached) {
        const Pagina& page = *project_.paginas[index];
        const int32_t p = static_cast<int32_t>(index);
        if (duplicate)
            add(p, -1, kWarning, "Otra p\xE1gina anterior tiene el mismo nombre: los saltos llegan s\xF3lo a aqu\xE9lla");
        // The file as it is now, where the device will ask for it: it may
        // have gone or changed since the project was opened.
        PictureFacts& facts = factsOf(page);
        const uint32_t width = facts.sized ? facts.width : page.pictureWidth();
        const uint32_t height = facts.sized ? facts.height : page.pictureHeight();
        if (!readable(facts))
            add(p, -1, kError, "Falta la imagen " + quoted(page.imagen) + " o no se puede leer");
        checkUsualSize(facts, p);
        if (jumpsNowhere(page.comandoInicial, first_))
            add(p, -1, kError, "La funci\xF3n inicial salta a " + quoted(page.comandoInicial.pagina) + ", que no existe");
        if (bluetoothWithoutAddress(page.comandoInicial))
            add(p, -1, kError, "La funci\xF3n inicial es BlueTooth y no tiene MacAddr");
        if (bluetoothWithBadAddress(page.comandoInicial))
            add(p, -1, kWarning,
                "La MacAddr " + quoted(page.comandoInicial.btMacAddress) + " de la funci\xF3n inicial " + kMacForm);
        if (!reached)
            add(p, -1, kWarning, "Ning\xFAn salto lleva a esta p\xE1gina desde la p\xE1gina inicial");
        if (index != startPage() && !hasWayOn(page))
            add(p, -1, kWarning,
                "No tiene salida: ninguna regi\xF3n ni la funci\xF3n inicial salta a otra p\xE1gina o vuelve atr\xE1s");
        const std::vector<int32_t> overlapped = firstOverlapped(page.regiones);
        for (size_t r = 0; r < page.regiones.size(); ++r)
            checkRegion(page, p, static_cast<int32_t>(r), width, height, overlapped[r]);
    }

    void checkRegion(const Pagina& page, int32_t p, int32_t r, uint32_t width, uint32_t height, int32_t overlapped) {
        const Region& region = page.regiones[static_cast<size_t>(r)];
        const Comando& comando = region.comando;
        auto addForRegion = [&](FindingSeverity severity, const std::string& text) {
            add(p, r, severity, "Regi\xF3n " + std::to_string(r + 1) + ": " + text);
        };
        if (jumpsNowhere(comando, first_))
            addForRegion(kError, "salta a " + quoted(comando.pagina) + ", que no existe");
        Rect box = cornersInOrder(region.coords);
        const int64_t boxWidth = int64_t{box.right} - box.left;
        const int64_t boxHeight = int64_t{box.bottom} - box.top;
        if (boxWidth == 0 || boxHeight == 0)
            addForRegion(kError, "no tiene superficie");
        else if (boxWidth < options_.minButtonSize || boxHeight < options_.minButtonSize)
            addForRegion(kWarning, "mide " + sizeText(boxWidth, boxHeight) + " p\xEDxeles, menos que el m\xEDnimo de " +
                                       std::to_string(options_.minButtonSize) + " para un dedo");
        if (outside(box, width, height))
            addForRegion(kError, "sale de la imagen");
        if (overlapped >= 0)
            addForRegion(kWarning, "se solapa con la regi\xF3n " + std::to_string(overlapped + 1) +
                                       "; un toque en la parte com\xFAn va a la primera en el orden de la p\xE1gina");
        if (comando.codigo.empty() && comando.pagina.empty())
            addForRegion(kWarning, "no hace nada (sin alias ni salto)");
        if (bluetoothWithoutAddress(comando))
            addForRegion(kError, "es BlueTooth y no tiene MacAddr");
        if (bluetoothWithBadAddress(comando))
            addForRegion(kWarning, "la MacAddr " + quoted(comando.btMacAddress) + " " + kMacForm);
    }

    static bool outside(const Rect& box, uint32_t width, uint32_t height) {
        return box.left < 0 || box.top < 0 || box.right > static_cast<int64_t>(width) ||
               box.bottom > static_cast<int64_t>(height);
    }

    const Proyecto& project_;
    const CheckOptions& options_;
    FirstPageByName first_;
    std::vector<ProjectFinding> findings_;
    std::unordered_map<std::string, PictureFacts> pictures_;
    PictureFacts usualSize_[3];  // by shape; `sized` when there is one
};

}  // namespace

std::vector<ProjectFinding> checkProject(const Proyecto& project, const CheckOptions& options) {
    return Checker(project, options).run(nullptr).findings;
}

CheckOutcome checkProject(const Proyecto& project, const CheckOptions& options, const CheckProgress& progress) {
    return Checker(project, options).run(progress);
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
    case FindingColumn::Text: return compareSpanish(a.text, b.text);
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

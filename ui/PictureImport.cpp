#include "PictureImport.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Imagen.h"
#include "model/Proyecto.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

unsigned char folded(char c) {
    return upperCp1252(static_cast<unsigned char>(c));
}

// Compares the digit runs starting at a[i] and b[j] by value and moves past
// them; leading zeros do not count.
int compareNumbers(const std::string& a, size_t& i, const std::string& b, size_t& j) {
    while (i < a.size() && a[i] == '0' && i + 1 < a.size() && isDigit(a[i + 1]))
        ++i;
    while (j < b.size() && b[j] == '0' && j + 1 < b.size() && isDigit(b[j + 1]))
        ++j;
    size_t endA = i, endB = j;
    while (endA < a.size() && isDigit(a[endA]))
        ++endA;
    while (endB < b.size() && isDigit(b[endB]))
        ++endB;
    int order = endA - i < endB - j ? -1 : endA - i > endB - j ? 1 : a.compare(i, endA - i, b, j, endB - j);
    i = endA;
    j = endB;
    return order;
}

int naturalCompare(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const int order = compareNumbers(a, i, b, j);
            if (order != 0)
                return order;
            continue;
        }
        if (folded(a[i]) != folded(b[j]))
            return folded(a[i]) < folded(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return i < a.size() ? 1 : j < b.size() ? -1 : 0;
}

bool sameBytes(FileAccess& files, const std::string& one, const std::string& other) {
    std::string first, second;
    return readWholeFile(files, one, first) && readWholeFile(files, other, second) && first == second;
}

}  // namespace

bool naturalLess(const std::string& a, const std::string& b) {
    const int order = naturalCompare(a, b);
    return order != 0 ? order < 0 : a < b;
}

PictureImport::PictureImport(const std::vector<std::string>& paths, const Proyecto& project, FileAccess& files)
    : files_(files), folder_(folderOf(project.archivo)) {
    std::vector<std::string> sorted = paths;
    std::sort(sorted.begin(), sorted.end(),
              [](const std::string& a, const std::string& b) { return naturalLess(baseNameOf(a), baseNameOf(b)); });
    for (const std::string& path : sorted)
        choose(path);
}

void PictureImport::choose(const std::string& path) {
    Chosen chosen;
    chosen.path = path;
    chosen.picture.name = baseNameOf(path);
    const std::string& name = chosen.picture.name;
    if (!isSafePictureName(name)) {
        refuse(name.empty() ? path : name, "nombre de archivo no admitido");
        return;
    }
    for (const Chosen& earlier : chosen_)
        if (equalIgnoringCase(earlier.picture.name, name)) {
            refuse(name, "otro archivo elegido tiene el mismo nombre");
            return;
        }
    if (!Imagen::readSize(path, chosen.picture.width, chosen.picture.height)) {
        refuse(name, "no es una imagen PNG que el programa pueda usar");
        return;
    }
    chosen.target = folder_ + name;
    chosen.copies = !equalIgnoringCase(path, chosen.target);
    if (chosen.copies && files_.exists(chosen.target)) {
        chosen.copies = !sameBytes(files_, path, chosen.target);
        chosen.conflicts = chosen.copies;
    }
    chosen_.push_back(chosen);
}

void PictureImport::refuse(const std::string& name, const std::string& reason) {
    refusals_.push_back(name + ": " + reason);
}

std::vector<std::string> PictureImport::conflictingNames() const {
    std::vector<std::string> names;
    for (const Chosen& chosen : chosen_)
        if (chosen.conflicts)
            names.push_back(chosen.picture.name);
    return names;
}

std::vector<std::string> PictureImport::pagesUsingConflicts(const Proyecto& project, const Pagina* except) const {
    std::vector<std::string> names;
    for (const auto& page : project.paginas) {
        if (page.get() == except)
            continue;
        for (const Chosen& chosen : chosen_)
            if (chosen.conflicts && equalIgnoringCase(page->imagen, chosen.picture.name)) {
                names.push_back(page->nombre);
                break;
            }
    }
    return names;
}

void PictureImport::setConflictAnswer(ReplaceAnswer answer) {
    if (answer == ReplaceAnswer::Stop) {
        chosen_.clear();
        return;
    }
    for (Chosen& chosen : chosen_) {
        if (!chosen.conflicts || answer == ReplaceAnswer::Replace)
            continue;
        // The file already there is the page's picture, at its own size.
        chosen.copies = false;
        chosen.conflicts = false;
        if (!Imagen::readSize(chosen.target, chosen.picture.width, chosen.picture.height))
            chosen.picture.width = chosen.picture.height = 0;
    }
}

std::vector<std::string> PictureImport::resizedPages(const Proyecto& project) const {
    std::vector<std::string> names;
    for (const auto& page : project.paginas)
        for (const Chosen& chosen : chosen_)
            if (equalIgnoringCase(page->imagen, chosen.picture.name) && chosen.picture.width > 0 &&
                (static_cast<uint32_t>(page->recordedAncho()) != chosen.picture.width ||
                 static_cast<uint32_t>(page->recordedAlto()) != chosen.picture.height))
                names.push_back(page->nombre);
    return names;
}

void PictureImport::copy() {
    auto failed = [this](const Chosen& chosen) {
        if (!chosen.copies || copyMakingFolders(files_, chosen.path, chosen.target))
            return false;
        refuse(chosen.picture.name, "no se pudo copiar junto al proyecto");
        return true;
    };
    chosen_.erase(std::remove_if(chosen_.begin(), chosen_.end(), failed), chosen_.end());
    for (Chosen& chosen : chosen_)
        chosen.copies = chosen.conflicts = false;
}

std::vector<PictureFile> PictureImport::pictures() const {
    std::vector<PictureFile> accepted;
    for (const Chosen& chosen : chosen_)
        accepted.push_back(chosen.picture);
    return accepted;
}

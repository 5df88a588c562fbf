#include "Proyecto.h"

#include <algorithm>

Proyecto::Proyecto() = default;

Proyecto::Proyecto(const Proyecto& other)
    : archivo(other.archivo), instalacion(other.instalacion), paginaInicial(other.paginaInicial) {
    for (const auto& page : other.paginas)
        paginas.push_back(std::make_unique<Pagina>(*page));
}

Proyecto::~Proyecto() {
    paginas.clear();
    guardado.reset();
}

void Proyecto::reset() {
    paginas.clear();
    archivo.clear();
    instalacion.clear();
    paginaInicial.clear();
    guardado.reset();
}

Pagina* Proyecto::findPage(const std::string& nombre) const {
    for (const auto& page : paginas)
        if (page->nombre == nombre)
            return page.get();
    return nullptr;
}

std::vector<std::string> Proyecto::pageNames() const {
    std::vector<std::string> names;
    names.reserve(paginas.size());
    for (const auto& page : paginas)
        names.push_back(page->nombre);
    return names;
}

void Proyecto::addPage(std::unique_ptr<Pagina> page) {
    paginas.push_back(std::move(page));
}

void Proyecto::removePage(const std::string& nombre) {
    auto found = std::find_if(paginas.begin(), paginas.end(),
                              [&](const std::unique_ptr<Pagina>& page) { return page->nombre == nombre; });
    removePageAt(static_cast<size_t>(found - paginas.begin()));
}

void Proyecto::removePageAt(size_t index) {
    if (index >= paginas.size())
        return;
    // The start page is compared with the name before the page is destroyed.
    std::unique_ptr<Pagina> removed = std::move(paginas[index]);
    paginas.erase(paginas.begin() + static_cast<std::ptrdiff_t>(index));
    if (paginaInicial == removed->nombre)
        paginaInicial.clear();
}

namespace {

// The name without a trailing " (n)" of two or more, and that n; 1 without one.
std::string copyStem(const std::string& nombre, unsigned long& number) {
    number = 1;
    const size_t open = nombre.rfind(" (");
    if (open == std::string::npos || nombre.back() != ')')
        return nombre;
    const std::string digits = nombre.substr(open + 2, nombre.size() - open - 3);
    if (digits.empty() || digits.size() > 9 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return nombre;
    const unsigned long found = std::stoul(digits);
    if (found < 2)
        return nombre;
    number = found;
    return nombre.substr(0, open);
}

}  // namespace

std::string Proyecto::copyName(const std::string& nombre) const {
    unsigned long number = 1;
    const std::string stem = copyStem(nombre, number);
    // One of the next pages+1 numbers is always free.
    for (;;) {
        std::string candidate = stem + " (" + std::to_string(++number) + ")";
        if (!findPage(candidate))
            return candidate;
    }
}

std::string Proyecto::uniqueName(const std::string& nombre) const {
    return findPage(nombre) ? copyName(nombre) : nombre;
}

Pagina* Proyecto::duplicatePage(size_t index) {
    if (index >= paginas.size())
        return nullptr;
    auto copy = std::make_unique<Pagina>(*paginas[index]);
    copy->nombre = copyName(paginas[index]->nombre);
    auto at = paginas.insert(paginas.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(copy));
    return at->get();
}

bool Proyecto::operator==(const Proyecto& other) const {
    if (archivo != other.archivo || instalacion != other.instalacion || paginaInicial != other.paginaInicial)
        return false;
    if (paginas.size() != other.paginas.size())
        return false;
    for (size_t i = 0; i < paginas.size(); ++i)
        if (*paginas[i] != *other.paginas[i])
            return false;
    return true;
}

void Proyecto::takeSnapshot() {
    guardado.reset();
    guardado.reset(new Proyecto(*this));
}

bool Proyecto::isBlank() const {
    return instalacion.empty() && archivo.empty() && paginas.empty();
}

bool Proyecto::hasUnsavedChanges() const {
    if (isBlank())
        return false;
    return !guardado || *this != *guardado;
}

// The editor's document: the installation, its pages and the copy taken at
// the last load or save, against which unsaved changes are found.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Pagina.h"

class Proyecto {
public:
    std::string archivo;  // project file path; "" until saved or loaded
    std::vector<std::unique_ptr<Pagina>> paginas;
    std::string instalacion;
    std::string paginaInicial;  // "" means the first page
    std::unique_ptr<Proyecto> guardado;

    Proyecto();
    // Deep copy without `guardado`; pages hold no pixels, so none are decoded.
    Proyecto(const Proyecto& other);
    Proyecto& operator=(const Proyecto&) = delete;
    ~Proyecto();

    void reset();
    // The first page named exactly `nombre`, or null.
    Pagina* findPage(const std::string& nombre) const;
    std::vector<std::string> pageNames() const;
    void addPage(std::unique_ptr<Pagina> page);
    // Removes the first page named `nombre`; clears `paginaInicial` if it named it.
    void removePage(const std::string& nombre);
    // Removes page `index`, if there is one, the same way.
    void removePageAt(size_t index);
    // A name no page has for a copy of page `nombre`: "Inicio (2)", then
    // "Inicio (3)", ...; a name that already ends in " (n)" counts on from n.
    std::string copyName(const std::string& nombre) const;
    // `nombre` itself while no page has it, else copyName(nombre).
    std::string uniqueName(const std::string& nombre) const;
    // Puts a copy of page `index` right after it, named by copyName; the
    // copy, or null without such a page.
    Pagina* duplicatePage(size_t index);

    // Compares the texts and the pages in order; not `guardado`.
    bool operator==(const Proyecto& other) const;
    bool operator!=(const Proyecto& other) const { return !(*this == other); }

    // Replaces `guardado` with a copy of the project.
    void takeSnapshot();
    bool isBlank() const;
    bool hasUnsavedChanges() const;
};

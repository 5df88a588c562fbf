// What the project dialog decides, free of any window system: the start page
// it selects and what it accepts.
#pragma once

#include <string>
#include <vector>

#include "base/FormCheck.h"

class ProyectoForm {
public:
    // `pageNames` null for a new project; the list must outlive the form.
    ProyectoForm(const std::string& instalacion, const std::string& paginaInicial,
                 const std::vector<std::string>* pageNames);

    // The start page list: every page name in project order.
    std::vector<std::string> listEntries() const;
    // The entry of the start page (the last of that name), else the first
    // page; -1 when the list is empty.
    int listSelection() const;

    // Reads back the typed installation name and the selected entry (-1 for
    // none), keeps them and checks them.
    FormCheck accept(const std::string& instalacionText, int selectedEntry);

    std::string instalacion;
    std::string paginaInicial;
    const std::vector<std::string>* pageNames;
};

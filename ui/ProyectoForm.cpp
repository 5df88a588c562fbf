#include "ProyectoForm.h"

#include "base/resource.h"
#include "base/Trim.h"

ProyectoForm::ProyectoForm(const std::string& instalacion, const std::string& paginaInicial,
                           const std::vector<std::string>* pageNames)
    : instalacion(instalacion), paginaInicial(paginaInicial), pageNames(pageNames) {}

std::vector<std::string> ProyectoForm::listEntries() const {
    return pageNames ? *pageNames : std::vector<std::string>();
}

int ProyectoForm::listSelection() const {
    if (!pageNames || pageNames->empty())
        return -1;
    for (size_t i = pageNames->size(); i-- > 0;) {
        if ((*pageNames)[i] == paginaInicial)
            return static_cast<int>(i);
    }
    return 0;
}

FormCheck ProyectoForm::accept(const std::string& instalacionText, int selectedEntry) {
    instalacion = trim(instalacionText);
    // No selection, or one outside the list, leaves the start page as it
    // was rather than reading past the names.
    if (pageNames && selectedEntry >= 0 && static_cast<size_t>(selectedEntry) < pageNames->size())
        paginaInicial = (*pageNames)[selectedEntry];
    if (instalacion.empty())
        return FormCheck::refuse("Se debe definir el nombre de la instalacion", IDC_PROYECTO_INSTALACION);
    return FormCheck::ok();
}

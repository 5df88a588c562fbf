#include "PaginaForm.h"

#include <algorithm>

#include "base/resource.h"
#include "ui/ComandoForm.h"
#include "base/Trim.h"

PaginaForm::PaginaForm(const std::string& nombre, const std::string& orientaciones,
                       const std::string& imagen, const Comando* comando,
                       const std::vector<std::string>& otherNames)
    : nombre(nombre), orientaciones(orientaciones), imagen(imagen), otherNames_(otherNames) {
    if (comando)
        comandoInicial = *comando;
}

bool PaginaForm::verticalTicked() const {
    return orientaciones.empty() || orientaciones.find('V') != std::string::npos;
}

bool PaginaForm::horizontalTicked() const {
    return orientaciones.empty() || orientaciones.find('H') != std::string::npos;
}

FormCheck PaginaForm::accept(const std::string& nombreText, const std::string& imagenText,
                             bool vertical, bool horizontal) {
    nombre = trim(nombreText);
    imagen = trim(imagenText);
    orientaciones = std::string(vertical ? "V" : "") + (horizontal ? "H" : "");

    const FormCheck named = checkName(nombre, otherNames_, IDC_PAGINA_NOMBRE);
    if (!named.accepted)
        return named;
    if (imagen.empty())
        return FormCheck::refuse("Se debe definir el nombre de la imagen", 0);

    if (orientaciones.empty())
        orientaciones = "VH";
    return FormCheck::ok();
}

FormCheck PaginaForm::checkName(const std::string& nombre, const std::vector<std::string>& otherNames,
                                int focusControl) {
    if (nombre.empty())
        return FormCheck::refuse("El nombre no puede estar vac\xED" "o", focusControl);
    // "/back" as a jump target means going back, so no page may carry it.
    if (nombre == kBackTarget)
        return FormCheck::refuse(std::string("El nombre no puede ser ") + kBackTarget, focusControl);
    if (std::find(otherNames.begin(), otherNames.end(), nombre) != otherNames.end())
        return FormCheck::refuse("Ya existe una p\xE1gina con ese nombre", focusControl);
    return FormCheck::ok();
}

std::string PaginaForm::commandSummary(const Comando& comando) {
    std::string text = "sector: " + comando.sector + " conectividad:" + comando.tipoComunicacion +
                       " alias:" + comando.codigo;
    if (comando.tipoComunicacion == "bt")
        text += " bt:" + comando.btMacAddress;
    return text;
}

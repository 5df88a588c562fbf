// What the page dialog decides, free of any window system: the boxes it
// ticks, the command summary it shows and what it accepts.
#pragma once

#include <string>
#include <vector>

#include "model/Comando.h"
#include "base/FormCheck.h"

class PaginaForm {
public:
    // `comando` null starts with an empty command. `otherNames` are the names
    // of the project's other pages: a page shown by name must keep its own.
    PaginaForm(const std::string& nombre, const std::string& orientaciones,
               const std::string& imagen, const Comando* comando,
               const std::vector<std::string>& otherNames = {});

    // An empty orientation set shows both boxes ticked.
    bool verticalTicked() const;
    bool horizontalTicked() const;
    std::string summary() const { return commandSummary(comandoInicial); }

    // Reads back the typed texts and the two boxes, keeps the trimmed values
    // and checks them. Neither box ticked is accepted as "VH".
    FormCheck accept(const std::string& nombreText, const std::string& imagenText,
                     bool vertical, bool horizontal);

    // The rules for a page's name (already trimmed), shared with the rename
    // in place of the page pane.
    static FormCheck checkName(const std::string& nombre, const std::vector<std::string>& otherNames,
                               int focusControl);

    // The one-line description of a command shown in the page dialog.
    static std::string commandSummary(const Comando& comando);

    std::string nombre;
    std::string orientaciones;
    std::string imagen;
    Comando comandoInicial;

private:
    std::vector<std::string> otherNames_;
};

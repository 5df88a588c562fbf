// What a region or a page start sends: a code to a sector, a page jump, or both.
#pragma once

#include <string>

struct Comando {
    std::string sector;
    std::string codigo;
    std::string pagina;            // "" no jump, "/back" back, else a page name
    std::string tipoComunicacion;  // "wifi", "bt", or "" when never edited
    std::string btMacAddress;

    bool operator==(const Comando& other) const {
        return sector == other.sector && codigo == other.codigo && pagina == other.pagina &&
               tipoComunicacion == other.tipoComunicacion && btMacAddress == other.btMacAddress;
    }
    bool operator!=(const Comando& other) const { return !(*this == other); }
};

// The "Página" dialog: name, orientations, picture and start command of a page.
// Win32 layer (wineg++).
#pragma once

#include <string>

#include "app/Dialog.h"
#include "model/Comando.h"

class PaginaDlg : public Dialog {
public:
    // `comando` null starts with an empty command.
    PaginaDlg(HWND owner, const std::string& nombre, const std::string& orientaciones,
              const std::string& imagen, const Comando* comando);

    // Read only after runModal() returned 1.
    std::string nombre;
    std::string orientaciones;
    std::string imagen;
    Comando comandoInicial;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD notifyLow, WORD notifyHigh) override;
};

// The "Función" dialog: edits one command. Win32 layer (wineg++).
#pragma once

#include <string>
#include <vector>

#include "app/Dialog.h"
#include "model/Comando.h"

class ComandoDlg : public Dialog {
public:
    // `pageNames` null disables the jump list; it must outlive the dialog.
    ComandoDlg(HWND owner, const Comando& comando, const std::vector<std::string>* pageNames);

    // The edited command; read it only after runModal() returned 1.
    Comando comando() const;

    std::string sector;
    std::string codigo;
    std::string pagina;
    std::string tipoComunicacion;
    std::string btMacAddress;
    const std::vector<std::string>* pageNames;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
};

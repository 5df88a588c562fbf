// The "Proyecto" dialog: installation name and start page. Win32 layer (wineg++).
#pragma once

#include <string>
#include <vector>

#include "app/Dialog.h"

class ProyectoDlg : public Dialog {
public:
    // `pageNames` null for a new project; it must outlive the dialog.
    ProyectoDlg(HWND owner, const std::string& instalacion, const std::string& paginaInicial,
                const std::vector<std::string>* pageNames);

    // Read only after runModal() returned 1.
    std::string instalacion;
    std::string paginaInicial;
    const std::vector<std::string>* pageNames;

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
};

// The "Proyecto" dialog: installation name and start page.
// ProyectoForm decides; this class moves text in and out of the controls.
#pragma once

#include <string>
#include <vector>

#include "win32/Dialog.h"
#include "ui/ProyectoForm.h"

// The edited values are ProyectoForm's fields: instalacion, paginaInicial,
// pageNames.
class ProyectoDlg : public Dialog, public ProyectoForm {
public:
    // `pageNames` null for a new project; it must outlive the dialog.
    // Read the edited values only after runModal() returned 1.
    ProyectoDlg(HWND owner, const std::string& instalacion, const std::string& paginaInicial,
                const std::vector<std::string>* pageNames);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
};

// The check's options ("Opciones..." of "Verificar proyecto"): the minimum
// button size. CheckOptionsForm decides; OK keeps the size for this user.
#pragma once

#include "ui/CheckOptionsForm.h"
#include "win32/Dialog.h"

class VerificarOpcionesDlg : public Dialog, public CheckOptionsForm {
public:
    VerificarOpcionesDlg(HWND owner, const CheckOptions& options);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
};

// The "Funcion" dialog: edits one command. What it shows and
// accepts is decided by ComandoForm; this class only moves text in and out of
// the controls.
#pragma once

#include <string>
#include <vector>

#include "win32/Dialog.h"
#include "model/Comando.h"
#include "ui/ComandoForm.h"

// The edited values are ComandoForm's fields: sector, codigo, pagina,
// tipoComunicacion, btMacAddress, pageNames, and comando().
class ComandoDlg : public Dialog, public ComandoForm {
public:
    // `pageNames` null disables the jump list; it must outlive the dialog.
    // Read the edited command only after runModal() returned 1.
    ComandoDlg(HWND owner, const Comando& comando, const std::vector<std::string>* pageNames);

    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;

private:
    void fillJumpList(HWND dialog);
};

// Offers one recovery copy found at start: "Recuperar" (the default) or
// "Descartar". A copy that cannot be read can only be discarded. Closing
// the dialog leaves the copy for the next start.
#pragma once

#include <string>

#include "win32/Dialog.h"

class RecuperarDlg : public Dialog {
public:
    // `description` names the project and the time of the copy, `archivo`
    // the project file it stands for.
    RecuperarDlg(HWND owner, const std::string& description, const std::string& archivo, bool recoverable);

    // runModal gives IDOK (recover), IDC_RECUPERAR_DESCARTAR or IDCANCEL.
    INT_PTR onInitDialog() override;
    INT_PTR onOk() override;
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override;

private:
    std::string description_;
    std::string archivo_;
    bool recoverable_;
};

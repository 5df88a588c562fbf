#include "ui/win32/VerificarOpcionesDlg.h"

#include "base/resource.h"
#include "model/Settings.h"
#include "win32/DialogRefusal.h"

VerificarOpcionesDlg::VerificarOpcionesDlg(HWND owner, const CheckOptions& options)
    : Dialog(owner, IDD_VERIFICAR_OPCIONES), CheckOptionsForm(options) {}

INT_PTR VerificarOpcionesDlg::onInitDialog() {
    HWND field = GetDlgItem(hwnd(), IDC_OPCIONES_TAMANO_MINIMO);
    SetWindowTextA(field, sizeText().c_str());
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
}

INT_PTR VerificarOpcionesDlg::onOk() {
    FormCheck check = accept(getItemText(IDC_OPCIONES_TAMANO_MINIMO));
    if (!check.accepted) {
        showRefusal(hwnd(), check);
        return TRUE;
    }
    remember(Settings::current());
    close(IDOK);
    return TRUE;
}

#include "ui/win32/RecuperarDlg.h"

#include "base/resource.h"

RecuperarDlg::RecuperarDlg(HWND owner, const std::string& description, const std::string& archivo,
                           bool recoverable)
    : Dialog(owner, IDD_RECUPERAR), description_(description), archivo_(archivo), recoverable_(recoverable) {}

INT_PTR RecuperarDlg::onInitDialog() {
    SetDlgItemTextA(hwnd(), IDC_RECUPERAR_TEXTO, description_.c_str());
    SetDlgItemTextA(hwnd(), IDC_RECUPERAR_ARCHIVO, archivo_.c_str());
    if (recoverable_)
        return TRUE;
    // Only "Descartar" is left, and Enter presses it.
    EnableWindow(GetDlgItem(hwnd(), IDOK), FALSE);
    SendMessageA(hwnd(), DM_SETDEFID, IDC_RECUPERAR_DESCARTAR, 0);
    SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd(), IDC_RECUPERAR_DESCARTAR)), TRUE);
    return FALSE;
}

INT_PTR RecuperarDlg::onOk() {
    if (recoverable_)
        close(IDOK);
    return 1;
}

INT_PTR RecuperarDlg::onCommand(WPARAM wParam, WORD, WORD) {
    if (LOWORD(wParam) != IDC_RECUPERAR_DESCARTAR)
        return 0;
    close(IDC_RECUPERAR_DESCARTAR);
    return 1;
}

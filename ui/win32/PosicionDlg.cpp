#include "ui/win32/PosicionDlg.h"

#include "base/resource.h"
#include "win32/DialogRefusal.h"

namespace {

const int kFields[] = {IDC_POSICION_IZQUIERDA, IDC_POSICION_ARRIBA, IDC_POSICION_ANCHO, IDC_POSICION_ALTO};

}  // namespace

PosicionDlg::PosicionDlg(HWND owner, const PlacementForm& form) : Dialog(owner, IDD_POSICION), form(form) {}

INT_PTR PosicionDlg::onInitDialog() {
    for (int field : kFields)
        SetDlgItemTextA(hwnd(), field, form.text(field).c_str());
    EnableWindow(GetDlgItem(hwnd(), IDC_POSICION_ANCHO), form.sizeTyped());
    EnableWindow(GetDlgItem(hwnd(), IDC_POSICION_ALTO), form.sizeTyped());
    return TRUE;
}

INT_PTR PosicionDlg::onOk() {
    const FormCheck check = form.accept(getItemText(IDC_POSICION_IZQUIERDA), getItemText(IDC_POSICION_ARRIBA),
                                        getItemText(IDC_POSICION_ANCHO), getItemText(IDC_POSICION_ALTO));
    if (!check.accepted) {
        showRefusal(hwnd(), check);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

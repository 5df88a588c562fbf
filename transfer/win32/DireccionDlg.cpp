#include "transfer/win32/DireccionDlg.h"

#include "base/resource.h"
#include "transfer/DeviceAddress.h"
#include "win32/DialogRefusal.h"

namespace {

const char kRefusal[] =
    "La direcci\xF3n no es v\xE1lida. Escriba la que muestra el dispositivo: cuatro n\xFAmeros de 0 a 255 "
    "separados por puntos, sin ceros a la izquierda (por ejemplo 192.168.1.20).";

}  // namespace

DireccionDlg::DireccionDlg(HWND owner, const std::vector<std::string>& remembered)
    : Dialog(owner, IDD_DIRECCION), remembered_(remembered) {}

INT_PTR DireccionDlg::onInitDialog() {
    HWND combo = GetDlgItem(hwnd(), IDC_DIRECCION_COMBO);
    for (const std::string& each : remembered_)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(each.c_str()));
    if (!remembered_.empty())
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE);
    return FALSE;
}

INT_PTR DireccionDlg::onOk() {
    if (!parseDeviceAddress(getItemText(IDC_DIRECCION_COMBO), address)) {
        showRefusal(hwnd(), FormCheck::refuse(kRefusal, IDC_DIRECCION_COMBO));
        return 1;
    }
    close(IDOK);
    return 1;
}

#include "ui/win32/ProyectoDlg.h"

#include "base/resource.h"
#include "win32/DialogRefusal.h"

ProyectoDlg::ProyectoDlg(HWND owner, const std::string& instalacion, const std::string& paginaInicial,
                         const std::vector<std::string>* pageNames)
    : Dialog(owner, IDD_PROYECTO), ProyectoForm(instalacion, paginaInicial, pageNames) {}

INT_PTR ProyectoDlg::onInitDialog() {
    HWND dialog = hwnd();
    SetDlgItemTextA(dialog, IDC_PROYECTO_INSTALACION, instalacion.c_str());
    for (const std::string& name : listEntries())
        SendDlgItemMessageA(dialog, IDC_PROYECTO_PAGINAS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    int selection = listSelection();
    if (selection >= 0)
        SendDlgItemMessageA(dialog, IDC_PROYECTO_PAGINAS, LB_SETCURSEL, selection, 0);
    SetFocus(GetDlgItem(dialog, IDC_PROYECTO_INSTALACION));
    return FALSE;  // the focus is set
}

INT_PTR ProyectoDlg::onOk() {
    HWND dialog = hwnd();
    int selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PROYECTO_PAGINAS, LB_GETCURSEL, 0, 0));
    FormCheck check = accept(getItemText(IDC_PROYECTO_INSTALACION), selected);
    if (!check.accepted) {
        showRefusal(dialog, check);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

#include "ui/win32/ComandoDlg.h"

#include "base/resource.h"
#include "win32/DialogRefusal.h"

ComandoDlg::ComandoDlg(HWND owner, const Comando& comando, const std::vector<std::string>* pageNames)
    : Dialog(owner, IDD_COMANDO), ComandoForm(comando, pageNames) {}

INT_PTR ComandoDlg::onInitDialog() {
    HWND dialog = hwnd();
    SetDlgItemTextA(dialog, IDC_COMANDO_SECTOR, sector.c_str());
    SetDlgItemTextA(dialog, IDC_COMANDO_CODIGO, codigo.c_str());
    SetDlgItemTextA(dialog, IDC_COMANDO_MAC, btMacAddress.c_str());
    CheckRadioButton(dialog, IDC_COMANDO_WIFI, IDC_COMANDO_BT,
                     bluetoothTicked() ? IDC_COMANDO_BT : IDC_COMANDO_WIFI);
    SetFocus(GetDlgItem(dialog, initialFocus()));
    fillJumpList(dialog);
    return FALSE;  // the focus is set
}

void ComandoDlg::fillJumpList(HWND dialog) {
    if (!jumpListEnabled()) {
        EnableWindow(GetDlgItem(dialog, IDC_COMANDO_SALTO), FALSE);
        return;
    }
    for (const std::string& entry : jumpEntries())
        SendDlgItemMessageA(dialog, IDC_COMANDO_SALTO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendDlgItemMessageA(dialog, IDC_COMANDO_SALTO, CB_SETCURSEL, jumpSelection(), 0);
}

INT_PTR ComandoDlg::onOk() {
    HWND dialog = hwnd();
    // The jump list's edit field may hold typed text that no entry is
    // selected for, or a prefix match the list selected by itself: both the
    // text and the selection go to the form, which decides.
    int jumpEntry = -1;
    std::string jumpText;
    if (jumpListEnabled()) {
        jumpEntry = static_cast<int>(SendDlgItemMessageA(dialog, IDC_COMANDO_SALTO, CB_GETCURSEL, 0, 0));
        jumpText = getItemText(IDC_COMANDO_SALTO);
    }
    bool bluetooth = IsDlgButtonChecked(dialog, IDC_COMANDO_BT) == BST_CHECKED;
    FormCheck check = accept(getItemText(IDC_COMANDO_SECTOR), getItemText(IDC_COMANDO_CODIGO),
                             getItemText(IDC_COMANDO_MAC), bluetooth, jumpText, jumpEntry);
    if (!check.accepted) {
        showRefusal(dialog, check);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

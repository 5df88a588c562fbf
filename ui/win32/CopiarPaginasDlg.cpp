#include "ui/win32/CopiarPaginasDlg.h"

#include <commctrl.h>

#include "base/resource.h"

CopiarPaginasDlg::CopiarPaginasDlg(HWND owner, const std::vector<std::string>& names, size_t shown)
    : Dialog(owner, IDD_COPIAR_PAGINAS), names_(names) {
    for (size_t i = 0; i < names_.size(); ++i)
        if (i != shown)
            listed_.push_back(i);
}

HWND CopiarPaginasDlg::list() const {
    return GetDlgItem(hwnd(), IDC_COPIAR_PAGINAS_LISTA);
}

INT_PTR CopiarPaginasDlg::onInitDialog() {
    const DWORD style = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageA(list(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    RECT client = {};
    GetClientRect(list(), &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (size_t row = 0; row < listed_.size(); ++row) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<char*>(names_[listed_[row]].c_str());
        SendMessageA(list(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return TRUE;
}

INT_PTR CopiarPaginasDlg::onOk() {
    pages.clear();
    for (size_t row = 0; row < listed_.size(); ++row)
        if (ListView_GetCheckState(list(), static_cast<int>(row)))
            pages.push_back(listed_[row]);
    close(IDOK);
    return TRUE;
}

#include "ui/win32/ReemplazarDlg.h"

#include "base/resource.h"
#include "win32/DialogRefusal.h"

namespace {

// In the order of ReplaceField.
const char* const kFieldNames[] = {"Sector", "C\xF3" "digo", "MacAddress", "Salto a p\xE1gina"};

}  // namespace

ReemplazarDlg::ReemplazarDlg(HWND owner, const Proyecto& project, size_t shownPage)
    : Dialog(owner, IDD_REEMPLAZAR), project_(project) {
    request.shownPage = shownPage;
}

INT_PTR ReemplazarDlg::onInitDialog() {
    for (const char* name : kFieldNames)
        SendDlgItemMessageA(hwnd(), IDC_REEMPLAZAR_CAMPO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(hwnd(), IDC_REEMPLAZAR_CAMPO, CB_SETCURSEL, 0, 0);
    CheckRadioButton(hwnd(), IDC_REEMPLAZAR_PAGINA, IDC_REEMPLAZAR_PROYECTO, IDC_REEMPLAZAR_PROYECTO);
    listValues();
    return TRUE;
}

ReplaceField ReemplazarDlg::field() const {
    const LRESULT chosen = SendDlgItemMessageA(hwnd(), IDC_REEMPLAZAR_CAMPO, CB_GETCURSEL, 0, 0);
    return chosen < 0 ? ReplaceField::Sector : static_cast<ReplaceField>(chosen);
}

ReplaceScope ReemplazarDlg::scope() const {
    return IsDlgButtonChecked(hwnd(), IDC_REEMPLAZAR_PAGINA) == BST_CHECKED ? ReplaceScope::ShownPage
                                                                             : ReplaceScope::Project;
}

void ReemplazarDlg::listValues() {
    values_ = CommandReplace::usedValues(project_, field(), scope(), request.shownPage);
    HWND list = GetDlgItem(hwnd(), IDC_REEMPLAZAR_ACTUAL);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const UsedValue& value : values_)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.listed().c_str()));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

INT_PTR ReemplazarDlg::onCommand(WPARAM wParam, WORD, WORD) {
    const int id = LOWORD(wParam);
    const bool fieldChosen = id == IDC_REEMPLAZAR_CAMPO && HIWORD(wParam) == CBN_SELCHANGE;
    const bool scopeChosen = (id == IDC_REEMPLAZAR_PAGINA || id == IDC_REEMPLAZAR_PROYECTO) && HIWORD(wParam) == BN_CLICKED;
    if (!fieldChosen && !scopeChosen)
        return FALSE;
    listValues();
    return TRUE;
}

INT_PTR ReemplazarDlg::onOk() {
    const LRESULT chosen = SendDlgItemMessageA(hwnd(), IDC_REEMPLAZAR_ACTUAL, CB_GETCURSEL, 0, 0);
    if (chosen < 0 || static_cast<size_t>(chosen) >= values_.size()) {
        showRefusal(hwnd(), FormCheck::refuse("Se debe elegir un valor de la lista", IDC_REEMPLAZAR_ACTUAL));
        return TRUE;
    }
    request.field = field();
    request.scope = scope();
    request.current = values_[static_cast<size_t>(chosen)];
    request.replacement = getItemText(IDC_REEMPLAZAR_NUEVO);
    const FormCheck check = CommandReplace::check(project_, request, IDC_REEMPLAZAR_NUEVO);
    if (!check.accepted) {
        showRefusal(hwnd(), check);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

#include "ui/win32/VerificarDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "base/resource.h"

namespace {

// In the order of FindingColumn.
const char* const kColumnTitles[] = {"Gravedad", "P\xE1gina", "Regi\xF3n", "Descripci\xF3n"};
const int kColumnCount = 4;
const int kTextColumn = kColumnCount - 1;

}  // namespace

VerificarDlg::VerificarDlg(HWND owner, const Proyecto& project, std::vector<ProjectFinding> findings, Use use,
                           OptionsChange optionsChange)
    : Dialog(owner, use == Use::Browse ? IDD_VERIFICAR : IDD_VERIFICAR_TRANSFERIR),
      project_(project),
      table_(std::move(findings)),
      optionsChange_(std::move(optionsChange)) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

HWND VerificarDlg::list() const {
    return GetDlgItem(hwnd(), IDC_VERIFICAR_LISTA);
}

INT_PTR VerificarDlg::onInitDialog() {
    SendMessageA(list(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    addColumns();
    fillList(0);
    return TRUE;
}

void VerificarDlg::addColumns() {
    for (int column = 0; column < kColumnCount; ++column) {
        LVCOLUMNA header = {};
        header.mask = LVCF_TEXT | LVCF_SUBITEM;
        header.pszText = const_cast<char*>(kColumnTitles[column]);
        header.iSubItem = column;
        SendMessageA(list(), LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    }
}

void VerificarDlg::fillList(int selectedRow) {
    HWND view = list();
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    SendMessageA(view, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<ProjectFinding>& rows = table_.rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            std::string text = FindingTable::cell(project_, rows[row], static_cast<FindingColumn>(column));
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = column;
            item.pszText = const_cast<char*>(text.c_str());
            SendMessageA(view, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    if (selectedRow >= 0 && static_cast<size_t>(selectedRow) < rows.size()) {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(view, LVM_SETITEMSTATE, selectedRow, reinterpret_cast<LPARAM>(&state));
        SendMessageA(view, LVM_ENSUREVISIBLE, selectedRow, FALSE);
    }
    fitColumns();
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

// Each column as wide as its widest cell or its title; the description
// takes what is left and scrolls sideways when longer.
void VerificarDlg::fitColumns() {
    HWND view = list();
    int used = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        SendMessageA(view, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
        int cells = static_cast<int>(SendMessageA(view, LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageA(view, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
        int width = std::max(cells, static_cast<int>(SendMessageA(view, LVM_GETCOLUMNWIDTH, column, 0)));
        if (column == kTextColumn) {
            RECT client;
            GetClientRect(view, &client);
            width = std::max(cells, static_cast<int>(client.right) - used);
        }
        SendMessageA(view, LVM_SETCOLUMNWIDTH, column, width);
        used += width;
    }
}

int VerificarDlg::selectedRow() const {
    return static_cast<int>(SendMessageA(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The finding chosen before stays chosen in its new place.
void VerificarDlg::sortBy(int column) {
    if (column < 0 || column >= kColumnCount)
        return;
    const std::vector<ProjectFinding>& rows = table_.rows();
    const int selected = selectedRow();
    const bool hadSelection = selected >= 0 && static_cast<size_t>(selected) < rows.size();
    const ProjectFinding kept = hadSelection ? rows[static_cast<size_t>(selected)] : ProjectFinding();
    table_.clickColumn(static_cast<FindingColumn>(column));
    int row = hadSelection ? static_cast<int>(std::find(rows.begin(), rows.end(), kept) - rows.begin()) : 0;
    fillList(row);
}

void VerificarDlg::changeOptions() {
    std::vector<ProjectFinding> findings;
    if (!optionsChange_ || !optionsChange_(hwnd(), findings))
        return;
    table_.replace(std::move(findings));
    fillList(0);
    SetFocus(list());
}

INT_PTR VerificarDlg::onOk() {
    // Enter in the question means the default button, No.
    if (templateId() == IDD_VERIFICAR_TRANSFERIR) {
        close(IDNO);
        return 1;
    }
    const int row = selectedRow();
    if (row < 0 || static_cast<size_t>(row) >= table_.rows().size())
        return 1;
    chosen = table_.rows()[static_cast<size_t>(row)];
    close(IDOK);
    return 1;
}

INT_PTR VerificarDlg::onCommand(WPARAM wParam, WORD, WORD) {
    const int id = LOWORD(wParam);
    if (id == IDYES || id == IDNO) {
        close(id);
        return 1;
    }
    if (id == IDC_VERIFICAR_OPCIONES) {
        changeOptions();
        return 1;
    }
    return 0;
}

INT_PTR VerificarDlg::onMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY)
        return 0;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_VERIFICAR_LISTA)
        return 0;
    if (header->code == LVN_COLUMNCLICK) {
        sortBy(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
        return 1;
    }
    if (header->code == NM_DBLCLK && templateId() == IDD_VERIFICAR &&
        reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem >= 0)
        return onOk();
    return 0;
}

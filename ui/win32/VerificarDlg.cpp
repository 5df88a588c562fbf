#include "ui/win32/VerificarDlg.h"

#include "base/resource.h"

VerificarDlg::VerificarDlg(HWND owner, const std::vector<std::string>& lines, Use use)
    : Dialog(owner, use == Use::Browse ? IDD_VERIFICAR : IDD_VERIFICAR_TRANSFERIR), chosen(-1), lines_(lines) {}

INT_PTR VerificarDlg::onInitDialog() {
    HWND list = GetDlgItem(hwnd(), IDC_VERIFICAR_LISTA);
    int widest = 0;
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    for (const std::string& line : lines_) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SIZE extent = {};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        widest = extent.cx > widest ? extent.cx : widest;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    // Long lines scroll sideways instead of being cut off.
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return TRUE;
}

INT_PTR VerificarDlg::onOk() {
    // Enter in the question means the default button, No.
    if (templateId() == IDD_VERIFICAR_TRANSFERIR) {
        close(IDNO);
        return 1;
    }
    LRESULT selection = SendDlgItemMessageA(hwnd(), IDC_VERIFICAR_LISTA, LB_GETCURSEL, 0, 0);
    if (selection == LB_ERR)
        return 1;
    chosen = static_cast<int>(selection);
    close(IDOK);
    return 1;
}

INT_PTR VerificarDlg::onCommand(WPARAM wParam, WORD, WORD) {
    const int id = LOWORD(wParam);
    if (id == IDYES || id == IDNO) {
        close(id);
        return 1;
    }
    if (id == IDC_VERIFICAR_LISTA && HIWORD(wParam) == LBN_DBLCLK && templateId() == IDD_VERIFICAR)
        return onOk();
    return 0;
}

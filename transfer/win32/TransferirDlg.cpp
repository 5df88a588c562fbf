#include "transfer/win32/TransferirDlg.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "resources/resource.h"
#include "transfer/CardCopy.h"
#include "transfer/win32/FolderChooser.h"

// The method chosen last in this run: true for "TCP/IP".
static bool rememberedTcpIp = true;

static const char kChooseCardTitle[] = "Transferir - Seleccione la sdcard del dispositivo";
static const char kCopyDoneText[] = "Operaci\xF3n conclu\xED" "da";

TransferirDlg::TransferirDlg(HWND owner, Proyecto* project)
    : Dialog(owner, IDD_TRANSFERIR), project(project) {}

INT_PTR TransferirDlg::onInitDialog() {
    CheckRadioButton(hwnd, IDC_TRANSFERIR_TCPIP, IDC_TRANSFERIR_COPIA,
                     rememberedTcpIp ? IDC_TRANSFERIR_TCPIP : IDC_TRANSFERIR_COPIA);
    return FALSE;
}

INT_PTR TransferirDlg::onOk() {
    rememberedTcpIp = IsDlgButtonChecked(hwnd, IDC_TRANSFERIR_TCPIP) == BST_CHECKED;
    if (rememberedTcpIp)
        // Posted: the owner opens the progress dialog once this one is gone.
        PostMessageA(parent, WM_COMMAND, ID_TRANSFERIR_TCPIP, 0);
    else
        copyToCard();
    close(IDOK);
    return 1;
}

void TransferirDlg::copyToCard() {
    std::string folder = chooseFolder(hwnd, kChooseCardTitle);
    if (folder.empty())
        return;
    // Each failed copy is skipped; the card gets whatever could be copied.
    copyProjectToCard(*project, folder, FileAccess::current());
    MessageBoxA(hwnd, kCopyDoneText, "", MB_OK);
}

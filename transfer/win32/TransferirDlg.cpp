#include "transfer/win32/TransferirDlg.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "base/resource.h"
#include "base/texts.h"
#include "transfer/CardCopy.h"
#include "win32/FolderChooser.h"

// The method chosen last in this run: true for "TCP/IP".
static bool rememberedTcpIp = true;

static const char kChooseCardTitle[] = "Transferir - Seleccione la sdcard del dispositivo";
static const char kNoPathText[] = "La carpeta elegida no es una carpeta del disco: no se copi\xF3 nada.";

TransferirDlg::TransferirDlg(HWND owner, Proyecto* project)
    : Dialog(owner, IDD_TRANSFERIR), project(project) {}

INT_PTR TransferirDlg::onInitDialog() {
    CheckRadioButton(hwnd(), IDC_TRANSFERIR_TCPIP, IDC_TRANSFERIR_COPIA,
                     rememberedTcpIp ? IDC_TRANSFERIR_TCPIP : IDC_TRANSFERIR_COPIA);
    return FALSE;
}

INT_PTR TransferirDlg::onOk() {
    rememberedTcpIp = IsDlgButtonChecked(hwnd(), IDC_TRANSFERIR_TCPIP) == BST_CHECKED;
    if (rememberedTcpIp)
        // Posted: the owner opens the progress dialog once this one is gone.
        PostMessageA(parent(), WM_COMMAND, ID_TRANSFERIR_TCPIP, 0);
    else
        copyToCard();
    close(IDOK);
    return 1;
}

void TransferirDlg::copyToCard() {
    std::string folder;
    FolderChoice choice = chooseFolder(hwnd(), kChooseCardTitle, folder);
    if (choice == FolderChoice::Cancelled)
        return;
    if (choice != FolderChoice::Chosen) {
        const char* why = choice == FolderChoice::WithoutPath ? kNoPathText : kPathCharactersText;
        MessageBoxA(hwnd(), why, kError, MB_ICONERROR);
        return;
    }
    CardCopyReport report = copyProjectToCard(*project, folder, FileAccess::current());
    if (report.complete())
        MessageBoxA(hwnd(), kDoneText, "", MB_OK);
    else
        MessageBoxA(hwnd(), cardCopyFailureText(report).c_str(), kError, MB_ICONERROR);
}

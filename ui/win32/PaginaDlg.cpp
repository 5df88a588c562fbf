#include "ui/win32/PaginaDlg.h"

#include "model/FileAccess.h"
#include "resources/resource.h"
#include "resources/texts.h"
#include "ui/PictureChoice.h"
#include "ui/win32/ComandoDlg.h"
#include "ui/win32/DialogRefusal.h"
#include "ui/win32/FileDialog.h"

namespace {

// Empty when the user cancelled or the dialog failed (reported there).
std::string askPicturePath(HWND dialog) {
    FileDialogRequest request;
    request.title = kOpenFileTitle;
    request.filter = "Archivos (*.png)\0*.png\0";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    return askFilePath(dialog, request);
}

std::string currentDirectory() {
    char folder[MAX_PATH] = "";
    DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

bool userAllowsReplacing(HWND dialog, const std::string& question) {
    return MessageBoxA(dialog, question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONWARNING) == IDYES;
}

void setCheck(HWND dialog, int control, bool ticked) {
    CheckDlgButton(dialog, control, ticked ? BST_CHECKED : BST_UNCHECKED);
}

bool isTicked(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

}  // namespace

PaginaDlg::PaginaDlg(HWND owner, const std::string& nombre, const std::string& orientaciones,
                     const std::string& imagen, const Comando* comando, const std::string& projectFile,
                     const std::vector<std::string>& otherNames, std::vector<PagePicture> otherPictures)
    : Dialog(owner, IDD_PAGINA),
      PaginaForm(nombre, orientaciones, imagen, comando, otherNames),
      projectFolder_(folderOf(projectFile)),
      otherPictures_(std::move(otherPictures)) {}

INT_PTR PaginaDlg::onInitDialog() {
    HWND dialog = hwnd;
    setCheck(dialog, IDC_PAGINA_VERTICAL, verticalTicked());
    setCheck(dialog, IDC_PAGINA_HORIZONTAL, horizontalTicked());
    SetDlgItemTextA(dialog, IDC_PAGINA_NOMBRE, nombre.c_str());
    SetDlgItemTextA(dialog, IDC_PAGINA_IMAGEN, imagen.c_str());
    SetDlgItemTextA(dialog, IDC_PAGINA_RESUMEN, summary().c_str());
    EnableWindow(GetDlgItem(dialog, IDC_PAGINA_RESUMEN), FALSE);
    SetFocus(GetDlgItem(dialog, IDC_PAGINA_NOMBRE));
    return FALSE;  // the focus is set
}

INT_PTR PaginaDlg::onOk() {
    HWND dialog = hwnd;
    FormCheck check = accept(getItemText(IDC_PAGINA_NOMBRE), getItemText(IDC_PAGINA_IMAGEN),
                             isTicked(dialog, IDC_PAGINA_VERTICAL), isTicked(dialog, IDC_PAGINA_HORIZONTAL));
    if (!check.accepted) {
        showRefusal(dialog, check);
        return TRUE;
    }
    // A picture that did not reach the project's folder would load as a
    // blank page later: say so now and keep the dialog open.
    if (pendingPicture_ && pendingPicture_->name() == imagen && !pendingPicture_->copy(FileAccess::current())) {
        reportFileProblem(dialog);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

INT_PTR PaginaDlg::onCommand(WPARAM wParam, WORD, WORD) {
    // A whole wParam equal to the id is a button click (BN_CLICKED is 0).
    HWND dialog = hwnd;
    if (wParam == IDC_PAGINA_SELECCIONAR) {
        choosePicture(dialog);
        return TRUE;
    }
    if (wParam == IDC_PAGINA_EDITAR) {
        editCommand(dialog);
        return TRUE;
    }
    return 0;
}

// The field gets the bare name at once; the picture is copied beside the
// project file on OK, so that Cancel leaves the folder as it was.
void PaginaDlg::choosePicture(HWND dialog) {
    std::string chosen = askPicturePath(dialog);
    if (chosen.empty())
        return;
    // A project not saved yet has no folder of its own.
    PictureChoice choice(chosen, projectFolder_.empty() ? currentDirectory() : projectFolder_,
                         FileAccess::current());
    if (choice.name().empty())
        return;
    if (choice.asksBeforeReplacing() &&
        !userAllowsReplacing(dialog, choice.replaceQuestion(choice.pagesUsingTarget(otherPictures_))))
        return;
    pendingPicture_ = choice;
    SetDlgItemTextA(dialog, IDC_PAGINA_IMAGEN, choice.name().c_str());
}

void PaginaDlg::editCommand(HWND dialog) {
    ComandoDlg commandDialog(dialog, comandoInicial, nullptr);
    if (commandDialog.runModal() != IDOK)
        return;
    comandoInicial = commandDialog.comando();
    SetDlgItemTextA(dialog, IDC_PAGINA_RESUMEN, summary().c_str());
}

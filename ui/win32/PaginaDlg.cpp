#include "ui/win32/PaginaDlg.h"

#include <vector>

#include "model/win32/WidePath.h"
#include "model/FileAccess.h"
#include "base/resource.h"
#include "base/texts.h"
#include "ui/PictureChoice.h"
#include "ui/win32/ComandoDlg.h"
#include "win32/DialogRefusal.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/PicturePrompts.h"

namespace {

// At any length; empty when it holds characters outside Windows-1252.
std::string currentDirectory() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::vector<WCHAR> folder(size + 1, 0);
    DWORD length = GetCurrentDirectoryW(size + 1, folder.data());
    std::string text;
    return length > 0 && length <= size && narrowText(folder.data(), text) ? text : std::string();
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
    HWND dialog = hwnd();
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
    HWND dialog = hwnd();
    FormCheck check = accept(getItemText(IDC_PAGINA_NOMBRE), getItemText(IDC_PAGINA_IMAGEN),
                             isTicked(dialog, IDC_PAGINA_VERTICAL), isTicked(dialog, IDC_PAGINA_HORIZONTAL));
    if (!check.accepted) {
        showRefusal(dialog, check);
        return TRUE;
    }
    // A picture that did not reach the project's folder would load as a
    // blank page later: say so now and keep the dialog open.
    FileAccess& files = FileAccess::current();
    if (pendingPicture_ && pendingPicture_->name() == imagen && !pendingPicture_->copy(files)) {
        reportFileProblem(dialog, files.pathTooLong(pendingPicture_->target()) ? kPathTooLongText : kFileProblemText);
        return TRUE;
    }
    close(IDOK);
    return TRUE;
}

INT_PTR PaginaDlg::onCommand(WPARAM wParam, WORD, WORD) {
    // A whole wParam equal to the id is a button click (BN_CLICKED is 0).
    HWND dialog = hwnd();
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
    std::string chosen = askPictureFile(dialog, projectFolder_);
    if (chosen.empty())
        return;
    // A project not saved yet has no folder of its own.
    std::string folder = projectFolder_.empty() ? currentDirectory() : projectFolder_;
    if (folder.empty()) {
        reportFileProblem(dialog, kPathCharactersText);
        return;
    }
    FileAccess& files = FileAccess::current();
    PictureChoice choice(chosen, folder, files);
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

#include "ui/win32/ProjectFileDialogs.h"

#include <commdlg.h>

#include <vector>

#include "model/ProjectFile.h"

namespace {

const DWORD kFileNameBufferSize = 512;
// Shown entry and pattern, each NUL-terminated, then the list's own NUL.
const char kFilter[] = "Archivos (*.xml)\0*.xml\0";

enum class FileDialogKind { Open, Save };

OPENFILENAMEA describe(HWND owner, FileDialogKind kind, char* buffer) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = kFileNameBufferSize;
    dialog.lpstrDefExt = "*";
    if (kind == FileDialogKind::Open) {
        dialog.lpstrTitle = "Abrir archivo";
        dialog.lpstrInitialDir = ".\\";
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    } else {
        dialog.lpstrTitle = "Guardar como";
        dialog.lpstrInitialDir = "";
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    }
    return dialog;
}

std::string askFile(HWND owner, FileDialogKind kind) {
    std::vector<char> buffer(kFileNameBufferSize, '\0');
    OPENFILENAMEA dialog = describe(owner, kind, buffer.data());
    BOOL chosen = kind == FileDialogKind::Open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (chosen)
        return std::string(buffer.data());
    // Zero means the user cancelled; anything else is the dialog's failure.
    if (CommDlgExtendedError() != 0)
        MessageBoxA(owner, "Problemas con el archivo", "ERROR", MB_OK);
    return "";
}

}  // namespace

std::string askFileToOpen(HWND owner) {
    return askFile(owner, FileDialogKind::Open);
}

std::string askFileToSave(HWND owner) {
    return askFile(owner, FileDialogKind::Save);
}

bool saveProject(HWND owner, Proyecto& project) {
    if (project.archivo.empty())
        project.archivo = askFileToSave(owner);
    if (project.archivo.empty())
        return false;
    writeProjectFile(project);
    return true;
}

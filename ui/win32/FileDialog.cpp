#include "ui/win32/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "resources/texts.h"

namespace {

const DWORD kFileNameBufferSize = 512;

}  // namespace

std::string askFilePath(HWND owner, const FileDialogRequest& request) {
    std::vector<char> buffer(kFileNameBufferSize, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kFileNameBufferSize;
    dialog.lpstrDefExt = "*";
    dialog.lpstrTitle = request.title;
    dialog.lpstrInitialDir = request.initialFolder;
    dialog.Flags = request.flags;
    BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (chosen)
        return std::string(buffer.data());
    // Zero means the user cancelled; anything else is the dialog's failure.
    if (CommDlgExtendedError() != 0)
        reportFileProblem(owner);
    return "";
}

void reportFileProblem(HWND owner) {
    MessageBoxA(owner, kFileProblemText, kError, MB_OK);
}

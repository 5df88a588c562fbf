#include "ui/win32/FileDialog.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "model/win32/WidePath.h"
#include "base/texts.h"

namespace {

// Room for the longest path the system takes: the wide dialogs return paths
// deep in synced folders and shares whole, where 260 bytes would not do.
const DWORD kFileNameBufferSize = 32768;

// The filter's entries are NUL-separated and the list ends with a second NUL,
// which the wide text's own terminator gives back.
WideText wideFilter(const char* filter) {
    const char* end = filter;
    while (*end)
        end += std::strlen(end) + 1;
    return wideText(std::string(filter, static_cast<size_t>(end - filter)));
}

}  // namespace

std::string askFilePath(HWND owner, const FileDialogRequest& request) {
    std::vector<WCHAR> buffer(kFileNameBufferSize, 0);
    WideText filter = wideFilter(request.filter);
    WideText title = wideText(request.title);
    WideText folder = wideText(request.initialFolder);
    WideText anyExtension = wideText("*");
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kFileNameBufferSize;
    dialog.lpstrDefExt = anyExtension.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = request.flags;
    BOOL chosen = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (chosen) {
        std::string path;
        if (narrowText(buffer.data(), path))
            return path;
        reportFileProblem(owner, kPathCharactersText);
        return "";
    }
    // Zero means the user cancelled; anything else is the dialog's failure.
    DWORD error = CommDlgExtendedError();
    if (error == FNERR_BUFFERTOOSMALL)
        reportFileProblem(owner, kPathTooLongText);
    else if (error != 0)
        reportFileProblem(owner);
    return "";
}

void reportFileProblem(HWND owner, const char* text) {
    MessageBoxA(owner, text, kError, MB_OK);
}

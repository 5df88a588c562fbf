// The common open and save dialogs behind one call: the project file and the
// page's picture differ only in what they ask for.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "base/texts.h"

struct FileDialogRequest {
    bool save = false;
    const char* title = "";
    // Shown entry and pattern, each NUL-terminated, then the list's own NUL.
    const char* filter = "";
    const char* initialFolder = "";
    DWORD flags = 0;
};

// The chosen path, or "" when the user cancels or the dialog fails; a failure
// is reported to the user here, and so is a path that the program's
// Windows-1252 text cannot hold.
std::string askFilePath(HWND owner, const FileDialogRequest& request);

// The message box that says a file could not be chosen or copied, and why
// when that is known.
void reportFileProblem(HWND owner, const char* text = kFileProblemText);

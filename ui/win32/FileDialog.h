// The common open and save dialogs behind one call: the project file and the
// page's picture differ only in what they ask for.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "base/texts.h"

struct FileDialogRequest {
    bool save = false;
    const char* title = "";
    // Shown entry and pattern, each NUL-terminated, then the list's own NUL.
    const char* filter = "";
    const char* initialFolder = "";
    const char* initialName = "";  // the name offered in the name box
    DWORD flags = 0;
};

// The chosen path, or "" when the user cancels or the dialog fails; a failure
// is reported to the user here, and so is a path that the program's
// Windows-1252 text cannot hold.
std::string askFilePath(HWND owner, const FileDialogRequest& request);

// Paths chosen or dropped, as the program's text holds them; those it
// cannot hold are kept apart, their names shown with '?' where needed.
struct ChosenPaths {
    std::vector<std::string> paths;
    std::vector<std::string> unreadable;
    void add(const WCHAR* path);
};

// Any number of files in one folder (the user may also cancel: none).
// Its buffer grows with the selection, so no name is cut off.
ChosenPaths askFilePaths(HWND owner, const FileDialogRequest& request);

// The message box that says a file could not be chosen or copied, and why
// when that is known.
void reportFileProblem(HWND owner, const char* text = kFileProblemText);

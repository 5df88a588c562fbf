#include "transfer/win32/FolderChooser.h"

#include <ole2.h>
#include <shlobj.h>

FolderChoice chooseFolder(HWND owner, const char* title, std::string& path) {
    // The new-style browser needs COM on this thread.
    OleInitialize(nullptr);
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
    FolderChoice choice = FolderChoice::Cancelled;
    path.clear();
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item) {
        char buffer[MAX_PATH] = "";
        choice = SHGetPathFromIDListA(item, buffer) && buffer[0] ? FolderChoice::Chosen : FolderChoice::WithoutPath;
        path = buffer;
        CoTaskMemFree(item);
    }
    OleUninitialize();
    return choice;
}

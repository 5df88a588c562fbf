#include "transfer/win32/FolderChooser.h"

#include <ole2.h>
#include <shlobj.h>

std::string chooseFolder(HWND owner, const char* title) {
    // The new-style browser needs COM on this thread.
    OleInitialize(nullptr);
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
    std::string path;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item) {
        char buffer[MAX_PATH] = "";
        if (SHGetPathFromIDListA(item, buffer))
            path = buffer;
        CoTaskMemFree(item);
    }
    OleUninitialize();
    return path;
}

#include "win32/FolderChooser.h"

#include <ole2.h>
#include <shlobj.h>

#include <vector>

#include "model/win32/WidePath.h"
#include "model/WindowsPath.h"

// The path of the chosen item, whole at any length the system allows.
static FolderChoice folderPath(PCIDLIST_ABSOLUTE item, std::string& path) {
    std::vector<WCHAR> buffer(kMaxSystemPath, 0);
    if (!SHGetPathFromIDListEx(item, buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT) ||
        !buffer[0])
        return FolderChoice::WithoutPath;
    return narrowText(buffer.data(), path) ? FolderChoice::Chosen : FolderChoice::UnsupportedCharacters;
}

FolderChoice chooseFolder(HWND owner, const char* title, std::string& path) {
    // The new-style browser needs COM on this thread.
    OleInitialize(nullptr);
    WCHAR displayName[MAX_PATH] = {};
    WideText wideTitle = wideText(title);
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
    FolderChoice choice = FolderChoice::Cancelled;
    path.clear();
    LPITEMIDLIST item = SHBrowseForFolderW(&info);
    if (item) {
        choice = folderPath(item, path);
        if (choice != FolderChoice::Chosen)
            path.clear();
        CoTaskMemFree(item);
    }
    OleUninitialize();
    return choice;
}

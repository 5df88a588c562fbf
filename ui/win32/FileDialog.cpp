#include "ui/win32/FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>
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

// The dialog's structure and the wide texts it points to, which live as
// long as it.
struct DialogSetup {
    WideText filter;
    WideText title;
    WideText folder;
    OPENFILENAMEW dialog = {};

    DialogSetup(HWND owner, const FileDialogRequest& request, std::vector<WCHAR>& buffer)
        : filter(wideFilter(request.filter)), title(wideText(request.title)),
          folder(wideText(request.initialFolder)) {
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = buffer.data();
        dialog.nMaxFile = static_cast<DWORD>(buffer.size());
        dialog.lpstrTitle = title.c_str();
        dialog.lpstrInitialDir = folder.c_str();
        dialog.Flags = request.flags;
    }
    DialogSetup(const DialogSetup&) = delete;
    DialogSetup& operator=(const DialogSetup&) = delete;
};

// The names of a selection never take more room than the folder and the
// text of the name box, quotes and spaces included.
UINT_PTR CALLBACK growingBufferHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hook, GWLP_USERDATA, lParam);
        return 0;
    }
    if (message != WM_NOTIFY || reinterpret_cast<OFNOTIFYW*>(lParam)->hdr.code != CDN_SELCHANGE)
        return 0;
    auto* dialog = reinterpret_cast<OPENFILENAMEW*>(GetWindowLongPtrW(hook, GWLP_USERDATA));
    if (!dialog)
        return 0;
    HWND explorer = GetParent(hook);
    const LRESULT folder = SendMessageW(explorer, CDM_GETFOLDERPATH, 0, 0);
    const LRESULT nameBox = SendMessageW(explorer, CDM_GETSPEC, 0, 0);
    const size_t needed = static_cast<size_t>((folder > 0 ? folder : 0) + (nameBox > 0 ? nameBox : 0)) + 2;
    auto* buffer = reinterpret_cast<std::vector<WCHAR>*>(dialog->lCustData);
    if (needed <= buffer->size())
        return 0;
    try {
        buffer->resize(needed * 2, 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    dialog->lpstrFile = buffer->data();
    dialog->nMaxFile = static_cast<DWORD>(buffer->size());
    return 0;
}

}  // namespace

void ChosenPaths::add(const WCHAR* path) {
    std::string text;
    if (narrowText(path, text))
        paths.push_back(text);
    else
        unreadable.push_back(shownText(path));
}

// One file comes back as its path; several as the folder, then each name,
// each ended by a NUL and the list by another.
ChosenPaths askFilePaths(HWND owner, const FileDialogRequest& request) {
    std::vector<WCHAR> buffer(kFileNameBufferSize, 0);
    DialogSetup setup(owner, request, buffer);
    OPENFILENAMEW& dialog = setup.dialog;
    dialog.Flags |= OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    dialog.lpfnHook = growingBufferHook;
    dialog.lCustData = reinterpret_cast<LPARAM>(&buffer);
    ChosenPaths chosen;
    if (!GetOpenFileNameW(&dialog)) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0)
            reportFileProblem(owner, error == FNERR_BUFFERTOOSMALL ? "Demasiados archivos elegidos a la vez"
                                                                   : kFileProblemText);
        return chosen;
    }
    const WCHAR* first = buffer.data();
    const WCHAR* name = first + std::wcslen(first) + 1;
    if (*name == 0) {
        chosen.add(first);
        return chosen;
    }
    WideText base(first);
    if (!base.empty() && base.back() != L'\\')
        base += L'\\';
    for (; *name; name += std::wcslen(name) + 1)
        chosen.add((base + name).c_str());
    return chosen;
}

std::string askFilePath(HWND owner, const FileDialogRequest& request) {
    std::vector<WCHAR> buffer(kFileNameBufferSize, 0);
    const WideText offered = wideText(request.initialName);
    std::copy(offered.begin(), offered.begin() + std::min(offered.size(), buffer.size() - 1), buffer.begin());
    DialogSetup setup(owner, request, buffer);
    OPENFILENAMEW& dialog = setup.dialog;
    WideText anyExtension = wideText("*");
    dialog.lpstrDefExt = anyExtension.c_str();
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

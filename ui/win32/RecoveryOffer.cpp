#include "ui/win32/RecoveryOffer.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <memory>

#include "model/win32/WidePath.h"
#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/ProyectoException.h"
#include "model/RecoveryStore.h"
#include "base/resource.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/ProjectPrompts.h"
#include "ui/win32/RecuperarDlg.h"

namespace {

// Seconds since 1970 (UTC) as the user's local date and time.
std::string localTimeText(int64_t seconds) {
    const int64_t kEpochIn100ns = 116444736000000000LL;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<ULONGLONG>(seconds * 10000000LL + kEpochIn100ns);
    FILETIME utc = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME universal, local;
    if (seconds < 0 || !FileTimeToSystemTime(&utc, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return "?";
    char text[40];
    std::snprintf(text, sizeof text, "%02u/%02u/%04u, %02u:%02u", local.wDay, local.wMonth, local.wYear,
                  local.wHour, local.wMinute);
    return text;
}

struct FoundCopy {
    bool headerRead = false;
    RecoveryHeader header;
    std::unique_ptr<Proyecto> project;  // null when the copy is damaged
};

FoundCopy readCopy(RecoveryStore& store, const std::string& id) {
    FoundCopy found;
    std::string text;
    found.headerRead = store.readAbandoned(id, found.header, text);
    if (!found.headerRead)
        return found;
    auto project = std::make_unique<Proyecto>();
    try {
        readProjectText(std::move(text), found.header.archivo, *project);
    } catch (const ProyectoException&) {
        return found;
    }
    // No snapshot: the project is unsaved until the user saves it.
    project->guardado.reset();
    found.project = std::move(project);
    return found;
}

std::string describe(const FoundCopy& copy) {
    if (!copy.project)
        return "Hay una copia de recuperaci\xF3n da\xF1" "ada que no se puede abrir. Puede descartarla."
               + (copy.headerRead ? "\n\nCopia del " + localTimeText(copy.header.hora) : std::string());
    const std::string& name = copy.project->instalacion;
    return "Quenda se cerr\xF3 sin guardar los cambios de un proyecto y qued\xF3 una copia de recuperaci\xF3n.\n\n"
           "Proyecto: " + (name.empty() ? std::string("(sin nombre)") : name) +
           "\nCopia del " + localTimeText(copy.header.hora);
}

std::string fileLine(const FoundCopy& copy) {
    if (!copy.headerRead)
        return std::string();
    return "Archivo: " + (copy.header.archivo.empty() ? std::string("(nunca guardado)") : copy.header.archivo);
}

void offerOne(MainWindow& window, RecoveryStore& store, const std::string& id) {
    FoundCopy copy = readCopy(store, id);
    RecuperarDlg dialog(window.hwnd(), describe(copy), fileLine(copy), copy.project != nullptr);
    const INT_PTR answer = dialog.runModal();
    if (answer == IDC_RECUPERAR_DESCARTAR) {
        store.discard(id);
    } else if (answer == IDOK && copy.project && mayDropProject(window.hwnd(), window.document().project())) {
        window.replaceProject(std::move(copy.project));
        // Our own copy first, then the old one goes: the work is never
        // only in memory. Until ours is written the old one stays ours.
        if (window.writeRecoveryCopyNow())
            store.discard(id);
        else
            store.supersede(id);
    } else {
        store.giveUp(id);
    }
}

}  // namespace

// An account named in another script has a folder the program's text cannot
// write: it is reached through a stand-in, not given up.
std::string userRecoveryFolder() {
    WCHAR path[MAX_PATH];
    std::string folder;
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
        return std::string();
    if (!narrowText(path, folder))
        folder = standInFor(path);
    return folder + "\\Quenda\\recuperacion\\";
}

void offerRecoveryCopies(MainWindow& window) {
    RecoveryStore* store = window.recovery();
    if (!store)
        return;
    try {
        for (const std::string& id : store->claimAbandoned())
            offerOne(window, *store, id);
    } catch (...) {
        // A start goes on whatever a copy holds; what is left stays for later.
    }
}

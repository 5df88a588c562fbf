#include "ui/win32/ProjectPrompts.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/FileAccess.h"
#include "model/MissingPictureCarry.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/ProyectoException.h"
#include "model/CheckSettings.h"
#include "model/Settings.h"
#include "base/texts.h"
#include "base/NameList.h"
#include "ui/win32/ProjectFileDialogs.h"
#include "ui/CheckOptionsForm.h"
#include "ui/win32/VerificandoDlg.h"
#include "ui/win32/VerificarDlg.h"
#include "ui/win32/VerificarOpcionesDlg.h"

namespace {

// The check with this user's options; none when the user cancelled it.
std::optional<std::vector<ProjectFinding>> checkRemembered(HWND owner, const Proyecto& project) {
    return VerificandoDlg::check(owner, project, readCheckOptions(Settings::current()));
}

// An empty list when the check that follows new options is cancelled.
bool askOptionsAndCheck(HWND owner, const Proyecto& project, std::vector<ProjectFinding>& findings) {
    VerificarOpcionesDlg options(owner, readCheckOptions(Settings::current()));
    if (options.runModal() != IDOK)
        return false;
    findings = VerificandoDlg::check(owner, project, options.options).value_or(std::vector<ProjectFinding>());
    return true;
}

// Every save leaves the project complete where it was saved.
void carryPictures(HWND owner, Proyecto& target, const std::string& previousFile) {
    auto mayReplace = [owner](const std::string& name) {
        std::string question = "El archivo " + name + " ya existe, \xBF" "desea reemplazarlo?";
        int answer = MessageBoxA(owner, question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONWARNING);
        return answer == IDYES ? ReplaceAnswer::Replace : answer == IDNO ? ReplaceAnswer::Keep : ReplaceAnswer::Stop;
    };
    std::vector<std::string> failed = completeSavedProject(target, previousFile, FileAccess::current(), mayReplace);
    if (failed.empty())
        return;
    std::string text = "No se pudieron copiar estas im\xE1genes junto al proyecto:\n" + nameListText(failed);
    MessageBoxA(owner, text.c_str(), kError, MB_ICONERROR);
}

}  // namespace

bool saveWithPrompts(HWND owner, Proyecto& target) {
    try {
        if (!saveProject(owner, target))
            return false;
    } catch (const ProyectoException& error) {
        MessageBoxA(owner, error.what(), kError, MB_ICONERROR);
        // A read-only file or a vanished disk fails every time: another name
        // is the way to keep the work.
        return saveAsWithPrompts(owner, target);
    }
    carryPictures(owner, target, std::string());
    return true;
}

bool saveAsWithPrompts(HWND owner, Proyecto& target) {
    for (;;) {
        std::string path = askFileToSave(owner);
        if (path.empty())
            return false;
        const std::string previousFile = target.archivo;
        target.archivo = path;
        try {
            writeProjectFile(target);
        } catch (const ProyectoException& error) {
            target.archivo = previousFile;
            MessageBoxA(owner, error.what(), kError, MB_ICONERROR);
            continue;
        }
        carryPictures(owner, target, previousFile);
        return true;
    }
}

bool mayDropProject(HWND owner, Proyecto& project) {
    if (!project.hasUnsavedChanges())
        return true;
    int answer = MessageBoxA(owner, "El proyecto fue modificado y no guardado. Desea guardarlo?", kAttention,
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    // A Yes whose save failed or was cancelled keeps the project: going on
    // would throw away the very changes the user asked to keep.
    return answer != IDYES || saveWithPrompts(owner, project);
}

// The project in place stays until the new one has really been read.
std::unique_ptr<Proyecto> openWithPrompts(HWND owner) {
    std::string path = askFileToOpen(owner);
    if (path.empty())
        return nullptr;
    return readWithPrompts(owner, path);
}

std::unique_ptr<Proyecto> readWithPrompts(HWND owner, const std::string& path) {
    auto opened = std::make_unique<Proyecto>();
    try {
        readProjectFile(path, *opened);
    } catch (const ProyectoException& error) {
        MessageBoxA(owner, error.what(), kError, MB_ICONERROR);
        return nullptr;
    }
    return opened;
}

bool chooseFinding(HWND owner, const Proyecto& project, ProjectFinding& chosen) {
    std::optional<std::vector<ProjectFinding>> findings = checkRemembered(owner, project);
    if (!findings)
        return false;
    if (findings->empty()) {
        MessageBoxA(owner, "El proyecto no tiene problemas", "Verificar proyecto", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    auto optionsChange = [&project](HWND dialog, std::vector<ProjectFinding>& changed) {
        return askOptionsAndCheck(dialog, project, changed);
    };
    VerificarDlg dialog(owner, project, std::move(*findings), VerificarDlg::Use::Browse, optionsChange);
    if (dialog.runModal() != IDOK)
        return false;
    chosen = dialog.chosen;
    return true;
}

// A cancelled check cancels the transfer too.
bool mayTransfer(HWND owner, const Proyecto& project) {
    std::optional<std::vector<ProjectFinding>> findings = checkRemembered(owner, project);
    if (!findings)
        return false;
    if (findings->empty())
        return true;
    putErrorsFirst(*findings);
    VerificarDlg dialog(owner, project, std::move(*findings), VerificarDlg::Use::AskBeforeTransfer);
    return dialog.runModal() == IDYES;
}

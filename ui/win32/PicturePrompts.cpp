#include "ui/win32/PicturePrompts.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "base/texts.h"
#include "base/NameList.h"

namespace {

// Existing PNG files; the current directory stays where it was.
FileDialogRequest pictureRequest() {
    FileDialogRequest request;
    request.title = kOpenFileTitle;
    request.filter = "Archivos (*.png)\0*.png\0";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    return request;
}

enum class ScaleAnswer { Scale, Keep, Cancel };

ReplaceAnswer askReplaceAll(HWND owner, const std::vector<std::string>& names) {
    const std::string text = "Junto al proyecto ya hay archivos con estos nombres y otro contenido:\n" +
                             nameListText(names) +
                             "\nS\xED: reemplazarlos todos (no podr\xE1 deshacerlo)\n"
                             "No: conservar los que ya est\xE1n\nCancelar: no agregar nada";
    const int answer = MessageBoxA(owner, text.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONWARNING);
    return answer == IDYES ? ReplaceAnswer::Replace : answer == IDNO ? ReplaceAnswer::Keep : ReplaceAnswer::Stop;
}

ScaleAnswer askScale(HWND owner, const std::vector<std::string>& pages, bool mayCancel) {
    std::string text = "La imagen de estas p\xE1ginas tiene ahora otro tama\xF1o:\n" + nameListText(pages) +
                       "\nS\xED: escalar sus regiones al nuevo tama\xF1o\nNo: dejar las regiones como est\xE1n";
    if (mayCancel)
        text += "\nCancelar: no cambiar nada";
    const int answer =
        MessageBoxA(owner, text.c_str(), kAttention, (mayCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
    return answer == IDYES ? ScaleAnswer::Scale : answer == IDNO ? ScaleAnswer::Keep : ScaleAnswer::Cancel;
}

void showRefusals(HWND owner, const PictureImport& import) {
    if (import.refusals().empty())
        return;
    const std::string text = "No se agregaron estas im\xE1genes:\n" + nameListText(import.refusals());
    MessageBoxA(owner, text.c_str(), kError, MB_ICONERROR);
}

// The pictures go beside the project file: one not saved yet has no folder.
bool hasFolder(HWND owner, const Proyecto& project) {
    if (!folderOf(project.archivo).empty())
        return true;
    MessageBoxA(owner, "Guarde el proyecto antes de agregar im\xE1genes", kAttention, MB_ICONWARNING);
    return false;
}

// Answers the replace question when it arises; false after Cancel.
bool settleConflicts(HWND owner, PictureImport& import) {
    const std::vector<std::string> conflicts = import.conflictingNames();
    if (conflicts.empty())
        return true;
    const ReplaceAnswer answer = askReplaceAll(owner, conflicts);
    import.setConflictAnswer(answer);
    return answer != ReplaceAnswer::Stop;
}

// Copies and hands over what is left; the refusals are listed either way.
bool finish(HWND owner, PictureImport& import, PicturePlan& plan) {
    import.copy();
    showRefusals(owner, import);
    plan.pictures = import.pictures();
    return !plan.pictures.empty();
}

}  // namespace

ChosenPaths askPictureFiles(HWND owner) {
    return askFilePaths(owner, pictureRequest());
}

std::string askPictureFile(HWND owner) {
    return askFilePath(owner, pictureRequest());
}

bool preparePages(HWND owner, const Proyecto& project, const ChosenPaths& chosen, PicturePlan& plan) {
    if (!hasFolder(owner, project))
        return false;
    PictureImport import(chosen.paths, project, FileAccess::current());
    for (const std::string& name : chosen.unreadable)
        import.refuse(name, "su nombre tiene caracteres que el programa no admite");
    if (!settleConflicts(owner, import))
        return false;
    const std::vector<std::string> resized = import.resizedPages(project);
    if (!resized.empty()) {
        const ScaleAnswer answer = askScale(owner, resized, true);
        if (answer == ScaleAnswer::Cancel)
            return false;
        plan.scaleRegions = answer == ScaleAnswer::Scale;
    }
    return finish(owner, import, plan);
}

bool prepareReplacement(HWND owner, const Proyecto& project, const Pagina& page, const std::string& path,
                        PicturePlan& plan) {
    if (!hasFolder(owner, project))
        return false;
    PictureImport import({path}, project, FileAccess::current());
    if (!settleConflicts(owner, import))
        return false;
    const std::vector<PictureFile> pictures = import.pictures();
    if (!pictures.empty() && page.recordedAncho() > 0 && page.recordedAlto() > 0 &&
        (pictures[0].width != static_cast<uint32_t>(page.recordedAncho()) ||
         pictures[0].height != static_cast<uint32_t>(page.recordedAlto()))) {
        const ScaleAnswer answer = askScale(owner, {page.nombre}, true);
        if (answer == ScaleAnswer::Cancel)
            return false;
        plan.scaleRegions = answer == ScaleAnswer::Scale;
    }
    return finish(owner, import, plan);
}

bool userScalesResizedPages(HWND owner, const Proyecto& project, const std::vector<size_t>& pages) {
    std::vector<std::string> names;
    for (size_t index : pages)
        names.push_back(project.paginas[index]->nombre);
    return askScale(owner, names, false) == ScaleAnswer::Scale;
}

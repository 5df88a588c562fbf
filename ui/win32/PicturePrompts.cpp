#include "ui/win32/PicturePrompts.h"

#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "base/texts.h"
#include "base/NameList.h"
#include "ui/PictureChoice.h"

namespace {

// The picture chosen last in this run, wherever it was chosen.
std::string lastPictureChosen;

// Existing PNG files, from `folder`; the current directory stays where it was.
FileDialogRequest pictureRequest(const std::string& folder) {
    FileDialogRequest request;
    request.title = kOpenFileTitle;
    request.filter = "Archivos (*.png)\0*.png\0";
    request.initialFolder = folder.c_str();
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    return request;
}

enum class ScaleAnswer { Scale, Keep, Cancel };

ReplaceAnswer askReplaceAll(HWND owner, const std::vector<std::string>& names,
                            const std::vector<std::string>& pagesUsing) {
    std::string text = "Junto al proyecto ya hay archivos con estos nombres y otro contenido:\n" + nameListText(names);
    if (!pagesUsing.empty())
        text += "Tambi\xE9n los usan estas p\xE1ginas:\n" + nameListText(pagesUsing);
    text += "\nS\xED: reemplazarlos todos (no podr\xE1 deshacerlo)\n"
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

// Answers the replace question when it arises, naming the pages, but
// `except`, whose picture would change with it; false after Cancel.
bool settleConflicts(HWND owner, const Proyecto& project, const Pagina* except, PictureImport& import) {
    const std::vector<std::string> conflicts = import.conflictingNames();
    if (conflicts.empty())
        return true;
    const ReplaceAnswer answer = askReplaceAll(owner, conflicts, import.pagesUsingConflicts(project, except));
    import.setConflictAnswer(answer);
    return answer != ReplaceAnswer::Stop;
}

// The scale question for `resized`, when there are any; false after Cancel.
bool settleScale(HWND owner, const std::vector<std::string>& resized, PicturePlan& plan) {
    if (resized.empty())
        return true;
    const ScaleAnswer answer = askScale(owner, resized, true);
    plan.scaleRegions = answer == ScaleAnswer::Scale;
    return answer != ScaleAnswer::Cancel;
}

// Copies and hands over what is left; the refusals are listed either way.
bool finish(HWND owner, PictureImport& import, PicturePlan& plan) {
    import.copy();
    showRefusals(owner, import);
    plan.pictures = import.pictures();
    return !plan.pictures.empty();
}

}  // namespace

ChosenPaths askPictureFiles(HWND owner, const std::string& projectFile) {
    const std::string folder = pictureChooserFolder(lastPictureChosen, projectFile);
    ChosenPaths chosen = askFilePaths(owner, pictureRequest(folder));
    if (!chosen.paths.empty())
        lastPictureChosen = chosen.paths.front();
    return chosen;
}

std::string askPictureFile(HWND owner, const std::string& projectFile) {
    const std::string folder = pictureChooserFolder(lastPictureChosen, projectFile);
    const std::string chosen = askFilePath(owner, pictureRequest(folder));
    if (!chosen.empty())
        lastPictureChosen = chosen;
    return chosen;
}

bool preparePages(HWND owner, const Proyecto& project, const ChosenPaths& chosen, PicturePlan& plan) {
    if (!hasFolder(owner, project))
        return false;
    PictureImport import(chosen.paths, project, FileAccess::current());
    for (const std::string& name : chosen.unreadable)
        import.refuse(name, "su nombre tiene caracteres que el programa no admite");
    return settleConflicts(owner, project, nullptr, import) &&
           settleScale(owner, import.resizedPages(project), plan) && finish(owner, import, plan);
}

// The page takes the picture, and so do the other pages that show a file
// written over: the scale question covers every one whose size changes.
bool prepareReplacement(HWND owner, const Proyecto& project, const Pagina& page, const std::string& path,
                        PicturePlan& plan) {
    if (!hasFolder(owner, project))
        return false;
    PictureImport import({path}, project, FileAccess::current());
    if (!settleConflicts(owner, project, &page, import))
        return false;
    const std::vector<PictureFile> pictures = import.pictures();
    std::vector<std::string> resized = import.resizedPages(project);
    if (!pictures.empty() && !equalIgnoringCase(page.imagen, pictures[0].name) && page.recordedAncho() > 0 &&
        page.recordedAlto() > 0 &&
        (pictures[0].width != static_cast<uint32_t>(page.recordedAncho()) ||
         pictures[0].height != static_cast<uint32_t>(page.recordedAlto())))
        resized.insert(resized.begin(), page.nombre);
    return settleScale(owner, resized, plan) && finish(owner, import, plan);
}

bool userScalesResizedPages(HWND owner, const Proyecto& project, const std::vector<size_t>& pages) {
    std::vector<std::string> names;
    for (size_t index : pages)
        names.push_back(project.paginas[index]->nombre);
    return askScale(owner, names, false) == ScaleAnswer::Scale;
}

#include "ui/win32/EditorDialogs.h"

#include <shellapi.h>

#include "model/FileAccess.h"
#include "model/win32/WidePath.h"
#include "model/ProjectCheck.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "base/texts.h"
#include "resources/version.h"
#include "transfer/win32/SubirProyectoDlg.h"
#include "transfer/win32/TransferirDlg.h"
#include "ui/EditorActions.h"
#include "ui/PictureChoice.h"
#include "ui/win32/CopiarPaginasDlg.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/HelpText.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PaginaDlg.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/PicturePrompts.h"
#include "ui/win32/ReemplazarDlg.h"
#include "ui/win32/ProjectPrompts.h"
#include "ui/win32/ProyectoDlg.h"
#include "ui/win32/RegionClipboard.h"

namespace {

PicturesAnswer answerOf(bool accepted, const PicturePlan& plan) {
    PicturesAnswer answer;
    answer.accepted = accepted;
    answer.pictures = plan.pictures;
    answer.scaleRegions = plan.scaleRegions;
    return answer;
}

}  // namespace

HWND EditorDialogs::owner() const {
    return window_.hwnd();
}

void EditorDialogs::documentChanging() {
    window_.letGoOfPage();
}

void EditorDialogs::showNow(const EditorActions& done) {
    window_.apply(done);
}

// ---- the project file ----

bool EditorDialogs::mayDropProject(Proyecto& project) {
    return ::mayDropProject(owner(), project);
}

bool EditorDialogs::save(Proyecto& project) {
    return saveWithPrompts(owner(), project);
}

bool EditorDialogs::saveAs(Proyecto& project) {
    return saveAsWithPrompts(owner(), project);
}

std::unique_ptr<Proyecto> EditorDialogs::chooseAndRead() {
    return openWithPrompts(owner());
}

std::unique_ptr<Proyecto> EditorDialogs::read(const std::string& path) {
    return readWithPrompts(owner(), path);
}

bool EditorDialogs::askNewProject(std::string& instalacion) {
    ProyectoDlg dialog(owner(), "", "", nullptr);
    if (dialog.runModal() != IDOK)
        return false;
    instalacion = dialog.instalacion;
    return true;
}

bool EditorDialogs::askProjectValues(const Proyecto& project, std::string& instalacion,
                                     std::string& paginaInicial) {
    std::vector<std::string> names = project.pageNames();
    ProyectoDlg dialog(owner(), project.instalacion, project.paginaInicial, &names);
    if (dialog.runModal() != IDOK)
        return false;
    instalacion = dialog.instalacion;
    paginaInicial = dialog.paginaInicial;
    return true;
}

bool EditorDialogs::scaleResizedPages(const Proyecto& project, const std::vector<size_t>& pages) {
    return userScalesResizedPages(owner(), project, pages);
}

bool EditorDialogs::forgetVanishedProject(const std::string& path) {
    const std::string question =
        "No se encuentra el proyecto " + path + "\n\xBF" "Desea quitarlo de la lista de proyectos recientes?";
    return MessageBoxA(owner(), question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
}

bool EditorDialogs::projectExists(const std::string& path) {
    return FileAccess::current().exists(path);
}

// ---- pages and pictures ----

std::optional<PaginaForm> EditorDialogs::askPage(const Proyecto& project, const Pagina* page,
                                                 const std::vector<std::string>& otherNames) {
    PaginaDlg dialog(owner(), page ? page->nombre : "", page ? page->orientaciones : "HV", page ? page->imagen : "",
                     page ? &page->comandoInicial : nullptr, project.archivo, otherNames,
                     picturesOfPages(project, page));
    if (dialog.runModal() != IDOK)
        return std::nullopt;
    return static_cast<const PaginaForm&>(dialog);
}

bool EditorDialogs::confirmPageDeletion() {
    return MessageBoxA(owner(), "Eliminar la p\xE1gina del proyecto?", kAttention, MB_YESNOCANCEL | MB_ICONQUESTION) ==
           IDYES;
}

PicturesAnswer EditorDialogs::choosePicturePages(const Proyecto& project) {
    const ChosenPaths chosen = askPictureFiles(owner(), project.archivo);
    PicturePlan plan;
    if (chosen.paths.empty() && chosen.unreadable.empty())
        return PicturesAnswer();
    return answerOf(preparePages(owner(), project, chosen, plan), plan);
}

PicturesAnswer EditorDialogs::takeDroppedPictures(const Proyecto& project, const std::vector<std::string>& paths,
                                                  const std::vector<std::string>& unreadable) {
    ChosenPaths dropped;
    dropped.paths = paths;
    dropped.unreadable = unreadable;
    PicturePlan plan;
    return answerOf(preparePages(owner(), project, dropped, plan), plan);
}

PicturesAnswer EditorDialogs::chooseReplacement(const Proyecto& project, const Pagina& page) {
    const std::string path = askPictureFile(owner(), project.archivo);
    PicturePlan plan;
    return answerOf(!path.empty() && prepareReplacement(owner(), project, page, path, plan), plan);
}

void EditorDialogs::refusePicturesWithoutProject() {
    MessageBoxA(owner(), "Abra o cree un proyecto antes de agregar im\xE1genes", kAttention, MB_ICONWARNING);
}

// ---- the check, the transfer, the clipboard, help ----

bool EditorDialogs::chooseFinding(const Proyecto& project, ProjectFinding& chosen) {
    return ::chooseFinding(owner(), project, chosen);
}

bool EditorDialogs::mayTransfer(const Proyecto& project) {
    return ::mayTransfer(owner(), project);
}

void EditorDialogs::transfer(Proyecto& project) {
    TransferirDlg dialog(owner(), &project);
    dialog.runModal();
}

void EditorDialogs::transferOverNetwork(Proyecto& project) {
    SubirProyectoDlg dialog(owner(), &project);
    dialog.runModal();
}

void EditorDialogs::copySelectedRegion() {
    const std::vector<Region> selected = window_.canvas().editor().selectedRegions();
    if (selected.empty())
        return;
    if (!putRegionText(owner(), printRegions(selected)))
        MessageBoxA(owner(), "No se pudo copiar la regi\xF3n al portapapeles", kError, MB_ICONERROR);
    window_.updateClipboardItems();
}

// The clipboard is input from outside: what is not a region of ours is
// refused whole, and the page stays as it was.
void EditorDialogs::pasteRegion() {
    std::string text;
    std::vector<Region> regions;
    if (!clipboardRegionText(owner(), text) || !parseRegions(text, regions)) {
        MessageBoxA(owner(), "El portapapeles no contiene una regi\xF3n", kError, MB_ICONERROR);
        return;
    }
    window_.canvas().pasteRegions(regions);
    window_.updateClipboardItems();
}

std::vector<Region> EditorDialogs::selectedRegions() {
    return window_.canvas().editor().selectedRegions();
}

std::vector<size_t> EditorDialogs::choosePagesToCopyTo(const Proyecto& project, size_t shown) {
    CopiarPaginasDlg dialog(owner(), project.pageNames(), shown);
    if (dialog.runModal() != IDOK)
        return {};
    return dialog.pages;
}

std::optional<ReplaceRequest> EditorDialogs::askReplace(const Proyecto& project, size_t shown) {
    ReemplazarDlg dialog(owner(), project, shown);
    if (dialog.runModal() != IDOK)
        return std::nullopt;
    return dialog.request;
}

void EditorDialogs::showAbout() {
    MessageBoxA(owner(), "Quenda V" QUENDA_VERSION_TEXT, "Acerca del Quenda", MB_OK);
}

void EditorDialogs::showError(const std::string& text) {
    MessageBoxA(owner(), text.c_str(), kError, MB_ICONERROR);
}

void EditorDialogs::showHelp() {
    MessageBoxA(owner(), kHelpText, "Ayuda", MB_OK);
}

// ---- the handover document ----

std::string EditorDialogs::chooseDocumentFile(const std::string& offeredName) {
    FileDialogRequest request;
    request.save = true;
    request.title = "Exportar documentaci\xF3n";
    request.filter = "P\xE1gina web (*.html)\0*.html\0";
    request.initialName = offeredName.c_str();
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return askFilePath(owner(), request);
}

bool EditorDialogs::mayReplaceDocument(const std::string& path) {
    const std::string question = "Ya existe " + path + " o su carpeta de im\xE1genes.\n\xBF" "Desea reemplazarlos?";
    return MessageBoxA(owner(), question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
}

bool EditorDialogs::openDocumentWhenDone(const std::string& path) {
    const std::string question = "Se export\xF3 la documentaci\xF3n en " + path + ".\n\xBF" "Abrirla ahora en el navegador?";
    return MessageBoxA(owner(), question.c_str(), kAttention, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The browser the user chose for web pages; a value of 32 or less is a failure.
void EditorDialogs::openDocument(const std::string& path) {
    const WideText wide = wideText(path);
    const auto opened = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (opened <= 32)
        showError("No se pudo abrir " + path);
}

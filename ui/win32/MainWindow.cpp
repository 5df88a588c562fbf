#include "ui/win32/MainWindow.h"

#include <ctime>
#include <vector>

#include "win32/Application.h"
#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/RecoveryStore.h"
#include "model/Settings.h"
#include "model/win32/WidePath.h"
#include "base/resource.h"
#include "base/texts.h"
#include "resources/version.h"
#include "transfer/win32/SubirProyectoDlg.h"
#include "transfer/win32/TransferirDlg.h"
#include "ui/ModoEdicion.h"
#include "ui/WindowPlace.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/HelpText.h"
#include "ui/win32/PaginaDlg.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/PicturePrompts.h"
#include "ui/win32/ProjectPrompts.h"
#include "ui/win32/ProyectoDlg.h"
#include "ui/win32/RecoveryWriter.h"
#include "ui/win32/RegionClipboard.h"

namespace {

const int kFileMenu = 0;
const int kEditMenu = 1;
const int kPageMenu = 2;
const UINT_PTR kRecoveryTimer = 1;
const UINT kRecoveryWritten = WM_APP + 10;  // from RecoveryWriter

// Menu items and toolbar buttons whose state follows the document. "Agregar"
// has a button only: its menu item is never disabled.
const int kMenuItems[] = {ID_GUARDAR_PROYECTO,        ID_GUARDAR_COMO,    ID_MODIFICAR_PROYECTO,
                          ID_VERIFICAR_PROYECTO,      ID_TRANSFERIR,      ID_DESHACER,
                          ID_REHACER,                 ID_PAGINA_ELIMINAR, ID_PAGINA_EDITAR,
                          ID_PAGINA_DUPLICAR,         ID_PAGINA_AGREGAR_IMAGENES, ID_PAGINA_REEMPLAZAR_IMAGEN};
const int kButtons[] = {ID_GUARDAR_PROYECTO, ID_PAGINA_AGREGAR, ID_TRANSFERIR};

UINT enabledFlag(bool enabled) {
    return MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_DISABLED);
}

}  // namespace

MainWindow::MainWindow(const std::string& recoveryFolder)
    : Window(nullptr, "", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
             CW_USEDEFAULT),
      recent_(Settings::current()) {
    SetMenu(hwnd(), LoadMenuA(instanceHandle, MAKEINTRESOURCEA(IDR_MAINMENU)));
    toolbar_.create(hwnd());
    statusBar_.create(hwnd());
    // Before the first page: its scale depends on the screen the window is on.
    restorePlace();
    rebuildRecentMenu();
    canvas_.reset(new PaginaWindow(toolbar_.height(), this, *this));
    changeDocument([this] { document_.showStartPage(); });
    HICON icon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_QUENDA));
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (!recoveryFolder.empty()) {
        recovery_.reset(new RecoveryStore(recoveryFolder, FileAccess::current()));
        recoveryWriter_.reset(new RecoveryWriter(*recovery_, hwnd(), kRecoveryWritten));
        startRecoveryTimer();
    }
    DragAcceptFiles(hwnd(), TRUE);
    ShowWindow(hwnd(), SW_SHOW);
}

MainWindow::~MainWindow() = default;

// ---- recovery copies --------------------------------------------------------

void MainWindow::copyUnsavedWork() {
    if (!recovery_)
        return;
    if (!document_.project().hasUnsavedChanges()) {
        removeRecoveryCopy();
        return;
    }
    // With a write still under way the next tick copies what is new.
    if (recoveryWriter_->start(document_.project(), static_cast<int64_t>(std::time(nullptr))))
        copyMayExist_ = true;
}

void MainWindow::startRecoveryTimer() {
    SetTimer(hwnd(), kRecoveryTimer, recoveryIntervalSeconds(Settings::current()) * 1000, nullptr);
}

// Saving, opening or starting another project, or undoing back to the saved
// state leave nothing to recover.
void MainWindow::dropCopyOfSavedWork() {
    if (copyMayExist_ && !document_.project().hasUnsavedChanges())
        removeRecoveryCopy();
}

void MainWindow::removeRecoveryCopy() {
    if (!recovery_ || !copyMayExist_)
        return;
    recoveryWriter_->wait();
    recovery_->removeCopy();
    copyMayExist_ = false;
}

bool MainWindow::writeRecoveryCopyNow() {
    if (!recovery_)
        return false;
    recoveryWriter_->wait();
    copyMayExist_ = true;
    const bool written = recovery_->writeCopy(document_.project(), static_cast<int64_t>(std::time(nullptr)));
    showRecoveryResult(written);
    return written;
}

// Editing goes on either way; the bar says so once, not every time.
void MainWindow::showRecoveryResult(bool written) {
    if (written != recoveryFailureShown_)
        return;
    recoveryFailureShown_ = !written;
    statusBar_.setMessage(written ? std::string()
                                  : "No se puede escribir la copia de recuperaci\xF3n en " +
                                        shownPath(recovery_->folder()));
}

LRESULT MainWindow::onTimer(WPARAM timerId) {
    if (timerId == kRecoveryTimer)
        copyUnsavedWork();
    return 0;
}

void MainWindow::replaceProject(std::unique_ptr<Proyecto> replacement) {
    endTrial();
    changeDocument([&] { document_.replaceProject(std::move(replacement)); });
}

void MainWindow::openAtStart(const StartFile& file) {
    if (file.refusal) {
        MessageBoxA(hwnd(), file.refusal, kError, MB_ICONERROR);
        return;
    }
    // A recovered project offered just before is unsaved work of its own.
    if (file.path.empty() || !mayDropDocument())
        return;
    showOpened(readWithPrompts(hwnd(), file.path));
    dropCopyOfSavedWork();
}

// ---- showing the document ---------------------------------------------------

void MainWindow::changeDocument(const std::function<void()>& change) {
    showOnCanvas(nullptr);
    change();
    rebuildPageMenu();
    showOnCanvas(document_.shownPage());
    updateMenus();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::showChosenPage() {
    showOnCanvas(document_.shownPage());
    markPageItems();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::rebuildPageMenu() {
    HMENU pageMenu = GetSubMenu(GetMenu(hwnd()), kPageMenu);
    for (int id = ID_PAGE_FIRST; DeleteMenu(pageMenu, id, MF_BYCOMMAND); ++id) {
    }
    const std::vector<std::string> names = document_.project().pageNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const int id = ID_PAGE_FIRST + static_cast<int>(i);
        AppendMenuA(pageMenu, MF_STRING | (document_.isChecked(id) ? MF_CHECKED : 0), id, names[i].c_str());
    }
    DrawMenuBar(hwnd());
}

void MainWindow::markPageItems() {
    HMENU pageMenu = GetSubMenu(GetMenu(hwnd()), kPageMenu);
    const int pageCount = static_cast<int>(document_.project().paginas.size());
    for (int id = ID_PAGE_FIRST; id < ID_PAGE_FIRST + pageCount; ++id)
        CheckMenuItem(pageMenu, id, MF_BYCOMMAND | (document_.isChecked(id) ? MF_CHECKED : MF_UNCHECKED));
}

// The canvas reports NORMAL for the page it takes, and with it the title.
void MainWindow::showOnCanvas(Pagina* page) {
    const double scale = page ? canvasScale(*page) : 1.0;
    statusBar_.setPictureSize(page ? page->pictureWidth() : 0, page ? page->pictureHeight() : 0);
    canvas_->setPage(page, scale, document_.project().pageNames());
}

// A picture larger than the work area of the window's screen, less all
// that surrounds the canvas, is scaled down, and the window moves to the
// work area's corner to give it room.
double MainWindow::canvasScale(const Pagina& page) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& work = monitor.rcWork;
    const Extent room = pictureRoom(surroundings(), Extent{work.right - work.left, work.bottom - work.top});
    ScaleChoice choice = chooseScale(page.pictureWidth(), page.pictureHeight(), room.width, room.height);
    if (choice.moveToCorner)
        SetWindowPos(hwnd(), nullptr, work.left, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return choice.scale;
}

CanvasSurroundings MainWindow::surroundings() const {
    CanvasSurroundings around;
    around.frame = frameAround(hwnd(), windowDpi(hwnd()));
    around.toolbarHeight = toolbar_.height();
    around.statusHeight = statusBar_.height();
    if (canvas_) {
        RECT outer = {}, client = {};
        GetWindowRect(canvas_->hwnd(), &outer);
        GetClientRect(canvas_->hwnd(), &client);
        around.canvasBorder =
            Extent{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    }
    return around;
}

// The frame comes from the window's styles at its DPI; a menu bar wrapped
// onto two lines shows only once the window has its width, so the size is
// measured and mended (twice at most: the width never changes).
void MainWindow::fitToCanvas() {
    if (!canvas_)
        return;
    RECT canvasClient = {};
    GetClientRect(canvas_->hwnd(), &canvasClient);
    const CanvasSurroundings around = surroundings();
    const Extent canvasSize{canvasClient.right, canvasClient.bottom};
    const Extent wanted = clientSizeFor(around, canvasSize);
    fittedSize_ = windowSizeFor(around, canvasSize);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // onGetMinMaxInfo turns 0 x 0 into fittedSize_.
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
        RECT client = {};
        GetClientRect(hwnd(), &client);
        const Extent got{client.right, client.bottom};
        if (got == wanted)
            break;
        fittedSize_ = correctedWindowSize(fittedSize_, wanted, got);
    }
}

void MainWindow::changeDpi(const RECT& suggested) {
    toolbar_.useIconsFor(windowDpi(hwnd()));
    statusBar_.fitParent();
    if (canvas_)
        SetWindowPos(canvas_->hwnd(), nullptr, 0, toolbar_.height(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    fitToCanvas();
}

void MainWindow::updateMenus() {
    HMENU menu = GetMenu(hwnd());
    EnableMenuItem(menu, kEditMenu, MF_BYPOSITION | (document_.editMenuEnabled() ? MF_ENABLED : MF_DISABLED));
    EnableMenuItem(menu, kPageMenu, MF_BYPOSITION | (document_.pageMenuEnabled() ? MF_ENABLED : MF_DISABLED));
    for (int id : kMenuItems)
        EnableMenuItem(menu, id, enabledFlag(document_.isEnabled(id)));
    for (int id : kButtons)
        toolbar_.enable(id, document_.isEnabled(id));
    for (int i = 0; i < kModeCount; ++i) {
        const int mode = modeInfo(modeAt(i)).commandId;
        EnableMenuItem(menu, mode, enabledFlag(document_.isEnabled(mode)));
        toolbar_.enable(mode, document_.isEnabled(mode));
    }
    // Only a test run greys the menu item of "Agregar".
    EnableMenuItem(menu, ID_PAGINA_AGREGAR, enabledFlag(!document_.trial()));
    EnableMenuItem(menu, ID_PROBAR_MANDO, enabledFlag(document_.isEnabled(ID_PROBAR_MANDO)));
    updateClipboardItems();
    DrawMenuBar(hwnd());
}

// "Copiar" and "Pegar" follow the selection and the clipboard, which change
// without this window hearing of it: they are set again whenever the menu
// opens or an accelerator looks at them.
void MainWindow::updateClipboardItems() {
    Region selected;
    const bool canCopy =
        document_.isEnabled(ID_EDITAR_COPIAR) && canvas_ && canvas_->editor().selectedRegion(selected);
    const bool canPaste = document_.isEnabled(ID_EDITAR_PEGAR) && clipboardHasRegion();
    HMENU menu = GetMenu(hwnd());
    EnableMenuItem(menu, ID_EDITAR_COPIAR, MF_BYCOMMAND | (canCopy ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDITAR_PEGAR, MF_BYCOMMAND | (canPaste ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::showMode() {
    HMENU editMenu = GetSubMenu(GetMenu(hwnd()), kEditMenu);
    for (int i = 0; i < kModeCount; ++i) {
        const int mode = modeInfo(modeAt(i)).commandId;
        const bool checked = document_.isChecked(mode);
        CheckMenuItem(editMenu, mode, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        if (checked)
            toolbar_.check(mode);
    }
    SetWindowTextA(hwnd(), document_.title().c_str());
}

// The canvas reports what changed; the title, the check marks, the status
// bar and the size are this window's to set.
void MainWindow::canvasChanged(const CanvasChange& change) {
    if (change.mode) {
        document_.setMode(*change.mode);
        showMode();
        statusBar_.setMode(modeInfo(*change.mode).titleText);
    }
    if (change.tapped && document_.trial())
        showTrialStep(document_.trial()->tap(*change.tapped));
    // The step is recorded before the edit, so "Deshacer" is ready when it ends.
    if (change.pageAboutToChange) {
        document_.shownPageAboutToChange();
        updateMenus();
    }
    if (change.selectionChanged)
        statusBar_.setSelection(change.selection ? &*change.selection : nullptr);
    if (change.resized)
        fitToCanvas();
}

// ---- handlers ---------------------------------------------------------------

LRESULT MainWindow::onGetMinMaxInfo(MINMAXINFO* info) {
    // Sizes asked for while the window is still being built get the default.
    if (!canvas_ || fittedSize_.width <= 0)
        return Window::onGetMinMaxInfo(info);
    info->ptMaxSize.x = info->ptMinTrackSize.x = info->ptMaxTrackSize.x = fittedSize_.width;
    info->ptMaxSize.y = info->ptMinTrackSize.y = info->ptMaxTrackSize.y = fittedSize_.height;
    return 0;
}

LRESULT MainWindow::onClose() {
    if (!mayDropDocument())
        return 0;
    storePlace();
    DestroyWindow(hwnd());
    return 0;
}

// A normal end: the work was saved or the user chose to drop it.
LRESULT MainWindow::onDestroy() {
    removeRecoveryCopy();
    PostQuitMessage(0);
    return 0;
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Logging off or shutting down ends the project as closing does.
    if (message == WM_QUERYENDSESSION) {
        sessionMayEnd_ = mayDropDocument();
        // Work the user chose to drop is not copied again meanwhile.
        if (sessionMayEnd_ && recovery_)
            KillTimer(hwnd(), kRecoveryTimer);
        return sessionMayEnd_ ? TRUE : FALSE;
    }
    // The session ends without closing the window: the process may end after
    // this without its windows being destroyed. A session ended without the
    // user's answer keeps the recovery copy.
    if (message == WM_ENDSESSION) {
        if (wParam) {
            storePlace();
            if (sessionMayEnd_)
                removeRecoveryCopy();
        } else if (sessionMayEnd_ && recovery_) {
            startRecoveryTimer();  // another program kept the session going
        }
        return 0;
    }
    if (message == kRecoveryWritten) {
        if (wParam) {
            recoveryWriter_->wait();
            recovery_->dropSuperseded();
        }
        showRecoveryResult(wParam != 0);
        return 0;
    }
    // Sent when a menu opens and when an accelerator checks its item. The
    // recent list is read again: another editor may have changed it.
    if (message == WM_INITMENUPOPUP) {
        if (reinterpret_cast<HMENU>(wParam) == GetSubMenu(GetMenu(hwnd()), kFileMenu))
            rebuildRecentMenu();
        updateClipboardItems();
        return 0;
    }
    // The status bar keeps to the bottom edge as the window's size changes.
    if (message == WM_SIZE) {
        SendMessageA(toolbar_.hwnd(), TB_AUTOSIZE, 0, 0);
        statusBar_.fitParent();
        return 0;
    }
    if (message == WM_DROPFILES) {
        dropFiles(reinterpret_cast<HDROP>(wParam));
        dropCopyOfSavedWork();
        return 0;
    }
    if (message == WM_DPICHANGED) {
        changeDpi(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_NOTIFY && Toolbar::answerTooltip(reinterpret_cast<NMHDR*>(lParam)))
        return 0;
    return DefWindowProcA(hwnd(), message, wParam, lParam);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int pageCount = static_cast<int>(document_.project().paginas.size());
    // Menu items greyed during a test run still come as keys.
    if (document_.trial() && !document_.isEnabled(id))
        return 0;
    RemoteTrial* trial = document_.trial();
    switch (id) {
    case IDM_ABOUT: MessageBoxA(hwnd(), "Quenda V" QUENDA_VERSION_TEXT, "Acerca del Quenda", MB_OK); break;
    case IDM_EXIT: onClose(); break;
    case ID_ABRIR_PROYECTO: openProject(); break;
    case ID_NUEVO_PROYECTO: newProject(); break;
    case ID_MODIFICAR_PROYECTO: modifyProject(); break;
    case ID_VERIFICAR_PROYECTO: verifyProject(); break;
    case ID_GUARDAR_PROYECTO:
        if (saveWithPrompts(hwnd(), document_.project()))
            rememberProject();
        break;
    case ID_GUARDAR_COMO:
        if (saveAsWithPrompts(hwnd(), document_.project()))
            rememberProject();
        break;
    case ID_PAGINA_AGREGAR: addPage(); break;
    case ID_PAGINA_ELIMINAR: deletePage(); break;
    case ID_PAGINA_EDITAR: editPage(); break;
    case ID_PAGINA_AGREGAR_IMAGENES:
        if (document_.isEnabled(ID_PAGINA_AGREGAR_IMAGENES))
            addPicturePages(askPictureFiles(hwnd(), document_.project().archivo));
        break;
    case ID_PAGINA_REEMPLAZAR_IMAGEN: replacePicture(); break;
    case ID_TRANSFERIR: transfer(); break;
    case ID_AYUDA: MessageBoxA(hwnd(), kHelpText, "Ayuda", MB_OK); break;
    case ID_TRANSFERIR_TCPIP: transferOverNetwork(); break;
    case ID_DESHACER:
        if (document_.isEnabled(ID_DESHACER))
            changeDocument([this] { document_.undo(); });
        break;
    case ID_REHACER:
        if (document_.isEnabled(ID_REHACER))
            changeDocument([this] { document_.redo(); });
        break;
    case ID_EDITAR_COPIAR: copyRegion(); break;
    case ID_EDITAR_PEGAR: pasteRegion(); break;
    case ID_PAGINA_DUPLICAR:
        if (document_.shownPage())
            changeDocument([this] { document_.duplicateShownPage(); });
        break;
    case ID_PROBAR_MANDO:
        if (trial)
            endTrial();
        else if (document_.isEnabled(ID_PROBAR_MANDO))
            startTrial();
        break;
    case ID_PRUEBA_SALIR: endTrial(); break;
    case ID_PRUEBA_ATRAS:
        if (trial)
            showTrialStep(trial->back());
        break;
    case ID_PRUEBA_INICIO:
        if (trial)
            showTrialStep(trial->start());
        break;
    default:
        if (trial && id >= ID_PAGE_FIRST && id < ID_PAGE_FIRST + pageCount) {
            showTrialStep(trial->showPageAt(id - ID_PAGE_FIRST));
        } else if (id >= ID_PAGE_FIRST && id < ID_PAGE_FIRST + pageCount) {
            document_.showPageAt(id - ID_PAGE_FIRST);
            showChosenPage();
        } else if (id >= ID_RECIENTE_FIRST && id < ID_RECIENTE_FIRST + static_cast<int>(kRecentLimit)) {
            openRecent(static_cast<size_t>(id - ID_RECIENTE_FIRST));
        } else if (canvas_) {
            PostMessageA(canvas_->hwnd(), WM_COMMAND, wParam, lParam);
        }
        break;
    }
    dropCopyOfSavedWork();
    return 0;
}

// ---- commands ---------------------------------------------------------------

void MainWindow::openProject() {
    endTrial();
    if (!mayDropDocument())
        return;
    showOpened(openWithPrompts(hwnd()));
}

void MainWindow::addPicturePages(const ChosenPaths& chosen) {
    if (chosen.paths.empty() && chosen.unreadable.empty())
        return;
    PicturePlan plan;
    if (preparePages(hwnd(), document_.project(), chosen, plan))
        changeDocument([&] { document_.addPicturePages(plan.pictures, plan.scaleRegions); });
}

void MainWindow::replacePicture() {
    const Pagina* page = document_.shownPage();
    if (!page)
        return;
    const std::string path = askPictureFile(hwnd(), document_.project().archivo);
    PicturePlan plan;
    if (!path.empty() && prepareReplacement(hwnd(), document_.project(), *page, path, plan))
        changeDocument([&] { document_.replaceShownPicture(plan.pictures.front().name, plan.scaleRegions); });
}

// One project file opens; anything else is taken as pictures, and what is
// not a PNG is refused with the rest.
void MainWindow::dropFiles(HDROP drop) {
    // Pages or a project arrive: a test run of the pages ends first.
    endTrial();
    ChosenPaths dropped;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<WCHAR> name(DragQueryFileW(drop, i, nullptr, 0) + 1, 0);
        if (DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())) > 0)
            dropped.add(name.data());
    }
    DragFinish(drop);
    SetForegroundWindow(hwnd());
    const bool oneProject = count == 1 && dropped.paths.size() == 1 && dropped.paths[0].size() > 4 &&
                            equalIgnoringCase(dropped.paths[0].substr(dropped.paths[0].size() - 4), ".xml");
    if (!oneProject) {
        if (document_.isEnabled(ID_PAGINA_AGREGAR_IMAGENES))
            addPicturePages(dropped);
        else
            MessageBoxA(hwnd(), "Abra o cree un proyecto antes de agregar im\xE1genes", kAttention, MB_ICONWARNING);
        return;
    }
    if (!mayDropDocument())
        return;
    showOpened(readWithPrompts(hwnd(), dropped.paths[0]));
}

// The project in place stays until the new one has been saved.
void MainWindow::newProject() {
    endTrial();
    if (!mayDropDocument())
        return;
    ProyectoDlg dialog(hwnd(), "", "", nullptr);
    if (dialog.runModal() != IDOK)
        return;
    auto created = std::make_unique<Proyecto>();
    created->instalacion = dialog.instalacion;
    if (saveWithPrompts(hwnd(), *created))
        showOpened(std::move(created));
}

// The start page is shown again, whatever the answer.
void MainWindow::modifyProject() {
    std::vector<std::string> names = document_.project().pageNames();
    ProyectoDlg dialog(hwnd(), document_.project().instalacion, document_.project().paginaInicial, &names);
    const bool accepted = dialog.runModal() == IDOK;
    changeDocument([&] {
        if (accepted)
            document_.modifyProject(dialog.instalacion, dialog.paginaInicial);
        else
            document_.showStartPage();
    });
}

void MainWindow::addPage() {
    const Proyecto& project = document_.project();
    PaginaDlg dialog(hwnd(), "", "HV", "", nullptr, project.archivo, project.pageNames(),
                     picturesOfPages(project, nullptr));
    if (dialog.runModal() == IDOK)
        changeDocument([&] { document_.addPage(dialog); });
}

void MainWindow::deletePage() {
    if (!document_.shownPage())
        return;
    int answer = MessageBoxA(hwnd(), "Eliminar la p\xE1gina del proyecto?", kAttention, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        changeDocument([this] { document_.deleteShownPage(); });
}

void MainWindow::editPage() {
    const Pagina* page = document_.shownPage();
    if (!page)
        return;
    PaginaDlg dialog(hwnd(), page->nombre, page->orientaciones, page->imagen, &page->comandoInicial,
                     document_.project().archivo, document_.otherPageNames(),
                     picturesOfPages(document_.project(), page));
    if (dialog.runModal() == IDOK)
        changeDocument([&] { document_.editShownPage(dialog); });
}

void MainWindow::verifyProject() {
    ProjectFinding finding;
    if (chooseFinding(hwnd(), document_.project(), finding))
        showFinding(finding.page, finding.region);
}

void MainWindow::showFinding(int pageIndex, int regionIndex) {
    if (!document_.showPageAt(pageIndex))
        return;
    showChosenPage();
    canvas_->selectRegion(regionIndex);
}

void MainWindow::transfer() {
    if (!saveWithPrompts(hwnd(), document_.project()))
        return;
    rememberProject();
    if (!mayTransfer(hwnd(), document_.project()))
        return;
    TransferirDlg dialog(hwnd(), &document_.project());
    dialog.runModal();
}

void MainWindow::transferOverNetwork() {
    SubirProyectoDlg dialog(hwnd(), &document_.project());
    dialog.runModal();
}

void MainWindow::copyRegion() {
    Region selected;
    if (!canvas_->editor().selectedRegion(selected))
        return;
    if (!putRegionText(hwnd(), printRegion(selected)))
        MessageBoxA(hwnd(), "No se pudo copiar la regi\xF3n al portapapeles", kError, MB_ICONERROR);
    updateClipboardItems();
}

// The clipboard is input from outside: what is not a region of ours is
// refused whole, and the page stays as it was.
void MainWindow::pasteRegion() {
    if (!document_.shownPage())
        return;
    std::string text;
    Region region;
    if (!clipboardRegionText(hwnd(), text) || !parseRegion(text, region)) {
        MessageBoxA(hwnd(), "El portapapeles no contiene una regi\xF3n", kError, MB_ICONERROR);
        return;
    }
    canvas_->pasteRegion(region);
    updateClipboardItems();
}

// ---- recent projects and the window's place ----------------------------------

// The items go between the two separators above "Salir".
void MainWindow::rebuildRecentMenu() {
    HMENU fileMenu = GetSubMenu(GetMenu(hwnd()), kFileMenu);
    for (int id = ID_RECIENTE_FIRST; id < ID_RECIENTE_FIRST + static_cast<int>(kRecentLimit); ++id)
        DeleteMenu(fileMenu, id, MF_BYCOMMAND);
    int exitPosition = GetMenuItemCount(fileMenu) - 1;
    while (exitPosition > 0 && GetMenuItemID(fileMenu, exitPosition) != IDM_EXIT)
        --exitPosition;
    const UINT at = static_cast<UINT>(exitPosition - 1);
    recentShown_ = recent_.paths();
    if (recentShown_.empty())
        InsertMenuA(fileMenu, at, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_RECIENTE_FIRST, "(ninguno)");
    const std::vector<std::string> labels = recentMenuLabels(recentShown_);
    for (size_t i = 0; i < labels.size(); ++i)
        InsertMenuA(fileMenu, at + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    ID_RECIENTE_FIRST + static_cast<UINT_PTR>(i), labels[i].c_str());
}

void MainWindow::showOpened(std::unique_ptr<Proyecto> opened) {
    if (!opened)
        return;
    replaceProject(std::move(opened));
    rememberProject();
    // Pictures exported again at another size: their pages' regions may follow.
    const std::vector<size_t> resized = document_.resizedPictures();
    if (!resized.empty() && userScalesResizedPages(hwnd(), document_.project(), resized))
        changeDocument([&] { document_.scaleToPictures(resized); });
}

void MainWindow::rememberProject() {
    recent_.add(document_.project().archivo);
    rebuildRecentMenu();
}

// A file that is gone may come back (a network drive, a card): the user
// decides whether it leaves the list. The project in place stays either way.
void MainWindow::openRecent(size_t index) {
    if (index >= recentShown_.size())
        return;
    const std::string path = recentShown_[index];
    if (!FileAccess::current().exists(path)) {
        const std::string question =
            "No se encuentra el proyecto " + path + "\n\xBF" "Desea quitarlo de la lista de proyectos recientes?";
        if (MessageBoxA(hwnd(), question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES) {
            recent_.remove(path);
            rebuildRecentMenu();
        }
        return;
    }
    if (!mayDropDocument())
        return;
    showOpened(readWithPrompts(hwnd(), path));
}

bool MainWindow::mayDropDocument() {
    Proyecto& project = document_.project();
    const bool unsaved = project.hasUnsavedChanges();
    if (!mayDropProject(hwnd(), project))
        return false;
    if (unsaved && !project.hasUnsavedChanges())
        rememberProject();
    return true;
}

// The caption must still be on a screen (one may have been unplugged or
// rearranged since), or the user could not reach the window.
void MainWindow::restorePlace() {
    WindowPlace place;
    if (!loadWindowPlace(Settings::current(), place))
        return;
    RECT now = {};
    GetWindowRect(hwnd(), &now);
    RECT caption = {place.x, place.y, place.x + (now.right - now.left), place.y + GetSystemMetrics(SM_CYCAPTION)};
    if (MonitorFromRect(&caption, MONITOR_DEFAULTTONULL))
        SetWindowPos(hwnd(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A minimised window's own rectangle is off the screen: its place is the
// normal one, which Windows gives relative to the main screen's work area.
void MainWindow::storePlace() {
    RECT rect = {};
    GetWindowRect(hwnd(), &rect);
    if (IsIconic(hwnd())) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        RECT work = {};
        if (!GetWindowPlacement(hwnd(), &placement) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
            return;
        rect = placement.rcNormalPosition;
        OffsetRect(&rect, work.left, work.top);
    }
    storeWindowPlace(Settings::current(), WindowPlace{rect.left, rect.top});
}

// ---- trying the pages -------------------------------------------------------

void MainWindow::startTrial() {
    const TrialStep first = document_.startTrial();
    canvas_->setTrying(true);
    updateMenus();
    showTrialStep(first);
}

void MainWindow::showTrialStep(const TrialStep& step) {
    const RemoteTrial* trial = document_.trial();
    if (!trial)
        return;
    if (step.pageChanged) {
        const int shown = trial->shownIndex();
        showOnCanvas(shown >= 0 ? document_.project().paginas[static_cast<size_t>(shown)].get() : nullptr);
        markPageItems();
    }
    if (step.flashRegion >= 0)
        canvas_->flashRegion(step.flashRegion);
    else if (step.flashAll)
        canvas_->flashAllRegions();
    statusBar_.setWholeBarText(RemoteTrial::statusText(step));
    SetWindowTextA(hwnd(), document_.title().c_str());
}

// The page edited before comes back in its mode; its selection does not.
void MainWindow::endTrial() {
    if (!document_.trial())
        return;
    const ModoEdicion mode = document_.endTrial();
    canvas_->setTrying(false);
    statusBar_.setWholeBarText("");
    showOnCanvas(document_.shownPage());
    if (mode != ModoEdicion::NORMAL)
        SendMessageA(canvas_->hwnd(), WM_COMMAND, MAKEWPARAM(modeInfo(mode).commandId, 0), 0);
    markPageItems();
    updateMenus();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

#include "ui/win32/MainWindow.h"

#include <vector>

#include "win32/Application.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "base/resource.h"
#include "base/texts.h"
#include "resources/version.h"
#include "transfer/win32/SubirProyectoDlg.h"
#include "transfer/win32/TransferirDlg.h"
#include "ui/ModoEdicion.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/HelpText.h"
#include "ui/win32/PaginaDlg.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/ProjectPrompts.h"
#include "ui/win32/ProyectoDlg.h"
#include "ui/win32/RegionClipboard.h"

namespace {

const int kEditMenu = 1;
const int kPageMenu = 2;

// Menu items and toolbar buttons whose state follows the document. "Agregar"
// has a button only: its menu item is never disabled.
const int kMenuItems[] = {ID_GUARDAR_PROYECTO, ID_GUARDAR_COMO,    ID_MODIFICAR_PROYECTO, ID_VERIFICAR_PROYECTO,
                          ID_TRANSFERIR,       ID_DESHACER,        ID_REHACER,            ID_PAGINA_ELIMINAR,
                          ID_PAGINA_EDITAR,    ID_PAGINA_DUPLICAR};
const int kButtons[] = {ID_GUARDAR_PROYECTO, ID_PAGINA_AGREGAR, ID_TRANSFERIR};

UINT enabledFlag(bool enabled) {
    return MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_DISABLED);
}

}  // namespace

MainWindow::MainWindow()
    : Window(nullptr, "", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
             CW_USEDEFAULT) {
    SetMenu(hwnd, LoadMenuA(instanceHandle, MAKEINTRESOURCEA(IDR_MAINMENU)));
    toolbar_.create(hwnd);
    statusBar_.create(hwnd);
    canvas_.reset(new PaginaWindow(toolbar_.height(), this, *this));
    changeDocument([this] { document_.showStartPage(); });
    HICON icon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_QUENDA));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ShowWindow(hwnd, SW_SHOW);
}

MainWindow::~MainWindow() = default;

void MainWindow::replaceProject(std::unique_ptr<Proyecto> replacement) {
    changeDocument([&] { document_.replaceProject(std::move(replacement)); });
}

// ---- showing the document ---------------------------------------------------

void MainWindow::changeDocument(const std::function<void()>& change) {
    showOnCanvas(nullptr);
    change();
    rebuildPageMenu();
    showOnCanvas(document_.shownPage());
    updateMenus();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MainWindow::showChosenPage() {
    showOnCanvas(document_.shownPage());
    markPageItems();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MainWindow::rebuildPageMenu() {
    HMENU pageMenu = GetSubMenu(GetMenu(hwnd), kPageMenu);
    for (int id = ID_PAGE_FIRST; DeleteMenu(pageMenu, id, MF_BYCOMMAND); ++id) {
    }
    const std::vector<std::string> names = document_.project().pageNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const int id = ID_PAGE_FIRST + static_cast<int>(i);
        AppendMenuA(pageMenu, MF_STRING | (document_.isChecked(id) ? MF_CHECKED : 0), id, names[i].c_str());
    }
    DrawMenuBar(hwnd);
}

void MainWindow::markPageItems() {
    HMENU pageMenu = GetSubMenu(GetMenu(hwnd), kPageMenu);
    const int pageCount = static_cast<int>(document_.project().paginas.size());
    for (int id = ID_PAGE_FIRST; id < ID_PAGE_FIRST + pageCount; ++id)
        CheckMenuItem(pageMenu, id, MF_BYCOMMAND | (document_.isChecked(id) ? MF_CHECKED : MF_UNCHECKED));
}

// The canvas reports NORMAL for the page it takes, and with it the title.
void MainWindow::showOnCanvas(Pagina* page) {
    const double scale = page ? canvasScale(*page) : 1.0;
    canvas_->setPage(page, scale, document_.project().pageNames());
}

// A picture larger than the work area of the window's screen, less all
// that surrounds the canvas, is scaled down, and the window moves to the
// work area's corner to give it room.
double MainWindow::canvasScale(const Pagina& page) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& work = monitor.rcWork;
    const Extent room = pictureRoom(surroundings(), Extent{work.right - work.left, work.bottom - work.top});
    ScaleChoice choice = chooseScale(page.pictureWidth(), page.pictureHeight(), room.width, room.height);
    if (choice.moveToCorner)
        SetWindowPos(hwnd, nullptr, work.left, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return choice.scale;
}

CanvasSurroundings MainWindow::surroundings() const {
    CanvasSurroundings around;
    around.frame = frameAround(hwnd, windowDpi(hwnd));
    around.toolbarHeight = toolbar_.height();
    around.statusHeight = statusBar_.height();
    if (canvas_) {
        RECT outer = {}, client = {};
        GetWindowRect(canvas_->hwnd, &outer);
        GetClientRect(canvas_->hwnd, &client);
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
    GetClientRect(canvas_->hwnd, &canvasClient);
    const CanvasSurroundings around = surroundings();
    const Extent canvasSize{canvasClient.right, canvasClient.bottom};
    const Extent wanted = clientSizeFor(around, canvasSize);
    fittedSize_ = windowSizeFor(around, canvasSize);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // onGetMinMaxInfo turns 0 x 0 into fittedSize_.
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
        RECT client = {};
        GetClientRect(hwnd, &client);
        const Extent got{client.right, client.bottom};
        if (got == wanted)
            break;
        fittedSize_ = correctedWindowSize(fittedSize_, wanted, got);
    }
}

void MainWindow::changeDpi(const RECT& suggested) {
    toolbar_.useIconsFor(windowDpi(hwnd));
    statusBar_.fitParent();
    if (canvas_)
        SetWindowPos(canvas_->hwnd, nullptr, 0, toolbar_.height(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    fitToCanvas();
}

void MainWindow::updateMenus() {
    HMENU menu = GetMenu(hwnd);
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
    updateClipboardItems();
    DrawMenuBar(hwnd);
}

// "Copiar" and "Pegar" follow the selection and the clipboard, which change
// without this window hearing of it: they are set again whenever the menu
// opens or an accelerator looks at them.
void MainWindow::updateClipboardItems() {
    Region selected;
    const bool canCopy = canvas_ && canvas_->editor().selectedRegion(selected);
    const bool canPaste = document_.isEnabled(ID_EDITAR_PEGAR) && clipboardHasRegion();
    HMENU menu = GetMenu(hwnd);
    EnableMenuItem(menu, ID_EDITAR_COPIAR, MF_BYCOMMAND | (canCopy ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDITAR_PEGAR, MF_BYCOMMAND | (canPaste ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::showMode() {
    HMENU editMenu = GetSubMenu(GetMenu(hwnd), kEditMenu);
    for (int i = 0; i < kModeCount; ++i) {
        const int mode = modeInfo(modeAt(i)).commandId;
        const bool checked = document_.isChecked(mode);
        CheckMenuItem(editMenu, mode, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        if (checked)
            toolbar_.check(mode);
    }
    SetWindowTextA(hwnd, document_.title().c_str());
}

// The canvas reports what changed; the title, the check marks, the status
// bar and the size are this window's to set.
void MainWindow::canvasChanged(const CanvasChange& change) {
    if (change.mode) {
        document_.setMode(*change.mode);
        showMode();
        statusBar_.setMode(modeInfo(*change.mode).titleText);
    }
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
    if (mayDropProject(hwnd, document_.project()))
        DestroyWindow(hwnd);
    return 0;
}

LRESULT MainWindow::onDestroy() {
    PostQuitMessage(0);
    return 0;
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Logging off or shutting down ends the project as closing does.
    if (message == WM_QUERYENDSESSION)
        return mayDropProject(hwnd, document_.project()) ? TRUE : FALSE;
    // Sent when a menu opens and when an accelerator checks its item.
    if (message == WM_INITMENUPOPUP) {
        updateClipboardItems();
        return 0;
    }
    // The status bar keeps to the bottom edge as the window's size changes.
    if (message == WM_SIZE) {
        SendMessageA(toolbar_.hwnd, TB_AUTOSIZE, 0, 0);
        statusBar_.fitParent();
        return 0;
    }
    if (message == WM_DPICHANGED) {
        changeDpi(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_NOTIFY && Toolbar::answerTooltip(reinterpret_cast<NMHDR*>(lParam)))
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int pageCount = static_cast<int>(document_.project().paginas.size());
    switch (id) {
    case IDM_ABOUT: MessageBoxA(hwnd, "Quenda V" QUENDA_VERSION_TEXT, "Acerca del Quenda", MB_OK); break;
    case IDM_EXIT: onClose(); break;
    case ID_ABRIR_PROYECTO: openProject(); break;
    case ID_NUEVO_PROYECTO: newProject(); break;
    case ID_MODIFICAR_PROYECTO: modifyProject(); break;
    case ID_VERIFICAR_PROYECTO: verifyProject(); break;
    case ID_GUARDAR_PROYECTO: saveWithPrompts(hwnd, document_.project()); break;
    case ID_GUARDAR_COMO: saveAsWithPrompts(hwnd, document_.project()); break;
    case ID_PAGINA_AGREGAR: addPage(); break;
    case ID_PAGINA_ELIMINAR: deletePage(); break;
    case ID_PAGINA_EDITAR: editPage(); break;
    case ID_TRANSFERIR: transfer(); break;
    case ID_AYUDA: MessageBoxA(hwnd, kHelpText, "Ayuda", MB_OK); break;
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
    default:
        if (id >= ID_PAGE_FIRST && id < ID_PAGE_FIRST + pageCount) {
            document_.showPageAt(id - ID_PAGE_FIRST);
            showChosenPage();
        } else if (canvas_) {
            PostMessageA(canvas_->hwnd, WM_COMMAND, wParam, lParam);
        }
        break;
    }
    return 0;
}

// ---- commands ---------------------------------------------------------------

void MainWindow::openProject() {
    if (!mayDropProject(hwnd, document_.project()))
        return;
    if (std::unique_ptr<Proyecto> opened = openWithPrompts(hwnd))
        replaceProject(std::move(opened));
}

// The project in place stays until the new one has been saved.
void MainWindow::newProject() {
    if (!mayDropProject(hwnd, document_.project()))
        return;
    ProyectoDlg dialog(hwnd, "", "", nullptr);
    if (dialog.runModal() != IDOK)
        return;
    auto created = std::make_unique<Proyecto>();
    created->instalacion = dialog.instalacion;
    if (saveWithPrompts(hwnd, *created))
        replaceProject(std::move(created));
}

// The start page is shown again, whatever the answer.
void MainWindow::modifyProject() {
    std::vector<std::string> names = document_.project().pageNames();
    ProyectoDlg dialog(hwnd, document_.project().instalacion, document_.project().paginaInicial, &names);
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
    PaginaDlg dialog(hwnd, "", "HV", "", nullptr, project.archivo, project.pageNames(),
                     picturesOfPages(project, nullptr));
    if (dialog.runModal() == IDOK)
        changeDocument([&] { document_.addPage(dialog); });
}

void MainWindow::deletePage() {
    if (!document_.shownPage())
        return;
    int answer = MessageBoxA(hwnd, "Eliminar la p\xE1gina del proyecto?", kAttention, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        changeDocument([this] { document_.deleteShownPage(); });
}

void MainWindow::editPage() {
    const Pagina* page = document_.shownPage();
    if (!page)
        return;
    PaginaDlg dialog(hwnd, page->nombre, page->orientaciones, page->imagen, &page->comandoInicial,
                     document_.project().archivo, document_.otherPageNames(),
                     picturesOfPages(document_.project(), page));
    if (dialog.runModal() == IDOK)
        changeDocument([&] { document_.editShownPage(dialog); });
}

void MainWindow::verifyProject() {
    ProjectFinding finding;
    if (chooseFinding(hwnd, document_.project(), finding))
        showFinding(finding.page, finding.region);
}

void MainWindow::showFinding(int pageIndex, int regionIndex) {
    if (!document_.showPageAt(pageIndex))
        return;
    showChosenPage();
    canvas_->selectRegion(regionIndex);
}

void MainWindow::transfer() {
    if (!saveWithPrompts(hwnd, document_.project()) || !mayTransfer(hwnd, document_.project()))
        return;
    TransferirDlg dialog(hwnd, &document_.project());
    dialog.runModal();
}

void MainWindow::transferOverNetwork() {
    SubirProyectoDlg dialog(hwnd, &document_.project());
    dialog.runModal();
}

void MainWindow::copyRegion() {
    Region selected;
    if (!canvas_->editor().selectedRegion(selected))
        return;
    if (!putRegionText(hwnd, printRegion(selected)))
        MessageBoxA(hwnd, "No se pudo copiar la regi\xF3n al portapapeles", kError, MB_ICONERROR);
    updateClipboardItems();
}

// The clipboard is input from outside: what is not a region of ours is
// refused whole, and the page stays as it was.
void MainWindow::pasteRegion() {
    if (!document_.shownPage())
        return;
    std::string text;
    Region region;
    if (!clipboardRegionText(hwnd, text) || !parseRegion(text, region)) {
        MessageBoxA(hwnd, "El portapapeles no contiene una regi\xF3n", kError, MB_ICONERROR);
        return;
    }
    canvas_->pasteRegion(region);
    updateClipboardItems();
}

#include "ui/win32/MainWindow.h"

#include <commctrl.h>

#include <exception>
#include <vector>

#include "app/Application.h"
#include "model/FileAccess.h"
#include "model/MissingPictureCarry.h"
#include "model/ProjectCheck.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/ProyectoException.h"
#include "resources/resource.h"
#include "resources/texts.h"
#include "resources/version.h"
#include "transfer/win32/SubirProyectoDlg.h"
#include "transfer/win32/TransferirDlg.h"
#include "ui/ModoEdicion.h"
#include "ui/NameList.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/PaginaDlg.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/ProjectFileDialogs.h"
#include "ui/win32/ProyectoDlg.h"
#include "ui/win32/RegionClipboard.h"
#include "ui/win32/VerificarDlg.h"

namespace {

const int kEditMenu = 1;
const int kPageMenu = 2;
const int kFallbackWidth = 400;
const int kFallbackHeight = 200;

const char kHelpText[] =
    "Modos de edici\xF3n:\n"
    "NORMAL: permite crear regiones, eliminarlas, moverlas y redimensionarlas\n"
    "ALINEARSUP: permite alinear respecto del borde superior de la regi\xF3n seleccionada\n"
    "ALINEARINF: idem respecto del borde inferior\n"
    "ALINEARIZQ: idem respecto del borde izquierdo\n"
    "ALINEARDER: idem respecto del borde derecho\n"
    "IGUALARALTO: iguala la altura con la regi\xF3n seleccionada. Conserva la coordenada superior\n"
    "IGUALARANCHO: idem ancho. Conserva la coordenada izquierda.\n"
    "IGUALARTAMANNO: iguala todas las dimensiones respecto de la regi\xF3n seleccionada. Conserva las "
    "coordenadas de la esquina superior izquierda.\n"
    "Click izquierdo, dependiendo del modo de edicion:\n"
    "NORMAL:\n"
    "\tDentro de regi\xF3n:\n"
    "\t\tArrastrando permite moverla o redimensionarla segun donde se clickee. El cursor cambia acordemente\n"
    "\tFuera de regi\xF3n:\n"
    "\t\tArrastrando permite crear una regi\xF3n\n"
    "OTRO:\n"
    "\tDentro de regi\xF3n:\n"
    "\t\tSi hay regi\xF3n seleccionada, act\xFA" "a.\n"
    "\t\tSino la selecciona\n"
    "\tFuera de regi\xF3n\n"
    "\t\tDeselecciona regi\xF3n si habia seleccionada\n"
    "\n"
    "Click derecho o:\n"
    "Click izquierdo + CTRL:\n"
    "\tsobre regi\xF3n:\n"
    "\t\tla selecciona y abre el dialogo de comandos\n"
    "\n"
    "Teclas en modo NORMAL:\n"
    "Flechas: mueven la regi\xF3n seleccionada\n"
    "Ctrl Flechas: redimensionan agrandando la regi\xF3n selecconada\n"
    "Ctrl-Shift-Flechas: redimensionan achicando la regi\xF3n selecconada\n"
    "Delete elimina la regi\xF3n seleccionada\n";

TBBUTTON separator() {
    TBBUTTON button = {};
    button.fsStyle = TBSTYLE_SEP;
    return button;
}

TBBUTTON pushButton(int commandId, int image, BYTE style = TBSTYLE_BUTTON) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = commandId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}

TBBUTTON modeButton(int commandId, int image) {
    return pushButton(commandId, image, TBSTYLE_CHECKGROUP);
}

// The names of every page but `page` itself; a page sharing its name keeps
// that name in the list.
std::vector<std::string> namesOfOtherPages(const Proyecto& project, const Pagina* page) {
    std::vector<std::string> names;
    for (const auto& other : project.paginas)
        if (other.get() != page)
            names.push_back(other->nombre);
    return names;
}

std::vector<std::string> findingLines(const Proyecto& project, const std::vector<ProjectFinding>& findings) {
    std::vector<std::string> lines;
    for (const ProjectFinding& finding : findings)
        lines.push_back(findingLine(project, finding));
    return lines;
}

}  // namespace

MainWindow::MainWindow()
    : Window(nullptr, "", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
             CW_USEDEFAULT),
      currentPage(nullptr) {
    SetMenu(hwnd, LoadMenuA(instanceHandle, MAKEINTRESOURCEA(IDR_MAINMENU)));
    createToolbar();
    statusBar.create(hwnd);
    project.reset(new Proyecto());
    canvas.reset(new PaginaWindow(toolbar.height(), this, *this));
    showPage("");
    HICON icon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_QUENDA));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ShowWindow(hwnd, SW_SHOW);
}

MainWindow::~MainWindow() {
    releaseProject();
}

void MainWindow::releaseProject() {
    canvas.reset();
    project.reset();
}

void MainWindow::createToolbar() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<TBBUTTON> buttons = {
        separator(),
        pushButton(ID_NUEVO_PROYECTO, 0),
        pushButton(ID_ABRIR_PROYECTO, 1),
        pushButton(ID_GUARDAR_PROYECTO, 2),
        pushButton(ID_TRANSFERIR, 16),
        separator(),
        pushButton(ID_PAGINA_AGREGAR, 17),
        separator(),
    };
    for (int i = 0; i < kModeCount; ++i) {
        const ModeInfo& info = modeInfo(modeAt(i));
        buttons.push_back(modeButton(info.commandId, info.toolbarImage));
    }
    // 16 images declared although the strip holds 18: the transfer and
    // add-page buttons use the last two all the same.
    toolbar.hwnd = CreateToolbarEx(hwnd, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, 16,
                                   instanceHandle, IDB_TOOLBAR, buttons.data(), static_cast<int>(buttons.size()), 16,
                                   16, 16, 16, sizeof(TBBUTTON));
    toolbar.useIconsFor(windowDpi(hwnd));
}

const char* MainWindow::tooltipText(int commandId) {
    switch (commandId) {
    case ID_NUEVO_PROYECTO: return "nuevo proyecto";
    case ID_ABRIR_PROYECTO: return "abrir proyecto";
    case ID_GUARDAR_PROYECTO: return "guardar proyecto";
    case ID_TRANSFERIR: return "transferir a dispositivo";
    case ID_PAGINA_AGREGAR: return "agregar p\xE1gina";
    default: break;
    }
    ModoEdicion mode;
    return modeForCommand(commandId, mode) ? modeInfo(mode).tooltipText : "?";
}

// ---- the page shown ---------------------------------------------------------

void MainWindow::showPage(const std::string& name) {
    changePages([&] { return name; });
}

void MainWindow::changePages(const std::function<std::string()>& change) {
    showOnCanvas(nullptr);
    const std::string name = change();

    HMENU pageMenu = GetSubMenu(GetMenu(hwnd), kPageMenu);
    for (int id = ID_PAGE_FIRST; DeleteMenu(pageMenu, id, MF_BYCOMMAND); ++id) {
    }

    // Shown again even without pages: the title follows the changed project.
    Pagina* shown = nullptr;
    std::vector<std::string> names = project->pageNames();
    if (!names.empty()) {
        std::string selected = name;
        if (selected.empty())
            selected = project->paginaInicial;
        if (selected.empty())
            selected = names.front();
        for (size_t i = 0; i < names.size(); ++i) {
            UINT flags = names[i] == selected ? MF_STRING | MF_CHECKED : MF_STRING;
            AppendMenuA(pageMenu, flags, ID_PAGE_FIRST + i, names[i].c_str());
        }
        DrawMenuBar(hwnd);
        shown = project->findPage(selected);
    }
    showOnCanvas(shown);
    updateMenus();
    InvalidateRect(hwnd, nullptr, TRUE);
}

int MainWindow::indexOf(const Pagina* page) const {
    for (size_t i = 0; i < project->paginas.size(); ++i)
        if (project->paginas[i].get() == page)
            return static_cast<int>(i);
    return -1;
}

void MainWindow::choosePage(int index) {
    showMarked(project->findPage(project->pageNames()[index]), index);
}

void MainWindow::showMarked(Pagina* page, int index) {
    showOnCanvas(page);
    HMENU pageMenu = GetSubMenu(GetMenu(hwnd), kPageMenu);
    const size_t pageCount = project->paginas.size();
    for (size_t i = 0; i < pageCount; ++i) {
        UINT id = ID_PAGE_FIRST + i;
        CheckMenuItem(pageMenu, id, MF_BYCOMMAND | (static_cast<int>(i) == index ? MF_CHECKED : MF_UNCHECKED));
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MainWindow::showOnCanvas(Pagina* page) {
    currentPage = page;
    const double scale = page ? canvasScale(*page) : 1.0;
    canvas->setPage(page, scale, project->instalacion, project->pageNames());
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
    around.toolbarHeight = toolbar.height();
    around.statusHeight = statusBar.height();
    if (canvas) {
        RECT outer = {}, client = {};
        GetWindowRect(canvas->hwnd, &outer);
        GetClientRect(canvas->hwnd, &client);
        around.canvasBorder =
            Extent{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    }
    return around;
}

// The frame comes from the window's styles at its DPI; a menu bar wrapped
// onto two lines shows only once the window has its width, so the size is
// measured and mended (twice at most: the width never changes).
void MainWindow::fitToCanvas() {
    if (!canvas)
        return;
    RECT canvasClient = {};
    GetClientRect(canvas->hwnd, &canvasClient);
    const CanvasSurroundings around = surroundings();
    const Extent canvasSize{canvasClient.right, canvasClient.bottom};
    const Extent wanted = clientSizeFor(around, canvasSize);
    fittedSize = windowSizeFor(around, canvasSize);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // onGetMinMaxInfo turns 0 x 0 into fittedSize.
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
        RECT client = {};
        GetClientRect(hwnd, &client);
        const Extent got{client.right, client.bottom};
        if (got == wanted)
            break;
        fittedSize = correctedWindowSize(fittedSize, wanted, got);
    }
}

void MainWindow::changeDpi(const RECT& suggested) {
    toolbar.useIconsFor(windowDpi(hwnd));
    statusBar.fitParent();
    if (canvas)
        SetWindowPos(canvas->hwnd, nullptr, 0, toolbar.height(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    fitToCanvas();
}

// The canvas reports what changed; the title, the check marks and the size
// are this window's to set.
void MainWindow::canvasChanged(const CanvasChange& change) {
    if (change.checkedMode)
        checkMode(change.checkedMode);
    if (change.title)
        SetWindowTextA(hwnd, change.title->c_str());
    // The step is recorded before the edit, so "Deshacer" is ready when it ends.
    if (change.pageAboutToChange) {
        const int index = indexOf(currentPage);
        if (index >= 0)
            history.recordPageChange(*project, static_cast<size_t>(index));
        updateMenus();
    }
    if (change.checkedMode) {
        ModoEdicion mode;
        if (modeForCommand(change.checkedMode, mode))
            statusBar.setMode(modeInfo(mode).titleText);
    }
    if (change.selectionChanged)
        statusBar.setSelection(change.selection ? &*change.selection : nullptr);
    if (change.resized)
        fitToCanvas();
}

void MainWindow::checkMode(int commandId) {
    HMENU editMenu = GetSubMenu(GetMenu(hwnd), kEditMenu);
    if (editMenu) {
        for (int i = 0; i < kModeCount; ++i)
            CheckMenuItem(editMenu, modeInfo(modeAt(i)).commandId, MF_BYCOMMAND | MF_UNCHECKED);
        CheckMenuItem(editMenu, commandId, MF_BYCOMMAND | MF_CHECKED);
    }
    if (toolbar.hwnd)
        PostMessageA(toolbar.hwnd, TB_CHECKBUTTON, commandId, MAKELONG(TRUE, 0));
}

void MainWindow::updateMenus() {
    const bool blank = project->isBlank();
    const bool withPages = !project->paginas.empty();
    const UINT whenProject = blank ? MF_DISABLED : MF_ENABLED;
    const UINT whenPages = withPages ? MF_ENABLED : MF_DISABLED;

    HMENU menu = GetMenu(hwnd);
    EnableMenuItem(menu, ID_GUARDAR_PROYECTO, MF_BYCOMMAND | whenProject);
    EnableMenuItem(menu, ID_GUARDAR_COMO, MF_BYCOMMAND | whenProject);
    EnableMenuItem(menu, ID_MODIFICAR_PROYECTO, MF_BYCOMMAND | whenProject);
    EnableMenuItem(menu, ID_VERIFICAR_PROYECTO, MF_BYCOMMAND | whenProject);
    EnableMenuItem(menu, ID_TRANSFERIR, MF_BYCOMMAND | whenPages);
    // Undoing the removal of the last page needs "Editar" without pages.
    const bool editable = withPages || history.canUndo() || history.canRedo();
    EnableMenuItem(menu, kEditMenu, MF_BYPOSITION | (editable ? MF_ENABLED : MF_DISABLED));
    EnableMenuItem(menu, ID_DESHACER, MF_BYCOMMAND | (history.canUndo() ? MF_ENABLED : MF_DISABLED));
    EnableMenuItem(menu, ID_REHACER, MF_BYCOMMAND | (history.canRedo() ? MF_ENABLED : MF_DISABLED));
    EnableMenuItem(menu, kPageMenu, MF_BYPOSITION | whenProject);
    if (!blank) {
        EnableMenuItem(menu, ID_PAGINA_ELIMINAR, MF_BYCOMMAND | whenPages);
        EnableMenuItem(menu, ID_PAGINA_EDITAR, MF_BYCOMMAND | whenPages);
        EnableMenuItem(menu, ID_PAGINA_DUPLICAR, MF_BYCOMMAND | whenPages);
    }

    // Posted: the buttons change when the message loop next runs.
    PostMessageA(toolbar.hwnd, TB_ENABLEBUTTON, ID_GUARDAR_PROYECTO, !blank);
    PostMessageA(toolbar.hwnd, TB_ENABLEBUTTON, ID_PAGINA_AGREGAR, !blank);
    PostMessageA(toolbar.hwnd, TB_ENABLEBUTTON, ID_TRANSFERIR, withPages);
    for (int i = 0; i < kModeCount; ++i) {
        const int mode = modeInfo(modeAt(i)).commandId;
        EnableMenuItem(menu, mode, MF_BYCOMMAND | whenPages);
        PostMessageA(toolbar.hwnd, TB_ENABLEBUTTON, mode, withPages);
    }
    updateClipboardItems();
    DrawMenuBar(hwnd);
}

void MainWindow::updateClipboardItems() {
    Region selected;
    const bool canCopy = canvas && canvas->editor().selectedRegion(selected);
    const bool canPaste = currentPage && clipboardHasRegion();
    HMENU menu = GetMenu(hwnd);
    EnableMenuItem(menu, ID_EDITAR_COPIAR, MF_BYCOMMAND | (canCopy ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDITAR_PEGAR, MF_BYCOMMAND | (canPaste ? MF_ENABLED : MF_GRAYED));
}

// ---- handlers ---------------------------------------------------------------

LRESULT MainWindow::onGetMinMaxInfo(MINMAXINFO* info) {
    // Sizes asked for while the window is still being built get the default.
    if (!canvas || fittedSize.width <= 0)
        return Window::onGetMinMaxInfo(info);
    info->ptMaxSize.x = info->ptMinTrackSize.x = info->ptMaxTrackSize.x = fittedSize.width;
    info->ptMaxSize.y = info->ptMinTrackSize.y = info->ptMaxTrackSize.y = fittedSize.height;
    return 0;
}

LRESULT MainWindow::onClose() {
    if (mayDropProject())
        DestroyWindow(hwnd);
    return 0;
}

LRESULT MainWindow::onDestroy() {
    releaseProject();
    PostQuitMessage(0);
    return 0;
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Logging off or shutting down ends the project as closing does.
    if (message == WM_QUERYENDSESSION)
        return mayDropProject() ? TRUE : FALSE;
    // Sent when a menu opens and when an accelerator checks its item.
    if (message == WM_INITMENUPOPUP) {
        updateClipboardItems();
        return 0;
    }
    // The status bar keeps to the bottom edge as the window's size changes.
    if (message == WM_SIZE) {
        SendMessageA(toolbar.hwnd, TB_AUTOSIZE, 0, 0);
        statusBar.fitParent();
        return 0;
    }
    if (message == WM_DPICHANGED) {
        changeDpi(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->code == TTN_NEEDTEXTA) {
            NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            info->hinst = instanceHandle;
            info->lpszText = const_cast<char*>(tooltipText(static_cast<int>(header->idFrom)));
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int pageCount = project ? static_cast<int>(project->paginas.size()) : 0;
    switch (id) {
    case IDM_ABOUT: MessageBoxA(hwnd, "Quenda V" QUENDA_VERSION_TEXT, "Acerca del Quenda", MB_OK); break;
    case IDM_EXIT: onClose(); break;
    case ID_ABRIR_PROYECTO: openProject(); break;
    case ID_NUEVO_PROYECTO: newProject(); break;
    case ID_MODIFICAR_PROYECTO: modifyProject(); break;
    case ID_VERIFICAR_PROYECTO: verifyProject(); break;
    case ID_GUARDAR_PROYECTO: save(*project); break;
    case ID_GUARDAR_COMO: saveAs(*project); break;
    case ID_PAGINA_AGREGAR: addPage(); break;
    case ID_PAGINA_ELIMINAR: deletePage(); break;
    case ID_PAGINA_EDITAR: editPage(); break;
    case ID_TRANSFERIR: transfer(); break;
    case ID_AYUDA: MessageBoxA(hwnd, kHelpText, "Ayuda", MB_OK); break;
    case ID_TRANSFERIR_TCPIP: transferOverNetwork(); break;
    case ID_DESHACER:
        if (history.canUndo())
            stepThroughHistory(&EditHistory::undo);
        break;
    case ID_REHACER:
        if (history.canRedo())
            stepThroughHistory(&EditHistory::redo);
        break;
    case ID_EDITAR_COPIAR: copyRegion(); break;
    case ID_EDITAR_PEGAR: pasteRegion(); break;
    case ID_PAGINA_DUPLICAR: duplicatePage(); break;
    default:
        if (id >= ID_PAGE_FIRST && id < ID_PAGE_FIRST + pageCount)
            choosePage(id - ID_PAGE_FIRST);
        else if (canvas)
            PostMessageA(canvas->hwnd, WM_COMMAND, wParam, lParam);
        break;
    }
    return 0;
}

// ---- commands ---------------------------------------------------------------

bool MainWindow::save(Proyecto& target) {
    try {
        if (!saveProject(hwnd, target))
            return false;
    } catch (const ProyectoException& error) {
        MessageBoxA(hwnd, error.what(), kError, MB_ICONERROR);
        // A read-only file or a vanished disk fails every time: another name
        // is the way to keep the work.
        return saveAs(target);
    }
    carryPictures(target, std::string());
    return true;
}

bool MainWindow::saveAs(Proyecto& target) {
    for (;;) {
        std::string path = askFileToSave(hwnd);
        if (path.empty())
            return false;
        const std::string previousFile = target.archivo;
        target.archivo = path;
        try {
            writeProjectFile(target);
        } catch (const ProyectoException& error) {
            target.archivo = previousFile;
            MessageBoxA(hwnd, error.what(), kError, MB_ICONERROR);
            continue;
        }
        carryPictures(target, previousFile);
        return true;
    }
}

// Every save leaves the project complete where it was saved.
void MainWindow::carryPictures(Proyecto& target, const std::string& previousFile) {
    auto mayReplace = [this](const std::string& name) {
        std::string question = "El archivo " + name + " ya existe, \xBF" "desea reemplazarlo?";
        int answer = MessageBoxA(hwnd, question.c_str(), kAttention, MB_YESNOCANCEL | MB_ICONWARNING);
        return answer == IDYES ? ReplaceAnswer::Replace : answer == IDNO ? ReplaceAnswer::Keep : ReplaceAnswer::Stop;
    };
    std::vector<std::string> failed = completeSavedProject(target, previousFile, FileAccess::current(), mayReplace);
    if (failed.empty())
        return;
    std::string text = "No se pudieron copiar estas im\xE1genes junto al proyecto:\n" + nameListText(failed);
    MessageBoxA(hwnd, text.c_str(), kError, MB_ICONERROR);
}

bool MainWindow::mayDropProject() {
    if (!project->hasUnsavedChanges())
        return true;
    int answer = MessageBoxA(hwnd, "El proyecto fue modificado y no guardado. Desea guardarlo?", kAttention,
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    // A Yes whose save failed or was cancelled keeps the project: going on
    // would throw away the very changes the user asked to keep.
    return answer != IDYES || save(*project);
}

void MainWindow::replaceProject(std::unique_ptr<Proyecto> replacement) {
    changePages([&] {
        project = std::move(replacement);
        history.clear();
        return std::string();
    });
}

// The project in place stays until the new one has really been read.
void MainWindow::openProject() {
    if (!mayDropProject())
        return;
    std::string path = askFileToOpen(hwnd);
    if (path.empty())
        return;
    auto opened = std::make_unique<Proyecto>();
    try {
        readProjectFile(path, *opened);
    } catch (const ProyectoException& error) {
        MessageBoxA(hwnd, error.what(), kError, MB_ICONERROR);
        return;
    }
    replaceProject(std::move(opened));
}

// The project in place stays until the new one has been saved.
void MainWindow::newProject() {
    if (!mayDropProject())
        return;
    ProyectoDlg dialog(hwnd, "", "", nullptr);
    if (dialog.runModal() != IDOK)
        return;
    auto created = std::make_unique<Proyecto>();
    created->instalacion = dialog.instalacion;
    if (save(*created))
        replaceProject(std::move(created));
}

void MainWindow::modifyProject() {
    std::vector<std::string> names = project->pageNames();
    ProyectoDlg dialog(hwnd, project->instalacion, project->paginaInicial, &names);
    if (dialog.runModal() == IDOK &&
        (dialog.instalacion != project->instalacion || dialog.paginaInicial != project->paginaInicial)) {
        history.recordProjectChange(*project);
        project->instalacion = dialog.instalacion;
        project->paginaInicial = dialog.paginaInicial;
    }
    showPage("");
}

void MainWindow::addPage() {
    PaginaDlg dialog(hwnd, "", "HV", "", nullptr, project->archivo, project->pageNames(),
                     picturesOfPages(*project, nullptr));
    if (dialog.runModal() != IDOK)
        return;
    std::unique_ptr<Pagina> page(new Pagina());
    page->nombre = dialog.nombre;
    page->setImagen(kFallbackWidth, kFallbackHeight, dialog.imagen, project->archivo);
    page->orientaciones = dialog.orientaciones;
    page->setComandoInicial(dialog.comandoInicial);
    changePages([&] {
        std::string name = page->nombre;
        history.recordPageInsertion(*project, project->paginas.size());
        project->addPage(std::move(page));
        return name;
    });
}

void MainWindow::deletePage() {
    if (!currentPage)
        return;
    int answer = MessageBoxA(hwnd, "Eliminar la p\xE1gina del proyecto?", kAttention, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES)
        return;
    const std::string name = currentPage->nombre;
    changePages([&] {
        // The first page of that name is the one that goes.
        history.recordPageRemoval(*project, static_cast<size_t>(indexOf(project->findPage(name))));
        project->removePage(name);
        return std::string();
    });
}

void MainWindow::editPage() {
    if (!currentPage)
        return;
    Pagina* page = currentPage;
    PaginaDlg dialog(hwnd, page->nombre, page->orientaciones, page->imagen, &page->comandoInicial,
                     project->archivo, namesOfOtherPages(*project, page), picturesOfPages(*project, page));
    if (dialog.runModal() != IDOK)
        return;
    changePages([&] {
        history.recordPageChange(*project, static_cast<size_t>(indexOf(page)));
        page->nombre = dialog.nombre;
        page->replaceImagen(dialog.imagen, project->archivo);
        page->orientaciones = dialog.orientaciones;
        page->setComandoInicial(dialog.comandoInicial);
        return page->nombre;
    });
}

// The page the step concerned is shown by position: two pages may share a name.
void MainWindow::stepThroughHistory(int (EditHistory::*step)(Proyecto&)) {
    int index = -1;
    changePages([&] {
        index = (history.*step)(*project);
        return index >= 0 ? project->paginas[static_cast<size_t>(index)]->nombre : std::string();
    });
    if (index >= 0 && currentPage != project->paginas[static_cast<size_t>(index)].get())
        showMarked(project->paginas[static_cast<size_t>(index)].get(), index);
}

void MainWindow::verifyProject() {
    std::vector<ProjectFinding> findings = checkProject(*project);
    if (findings.empty()) {
        MessageBoxA(hwnd, "El proyecto no tiene problemas", "Verificar proyecto", MB_OK | MB_ICONINFORMATION);
        return;
    }
    VerificarDlg dialog(hwnd, findingLines(*project, findings), VerificarDlg::Use::Browse);
    if (dialog.runModal() == IDOK && dialog.chosen >= 0 && static_cast<size_t>(dialog.chosen) < findings.size()) {
        const ProjectFinding& finding = findings[static_cast<size_t>(dialog.chosen)];
        showFinding(finding.page, finding.region);
    }
}

void MainWindow::copyRegion() {
    Region selected;
    if (!canvas->editor().selectedRegion(selected))
        return;
    if (!putRegionText(hwnd, printRegion(selected)))
        MessageBoxA(hwnd, "No se pudo copiar la regi\xF3n al portapapeles", kError, MB_ICONERROR);
    updateClipboardItems();
}

// The clipboard is input from outside: what is not a region of ours is
// refused whole, and the page stays as it was.
void MainWindow::pasteRegion() {
    if (!currentPage)
        return;
    std::string text;
    Region region;
    if (!clipboardRegionText(hwnd, text) || !parseRegion(text, region)) {
        MessageBoxA(hwnd, "El portapapeles no contiene una regi\xF3n", kError, MB_ICONERROR);
        return;
    }
    canvas->pasteRegion(region);
    updateClipboardItems();
}

// By position: the page shown may share its name with another.
void MainWindow::duplicatePage() {
    const int index = indexOf(currentPage);
    if (index < 0)
        return;
    const size_t shown = static_cast<size_t>(index);
    changePages([this, shown] {
        history.recordPageInsertion(*project, shown + 1);
        return project->duplicatePage(shown)->nombre;
    });
}

// By position, not by name: of two pages sharing a name, the second is
// reached here too.
void MainWindow::showFinding(int pageIndex, int regionIndex) {
    if (pageIndex < 0 || static_cast<size_t>(pageIndex) >= project->paginas.size())
        return;
    showMarked(project->paginas[static_cast<size_t>(pageIndex)].get(), pageIndex);
    canvas->selectRegion(regionIndex);
}

bool MainWindow::checkBeforeTransfer() {
    std::vector<ProjectFinding> findings = checkProject(*project);
    if (findings.empty())
        return true;
    VerificarDlg dialog(hwnd, findingLines(*project, findings), VerificarDlg::Use::AskBeforeTransfer);
    return dialog.runModal() == IDYES;
}

void MainWindow::transfer() {
    if (!save(*project) || !checkBeforeTransfer())
        return;
    TransferirDlg dialog(hwnd, project.get());
    dialog.runModal();
}

void MainWindow::transferOverNetwork() {
    SubirProyectoDlg dialog(hwnd, project.get());
    dialog.runModal();
}

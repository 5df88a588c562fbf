#include "ui/win32/MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "win32/Application.h"
#include "model/FileAccess.h"
#include "model/Proyecto.h"
#include "model/RecoveryStore.h"
#include "model/Settings.h"
#include "model/win32/WidePath.h"
#include "base/resource.h"
#include "ui/ModoEdicion.h"
#include "ui/RegionArrange.h"
#include "ui/StatusLayout.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FileDialog.h"
#include "ui/win32/MainMenus.h"
#include "ui/win32/PagePane.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/RecoveryWriter.h"
#include "ui/win32/RegionClipboard.h"
#include "ui/win32/WindowPlacement.h"

namespace {

const UINT_PTR kRecoveryTimer = 1;
const UINT kRecoveryWritten = WM_APP + 10;  // from RecoveryWriter

}  // namespace

MainWindow::MainWindow(const std::string& recoveryFolder)
    : Window(nullptr, "", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, CW_USEDEFAULT,
             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT),
      editor_(dialogs_, Settings::current()) {
    SetMenu(hwnd(), LoadMenuA(instanceHandle, MAKEINTRESOURCEA(IDR_MAINMENU)));
    toolbar_.create(hwnd());
    statusBar_.create(hwnd());
    // Before the first page: its scale depends on the screen the window is on.
    const bool sizeRestored = restoreWindowPlacement(hwnd());
    rebuildRecentItems(GetMenu(hwnd()), editor_.recentShown());
    pane_.reset(new PagePane(hwnd(), editor_, [this](const EditorActions& done) { apply(done); }));
    canvas_.reset(new PaginaWindow(toolbar_.height(), this, *this));
    if (sizeRestored)
        becomeUserSized();
    EditorActions snapping;
    snapping.snapping = editor_.snapping();
    snapping.labels = editor_.labels();
    apply(snapping);
    showDocument();
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

void MainWindow::replaceProject(std::unique_ptr<Proyecto> replacement) {
    apply(editor_.replaceProject(std::move(replacement)));
}

void MainWindow::openAtStart(const StartFile& file) {
    apply(editor_.openAtStart(file.path, file.refusal ? file.refusal : ""));
}

// ---- what the editor returns --------------------------------------------------

void MainWindow::apply(const EditorActions& done) {
    if (done.trialStarted)
        canvas_->setTrying(true);
    if (done.trialEnded)
        canvas_->setTrying(false);
    if (done.wholeBarText)
        statusBar_.setWholeBarText(*done.wholeBarText);
    if (done.statusMessage)
        statusBar_.setMessage(*done.statusMessage);
    if (done.documentChanged)
        showDocument();
    else if (done.pageChosen)
        showPageChosen();
    if (done.trialEnded && done.modeAfterTrial != ModoEdicion::NORMAL)
        SendMessageA(canvas_->hwnd(), WM_COMMAND, MAKEWPARAM(modeInfo(done.modeAfterTrial).commandId, 0), 0);
    if (done.selectRegion)
        canvas_->selectRegion(*done.selectRegion);
    if (!done.selectRegions.empty())
        canvas_->selectRegions(done.selectRegions);
    if (done.flashRegion)
        canvas_->flashRegion(*done.flashRegion);
    else if (done.flashAll)
        canvas_->flashAllRegions();
    // Another page shown: moving it up or down may have become possible or not.
    if ((done.menusChanged || done.pageChosen) && !done.documentChanged)
        updateMenus();
    if (done.recentChanged)
        rebuildRecentItems(GetMenu(hwnd()), editor_.recentShown());
    if (done.titleChanged || done.pageChosen)
        SetWindowTextA(hwnd(), document().title().c_str());
    if (done.canvasCommand)
        PostMessageA(canvas_->hwnd(), WM_COMMAND, MAKEWPARAM(*done.canvasCommand, 0), 0);
    if (done.snapping) {
        canvas_->setSnapping(*done.snapping);
        CheckMenuItem(GetMenu(hwnd()), ID_AJUSTAR_GUIAS, MF_BYCOMMAND | (*done.snapping ? MF_CHECKED : MF_UNCHECKED));
    }
    if (done.pagePane) {
        pane_->show(*done.pagePane);
        refit();
    }
    if (done.labels) {
        canvas_->setLabels(*done.labels);
        CheckMenuItem(GetMenu(hwnd()), ID_VER_ETIQUETAS, MF_BYCOMMAND | (*done.labels ? MF_CHECKED : MF_UNCHECKED));
    }
    doRecoveryWork(done.recovery);
    if (done.close)
        onClose();
}

void MainWindow::letGoOfPage() {
    if (canvas_)
        canvas_->setPage(nullptr, 1.0, {}, true);
}

// The canvas reports NORMAL for the page it takes, and with it the title.
void MainWindow::showDocument() {
    letGoOfPage();
    if (&document().project() != paneProject_) {
        pane_->forgetThumbnails();
        paneProject_ = &document().project();
    }
    rebuildPageItems(GetMenu(hwnd()), document());
    DrawMenuBar(hwnd());
    showPageChosen();
    updateMenus();
}

// The same page shown again (an undo, an edit) keeps its zoom and scroll.
void MainWindow::showPageChosen() {
    Pagina* page = editor_.pageOnCanvas();
    const double scale = page && !userSized_ ? canvasScale(*page) : 1.0;
    statusBar_.setPictureSize(page ? page->pictureWidth() : 0, page ? page->pictureHeight() : 0);
    // A page of the same name in another project's file is another page.
    const std::string name = page ? document().project().archivo + '\n' + page->nombre : std::string();
    const bool samePage = page && name == shownPage_;
    shownPage_ = name;
    canvas_->setPage(page, scale, document().project().pageNames(), samePage);
    markPageItems(GetMenu(hwnd()), document());
    pane_->refresh();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// ---- menus and toolbar ---------------------------------------------------------

void MainWindow::updateMenus() {
    updateCommandStates(GetMenu(hwnd()), toolbar_, document());
    markSensitivityItems(GetMenu(hwnd()), editor_.sensitivityCommand());
    updateClipboardItems();
    DrawMenuBar(hwnd());
}

// "Copiar" and "Pegar" follow the selection and the clipboard, which change
// without this window hearing of it: they are set again whenever the menu
// opens or an accelerator looks at them.
void MainWindow::updateClipboardItems() {
    Region selected;
    const bool canCopy =
        document().isEnabled(ID_EDITAR_COPIAR) && canvas_ && canvas_->editor().selectedRegion(selected);
    const bool canPaste = document().isEnabled(ID_EDITAR_PEGAR) && clipboardHasRegion();
    HMENU menu = GetMenu(hwnd());
    EnableMenuItem(menu, ID_EDITAR_COPIAR, MF_BYCOMMAND | (canCopy ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDITAR_PEGAR, MF_BYCOMMAND | (canPaste ? MF_ENABLED : MF_GRAYED));
    const size_t selectedCount = canvas_ ? canvas_->editor().selection().size() : 0;
    for (int id = ID_ORGANIZAR_IZQUIERDA; id <= ID_ORGANIZAR_DISTRIBUIR_V; ++id) {
        const bool enough = document().isEnabled(id) && selectedCount >= RegionArrange::regionsNeeded(id);
        EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enough ? MF_ENABLED : MF_GRAYED));
    }
    const bool otherPages = document().project().paginas.size() > 1;
    const bool canCopyToPages = document().isEnabled(ID_COPIAR_A_PAGINAS) && selectedCount > 0 && otherPages;
    EnableMenuItem(menu, ID_COPIAR_A_PAGINAS, MF_BYCOMMAND | (canCopyToPages ? MF_ENABLED : MF_GRAYED));
}

// The canvas reports what changed; the title, the check marks, the status
// bar and the size are this window's to set.
void MainWindow::canvasChanged(const CanvasChange& change) {
    apply(editor_.canvasChanged(change));
    if (change.mode) {
        markModeItems(GetMenu(hwnd()), toolbar_, document());
        SetWindowTextA(hwnd(), document().title().c_str());
        statusBar_.setMode(modeInfo(*change.mode).titleText);
    }
    if (change.selectionChanged)
        statusBar_.setSelection(change.selection ? &*change.selection : nullptr, change.selectedCount);
    if (change.zoomChanged)
        statusBar_.setZoom(canvas_->view().percent());
    if (change.resized && !userSized_)
        fitToCanvas();
}

// ---- sizing and place ----------------------------------------------------------

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
    around.paneWidth = pane_ ? pane_->room() : 0;
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
    fitting_ = true;
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
    fitting_ = false;
    layoutChildren();
}

// While a fit sizes the window around the canvas, the canvas keeps its size;
// otherwise it takes what the pane and the bars leave.
void MainWindow::layoutChildren() {
    if (!pane_ || !canvas_)
        return;
    RECT client = {};
    GetClientRect(hwnd(), &client);
    const int top = toolbar_.height();
    const int height = std::max(0, static_cast<int>(client.bottom) - top - statusBar_.height());
    pane_->place(top, height);
    const int left = pane_->room();
    const int width = std::max(0, static_cast<int>(client.right) - left);
    const UINT keepSize = fitting_ ? SWP_NOSIZE : 0;
    SetWindowPos(canvas_->hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

// The pane was shown, hidden or widened: a fitted window grows or shrinks
// with it, a window the user sized gives the canvas what is left.
void MainWindow::refit() {
    if (userSized_)
        layoutChildren();
    else
        fitToCanvas();
}

bool MainWindow::paneMouse(UINT message, int x, int y) {
    if (!pane_)
        return false;
    const int32_t room = pane_->room();
    if (!pane_->mouse(message, x, y))
        return false;
    if (pane_->room() != room)
        layoutChildren();
    if (message == WM_LBUTTONUP)
        refit();
    return true;
}

void MainWindow::becomeUserSized() {
    if (userSized_ || !canvas_)
        return;
    userSized_ = true;
    canvas_->followWindow();
    layoutChildren();
}

void MainWindow::changeDpi(const RECT& suggested) {
    toolbar_.useIconsFor(windowDpi(hwnd()));
    pane_->useDpi(windowDpi(hwnd()));
    statusBar_.fitParent();
    layoutChildren();
    if (userSized_) {
        SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER);
        return;
    }
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    fitToCanvas();
}

// ---- recovery copies -----------------------------------------------------------

void MainWindow::startRecoveryTimer() {
    SetTimer(hwnd(), kRecoveryTimer, recoveryIntervalSeconds(Settings::current()) * 1000, nullptr);
}

// With a write still under way the next tick copies what is new.
void MainWindow::doRecoveryWork(RecoveryWork work) {
    if (!recovery_ || work == RecoveryWork::None)
        return;
    if (work == RecoveryWork::WriteCopy) {
        if (recoveryWriter_->start(document().project(), static_cast<int64_t>(std::time(nullptr))))
            editor_.recoveryCopyStarted();
        return;
    }
    recoveryWriter_->wait();
    recovery_->removeCopy();
    editor_.recoveryCopyRemoved();
}

bool MainWindow::writeRecoveryCopyNow() {
    if (!recovery_)
        return false;
    recoveryWriter_->wait();
    editor_.recoveryCopyStarted();
    const bool written = recovery_->writeCopy(document().project(), static_cast<int64_t>(std::time(nullptr)));
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

// ---- handlers ------------------------------------------------------------------

// While fitting, the window is held to the fitted size (a size of 0 x 0
// becomes it); otherwise the user may make it as small as the smallest canvas.
LRESULT MainWindow::onGetMinMaxInfo(MINMAXINFO* info) {
    // Sizes asked for while the window is still being built get the default.
    if (!canvas_ || fittedSize_.width <= 0)
        return Window::onGetMinMaxInfo(info);
    if (!fitting_) {
        const Extent smallest =
            windowSizeFor(surroundings(), Extent{CanvasEditor::kMinWidth / 2, CanvasEditor::kMinHeight / 2});
        info->ptMinTrackSize.x = smallest.width;
        info->ptMinTrackSize.y = smallest.height;
        return 0;
    }
    info->ptMaxSize.x = info->ptMinTrackSize.x = info->ptMaxTrackSize.x = fittedSize_.width;
    info->ptMaxSize.y = info->ptMinTrackSize.y = info->ptMaxTrackSize.y = fittedSize_.height;
    return 0;
}

LRESULT MainWindow::onClose() {
    if (!editor_.mayClose())
        return 0;
    storeWindowPlacement(hwnd(), userSized_);
    DestroyWindow(hwnd());
    return 0;
}

// A normal end: the work was saved or the user chose to drop it.
LRESULT MainWindow::onDestroy() {
    doRecoveryWork(editor_.destroyed());
    PostQuitMessage(0);
    return 0;
}

LRESULT MainWindow::onTimer(WPARAM timerId) {
    if (timerId == kRecoveryTimer)
        doRecoveryWork(editor_.recoveryTick());
    return 0;
}

LRESULT MainWindow::onLButtonDown(int x, int y, WPARAM) {
    paneMouse(WM_LBUTTONDOWN, x, y);
    return 0;
}

LRESULT MainWindow::onLButtonUp(int x, int y, WPARAM) {
    paneMouse(WM_LBUTTONUP, x, y);
    return 0;
}

LRESULT MainWindow::onMouseMove(int x, int y, WPARAM) {
    paneMouse(WM_MOUSEMOVE, x, y);
    return 0;
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM) {
    apply(editor_.command(LOWORD(wParam)));
    return 0;
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Alt held to drag without snapping: letting it go opens no menu.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && canvas_ &&
        canvas_->takeAltDrag())
        return 0;
    // Logging off or shutting down ends the project as closing does; work
    // the user chose to drop is not copied again meanwhile.
    if (message == WM_QUERYENDSESSION) {
        const bool mayEnd = editor_.querySessionEnd();
        if (mayEnd && recovery_)
            KillTimer(hwnd(), kRecoveryTimer);
        return mayEnd ? TRUE : FALSE;
    }
    // The session ends without closing the window: the process may end after
    // this without its windows being destroyed.
    if (message == WM_ENDSESSION) {
        const bool timerStopped = !editor_.recoveryTimerRuns();
        if (wParam)
            storeWindowPlacement(hwnd(), userSized_);
        doRecoveryWork(editor_.sessionEnded(wParam != 0));
        if (!wParam && timerStopped && recovery_)
            startRecoveryTimer();  // another program kept the session going
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
        if (reinterpret_cast<HMENU>(wParam) == menuHolding(GetMenu(hwnd()), IDM_EXIT))
            rebuildRecentItems(GetMenu(hwnd()), editor_.recentShown());
        updateClipboardItems();
        return 0;
    }
    // The status bar keeps to the bottom edge as the window's size changes.
    if (message == WM_SIZE) {
        SendMessageA(toolbar_.hwnd(), TB_AUTOSIZE, 0, 0);
        statusBar_.fitParent();
        if (wParam == SIZE_MAXIMIZED)
            becomeUserSized();
        if (wParam != SIZE_MINIMIZED)
            layoutChildren();
        return 0;
    }
    // A sizing drag makes the window the user's to size once it ends.
    if (message == WM_SIZING)
        sizing_ = true;
    if (message == WM_EXITSIZEMOVE && sizing_) {
        sizing_ = false;
        becomeUserSized();
    }
    // The wheel goes to the window with the focus; the canvas scrolls and zooms.
    if ((message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) && canvas_)
        return SendMessageA(canvas_->hwnd(), message, wParam, lParam);
    // A press on the canvas takes the keys back from the pane: its arrows
    // move regions again, not the pane's rows.
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_LBUTTONDOWN && pane_ && GetFocus() == pane_->hwnd()) {
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (ChildWindowFromPoint(hwnd(), at) == canvas_->hwnd())
            SetFocus(hwnd());
    }
    if (message == PagePane::kThumbnailMade) {
        pane_->thumbnailMade(reinterpret_cast<MadeThumbnail*>(lParam));
        return 0;
    }
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd() && pane_ &&
        pane_->setCursor())
        return TRUE;
    LRESULT paneAnswer = 0;
    if (message == WM_NOTIFY && pane_ && pane_->notify(reinterpret_cast<NMHDR*>(lParam), paneAnswer))
        return paneAnswer;
    if (message == WM_DROPFILES) {
        dropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    if (message == WM_DPICHANGED) {
        changeDpi(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_NOTIFY && Toolbar::answerTooltip(reinterpret_cast<NMHDR*>(lParam)))
        return 0;
    if (message == WM_NOTIFY && isSelectionDoubleClick(reinterpret_cast<const NMHDR*>(lParam))) {
        SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_POSICION_TAMANO, 0), 0);
        return 0;
    }
    return DefWindowProcA(hwnd(), message, wParam, lParam);
}

// The status bar's selection part, double-clicked, types the selection's box.
bool MainWindow::isSelectionDoubleClick(const NMHDR* notice) const {
    return notice->hwndFrom == statusBar_.hwnd() && notice->code == static_cast<UINT>(NM_DBLCLK) &&
           reinterpret_cast<const NMMOUSE*>(notice)->dwItemSpec == static_cast<DWORD_PTR>(StatusLayout::kSelection);
}

void MainWindow::dropFiles(HDROP drop) {
    ChosenPaths dropped;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<WCHAR> name(DragQueryFileW(drop, i, nullptr, 0) + 1, 0);
        if (DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())) > 0)
            dropped.add(name.data());
    }
    DragFinish(drop);
    SetForegroundWindow(hwnd());
    apply(editor_.drop(dropped.paths, dropped.unreadable));
}

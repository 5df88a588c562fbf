// The editor's one top-level window: menus, toolbar, the page canvas and a
// status bar over a ProjectEditor. The editor decides; this window turns
// messages into its calls and applies what it returns to menus, buttons,
// the title, the status bar and the canvas, sizes itself, and runs the
// recovery copies' writer.
#pragma once

#include <memory>
#include <string>

#include <windows.h>
#include <shellapi.h>

#include "win32/CommandLine.h"
#include "win32/Window.h"
#include "ui/ProjectEditor.h"
#include "ui/WindowLayout.h"
#include "ui/win32/CanvasObserver.h"
#include "ui/win32/EditorDialogs.h"
#include "ui/win32/StatusBar.h"
#include "ui/win32/Toolbar.h"

class PagePane;
class PaginaWindow;
class Pagina;
class Proyecto;
class RecoveryStore;
class RecoveryWriter;

class MainWindow : public Window, private CanvasObserver {
public:
    // Builds and shows the whole window with an empty project. With a
    // recovery folder, unsaved work is copied there every so often
    // (RecoveryStore); without one it is not.
    explicit MainWindow(const std::string& recoveryFolder = std::string());
    ~MainWindow() override;

    ProjectEditor& editor() { return editor_; }
    ProjectDocument& document() { return editor_.document(); }
    PaginaWindow& canvas() { return *canvas_; }
    PagePane& pagePane() { return *pane_; }
    // StatusBar::setMessage shows a message under the canvas.
    StatusBar& statusBar() { return statusBar_; }
    // Shows `replacement` from its start page, with no history.
    void replaceProject(std::unique_ptr<Proyecto> replacement);
    // Opens the file the program was started with, as "Abrir proyecto"
    // would; a refused file is shown as an error over a blank project.
    void openAtStart(const StartFile& file);
    // The recovery copies, or null without a recovery folder. Copies of
    // other editors are this thread's; this editor's own copy is written
    // by a worker (RecoveryWriter).
    RecoveryStore* recovery() { return recovery_.get(); }
    // Writes the recovery copy of the project at once, on this thread;
    // false when it could not be written.
    bool writeRecoveryCopyNow();

    // ---- for the editor's dialogs ----
    // What the editor returned, on menus, toolbar, title, status bar and canvas.
    void apply(const EditorActions& done);
    // The canvas shows nothing until the document has changed.
    void letGoOfPage();
    // "Copiar" and "Pegar" follow the selection and the clipboard.
    void updateClipboardItems();

    LRESULT onClose() override;
    LRESULT onDestroy() override;
    LRESULT onGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT onTimer(WPARAM timerId) override;
    LRESULT onLButtonDown(int x, int y, WPARAM keys) override;
    LRESULT onLButtonUp(int x, int y, WPARAM keys) override;
    LRESULT onMouseMove(int x, int y, WPARAM keys) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void showDocument();
    void showPageChosen();
    void updateMenus();
    void canvasChanged(const CanvasChange& change) override;
    void dropFiles(HDROP drop);
    bool isSelectionDoubleClick(const NMHDR* notice) const;

    // A page larger than the room left on the work area is scaled down.
    double canvasScale(const Pagina& page);
    // Frame, bars and canvas border as they are now, at the window's DPI.
    CanvasSurroundings surroundings() const;
    // Sizes the window so that its client area holds toolbar, canvas and
    // status bar exactly, whatever the frame and menu bar turn out to take.
    void fitToCanvas();
    // The page pane, its splitter and the canvas placed in the client area.
    void layoutChildren();
    // After the pane changed: the window fitted again, or the canvas resized.
    void refit();
    // The splitter or a page dragged in the pane; true when the pane took it.
    bool paneMouse(UINT message, int x, int y);
    // The screen's DPI changed: bars and icons for the new one, the size
    // for the same canvas, at the place the system suggests.
    void changeDpi(const RECT& suggested);
    // The user sized or maximised the window: from now on pages keep its size.
    void becomeUserSized();

    void startRecoveryTimer();
    void doRecoveryWork(RecoveryWork work);
    // A folder that cannot be written is said once on the status bar.
    void showRecoveryResult(bool written);

    Toolbar toolbar_;
    StatusBar statusBar_;
    Extent fittedSize_;  // the outer size onGetMinMaxInfo holds the window to while fitting
    bool fitting_ = false;
    bool userSized_ = false;
    bool sizing_ = false;  // a sizing drag under way
    std::string shownPage_;  // file and name of the page shown, to keep its view over an undo
    EditorDialogs dialogs_{*this};
    ProjectEditor editor_;
    // Declared after the editor: it goes before the project whose page it shows.
    std::unique_ptr<PaginaWindow> canvas_;
    std::unique_ptr<PagePane> pane_;
    const Proyecto* paneProject_ = nullptr;  // whose thumbnails the pane holds
    std::unique_ptr<RecoveryStore> recovery_;
    std::unique_ptr<RecoveryWriter> recoveryWriter_;  // goes before the store
    bool recoveryFailureShown_ = false;
};

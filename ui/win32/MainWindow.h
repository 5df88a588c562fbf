// The editor's one top-level window: menus, toolbar, the page canvas and a
// status bar over a ProjectDocument. The document decides; this window turns
// messages into its calls and its answers into menus, buttons, the title,
// the status bar and the canvas.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>

#include "win32/CommandLine.h"
#include "win32/Window.h"
#include "ui/ProjectDocument.h"
#include "ui/RecentProjects.h"
#include "ui/WindowLayout.h"
#include "ui/win32/CanvasObserver.h"
#include "ui/win32/StatusBar.h"
#include "ui/win32/Toolbar.h"

struct ChosenPaths;
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

    // What the window shows, and its canvas.
    ProjectDocument& document() { return document_; }
    PaginaWindow& canvas() { return *canvas_; }
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

    LRESULT onClose() override;
    LRESULT onDestroy() override;
    LRESULT onGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT onTimer(WPARAM timerId) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Every change to the document goes through here: the canvas lets go
    // of its page first, since `change` may destroy or alter it; then the
    // window shows what the document holds.
    void changeDocument(const std::function<void()>& change);
    // The page the document shows goes onto the canvas and is marked.
    void showChosenPage();
    void rebuildPageMenu();
    void markPageItems();
    void showOnCanvas(Pagina* page);
    // A page larger than the room left on the work area is scaled down.
    double canvasScale(const Pagina& page);
    // Frame, bars and canvas border as they are now, at the window's DPI.
    CanvasSurroundings surroundings() const;
    // Sizes the window so that its client area holds toolbar, canvas and
    // status bar exactly, whatever the frame and menu bar turn out to take.
    void fitToCanvas();
    // The screen's DPI changed: bars and icons for the new one, the size
    // for the same canvas, at the place the system suggests.
    void changeDpi(const RECT& suggested);
    void updateMenus();
    void updateClipboardItems();
    // The check marks of the mode in force, and the title, which names it.
    void showMode();
    void canvasChanged(const CanvasChange& change) override;
    // The timer's work: a copy of unsaved work, or none when all is saved.
    void copyUnsavedWork();
    void startRecoveryTimer();
    void dropCopyOfSavedWork();
    void removeRecoveryCopy();
    // A folder that cannot be written is said once on the status bar.
    void showRecoveryResult(bool written);

    void openProject();
    void addPicturePages(const ChosenPaths& chosen);
    void replacePicture();
    void dropFiles(HDROP drop);
    void newProject();
    void modifyProject();
    void addPage();
    void deletePage();
    void editPage();
    void verifyProject();
    void showFinding(int pageIndex, int regionIndex);
    void transfer();
    void transferOverNetwork();
    void copyRegion();
    void pasteRegion();
    // A test run of the pages: entering, each step and leaving.
    void startTrial();
    void showTrialStep(const TrialStep& step);
    void endTrial();

    // The recent projects: the file menu lists them, opening and saving
    // put the project first.
    void rebuildRecentMenu();
    // Shows a project just read or created (null: nothing) and lists it.
    void showOpened(std::unique_ptr<Proyecto> opened);
    void rememberProject();
    void openRecent(size_t index);
    // mayDropProject, and the project saved on the way is remembered.
    bool mayDropDocument();
    // The window's place from the last run when it is still on a screen,
    // and the place now for the next run.
    void restorePlace();
    void storePlace();

    Toolbar toolbar_;
    StatusBar statusBar_;
    Extent fittedSize_;  // the outer size onGetMinMaxInfo holds the window to
    ProjectDocument document_;
    RecentProjects recent_;
    std::vector<std::string> recentShown_;  // the paths the file menu lists, in order
    // Declared after the document: it goes before the project whose page it shows.
    std::unique_ptr<PaginaWindow> canvas_;
    std::unique_ptr<RecoveryStore> recovery_;
    std::unique_ptr<RecoveryWriter> recoveryWriter_;  // goes before the store
    bool copyMayExist_ = false;  // a copy was started since the last removal
    bool recoveryFailureShown_ = false;
    bool sessionMayEnd_ = false;  // the user let the session end the project
};

// The editor's one top-level window: menus, toolbar, the page canvas and a
// status bar over a ProjectDocument. The document decides; this window turns
// messages into its calls and its answers into menus, buttons, the title,
// the status bar and the canvas.
#pragma once

#include <functional>
#include <memory>

#include "win32/Window.h"
#include "ui/ProjectDocument.h"
#include "ui/WindowLayout.h"
#include "ui/win32/CanvasObserver.h"
#include "ui/win32/StatusBar.h"
#include "ui/win32/Toolbar.h"

class PaginaWindow;
class Pagina;
class Proyecto;

class MainWindow : public Window, private CanvasObserver {
public:
    // Builds and shows the whole window with an empty project.
    MainWindow();
    ~MainWindow() override;

    // What the window shows, and its canvas.
    ProjectDocument& document() { return document_; }
    PaginaWindow& canvas() { return *canvas_; }
    // StatusBar::setMessage shows a message under the canvas.
    StatusBar& statusBar() { return statusBar_; }
    // Shows `replacement` from its start page, with no history.
    void replaceProject(std::unique_ptr<Proyecto> replacement);

    LRESULT onClose() override;
    LRESULT onDestroy() override;
    LRESULT onGetMinMaxInfo(MINMAXINFO* info) override;
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

    void openProject();
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

    Toolbar toolbar_;
    StatusBar statusBar_;
    Extent fittedSize_;  // the outer size onGetMinMaxInfo holds the window to
    ProjectDocument document_;
    // Declared after the document: it goes before the project whose page it shows.
    std::unique_ptr<PaginaWindow> canvas_;
};

// The editor's one top-level window: menus, toolbar, the page canvas and the
// project commands.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/Window.h"
#include "model/EditHistory.h"
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

    // Rebuilds the page items of the "Página" menu, shows the named page
    // ("" = the start page, else the first one), fits the window and
    // updates menus and buttons.
    void showPage(const std::string& name);
    void updateMenus();
    static const char* tooltipText(int commandId);

    LRESULT onClose() override;
    LRESULT onDestroy() override;
    LRESULT onGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    Toolbar toolbar;
    StatusBar statusBar;  // StatusBar::setMessage shows a message under the canvas
    std::unique_ptr<Proyecto> project;  // released by onDestroy
    std::unique_ptr<PaginaWindow> canvas;
    Pagina* currentPage;  // the page the canvas shows; set by showOnCanvas alone
    EditHistory history;

private:
    void createToolbar();
    void canvasChanged(const CanvasChange& change) override;
    void checkMode(int commandId);
    // The canvas and currentPage change together here; a page larger than
    // the room left on the work area is scaled down.
    void showOnCanvas(Pagina* page);
    double canvasScale(const Pagina& page);
    // Frame, bars and canvas border as they are now, at the window's DPI.
    CanvasSurroundings surroundings() const;
    // Sizes the window so that its client area holds toolbar, canvas and
    // status bar exactly, whatever the frame and menu bar turn out to take.
    void fitToCanvas();
    // The screen's DPI changed: bars and icons for the new one, the size
    // for the same canvas, at the place the system suggests.
    void changeDpi(const RECT& suggested);
    Extent fittedSize;  // the outer size onGetMinMaxInfo holds the window to
    // Every change to the project's pages goes through here: the canvas lets
    // go of its page first, since `change` may destroy or alter it; then the
    // page named by what `change` returns is shown as showPage does.
    void changePages(const std::function<std::string()>& change);
    // The canvas goes before the project whose page it shows.
    void releaseProject();
    // Saves `target`, asking for a file when it has none; after a failed
    // write offers another name. Errors are shown as "ERROR".
    bool save(Proyecto& target);
    // Saves `target` under a name the user chooses, taking its pictures along.
    bool saveAs(Proyecto& target);
    void carryPictures(Proyecto& target, const std::string& previousFile);
    // True when the project may be replaced or ended: nothing unsaved, or the
    // user answered No, or Yes and the save succeeded.
    bool mayDropProject();
    void replaceProject(std::unique_ptr<Proyecto> replacement);
    void openProject();
    void newProject();
    void modifyProject();
    void addPage();
    void deletePage();
    void editPage();
    void verifyProject();
    // False when the project has findings and the user chose not to go on.
    bool checkBeforeTransfer();
    void showFinding(int pageIndex, int regionIndex);
    void transfer();
    void transferOverNetwork();
    // Undoes or redoes one step and shows the page it concerned.
    void stepThroughHistory(int (EditHistory::*step)(Proyecto&));
    // Position of `page` in the project, or -1.
    int indexOf(const Pagina* page) const;
    // "Copiar" and "Pegar" follow the selection and the clipboard, which
    // change without the main window hearing of it: they are set again
    // whenever the menu opens or an accelerator looks at them.
    void updateClipboardItems();
    void copyRegion();
    void pasteRegion();
    void duplicatePage();
    void choosePage(int index);
    // Shows `page` with page item `index` alone marked.
    void showMarked(Pagina* page, int index);
};

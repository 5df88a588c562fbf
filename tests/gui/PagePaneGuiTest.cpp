// The page pane in the real window: a drag reorders the saved file, F2
// renames a page and the jump to it follows, PgDn shows the next page with
// the focus in the pane, and the first screen of thumbnails after opening.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PagePane.h"
#include "ui/win32/PaginaWindow.h"

namespace {

// A saved project of `count` pages "P0", "P1", ... each with a small
// picture of its own `height` pixels tall; page 0 has a region that jumps
// to page 1.
std::unique_ptr<Proyecto> savedPages(const TempFolder& folder, int count, int height = 48) {
    auto project = std::make_unique<Proyecto>();
    project->instalacion = "Casa";
    project->archivo = folder.path("proyecto.xml");
    for (int i = 0; i < count; ++i) {
        const std::string picture = "p" + std::to_string(i) + ".png";
        writeTestPicture(folder.path(picture), 64 + i, height);
        auto page = std::make_unique<Pagina>();
        page->nombre = "P" + std::to_string(i);
        page->setImagen(64, height, picture, project->archivo);
        project->addPage(std::move(page));
    }
    project->paginas[0]->addRegion(Region{Rect{1, 1, 20, 20}, Comando{"", "", "P1", "", ""}});
    writeProjectFile(*project);
    project->takeSnapshot();
    return project;
}

// The page names in the file's order, then its start page: "P1 P2 P0 | P0".
std::string namesInFile(const std::string& path) {
    Proyecto read;
    readProjectFile(path, read);
    std::string names;
    for (const std::string& name : read.pageNames())
        names += name + " ";
    return names + "| " + read.paginaInicial;
}

// The centre of row `row` in the main window's client coordinates.
POINT rowCentre(HWND main, HWND list, int row) {
    RECT item = {};
    item.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    MapWindowPoints(list, main, &centre, 1);
    return centre;
}

}  // namespace

// The list starts a drag itself only on a real mouse; its notice is sent
// here as the list would send it, and the drop is a real button release.
GUI_TEST(PagePane, DragReordersTheSavedFile) {
    TempFolder folder;
    auto window = createMainWindow();
    window->replaceProject(savedPages(folder, 3));
    HWND main = window->hwnd();
    HWND list = window->pagePane().hwnd();
    GUI_REQUIRE(IsWindowVisible(list));
    NMLISTVIEW drag = {};
    drag.hdr = {list, static_cast<UINT_PTR>(IDC_PANEL_PAGINAS), static_cast<UINT>(LVN_BEGINDRAG)};
    drag.iItem = 0;
    SendMessageA(main, WM_NOTIFY, IDC_PANEL_PAGINAS, reinterpret_cast<LPARAM>(&drag));
    const POINT drop = rowCentre(main, list, 2);
    SendMessageA(main, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    sendCommand(main, ID_GUARDAR_PROYECTO);
    // The start page stays P0, now named in the file.
    GUI_CHECK_EQ(namesInFile(folder.path("proyecto.xml")), std::string("P1 P2 P0 | P0"));
}

// The edit box takes every key while it is open: PgDn there is not the
// window's; Enter ends the rename, and the region's jump follows the name.
GUI_TEST(PagePane, F2RenamesAndAJumpFollows) {
    TempFolder folder;
    auto window = createMainWindow();
    window->replaceProject(savedPages(folder, 2));
    HWND list = window->pagePane().hwnd();
    window->apply(window->editor().pickPage(1));
    SetFocus(list);
    pressKey(VK_F2);
    GUI_REQUIRE(pumpUntil([&] { return ListView_GetEditControl(list) != nullptr; }));
    HWND edit = ListView_GetEditControl(list);
    pressKey(VK_NEXT);
    pumpFor(100);
    GUI_CHECK_EQ(window->document().shownIndex(), 1);
    SetWindowTextA(edit, "Sala");
    pressKey(VK_RETURN);
    GUI_REQUIRE(pumpUntil([&] { return window->document().project().paginas[1]->nombre == "Sala"; }));
    GUI_CHECK_EQ(window->document().project().paginas[0]->regiones[0].comando.pagina, std::string("Sala"));
}

// With the focus in the pane PgDn is still the window's key; Up is the pane's.
// Wine showed no tooltip to a resting mouse here: its text is asked for directly.
GUI_TEST(PagePane, PgDnShowsTheNextPage) {
    TempFolder folder;
    auto window = createMainWindow();
    window->replaceProject(savedPages(folder, 3));
    HWND list = window->pagePane().hwnd();
    SetFocus(list);
    pressKey(VK_NEXT);
    GUI_CHECK(pumpUntil([&] { return window->document().shownIndex() == 1; }));
    pressKey(VK_NEXT);
    GUI_CHECK(pumpUntil([&] { return window->document().shownIndex() == 2; }));
    GUI_CHECK_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 2);
    pressKey(VK_UP);
    GUI_CHECK(pumpUntil([&] { return window->document().shownIndex() == 1; }));
    // The tooltip of P1 names the page that jumps to it, asked as the list asks.
    char tip[256] = "";
    NMLVGETINFOTIPA question = {};
    question.hdr = {list, static_cast<UINT_PTR>(IDC_PANEL_PAGINAS), static_cast<UINT>(LVN_GETINFOTIPA)};
    question.pszText = tip;
    question.cchTextMax = sizeof tip;
    question.iItem = 1;
    SendMessageA(window->hwnd(), WM_NOTIFY, IDC_PANEL_PAGINAS, reinterpret_cast<LPARAM>(&question));
    GUI_CHECK(std::string(tip).find("P0") != std::string::npos);
    // The canvas sits right of the pane.
    const RECT canvas = windowRect(window->canvas().hwnd());
    const RECT pane = windowRect(list);
    GUI_CHECK(canvas.left >= pane.right);
    // Its item in the view menu hides it, and the canvas takes its place.
    sendCommand(window->hwnd(), ID_VER_PANEL_PAGINAS);
    GUI_CHECK(!IsWindowVisible(list));
    GUI_CHECK(windowRect(window->canvas().hwnd()).left < canvas.left);
}

// Opening makes the thumbnails the list shows first; the time is printed.
GUI_TEST(PagePane, FirstScreenOfThumbnailsAfterOpen) {
    TempFolder folder;
    auto window = createMainWindow();
    std::unique_ptr<Proyecto> project = savedPages(folder, 40, 400);
    const DWORD start = GetTickCount();
    window->replaceProject(std::move(project));
    HWND list = window->pagePane().hwnd();
    const size_t onScreen = static_cast<size_t>(ListView_GetCountPerPage(list));
    GUI_REQUIRE(onScreen > 0);
    GUI_CHECK(pumpUntil([&] { return window->pagePane().thumbnailCount() >= onScreen; }, 20000));
    printf("first screen of %u thumbnails: %lu ms\n", static_cast<unsigned>(onScreen),
           static_cast<unsigned long>(GetTickCount() - start));
    GUI_CHECK(window->pagePane().thumbnailCount() < 40u);
}

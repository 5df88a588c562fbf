// The main window around the canvas as the user sees it: every picture pixel
// on screen.
#include "tests/gui/GuiTest.h"

#include <memory>
#include <string>

#include "model/Pagina.h"
#include "model/Proyecto.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PaginaWindow.h"

namespace {

// The main window showing one page with a width x height test picture,
// whose last column alone is full red and last row alone full green.
std::unique_ptr<MainWindow> showPicture(const TempFolder& folder, int width, int height, const Rect* region) {
    std::string picture = folder.path("inicio.png");
    writeTestPicture(picture, width, height);
    auto window = createMainWindow();
    auto page = std::make_unique<Pagina>();
    page->nombre = "Inicio";
    page->setImagen(width, height, picture);
    if (region) {
        Region added;
        added.coords = *region;
        page->addRegion(added);
    }
    window->project->addPage(std::move(page));
    window->showPage("");
    pumpFor(200);
    return window;
}

COLORREF screenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return color;
}

// The page's bottom-right pixel shows on screen, unscaled, where the canvas
// has it, and is the canvas's own (not covered by a bar or the frame).
void checkWholePageOnScreen(int width, int height) {
    TempFolder folder;
    auto window = showPicture(folder, width, height, nullptr);
    RECT canvas = clientRect(window->canvas->hwnd);
    GUI_CHECK_EQ(rectWidth(canvas), width);
    GUI_CHECK_EQ(rectHeight(canvas), height);
    POINT corner = {width - 1, height - 1};
    ClientToScreen(window->canvas->hwnd, &corner);
    GUI_CHECK_EQ(WindowFromPoint(corner), window->canvas->hwnd);
    GUI_CHECK_EQ(screenPixel(corner), RGB(255, 255, 0x80));
    POINT inside = {corner.x - 1, corner.y - 1};
    GUI_CHECK(screenPixel(inside) != RGB(255, 255, 0x80));
}

}  // namespace

GUI_TEST(Window, WholePageShowsOnScreenPixelForPixel) {
    checkWholePageOnScreen(480, 800);
}

// The main window around the canvas as the user sees it: every picture pixel
// on screen, the status bar, and the same at 144 DPI (the Dpi144 suite runs
// in a Wine prefix of its own set to that DPI).
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "model/Pagina.h"
#include "model/Proyecto.h"
#include "ui/StatusLayout.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PagePane.h"
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
    auto project = std::make_unique<Proyecto>();
    project->addPage(std::move(page));
    window->replaceProject(std::move(project));
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
    RECT canvas = clientRect(window->canvas().hwnd());
    GUI_CHECK_EQ(rectWidth(canvas), width);
    GUI_CHECK_EQ(rectHeight(canvas), height);
    POINT corner = {width - 1, height - 1};
    ClientToScreen(window->canvas().hwnd(), &corner);
    GUI_CHECK_EQ(WindowFromPoint(corner), window->canvas().hwnd());
    GUI_CHECK_EQ(screenPixel(corner), RGB(255, 255, 0x80));
    POINT inside = {corner.x - 1, corner.y - 1};
    GUI_CHECK(screenPixel(inside) != RGB(255, 255, 0x80));
    // The window's client area ends with the status bar right under the canvas.
    POINT below = {width / 2, height + 1};
    ClientToScreen(window->canvas().hwnd(), &below);
    GUI_CHECK_EQ(WindowFromPoint(below), GetDlgItem(window->hwnd(), IDC_STATUSBAR));
}

std::string statusPart(HWND mainWindow, int part) {
    char text[256] = "";
    HWND status = GetDlgItem(mainWindow, IDC_STATUSBAR);
    if (LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, part, 0)) < sizeof text)
        SendMessageA(status, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
}

// A real double-click in the middle of a status bar part.
void doubleClickPart(HWND mainWindow, int part) {
    HWND status = GetDlgItem(mainWindow, IDC_STATUSBAR);
    RECT r = {};
    SendMessageA(status, SB_GETRECT, part, reinterpret_cast<LPARAM>(&r));
    POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(status, &middle);
    SetCursorPos(middle.x, middle.y);
    pumpFor(30);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(4, clicks, sizeof(INPUT));
    pumpFor(100);
}

}  // namespace

GUI_TEST(Window, WholePageShowsOnScreenPixelForPixel) {
    checkWholePageOnScreen(480, 800);
}

GUI_TEST(Window, StatusBarShowsModeAndSelectedRegionAsItMoves) {
    TempFolder folder;
    Rect region{100, 100, 200, 160};
    auto window = showPicture(folder, 640, 400, &region);
    GUI_CHECK_EQ(statusPart(window->hwnd(), 0), std::string("modo normal"));
    GUI_CHECK_EQ(statusPart(window->hwnd(), 1), std::string());
    window->canvas().selectRegion(0);
    GUI_CHECK_EQ(statusPart(window->hwnd(), 1), std::string("x 100  y 100  ancho 100  alto 60"));
    SetForegroundWindow(window->hwnd());
    pressKey(VK_RIGHT);
    pressKey(VK_DOWN, true);  // one pixel taller
    pumpFor(200);
    GUI_CHECK_EQ(statusPart(window->hwnd(), 1), std::string("x 101  y 100  ancho 100  alto 61"));
    // A double-click there types the region's place and size.
    Answerer typed;
    typed.on("Posici\xF3n y tama\xF1o").type(IDC_POSICION_IZQUIERDA, "7").type(IDC_POSICION_ALTO, "20").click(IDOK);
    typed.start();
    doubleClickPart(window->hwnd(), 1);
    GUI_REQUIRE(typed.finish());
    pumpFor(100);
    GUI_CHECK_EQ(statusPart(window->hwnd(), 1), std::string("x 7  y 100  ancho 100  alto 20"));
    window->statusBar().setMessage("Listo");
    GUI_CHECK_EQ(statusPart(window->hwnd(), 2), std::string("Listo"));
    sendCommand(window->hwnd(), ID_MODO_IGUALARALTO);
    pumpFor(100);
    GUI_CHECK_EQ(statusPart(window->hwnd(), 0), std::string("igualando altura"));
}

// On the narrowest canvas the message part has room left, and a message
// too long for it is readable whole across the bar, then back in its part.
GUI_TEST(Window, LongMessageShowsWholeAcrossTheBarForAWhile) {
    TempFolder folder;
    auto window = showPicture(folder, 200, 100, nullptr);
    HWND bar = GetDlgItem(window->hwnd(), IDC_STATUSBAR);
    int ends[StatusLayout::kPartCount] = {};
    GUI_REQUIRE(SendMessageA(bar, SB_GETPARTS, StatusLayout::kPartCount, reinterpret_cast<LPARAM>(ends)) ==
                StatusLayout::kPartCount);
    GUI_CHECK(ends[StatusLayout::kMessage] - ends[StatusLayout::kSelection] > 0);
    GUI_CHECK_EQ(ends[StatusLayout::kZoom], rectWidth(clientRect(bar)));
    const std::string message(90, 'm');
    window->statusBar().setMessage(message);
    GUI_CHECK(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    GUI_CHECK_EQ(statusPart(window->hwnd(), 0), message);  // a simple bar's text is part 0's
    GUI_CHECK(pumpUntil([bar] { return !SendMessageA(bar, SB_ISSIMPLE, 0, 0); }, 10000));
    GUI_CHECK_EQ(statusPart(window->hwnd(), 2), message);
    // After that its part's tooltip still holds it whole.
    struct Search {
        HWND bar;
        std::string text;
    } search{bar, ""};
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM found) {
        auto* s = reinterpret_cast<Search*>(found);
        char name[32] = "", text[256] = "";
        GetClassNameA(w, name, sizeof name);
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = s->bar;
        tool.uId = 1;
        tool.lpszText = text;
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) {
            SendMessageA(w, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
            if (text[0])
                s->text = text;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    // (Wine hands back at most the first 80 characters of a tip.)
    GUI_CHECK(search.text.size() >= 79u);
    GUI_CHECK_EQ(search.text, message.substr(0, search.text.size()));
    // The test run's text across the bar stays over a long message.
    window->statusBar().setWholeBarText("Inicio");
    window->statusBar().setMessage(message + "m");
    GUI_CHECK_EQ(statusPart(window->hwnd(), 0), std::string("Inicio"));
}

GUI_TEST(Dpi144, WholePageAndLargerIconsAt144Dpi) {
    auto probe = createMainWindow();
    GUI_REQUIRE(windowDpi(probe->hwnd()) == 144);
    HIMAGELIST icons = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbarOf(probe->hwnd()), TB_GETIMAGELIST, 0, 0));
    int iconWidth = 0, iconHeight = 0;
    GUI_REQUIRE(icons && ImageList_GetIconSize(icons, &iconWidth, &iconHeight));
    GUI_CHECK_EQ(iconWidth, 24);
    GUI_CHECK_EQ(iconHeight, 24);
    GUI_CHECK_EQ(ImageList_GetImageCount(icons), 18);
    GUI_CHECK(rectHeight(windowRect(toolbarOf(probe->hwnd()))) >= 24 + 6);
    HIMAGELIST thumbnails = ListView_GetImageList(probe->pagePane().hwnd(), LVSIL_SMALL);
    GUI_REQUIRE(thumbnails && ImageList_GetIconSize(thumbnails, &iconWidth, &iconHeight));
    GUI_CHECK_EQ(iconWidth, 72);
    GUI_CHECK_EQ(iconHeight, 54);
    probe.reset();
    checkWholePageOnScreen(480, 800);
}

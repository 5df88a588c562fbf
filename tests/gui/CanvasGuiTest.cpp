// The page canvas inside the real main window, driven with real input: the
// pointer is placed with SetCursorPos and the buttons and keys are pressed
// with SendInput, so the messages come through Wine's input queue, the
// message loop and the accelerator table as a user's would. Results are
// read back from the saved project file.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/ButtonPageMaker.h"
#include "tests/unit/support/ButtonPagePng.h"
#include "win32/Application.h"
#include "model/Pagina.h"
#include "model/Proyecto.h"
#include "model/Settings.h"
#include "ui/win32/MainWindow.h"
#include "ui/ButtonDetection.h"
#include "ui/CommandReplace.h"
#include "ui/StatusLayout.h"
#include "ui/ViewMapping.h"
#include "ui/win32/PaginaWindow.h"

namespace {

struct Box {
    int left, top, right, bottom;
    bool operator==(const Box& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom;
}

// The main window with a project "Casa" of one page "Inicio" showing a
// width x height picture with the given regions (and a page "Salon" without
// any when asked), saved to casa.xml. Drags snap to nothing unless asked. The
// picture is a test pattern, or the PNG `pictureBytes` when given.
struct Scene {
    Scene(int width, int height, const std::vector<Box>& regions, bool secondPage = false, bool snapping = false,
          const std::string& pictureBytes = "") {
        std::string picture = folder.path("inicio.png");
        if (pictureBytes.empty())
            writeTestPicture(picture, width, height);
        else
            writeFileBytes(picture, pictureBytes);
        Settings::current().writeNumber(setting::kAjustarAGuias, snapping ? 1 : 0);
        Settings::current().writeNumber(setting::kEtiquetas, 0);
        window = createMainWindow();
        auto page = std::make_unique<Pagina>();
        page->nombre = "Inicio";
        page->setImagen(width, height, picture);
        for (const Box& box : regions) {
            Region region;
            region.coords = Rect{box.left, box.top, box.right, box.bottom};
            region.comando.sector = "1";
            region.comando.codigo = "C";
            page->addRegion(region);
        }
        auto project = std::make_unique<Proyecto>();
        project->instalacion = "Casa";
        project->archivo = folder.path("casa.xml");
        project->addPage(std::move(page));
        if (secondPage) {
            auto salon = std::make_unique<Pagina>();
            salon->nombre = "Salon";
            salon->setImagen(width, height, picture);
            project->addPage(std::move(salon));
        }
        window->replaceProject(std::move(project));
        pumpFor(150);
        canvas = window->canvas().hwnd();
    }

    // Saves with "Guardar proyecto" and returns the regions as the file holds them.
    std::vector<Box> savedRegions() {
        sendCommand(window->hwnd(), ID_GUARDAR_PROYECTO);
        std::string xml = readFileBytes(folder.path("casa.xml"));
        std::vector<Box> boxes;
        const std::string open = "<coords>";
        for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
            Box box = {};
            if (std::sscanf(xml.c_str() + at + open.size(), "%d, %d, %d, %d", &box.left, &box.top, &box.right,
                            &box.bottom) == 4)
                boxes.push_back(box);
        }
        return boxes;
    }
    std::string savedFile() { return readFileBytes(folder.path("casa.xml")); }

    TempFolder folder;
    std::unique_ptr<MainWindow> window;
    HWND canvas = nullptr;
};

// ---- real input --------------------------------------------------------------

void moveTo(HWND canvas, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(canvas, &point);
    SetCursorPos(point.x, point.y);
    pumpFor(30);
}

void mouseButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    pumpFor(30);
}

void press(HWND canvas, int x, int y) {
    moveTo(canvas, x, y);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
}

void release(HWND canvas, int x, int y) {
    moveTo(canvas, x, y);
    mouseButton(MOUSEEVENTF_LEFTUP);
}

void click(HWND canvas, int x, int y) {
    press(canvas, x, y);
    mouseButton(MOUSEEVENTF_LEFTUP);
}

// Press, hold past the canvas's hold delay, move, release.
void holdAndDrag(HWND canvas, int fromX, int fromY, int toX, int toY) {
    press(canvas, fromX, fromY);
    pumpFor(GetDoubleClickTime() / 2 + 150);
    moveTo(canvas, toX, toY);
    release(canvas, toX, toY);
}

void key(WORD virtualKey, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// A key with modifiers, pressed and released as on a keyboard.
void typeKey(WORD virtualKey, bool ctrl = false, bool shift = false) {
    if (ctrl)
        key(VK_CONTROL, 0);
    if (shift)
        key(VK_SHIFT, 0);
    DWORD extended = virtualKey == VK_DELETE || (virtualKey >= VK_LEFT && virtualKey <= VK_DOWN)
                         ? KEYEVENTF_EXTENDEDKEY
                         : 0;
    key(virtualKey, extended);
    key(virtualKey, extended | KEYEVENTF_KEYUP);
    if (shift)
        key(VK_SHIFT, KEYEVENTF_KEYUP);
    if (ctrl)
        key(VK_CONTROL, KEYEVENTF_KEYUP);
    pumpFor(80);
}

COLORREF pixelAt(HWND canvas, int x, int y) {
    HDC dc = GetDC(canvas);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(canvas, dc);
    return color;
}

// How many pixels of the canvas inside `box` belong to a label, its text or
// its backing: the test picture's blue is half everywhere, and an outline
// drawn over it only flips that to the other half.
int labelPixelsIn(HWND canvas, const Box& box) {
    HDC dc = GetDC(canvas);
    int label = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            label += std::abs(GetBValue(GetPixel(dc, x, y)) - 0x80) > 0x20;
    ReleaseDC(canvas, dc);
    return label;
}

double repaintMilliseconds(HWND canvas, int repaints) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < repaints; ++i)
        RedrawWindow(canvas, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) /
           repaints;
}

}  // namespace

// ---- display ---------------------------------------------------------------

GUI_TEST(Canvas, ShowsThePageAtItsSizeWithTitle) {
    Scene scene(640, 400, {});
    GUI_CHECK_EQ(windowTitle(scene.window->hwnd()), std::string("Quenda - Casa - Inicio - modo normal"));
    RECT canvasRect = clientRect(scene.canvas);
    GUI_CHECK_EQ(rectWidth(canvasRect), 640);
    GUI_CHECK_EQ(rectHeight(canvasRect), 400);
    GUI_CHECK(menuItemChecked(scene.window->hwnd(), ID_MODO_NORMAL));
    GUI_CHECK(toolbarButtonChecked(scene.window->hwnd(), ID_MODO_NORMAL));
}

GUI_TEST(Canvas, SmallPictureGetsTheMinimumCanvas) {
    Scene scene(300, 150, {});
    RECT canvasRect = clientRect(scene.canvas);
    GUI_CHECK_EQ(rectWidth(canvasRect), 400);
    GUI_CHECK_EQ(rectHeight(canvasRect), 200);
}

GUI_TEST(Canvas, SelectedRegionShowsAsANegative) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    COLORREF before = pixelAt(scene.canvas, 150, 130);
    click(scene.canvas, 150, 130);
    pumpFor(100);
    COLORREF after = pixelAt(scene.canvas, 150, 130);
    GUI_CHECK_EQ(after, before ^ 0xFFFFFFu);
    COLORREF outside = pixelAt(scene.canvas, 300, 300);
    click(scene.canvas, 300, 300);  // empty picture: selection cleared
    pumpFor(100);
    GUI_CHECK_EQ(pixelAt(scene.canvas, 150, 130), before);
    GUI_CHECK_EQ(pixelAt(scene.canvas, 300, 300), outside);
}

// "Ver" > "Etiquetas" writes inside the regions, nowhere else, and is
// remembered; chosen again, the picture comes back as it was.
GUI_TEST(Canvas, LabelsWriteInsideTheRegionsOnly) {
    Scene scene(640, 400, {{100, 100, 300, 160}, {400, 100, 412, 160}});
    const Box wide = {100, 100, 300, 160}, beyondNarrow = {413, 100, 460, 160};
    GUI_REQUIRE(labelPixelsIn(scene.canvas, wide) == 0);
    PostMessageA(scene.window->hwnd(), WM_COMMAND, ID_VER_ETIQUETAS, 0);
    pumpFor(150);
    GUI_CHECK(menuItemChecked(scene.window->hwnd(), ID_VER_ETIQUETAS));
    uint32_t remembered = 0;
    GUI_CHECK(Settings::current().readNumber(setting::kEtiquetas, remembered) && remembered == 1);
    GUI_CHECK(labelPixelsIn(scene.canvas, wide) > 100);
    GUI_CHECK_EQ(labelPixelsIn(scene.canvas, beyondNarrow), 0);
    PostMessageA(scene.window->hwnd(), WM_COMMAND, ID_VER_ETIQUETAS, 0);
    pumpFor(150);
    GUI_CHECK(!menuItemChecked(scene.window->hwnd(), ID_VER_ETIQUETAS));
    GUI_CHECK_EQ(labelPixelsIn(scene.canvas, wide), 0);
}

// ---- drawing, moving and resizing with the mouse ---------------------------

GUI_TEST(Canvas, DraggingOverEmptyPictureDrawsARegion) {
    Scene scene(640, 400, {});
    press(scene.canvas, 50, 60);
    GUI_CHECK_EQ(GetCapture(), scene.canvas);
    moveTo(scene.canvas, 100, 100);
    moveTo(scene.canvas, 150, 120);
    release(scene.canvas, 150, 120);
    GUI_CHECK(GetCapture() != scene.canvas);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{50, 60, 150, 120}));
}

GUI_TEST(Canvas, DragShorterThanTenPixelsCreatesNothing) {
    Scene scene(640, 400, {});
    press(scene.canvas, 50, 60);
    moveTo(scene.canvas, 59, 200);
    release(scene.canvas, 59, 200);
    press(scene.canvas, 300, 60);
    release(scene.canvas, 400, 69);
    GUI_CHECK(scene.savedRegions().empty());
    GUI_CHECK(GetCapture() != scene.canvas);
}

GUI_TEST(Canvas, RegionDrawnUpAndLeftIsStoredLeftTopFirst) {
    Scene scene(640, 400, {});
    press(scene.canvas, 200, 150);
    moveTo(scene.canvas, 120, 90);
    release(scene.canvas, 120, 90);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{120, 90, 200, 150}));
}

GUI_TEST(Canvas, HeldPressMovesTheRegionWithThePointer) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    holdAndDrag(scene.canvas, 150, 130, 170, 140);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{120, 110, 220, 170}));
}

// Released outside the window, the drag is over: coming back over the
// picture with no button held moves nothing.
GUI_TEST(Canvas, DragReleasedOutsideTheWindowEndsThere) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    POINT outside = {700, 130};
    ClientToScreen(scene.canvas, &outside);
    RECT mainRect = windowRect(scene.window->hwnd());
    GUI_REQUIRE(outside.x >= mainRect.right && outside.x < GetSystemMetrics(SM_CXSCREEN));
    press(scene.canvas, 150, 130);
    GUI_CHECK_EQ(GetCapture(), scene.canvas);
    pumpFor(GetDoubleClickTime() / 2 + 150);
    moveTo(scene.canvas, 400, 130);
    moveTo(scene.canvas, 700, 130);
    release(scene.canvas, 700, 130);
    GUI_CHECK(GetCapture() != scene.canvas);
    moveTo(scene.canvas, 300, 200);
    moveTo(scene.canvas, 250, 150);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{540, 100, 640, 160}));  // stopped at the page's edge
    GUI_CHECK_EQ(scene.window->canvas().editor().dragZone(), 0);
}

// Undone in the middle of a drag (an earlier edit enables "Deshacer"), the
// page is shown again and the pointer is free. Wine holds accelerators back
// while the pointer is captured, so the command is sent as the menu would.
GUI_TEST(Canvas, UndoDuringADragReleasesThePointer) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    click(scene.canvas, 150, 130);
    typeKey(VK_RIGHT);
    pumpFor(GetDoubleClickTime());  // a press sooner on the same spot would be a double-click
    press(scene.canvas, 150, 130);
    pumpFor(GetDoubleClickTime() / 2 + 150);
    moveTo(scene.canvas, 170, 140);
    GUI_CHECK_EQ(GetCapture(), scene.canvas);
    sendCommand(scene.window->hwnd(), ID_DESHACER);
    GUI_CHECK(GetCapture() != scene.canvas);
    GUI_CHECK_EQ(scene.window->canvas().editor().dragZone(), 0);
    release(scene.canvas, 170, 140);
}

GUI_TEST(Canvas, QuickClickSelectsWithoutMoving) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    press(scene.canvas, 150, 130);
    moveTo(scene.canvas, 170, 140);
    release(scene.canvas, 170, 140);
    GUI_CHECK_EQ(scene.window->canvas().editor().selected(), 0);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{100, 100, 200, 160}));
}

GUI_TEST(Canvas, CornerDragResizesAndTheSizePointerShows) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    moveTo(scene.canvas, 103, 103);
    GUI_CHECK_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
    moveTo(scene.canvas, 150, 130);
    GUI_CHECK_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEALL));
    holdAndDrag(scene.canvas, 103, 103, 80, 90);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{80, 90, 200, 160}));
}

GUI_TEST(Canvas, EdgeDraggedPastTheOppositeOneIsStoredInOrder) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    holdAndDrag(scene.canvas, 100, 130, 260, 130);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{200, 100, 260, 160}));
}

// ---- command dialog ------------------------------------------------------------

GUI_TEST(Canvas, RightClickOpensTheCommandDialogOfTheClickedRegion) {
    Scene scene(640, 400, {{10, 10, 60, 60}, {100, 100, 200, 160}});
    click(scene.canvas, 30, 30);
    Answerer answerer;
    answerer.on("Funci\xF3n").type(IDC_COMANDO_SECTOR, "7").type(IDC_COMANDO_CODIGO, "LUZ").click(IDOK);
    answerer.start();
    moveTo(scene.canvas, 150, 130);
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(scene.window->canvas().editor().selected(), 1);
    GUI_CHECK_EQ(scene.window->document().project().paginas[0]->regiones[1].comando.codigo, std::string("LUZ"));
    GUI_CHECK_EQ(scene.window->document().project().paginas[0]->regiones[0].comando.codigo, std::string("C"));
    scene.savedRegions();
    std::string xml = scene.savedFile();
    GUI_CHECK(xml.find("sector=\"7\" codigo=\"LUZ\"") != std::string::npos);
}

GUI_TEST(Canvas, CtrlClickOpensTheDialogAndCancelKeepsTheCommand) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    Answerer answerer;
    answerer.on("Funci\xF3n").type(IDC_COMANDO_CODIGO, "OTRO").click(IDCANCEL);
    answerer.start();
    moveTo(scene.canvas, 150, 130);
    key(VK_CONTROL, 0);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    key(VK_CONTROL, KEYEVENTF_KEYUP);
    mouseButton(MOUSEEVENTF_LEFTUP);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(scene.window->document().project().paginas[0]->regiones[0].comando.codigo, std::string("C"));
    GUI_CHECK_EQ(scene.window->canvas().editor().dragZone(), 0);
}

// ---- modes -----------------------------------------------------------------------

GUI_TEST(Canvas, AlignTopLinesRegionsUpWithTheSelectedOne) {
    Scene scene(640, 400, {{10, 10, 110, 60}, {200, 40, 260, 70}, {300, 90, 320, 95}});
    click(scene.canvas, 50, 30);
    sendCommand(scene.window->hwnd(), ID_MODO_ALINEARSUP);  // as the "Editar" menu does
    pumpFor(100);
    GUI_CHECK_EQ(windowTitle(scene.window->hwnd()), std::string("Quenda - Casa - Inicio - alineando borde superior"));
    GUI_CHECK(menuItemChecked(scene.window->hwnd(), ID_MODO_ALINEARSUP));
    GUI_CHECK(!menuItemChecked(scene.window->hwnd(), ID_MODO_NORMAL));
    GUI_CHECK(toolbarButtonChecked(scene.window->hwnd(), ID_MODO_ALINEARSUP));
    GUI_CHECK(!toolbarButtonChecked(scene.window->hwnd(), ID_MODO_NORMAL));
    moveTo(scene.canvas, 230, 50);
    GUI_CHECK_EQ(GetCursor(), LoadCursorA(instanceHandle, MAKEINTRESOURCEA(IDC_CUR_ALINEARSUP)));
    click(scene.canvas, 230, 50);
    click(scene.canvas, 310, 92);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 3);
    GUI_CHECK_EQ(saved[0], (Box{10, 10, 110, 60}));
    GUI_CHECK_EQ(saved[1], (Box{200, 10, 260, 40}));
    GUI_CHECK_EQ(saved[2], (Box{300, 10, 320, 15}));
}

GUI_TEST(Canvas, EqualSizeFromTheToolbarButton) {
    Scene scene(640, 400, {{10, 10, 110, 60}, {200, 40, 260, 70}});
    click(scene.canvas, 50, 30);
    // A toolbar button click reaches the main window as this WM_COMMAND.
    SendMessageA(scene.window->hwnd(), WM_COMMAND, MAKEWPARAM(ID_MODO_IGUALARTAMANNO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(toolbarOf(scene.window->hwnd())));
    pumpFor(100);
    GUI_CHECK_EQ(windowTitle(scene.window->hwnd()), std::string("Quenda - Casa - Inicio - igualando tama\xF1o"));
    click(scene.canvas, 230, 50);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 2);
    GUI_CHECK_EQ(saved[1], (Box{200, 40, 300, 90}));
}

// ---- keyboard ----------------------------------------------------------------------

GUI_TEST(Canvas, ArrowKeysEditTheSelectedRegionAndDeleteRemovesIt) {
    Scene scene(640, 400, {{100, 100, 200, 160}, {300, 100, 400, 160}});
    click(scene.canvas, 150, 130);
    typeKey(VK_RIGHT);
    typeKey(VK_RIGHT);
    typeKey(VK_DOWN);
    typeKey(VK_RIGHT, true);         // grow to the right
    typeKey(VK_UP, true, true);      // shrink from the bottom
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 2);
    GUI_CHECK_EQ(saved[0], (Box{102, 101, 203, 160}));
    GUI_CHECK_EQ(windowTitle(scene.window->hwnd()), std::string("Quenda - Casa - Inicio - modo normal"));
    typeKey(VK_DELETE);
    saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{300, 100, 400, 160}));
    GUI_CHECK_EQ(scene.window->canvas().editor().selected(), -1);
}

GUI_TEST(Canvas, KeysDoNothingOutsideNormalMode) {
    Scene scene(640, 400, {{100, 100, 200, 160}});
    click(scene.canvas, 150, 130);
    sendCommand(scene.window->hwnd(), ID_MODO_IGUALARALTO);
    pumpFor(100);
    typeKey(VK_RIGHT);
    typeKey(VK_DELETE);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{100, 100, 200, 160}));
    GUI_CHECK_EQ(windowTitle(scene.window->hwnd()), std::string("Quenda - Casa - Inicio - igualando altura"));
}

// ---- a picture larger than the screen --------------------------------------------

GUI_TEST(Canvas, LargePictureIsHalvedAndEditsAreStoredInPicturePixels) {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The widest picture shown unscaled: the work area less frame and border.
    int room = 0;
    {
        Scene probe(640, 400, {});
        room = rectWidth(work) - (rectWidth(windowRect(probe.window->hwnd())) - 640);
    }
    Scene scene(2 * room, 800, {{101, 50, 300, 151}});
    RECT mainRect = windowRect(scene.window->hwnd());
    GUI_CHECK_EQ(mainRect.left, work.left);
    GUI_CHECK_EQ(mainRect.top, work.top);
    GUI_CHECK_EQ(rectWidth(mainRect), rectWidth(work));
    GUI_CHECK_EQ(rectWidth(clientRect(scene.canvas)), room);
    GUI_CHECK_EQ(rectHeight(clientRect(scene.canvas)), 400);
    click(scene.canvas, 100, 50);  // inside (51, 25, 150, 76) on the canvas
    typeKey(VK_RIGHT);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{102, 50, 301, 151}));  // one picture pixel across, at any scale
}

// ---- a crowded page --------------------------------------------------------------

// 1000 regions on a 1920 x 1080 picture: the selection still shows, with
// labels too, and the time of a whole repaint through GDI, without and with
// labels, is printed for the record.
GUI_TEST(Canvas, CrowdedPageRepaints) {
    std::vector<Box> grid;
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 40; ++column)
            grid.push_back(Box{column * 48, row * 43, column * 48 + 44, row * 43 + 39});
    Scene scene(1920, 1080, grid);
    double scale = scene.window->canvas().editor().scaledPage()->scale();
    // The centre of the last region on the canvas.
    int x = static_cast<int>((39 * 48 + 22) * scale), y = static_cast<int>((24 * 43 + 19) * scale);
    COLORREF before = pixelAt(scene.canvas, x, y);
    click(scene.canvas, x, y);
    GUI_REQUIRE(scene.window->canvas().editor().selected() == 999);

    const int kRepaints = 20;
    RECT canvasRect = windowRect(scene.canvas);
    std::printf("repaint with 1000 regions, canvas %d x %d (scale %.3f): %.2f ms each\n", rectWidth(canvasRect),
                rectHeight(canvasRect), scale, repaintMilliseconds(scene.canvas, kRepaints));
    GUI_CHECK_EQ(pixelAt(scene.canvas, x, y), before ^ 0xFFFFFFu);

    PostMessageA(scene.window->hwnd(), WM_COMMAND, ID_VER_ETIQUETAS, 0);
    pumpFor(150);
    std::printf("repaint with 1000 regions and their labels: %.2f ms each\n",
                repaintMilliseconds(scene.canvas, kRepaints));
    // The last region's label, inverted with it.
    const Box last = {static_cast<int>(39 * 48 * scale), static_cast<int>(24 * 43 * scale), x, y};
    GUI_CHECK(labelPixelsIn(scene.canvas, last) > 10);
    GUI_CHECK(labelPixelsIn(scene.canvas, Box{0, 0, static_cast<int>(44 * scale), static_cast<int>(39 * scale)}) > 5);
}

// ---- undo and redo ---------------------------------------------------------------

GUI_TEST(Canvas, DrawnRegionIsUndoneWithCtrlZAndRedoneWithCtrlY) {
    Scene scene(640, 400, {});
    scene.window->document().project().takeSnapshot();
    HWND main = scene.window->hwnd();
    press(scene.canvas, 50, 60);
    moveTo(scene.canvas, 100, 90);
    release(scene.canvas, 150, 120);
    GUI_CHECK(menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(!menuItemEnabled(main, ID_REHACER));

    typeKey('Z', true);
    GUI_CHECK(scene.window->document().project().paginas[0]->regiones.empty());
    GUI_CHECK(!scene.window->document().project().hasUnsavedChanges());  // closing would ask nothing
    GUI_CHECK(!menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(menuItemEnabled(main, ID_REHACER));

    typeKey('Y', true);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], (Box{50, 60, 150, 120}));
    GUI_CHECK(menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(!menuItemEnabled(main, ID_REHACER));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Inicio - modo normal"));
}

// ---- trying the pages ------------------------------------------------------------

GUI_TEST(Canvas, TryingThePagesFollowsJumpsAndLeavesOntoThePageEdited) {
    TempFolder folder;
    writeTestPicture(folder.path("inicio.png"), 640, 400);
    writeTestPicture(folder.path("luces.png"), 640, 400);
    auto project = std::make_unique<Proyecto>();
    project->instalacion = "Casa";
    project->archivo = folder.path("casa.xml");
    const char* const names[] = {"Inicio", "Luces"};
    const char* const jumps[] = {"Luces", "/back"};
    for (int i = 0; i < 2; ++i) {
        auto page = std::make_unique<Pagina>();
        page->nombre = names[i];
        page->setImagen(640, 400, folder.path(i == 0 ? "inicio.png" : "luces.png"));
        Region region;
        region.coords = Rect{100, 100, 200, 160};
        region.comando.pagina = jumps[i];
        page->addRegion(region);
        project->addPage(std::move(page));
    }
    auto window = createMainWindow();
    window->replaceProject(std::move(project));
    HWND main = window->hwnd(), canvas = window->canvas().hwnd();
    sendCommand(main, ID_PAGE_FIRST + 1);  // edit "Luces", its region selected, aligning
    click(canvas, 150, 130);
    sendCommand(main, ID_MODO_ALINEARSUP);
    pumpFor(100);

    typeKey(VK_F5);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Probando - Casa - Inicio"));
    GUI_CHECK(!menuItemEnabled(main, ID_PAGINA_ELIMINAR));
    GUI_CHECK(!menuItemEnabled(main, ID_VER_AMPLIAR));
    click(canvas, 150, 130);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Probando - Casa - Luces"));
    typeKey(VK_RIGHT);
    click(canvas, 150, 130);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Probando - Casa - Inicio"));

    typeKey(VK_ESCAPE);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Luces - alineando borde superior"));
    GUI_CHECK(menuItemEnabled(main, ID_PAGINA_ELIMINAR));
    GUI_CHECK(menuItemEnabled(main, ID_VER_AMPLIAR));
    for (const auto& page : window->document().project().paginas)
        GUI_CHECK(page->regiones[0].coords == (Rect{100, 100, 200, 160}));
}

// ---- several regions -------------------------------------------------------------

GUI_TEST(Canvas, BandSelectionMovesByKeysAndIsSaved) {
    Scene scene(640, 400, {{100, 100, 150, 150}, {200, 100, 250, 150}, {400, 300, 450, 350}});
    moveTo(scene.canvas, 90, 90);
    key(VK_SHIFT, 0);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveTo(scene.canvas, 260, 160);
    mouseButton(MOUSEEVENTF_LEFTUP);
    key(VK_SHIFT, KEYEVENTF_KEYUP);
    typeKey(VK_RIGHT, false, true);  // ten
    typeKey(VK_DOWN);                // one
    char status[128] = "";
    SendMessageA(GetDlgItem(scene.window->hwnd(), IDC_STATUSBAR), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(status));
    GUI_CHECK_EQ(std::string(status), std::string("(2)  x 110  y 101  ancho 150  alto 50"));  // count and box
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 3);
    GUI_CHECK_EQ(saved[0], (Box{110, 101, 160, 151}));
    GUI_CHECK_EQ(saved[1], (Box{210, 101, 260, 151}));
    GUI_CHECK_EQ(saved[2], (Box{400, 300, 450, 350}));
}

GUI_TEST(Canvas, ArrangeCommandFromTheMenuLinesUpTheSelection) {
    Scene scene(640, 400, {{100, 100, 150, 150}, {200, 120, 250, 170}, {300, 80, 330, 90}});
    typeKey('A', true);
    SendMessageA(scene.window->hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetMenu(scene.window->hwnd())), 0);
    GUI_CHECK(menuItemEnabled(scene.window->hwnd(), ID_ORGANIZAR_DISTRIBUIR_H));
    sendCommand(scene.window->hwnd(), ID_ORGANIZAR_INFERIOR);  // as the "Organizar" menu does
    pumpFor(100);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 3);
    GUI_CHECK_EQ(saved[0], (Box{100, 100, 150, 150}));
    GUI_CHECK_EQ(saved[1], (Box{200, 100, 250, 150}));
    GUI_CHECK_EQ(saved[2], (Box{300, 140, 330, 150}));
}

GUI_TEST(Canvas, CopyToPagesPutsTheSelectionOnTheCheckedPage) {
    Scene scene(640, 400, {{100, 100, 150, 150}, {200, 100, 250, 150}}, true);
    click(scene.canvas, 120, 120);
    Answerer answerer;
    answerer.on("Copiar a p\xE1ginas")
        .run([](HWND dialog) {
            LVITEMA item = {};
            item.stateMask = LVIS_STATEIMAGEMASK;
            item.state = INDEXTOSTATEIMAGEMASK(2);  // checked
            SendMessageA(GetDlgItem(dialog, IDC_COPIAR_PAGINAS_LISTA), LVM_SETITEMSTATE, 0,
                         reinterpret_cast<LPARAM>(&item));
        })
        .click(IDOK);
    answerer.start();
    sendCommand(scene.window->hwnd(), ID_COPIAR_A_PAGINAS);
    GUI_REQUIRE(answerer.finish());
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 3);
    GUI_CHECK_EQ(saved[2], (Box{100, 100, 150, 150}));  // on "Salon", after the first page's two
    GUI_CHECK(scene.savedFile().find("Salon") < scene.savedFile().rfind("100, 100, 150, 150"));
}

// ---- replace in commands -----------------------------------------------------

namespace {

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

// A receiver's MAC replaced through Ctrl+H on the regions of three pages and
// a start command is saved so; one Ctrl+Z brings every one of them back.
GUI_TEST(Canvas, AReplacedMacIsSavedAndOneUndoRestoresIt) {
    Scene scene(640, 400, {{100, 100, 200, 160}}, true);
    Proyecto& project = scene.window->document().project();
    auto patio = std::make_unique<Pagina>(*project.paginas[1]);
    patio->nombre = "Patio";
    project.addPage(std::move(patio));
    const Comando bluetooth{"Living", "luz", "", "bt", "AA:AA"};
    for (const auto& page : project.paginas)
        page->addRegion(Region{Rect{300, 100, 400, 160}, bluetooth});
    project.paginas[2]->comandoInicial = bluetooth;

    Answerer answerer;
    answerer.on("Reemplazar en comandos")
        .run([&](HWND dialog) {
            HWND field = GetDlgItem(dialog, IDC_REEMPLAZAR_CAMPO);
            SendMessageA(field, CB_SETCURSEL, static_cast<WPARAM>(ReplaceField::Mac), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_REEMPLAZAR_CAMPO, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(field));
        })
        .type(IDC_REEMPLAZAR_NUEVO, "BB:BB")
        .click(IDOK);
    answerer.start();
    typeKey('H', true);
    GUI_REQUIRE(answerer.finish());
    sendCommand(scene.window->hwnd(), ID_GUARDAR_PROYECTO);
    GUI_CHECK_EQ(occurrences(scene.savedFile(), "BB:BB"), static_cast<size_t>(4));
    GUI_CHECK_EQ(occurrences(scene.savedFile(), "AA:AA"), static_cast<size_t>(0));

    typeKey('Z', true);
    sendCommand(scene.window->hwnd(), ID_GUARDAR_PROYECTO);
    GUI_CHECK_EQ(occurrences(scene.savedFile(), "AA:AA"), static_cast<size_t>(4));
    GUI_CHECK_EQ(occurrences(scene.savedFile(), "BB:BB"), static_cast<size_t>(0));
}

// ---- regions from the picture's buttons ----------------------------------------

namespace {

Box boxOf(const Rect& r) {
    return Box{r.left, r.top, r.right, r.bottom};
}

}  // namespace

GUI_TEST(Canvas, DoubleClickOnADrawnButtonMakesItsRegion) {
    const ButtonPage made = ButtonPageMaker({PageBackground::Gradient, ButtonStyle::Flat}, 5).make(480, 400, 2, 2);
    Scene scene(480, 400, {}, false, false, rgbPng(made.picture));
    const Rect& button = made.buttons[3];
    const int x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2;
    click(scene.canvas, x, y);
    click(scene.canvas, x, y);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    GUI_CHECK_EQ(saved[0], boxOf(button));
}

GUI_TEST(Canvas, DetectingTheButtonsOfAPageIsOneStepThatCtrlZUndoes) {
    const ButtonPage made = ButtonPageMaker({PageBackground::Noisy, ButtonStyle::Outlined}, 6).make(480, 400, 3, 2);
    Scene scene(480, 400, {}, false, false, rgbPng(made.picture));
    sendCommand(scene.window->hwnd(), ID_DETECTAR_BOTONES);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == made.buttons.size());
    for (const Rect& button : made.buttons)
        GUI_CHECK(std::find(saved.begin(), saved.end(), boxOf(button)) != saved.end());
    char said[128] = "";
    SendMessageA(GetDlgItem(scene.window->hwnd(), IDC_STATUSBAR), SB_GETTEXTA, StatusLayout::kMessage,
                 reinterpret_cast<LPARAM>(said));
    GUI_CHECK_EQ(std::string(said), ButtonDetection::foundText(made.buttons.size()));
    typeKey('Z', true);
    GUI_CHECK(scene.window->document().project().paginas[0]->regiones.empty());
    // The sensitivity items check like radio buttons; medium is left chosen.
    for (int chosen : {ID_SENSIBILIDAD_ALTA, ID_SENSIBILIDAD_MEDIA}) {
        sendCommand(scene.window->hwnd(), chosen);
        for (int item = ID_SENSIBILIDAD_BAJA; item <= ID_SENSIBILIDAD_ALTA; ++item)
            GUI_CHECK_EQ(menuItemChecked(scene.window->hwnd(), item), item == chosen);
    }
}

// ---- zoom --------------------------------------------------------------------

namespace {

// The test picture's pixel (x, y) of a width x height picture.
COLORREF testPicturePixel(int x, int y, int width, int height) {
    return RGB(x * 255 / (width - 1), y * 255 / (height - 1), 0x80);
}

// Screen pixels of one canvas row, each against the picture pixel it lies
// in; from 400 % up the grid's columns are left out.
int rowMismatches(HWND canvas, const ViewMapping& view, int y, int count, int width, int height) {
    int wrong = 0;
    for (int x = 0; x < count; ++x) {
        if (view.scale() >= 4 && view.clientToViewX(x) % static_cast<int>(view.scale()) == 0)
            continue;
        const int px = ViewMapping::toPicture(view.clientToViewX(x), view.scale(), true);
        const int py = ViewMapping::toPicture(view.clientToViewY(y), view.scale(), true);
        wrong += pixelAt(canvas, x, y) != testPicturePixel(px, py, width, height);
    }
    return wrong;
}

void wheelWithCtrl(int notches) {
    key(VK_CONTROL, 0);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &input, sizeof(input));
    key(VK_CONTROL, KEYEVENTF_KEYUP);
    pumpFor(150);
}

}  // namespace

// A page larger than the screen opens fitted; Ctrl+1 shows every picture
// pixel as one screen pixel, and 800 % repaints only what shows.
GUI_TEST(Canvas, CtrlOneShowsThePicturePixelForPixel) {
    const int width = 1600, height = 1000;
    Scene scene(width, height, {});
    const ViewMapping& view = scene.window->canvas().view();
    GUI_REQUIRE(view.atFit() && view.scale() < 1.0);
    SetForegroundWindow(scene.window->hwnd());
    typeKey('1', true);
    GUI_REQUIRE(pumpUntil([&] { return view.percent() == 100; }));
    UpdateWindow(scene.canvas);
    GUI_CHECK_EQ(rowMismatches(scene.canvas, view, 40, 300, width, height), 0);
    std::printf("repaint of a %d x %d page at %d %%: %.2f ms each\n", width, height, view.percent(),
                repaintMilliseconds(scene.canvas, 10));
    for (int percent : {200, 400, 800}) {
        typeKey(VK_ADD, true);
        GUI_REQUIRE(pumpUntil([&] { return view.percent() == percent; }));
    }
    SendMessageA(scene.canvas, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    UpdateWindow(scene.canvas);
    std::printf("repaint at %d %% of a %d x %d client, scrolled to %d, %d: %.2f ms each\n", view.percent(),
                view.viewWidth(), view.viewHeight(), view.originX(), view.originY(),
                repaintMilliseconds(scene.canvas, 10));
    // A picture pixel's inside is its own colour; its first row is the grid's.
    const int inside = 8 - view.originY() % 8 + 3;
    GUI_CHECK_EQ(rowMismatches(scene.canvas, view, inside, 200, width, height), 0);
    GUI_CHECK(rowMismatches(scene.canvas, view, inside - 3, 200, width, height) > 100);
    // Fitted again, the window's canvas holds the whole page without scroll bars.
    typeKey('0', true);
    GUI_REQUIRE(pumpUntil([&] { return view.atFit(); }));
    GUI_CHECK_EQ(rectWidth(clientRect(scene.canvas)), view.contentWidth());
    GUI_CHECK_EQ(rectHeight(clientRect(scene.canvas)), view.contentHeight());
}

// Maximised, the canvas takes the window's room; made smaller again, the
// page is fitted to it and a region drawn there is stored in picture pixels.
GUI_TEST(Canvas, ResizedWindowKeepsThePageEditable) {
    Scene scene(640, 400, {});
    ShowWindow(scene.window->hwnd(), SW_MAXIMIZE);
    pumpFor(200);
    GUI_CHECK(rectWidth(clientRect(scene.canvas)) > 640);
    ShowWindow(scene.window->hwnd(), SW_RESTORE);
    SetWindowPos(scene.window->hwnd(), nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE);
    pumpFor(200);
    const ViewMapping& view = scene.window->canvas().view();
    GUI_REQUIRE(view.atFit() && view.scale() < 1.0);
    GUI_CHECK(view.contentWidth() <= rectWidth(clientRect(scene.canvas)));
    press(scene.canvas, 20, 30);
    moveTo(scene.canvas, 80, 70);
    release(scene.canvas, 140, 110);
    std::vector<Box> saved = scene.savedRegions();
    GUI_REQUIRE(saved.size() == 1);
    auto stored = [&](int v) { return ViewMapping::toPicture(v, view.scale(), false); };
    GUI_CHECK_EQ(saved[0], (Box{stored(20), stored(30), stored(140), stored(110)}));
}

// Zooming with the wheel; an undo afterwards keeps the view.
GUI_TEST(Canvas, CtrlWheelKeepsThePointUnderThePointer) {
    Scene scene(640, 400, {});
    SetForegroundWindow(scene.window->hwnd());
    const ViewMapping& view = scene.window->canvas().view();
    moveTo(scene.canvas, 211, 157);
    wheelWithCtrl(1);
    GUI_REQUIRE(pumpUntil([&] { return view.percent() == 200; }));
    wheelWithCtrl(1);
    GUI_REQUIRE(pumpUntil([&] { return view.percent() == 400; }));
    UpdateWindow(scene.canvas);
    GUI_CHECK_EQ(ViewMapping::toPicture(view.clientToViewX(211), view.scale(), true), 211);
    GUI_CHECK_EQ(ViewMapping::toPicture(view.clientToViewY(157), view.scale(), true), 157);
    // Inside that picture pixel, past the grid on its first row and column.
    GUI_CHECK_EQ(pixelAt(scene.canvas, 212, 158), testPicturePixel(211, 157, 640, 400));
    // A region drawn there and undone leaves zoom and scroll as they were.
    const int32_t originX = view.originX(), originY = view.originY();
    scene.window->document().project().takeSnapshot();
    press(scene.canvas, 100, 100);
    moveTo(scene.canvas, 140, 130);
    release(scene.canvas, 180, 160);
    typeKey('Z', true);
    GUI_CHECK(scene.window->document().project().paginas[0]->regiones.empty());
    GUI_CHECK_EQ(view.percent(), 400);
    GUI_CHECK_EQ(view.originX(), originX);
    GUI_CHECK_EQ(view.originY(), originY);
}

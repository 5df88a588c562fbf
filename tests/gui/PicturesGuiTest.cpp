// Pages from many pictures at once, dropped files, a replaced picture and a
// redesign found at open, each checked in the saved project file.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "ui/win32/MainWindow.h"

namespace {

const char kAttention[] = "ATENCI\xD3N";
const int kManyPictures = 170;

// A saved project in `folder` with one page "Sala" on a `width` x `height`
// picture holding one region at (10, 10)-(30, 20).
std::unique_ptr<Proyecto> writeProject(const TempFolder& folder, int width, int height) {
    auto project = std::make_unique<Proyecto>();
    project->instalacion = "Casa";
    project->archivo = folder.path("proyecto.xml");
    writeTestPicture(folder.path("sala.png"), width, height);
    std::unique_ptr<Pagina> page(new Pagina());
    page->nombre = "Sala";
    page->setImagen(width, height, "sala.png", project->archivo);
    page->addRegion(Region{Rect{10, 10, 30, 20}, Comando()});
    project->addPage(std::move(page));
    writeProjectFile(*project);
    return project;
}

std::unique_ptr<MainWindow> windowWithProject(const TempFolder& folder) {
    auto window = createMainWindow();
    window->replaceProject(writeProject(folder, 40, 30));
    return window;
}

// The project as the editor saved it: "name=WxH" per page, then the first
// region of the first page.
std::string savedPages(MainWindow& window) {
    sendCommand(window.hwnd(), ID_GUARDAR_PROYECTO);
    Proyecto saved;
    readProjectFile(window.document().project().archivo, saved);
    std::string text;
    for (const auto& page : saved.paginas)
        text += page->nombre + "=" + std::to_string(page->ancho) + "x" + std::to_string(page->alto) + " ";
    const Rect& r = saved.paginas.at(0)->regiones.at(0).coords;
    return text + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// WM_DROPFILES as the shell sends it: a DROPFILES block, then the wide
// paths, each NUL-terminated, and a final NUL.
void dropFiles(HWND window, const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths)
        list += std::wstring(path.begin(), path.end()) + L'\0';
    const size_t bytes = (list.size() + 1) * sizeof(wchar_t);  // with the final NUL
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    memcpy(drop + 1, list.c_str(), bytes);
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Selects every file of the folder the file dialog shows, once it shows them.
void selectAllFiles(HWND dialog) {
    HWND list = nullptr;
    for (int waited = 0; waited < 10000; waited += 100, Sleep(100)) {
        list = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr, "SysListView32",
                             nullptr);
        if (list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == kManyPictures)
            break;
    }
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

// Names past the dialog's first buffer, all chosen at once in its list,
// become pages in natural order (1, 2, ... 170, not 1, 10, 100).
GUI_TEST(Pictures, PagesFromPicturesThroughTheDialog) {
    TempFolder folder, exports;
    auto window = windowWithProject(folder);
    const std::string stem(190, 'x');
    std::string expected = "Sala=40x30 ";
    for (int i = 1; i <= kManyPictures; ++i) {
        writeTestPicture(exports.path(stem + std::to_string(i) + ".png"), i % 7 + 1, 2);
        expected += stem + std::to_string(i) + "=" + std::to_string(i % 7 + 1) + "x2 ";
    }
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(exports.dir()).click(IDOK).run(selectAllFiles).click(IDOK);
    answerer.start();
    sendCommand(window->hwnd(), ID_PAGINA_AGREGAR_IMAGENES);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(savedPages(*window), expected + "10,10,30,20");
    GUI_CHECK(fileExists(folder.path(stem + "170.png")));
    GUI_CHECK_EQ(window->document().shownIndex(), 1);
}

// Two pictures dropped make two pages, undone in one step; a text file
// dropped with them is refused in the one message.
GUI_TEST(Pictures, DroppedPicturesMakePagesInOneStep) {
    TempFolder folder, exports;
    auto window = windowWithProject(folder);
    writeTestPicture(exports.path("b.png"), 20, 10);
    writeTestPicture(exports.path("a.png"), 10, 5);
    writeFileBytes(exports.path("notas.txt"), "texto");
    Answerer answerer;
    answerer.on("ERROR").click(IDOK);
    answerer.start();
    dropFiles(window->hwnd(), {exports.path("b.png"), exports.path("notas.txt"), exports.path("a.png")});
    GUI_REQUIRE(answerer.finish());
    std::string message;
    for (const std::string& text : answerer.seen(0).texts)
        message += text;
    GUI_CHECK(message.find("notas.txt") != std::string::npos);
    GUI_CHECK_EQ(savedPages(*window), std::string("Sala=40x30 a=10x5 b=20x10 10,10,30,20"));
    sendCommand(window->hwnd(), ID_DESHACER);
    GUI_CHECK_EQ(window->document().project().paginas.size(), 1u);
}

GUI_TEST(Pictures, ReplacedPictureOfAnotherSizeScalesRegions) {
    TempFolder folder, exports;
    auto window = windowWithProject(folder);
    writeTestPicture(exports.path("sala-nueva.png"), 80, 15);
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(exports.path("sala-nueva.png")).click(IDOK);
    answerer.on(kAttention).click(IDYES);
    answerer.start();
    sendCommand(window->hwnd(), ID_PAGINA_REEMPLAZAR_IMAGEN);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(savedPages(*window), std::string("Sala=80x15 20,5,60,10"));
    GUI_CHECK_EQ(window->document().project().paginas[0]->imagen, std::string("sala-nueva.png"));
}

// Pictures exported again at double size; the project opened by dropping it.
GUI_TEST(Pictures, RedesignAtOpenScalesRegions) {
    TempFolder folder;
    const std::string path = writeProject(folder, 40, 30)->archivo;
    writeTestPicture(folder.path("sala.png"), 80, 60);
    auto window = createMainWindow();
    Answerer answerer;
    answerer.on(kAttention).click(IDYES);
    answerer.start();
    dropFiles(window->hwnd(), {path});
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(savedPages(*window), std::string("Sala=80x60 20,20,60,40"));
    sendCommand(window->hwnd(), ID_DESHACER);
    GUI_CHECK(window->document().project().paginas[0]->regiones[0].coords == (Rect{10, 10, 30, 20}));
}

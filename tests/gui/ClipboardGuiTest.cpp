// Copying and pasting regions through the Windows clipboard in the running
// editor, and "Duplicar" in the "Página" menu.
#include "tests/gui/GuiTest.h"

#include <cstdlib>
#include <cstring>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "tests/gui/DialogsGuiTest.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PaginaWindow.h"
#include "ui/win32/RegionClipboard.h"

namespace {

const char kNoRegion[] = "El portapapeles no contiene una regi\xF3n";

// The editor showing P1 of a saved two-page project (one region a page, the
// same rectangle on both).
struct TwoPages {
    TempFolder folder;
    CurrentDirectoryGuard directory{CurrentDirectoryGuard::current()};
    ProgramFileAccess files;
    std::string path;
    std::unique_ptr<MainWindow> window;

    TwoPages() {
        path = writeLinkedProject(folder, 2);
        window = createMainWindow();
        auto project = std::make_unique<Proyecto>();
        readProjectFile(path, *project);
        window->replaceProject(std::move(project));
        pumpFor(100);
    }
    HWND main() const { return window->hwnd(); }
    Proyecto& project() const { return window->document().project(); }
    // Menu state as the menu opening (or an accelerator) finds it.
    bool itemEnabled(int commandId) const {
        SendMessageA(main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(topMenu(main(), 1)), 1);
        return menuItemEnabled(main(), commandId);
    }
};

// What the clipboard holds as plain text; "" without text.
std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
        text = bytes;
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

// Fills the clipboard with one block of `bytes` (zero added) in `format`;
// nothing at all when `format` is 0.
void fillClipboard(HWND owner, UINT format, const std::string& bytes) {
    GUI_REQUIRE(OpenClipboard(owner));
    EmptyClipboard();
    if (format) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(format, block);
    }
    CloseClipboard();
}

// Runs this test program again (its path in QUENDA_GUI_TEST_PROGRAM, set by
// the test's definition) as another process that puts the region text of
// file `path` on the clipboard. Its answer comes as a file, which needs no
// process handle to wait on.
// Returns "" when the region went on the clipboard, else what went wrong.
std::string putRegionFromAnotherProcess(const std::string& path) {
    const char* program = std::getenv("QUENDA_GUI_TEST_PROGRAM");
    if (!program)
        return "no QUENDA_GUI_TEST_PROGRAM";
    std::string command = std::string("\"") + program + "\" --put-region \"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return "cannot start " + command + ": error " + std::to_string(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string answer = path + ".put";
    if (!waitFor([&answer] { return fileExists(answer); }, 20000))
        return "no answer from " + command;
    const std::string said = readFileBytes(answer);
    return said == "ok" ? "" : said;
}

// Sends "Pegar" as the menu would, answering the refusal it is expected to
// bring; true when the refusal came with its text.
bool pasteIsRefused(HWND main) {
    std::vector<std::string> message;
    Answerer answerer;
    answerer.on("ERROR").run([&message](HWND box) { message = staticTexts(box); }).click(IDOK);
    answerer.start();
    sendCommand(main, ID_EDITAR_PEGAR);
    return answerer.finish() && !message.empty() && message.back() == kNoRegion;
}

}  // namespace

GUI_TEST(Clipboard, CopyOnOnePagePasteOnAnotherAndTheFileHoldsBoth) {
    TwoPages scene;
    HWND main = scene.main();
    fillClipboard(main, 0, "");
    GUI_CHECK(!scene.itemEnabled(ID_EDITAR_COPIAR));
    GUI_CHECK(!scene.itemEnabled(ID_EDITAR_PEGAR));

    const Region copied = scene.project().paginas[0]->regiones[0];
    scene.window->canvas().selectRegion(0);
    GUI_CHECK(scene.itemEnabled(ID_EDITAR_COPIAR));
    pressKey('C', true);
    GUI_CHECK(pumpUntil([] { return !clipboardText().empty(); }, 2000));
    GUI_CHECK_EQ(clipboardText(), printRegion(copied));
    GUI_CHECK(scene.itemEnabled(ID_EDITAR_PEGAR));

    sendCommand(main, ID_PAGE_FIRST + 1);
    pressKey('V', true);
    Pagina& second = *scene.project().paginas[1];
    GUI_CHECK(pumpUntil([&second] { return second.regiones.size() == 2; }, 2000));
    GUI_CHECK_EQ(scene.window->canvas().editor().selected(), 1);

    pressKey('S', true);  // saved as every Windows program saves
    GUI_CHECK(pumpUntil([&scene] { return !scene.project().hasUnsavedChanges(); }, 2000));
    Proyecto saved;
    readProjectFile(scene.path, saved);
    GUI_REQUIRE(saved.paginas.size() == 2 && saved.paginas[1]->regiones.size() == 2);
    GUI_CHECK(saved.paginas[0]->regiones[0] == copied);
    Region twin = copied;
    twin.coords = Rect{12, 12, 30, 30};  // P2's own region is where the copy was
    GUI_CHECK(saved.paginas[1]->regiones[1] == twin);

    pressKey('Z', true);  // the paste was one step
    Proyecto& project = scene.project();
    GUI_CHECK(pumpUntil([&project] { return project.paginas[1]->regiones.size() == 1; }, 2000));
    GUI_CHECK(project.paginas[0]->regiones.size() == 1);
}

GUI_TEST(Clipboard, EmptyOrForeignClipboardPastesNothing) {
    TwoPages scene;
    HWND main = scene.main();
    const UINT ours = regionClipboardFormat();
    const std::string region = printRegion(scene.project().paginas[0]->regiones[0]);
    struct Content {
        UINT format;
        std::string bytes;
    } contents[] = {
        {0, ""},
        {CF_TEXT, region},  // readable as text, but not the program's own
        {ours, "Hola"},
        {ours, printProject(scene.project())},
        {ours, region.substr(0, region.size() / 2)},
    };
    for (const Content& content : contents) {
        fillClipboard(main, content.format, content.bytes);
        GUI_CHECK_EQ(scene.itemEnabled(ID_EDITAR_PEGAR), content.format == ours);
        if (content.format != ours) {
            pressKey('V', true);  // a greyed item: the key does nothing
            pumpFor(150);
        }
        GUI_CHECK(pasteIsRefused(main));
        GUI_CHECK_EQ(scene.project().paginas[0]->regiones.size(), 1u);
        GUI_CHECK(!scene.project().hasUnsavedChanges());
    }
}

GUI_TEST(Clipboard, RegionPutThereByAnotherProcessPastes) {
    TwoPages scene;
    Region region;
    region.coords = Rect{5, 6, 25, 26};
    region.comando.sector = "Sal\xF3n";
    region.comando.codigo = "persiana";
    region.comando.tipoComunicacion = "wifi";
    GUI_REQUIRE(writeFileBytes(scene.folder.path("region.txt"), printRegion(region)));
    fillClipboard(scene.main(), 0, "");
    const std::string failure = putRegionFromAnotherProcess(scene.folder.path("region.txt"));
    GUI_CHECK_EQ(failure, std::string());
    GUI_REQUIRE(failure.empty());

    GUI_CHECK(scene.itemEnabled(ID_EDITAR_PEGAR));
    pressKey('V', true);
    std::vector<Region>& regiones = scene.project().paginas[0]->regiones;
    GUI_CHECK(pumpUntil([&regiones] { return regiones.size() == 2; }, 2000));
    GUI_CHECK(regiones.size() == 2 && regiones[1] == region);
}

GUI_TEST(Clipboard, DuplicarThenUndo) {
    TwoPages scene;
    HWND main = scene.main();
    GUI_CHECK(menuItemEnabled(main, ID_PAGINA_DUPLICAR));

    Pagina& original = *scene.project().paginas[0];
    sendCommand(main, ID_PAGINA_DUPLICAR);
    GUI_REQUIRE(scene.project().paginas.size() == 3);
    Pagina& copy = *scene.project().paginas[1];
    GUI_CHECK_EQ(copy.nombre, std::string("P1 (2)"));
    GUI_CHECK(copy.regiones == original.regiones);
    GUI_CHECK(copy.pictureFile == original.pictureFile);
    GUI_CHECK(scene.window->document().shownPage() == &copy);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - P1 (2) - modo normal"));
    GUI_CHECK_EQ(menuItemText(main, ID_PAGE_FIRST + 1), std::string("P1 (2)"));
    GUI_CHECK(menuItemChecked(main, ID_PAGE_FIRST + 1));
    sendCommand(main, ID_PAGE_FIRST + 2);  // the page items still reach their pages
    GUI_CHECK(scene.window->document().shownPage() == scene.project().paginas[2].get());

    sendCommand(main, ID_DESHACER);
    GUI_REQUIRE(scene.project().paginas.size() == 2);
    GUI_CHECK_EQ(scene.project().paginas[1]->nombre, std::string("P2"));
    GUI_CHECK(!menuItemExists(main, ID_PAGE_FIRST + 2));
    GUI_CHECK(!scene.project().hasUnsavedChanges());
}

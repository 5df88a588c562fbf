// "Verificar proyecto" in the running editor: the list of findings, the
// page a chosen finding shows, and the question before a transfer.
#include "tests/gui/GuiTest.h"

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "tests/gui/DialogsGuiTest.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PaginaWindow.h"

namespace {

const char kCheckTitle[] = "Verificar proyecto";
const char kMethodTitle[] = "Transferir a dispositivo";
const char kDanglingLine[] = "P2: Regi\xF3n 1: salta a \"Garaje\", que no existe";

// The editor with a two-page project whose second page jumps to a page
// that does not exist.
struct DanglingJump {
    TempFolder folder;
    CurrentDirectoryGuard directory{CurrentDirectoryGuard::current()};
    ProgramFileAccess files;
    std::unique_ptr<MainWindow> window;

    DanglingJump() {
        std::string path = writeLinkedProject(folder, 2);
        window = createMainWindow();
        auto project = std::make_unique<Proyecto>();
        readProjectFile(path, *project);
        project->paginas[1]->regiones[0].comando.pagina = "Garaje";
        window->replaceProject(std::move(project));
        pumpFor(100);
    }
};

}  // namespace

GUI_TEST(ProjectCheck, DanglingJumpIsListedAndChoosingItShowsItsPage) {
    DanglingJump scene;
    HWND main = scene.window->hwnd();
    HMENU archivo = topMenu(main, 0);
    GUI_CHECK_EQ(GetMenuItemID(archivo, 5), static_cast<UINT>(ID_MODIFICAR_PROYECTO));
    GUI_CHECK_EQ(GetMenuItemID(archivo, 6), static_cast<UINT>(ID_VERIFICAR_PROYECTO));
    GUI_CHECK_EQ(menuItemText(main, ID_VERIFICAR_PROYECTO), std::string(kCheckTitle));
    GUI_CHECK(menuItemEnabled(main, ID_VERIFICAR_PROYECTO));
    GUI_CHECK(scene.window->document().shownPage() == scene.window->document().project().paginas[0].get());

    std::vector<std::string> lines;
    Answerer answerer;
    answerer.on(kCheckTitle).run([&lines](HWND d) { lines = listEntries(d, IDC_VERIFICAR_LISTA); }).click(IDOK);
    answerer.start();
    sendCommand(main, ID_VERIFICAR_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    pumpFor(100);

    GUI_CHECK_EQ(lines.size(), 1u);
    GUI_CHECK(!lines.empty() && lines[0] == kDanglingLine);
    GUI_CHECK(scene.window->document().shownPage() == scene.window->document().project().paginas[1].get());
    GUI_CHECK_EQ(scene.window->canvas().editor().selected(), 0);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - P2 - modo normal"));
    GUI_CHECK(menuItemChecked(main, ID_PAGE_FIRST + 1));
    GUI_CHECK(!menuItemChecked(main, ID_PAGE_FIRST));

    // Mended, the project has nothing more to show.
    scene.window->document().project().paginas[1]->regiones[0].comando.pagina = "/back";
    std::vector<std::string> message;
    Answerer again;
    again.on(kCheckTitle).run([&message](HWND box) { message = staticTexts(box); }).click(IDOK);
    again.start();
    sendCommand(main, ID_VERIFICAR_PROYECTO);
    GUI_REQUIRE(again.finish());
    GUI_CHECK(!message.empty() && message.back() == "El proyecto no tiene problemas");
}

GUI_TEST(ProjectCheck, TransferAsksFirstAndNoSendsNothing) {
    DanglingJump scene;
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<std::string> lines;
    int defaultButton = 0;
    bool methodAfterNo = false, methodAfterYes = false;
    // Whether the transfer method dialog comes; it is cancelled if so.
    auto methodShown = [uiThread](bool& shown) {
        HWND method = nullptr;
        shown = waitFor([&] { return (method = findThreadWindow(kMethodTitle, "#32770", uiThread)) != nullptr; },
                        1000);
        if (method)
            PostMessageA(method, WM_COMMAND, IDCANCEL, 0);
    };
    Answerer answerer;
    answerer.on(kCheckTitle)
        .run([&](HWND d) {
            lines = listEntries(d, IDC_VERIFICAR_LISTA);
            defaultButton = LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0));
        })
        .click(IDNO)
        .run([&](HWND) { methodShown(methodAfterNo); });
    answerer.start();
    sendCommand(scene.window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(lines.size() == 1 && lines[0] == kDanglingLine);
    GUI_CHECK_EQ(defaultButton, IDNO);
    GUI_CHECK(!methodAfterNo);
    // The question came after the save.
    GUI_CHECK(readFileBytes(scene.folder.path("proyecto.xml")).find("Garaje") != std::string::npos);

    Answerer yes;
    yes.on(kCheckTitle).click(IDYES).run([&](HWND) { methodShown(methodAfterYes); });
    yes.start();
    sendCommand(scene.window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(yes.finish());
    GUI_CHECK(methodAfterYes);
}

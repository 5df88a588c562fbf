// The main window: start-up state, project and page commands, the page menu,
// its size, the close question, about and help, save errors.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include <memory>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "ui/win32/HelpText.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PagePane.h"
#include "ui/win32/PaginaWindow.h"

namespace {

const char kAttention[] = "ATENCI\xD3N";
const int kModeButtons[] = {ID_MODO_NORMAL,      ID_MODO_ALINEARSUP,  ID_MODO_ALINEARINF,   ID_MODO_ALINEARIZQ,
                            ID_MODO_ALINEARDER,  ID_MODO_IGUALARALTO, ID_MODO_IGUALARANCHO, ID_MODO_IGUALARTAMANNO};

struct PageSetup {
    const char* name;
    const char* picture;
    int width;
    int height;
};

// Writes the pictures and a project file of `pages` into `folder` through
// the core, the way the editor would have saved them.
std::string writeProject(const TempFolder& folder, const std::string& installation,
                         const std::vector<PageSetup>& pages, const std::string& startPage = "") {
    Proyecto project;
    project.instalacion = installation;
    project.paginaInicial = startPage;
    project.archivo = folder.path("proyecto.xml");
    for (const PageSetup& setup : pages) {
        writeTestPicture(folder.path(setup.picture), setup.width, setup.height);
        std::unique_ptr<Pagina> page(new Pagina());
        page->nombre = setup.name;
        page->setImagen(400, 200, setup.picture, project.archivo);
        project.addPage(std::move(page));
    }
    writeProjectFile(project);
    return project.archivo;
}

// "Abrir proyecto" answered with `path`, as a user would.
bool openThroughDialog(MainWindow& window, const std::string& path) {
    Answerer answerer;
    answerer.on("Abrir archivo").typeFileName(path).click(IDOK);
    answerer.start();
    sendCommand(window.hwnd(), ID_ABRIR_PROYECTO);
    bool answered = answerer.finish();
    pumpFor(100);
    return answered;
}

std::vector<std::string> pageItems(HWND window) {
    std::vector<std::string> names;
    for (int id = ID_PAGE_FIRST; menuItemExists(window, id); ++id)
        names.push_back(menuItemText(window, id));
    return names;
}

std::vector<int> checkedPageItems(HWND window) {
    std::vector<int> checked;
    for (int id = ID_PAGE_FIRST; menuItemExists(window, id); ++id)
        if (menuItemChecked(window, id))
            checked.push_back(id);
    return checked;
}

std::string join(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ",") + name;
    return text;
}

std::string joinIds(const std::vector<int>& ids) {
    std::string text;
    for (int id : ids)
        text += (text.empty() ? "" : ",") + std::to_string(id);
    return text;
}

// The client area holds toolbar, page pane, canvas and status bar exactly.
void checkFitsCanvas(MainWindow& window) {
    RECT client = clientRect(window.hwnd());
    RECT canvas = windowRect(window.canvas().hwnd());
    RECT toolbar = windowRect(toolbarOf(window.hwnd()));
    RECT status = windowRect(GetDlgItem(window.hwnd(), IDC_STATUSBAR));
    GUI_CHECK_EQ(rectWidth(client), rectWidth(canvas) + window.pagePane().room());
    GUI_CHECK_EQ(rectHeight(client), rectHeight(canvas) + rectHeight(toolbar) + rectHeight(status));
}

}  // namespace

GUI_TEST(MainWindow, StartUpState) {
    auto window = createMainWindow();
    pumpFor(200);
    HWND main = window->hwnd();
    GUI_CHECK(IsWindowVisible(main));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda"));
    // Which commands a blank project offers is the document's rule; here,
    // that menus and buttons follow it.
    GUI_CHECK(!topMenuEnabled(main, 1));
    GUI_CHECK(topMenuEnabled(main, 2));  // "Ver": only the canvas's looks
    GUI_CHECK(!topMenuEnabled(main, 3));
    GUI_CHECK(!topMenuEnabled(main, 4));
    GUI_CHECK(menuItemEnabled(main, ID_NUEVO_PROYECTO));
    GUI_CHECK(!menuItemEnabled(main, ID_GUARDAR_PROYECTO));
    GUI_CHECK(!menuItemExists(main, ID_PAGE_FIRST));

    GUI_CHECK_EQ(SendMessageA(toolbarOf(main), TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(16));
    GUI_CHECK(toolbarButtonEnabled(main, ID_NUEVO_PROYECTO));
    GUI_CHECK(!toolbarButtonEnabled(main, ID_PAGINA_AGREGAR));
    for (int id : kModeButtons)
        GUI_CHECK(!toolbarButtonEnabled(main, id));
    GUI_CHECK(toolbarButtonChecked(main, ID_MODO_NORMAL));

    // No page: a 400 x 200 canvas below the toolbar, the window around it.
    RECT canvas = clientRect(window->canvas().hwnd());
    GUI_CHECK_EQ(rectWidth(canvas), 400);
    GUI_CHECK_EQ(rectHeight(canvas), 200);
    checkFitsCanvas(*window);
    GUI_CHECK(SendMessageA(main, WM_GETICON, ICON_BIG, 0) != 0);
    GUI_CHECK(SendMessageA(main, WM_GETICON, ICON_SMALL, 0) != 0);
    LONG style = GetWindowLongA(main, GWL_STYLE);
    // The user may size it; until then it keeps to the canvas.
    GUI_CHECK(style & WS_THICKFRAME);
    GUI_CHECK(style & WS_MAXIMIZEBOX);
}

GUI_TEST(MainWindow, Tooltips) {
    auto window = createMainWindow();
    GUI_CHECK_EQ(std::string(Toolbar::tooltipText(ID_MODO_NORMAL)), std::string("normal"));
    GUI_CHECK_EQ(std::string(Toolbar::tooltipText(ID_PAGINA_AGREGAR)), std::string("agregar p\xE1gina"));
    GUI_CHECK_EQ(std::string(Toolbar::tooltipText(ID_MODIFICAR_PROYECTO)), std::string("?"));
    // What the toolbar's tooltip asks of its parent, and what it gets.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = toolbarOf(window->hwnd());
    info.hdr.idFrom = ID_MODO_IGUALARTAMANNO;
    info.hdr.code = TTN_NEEDTEXTA;
    GUI_CHECK_EQ(SendMessageA(window->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), static_cast<LRESULT>(0));
    GUI_REQUIRE(info.lpszText != nullptr);
    GUI_CHECK_EQ(std::string(info.lpszText), std::string("igualar tama\xF1o"));
}

GUI_TEST(MainWindow, NewProjectIsSavedWhereTyped) {
    TempFolder folder;
    const std::string path = folder.path("casa.xml");
    auto window = createMainWindow();
    Answerer answerer;
    answerer.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Casa").click(IDOK);
    answerer.on("Guardar como").typeFileName(path).click(IDOK);
    answerer.start();
    sendCommand(window->hwnd(), ID_NUEVO_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    pumpFor(200);

    std::string bytes = readFileBytes(path);
    GUI_CHECK(bytes.find("<tabrino versionFormato=\"12.08\" instalacion=\"Casa\" paginaInicial=\"\">\r\n") !=
              std::string::npos);
    GUI_CHECK(bytes.find("<paginas/>") != std::string::npos);
    GUI_CHECK_EQ(window->document().project().archivo, path);
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - Casa"));

    // Menus and buttons follow the project without pages.
    HWND main = window->hwnd();
    GUI_CHECK(topMenuEnabled(main, 4));
    GUI_CHECK(!topMenuEnabled(main, 3));
    GUI_CHECK(!topMenuEnabled(main, 1));
    GUI_CHECK(!menuItemEnabled(main, ID_PAGINA_ELIMINAR));
    GUI_CHECK(toolbarButtonEnabled(main, ID_PAGINA_AGREGAR));
    GUI_CHECK(!toolbarButtonEnabled(main, ID_TRANSFERIR));
}

GUI_TEST(MainWindow, SaveDialogOffersXmlFilesOnly) {
    TempFolder folder;
    auto window = createMainWindow();
    std::string filter;
    Answerer answerer;
    answerer.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Casa").click(IDOK);
    answerer.on("Guardar como")
        .run([&filter](HWND dialog) {
            // cmb1: the file type list of the standard dialog.
            HWND types = GetDlgItem(dialog, 0x470);
            char text[256] = "";
            LRESULT selected = SendMessageA(types, CB_GETCURSEL, 0, 0);
            if (selected != CB_ERR && SendMessageA(types, CB_GETLBTEXTLEN, selected, 0) < 256)
                SendMessageA(types, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
            filter = text;
        })
        .typeFileName(folder.path("sin-extension"))
        .click(IDOK);
    answerer.start();
    sendCommand(window->hwnd(), ID_NUEVO_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(filter, std::string("Archivos (*.xml)"));
    // A name typed without extension still gives a file that can be saved.
    GUI_CHECK(!window->document().project().archivo.empty());
    GUI_CHECK(fileExists(window->document().project().archivo));
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
}

GUI_TEST(MainWindow, NewProjectWithCancelledSaveStaysBlank) {
    TempFolder folder;
    auto window = createMainWindow();
    Answerer answerer;
    answerer.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Casa").click(IDOK);
    answerer.on("Guardar como").click(IDCANCEL);
    answerer.start();
    sendCommand(window->hwnd(), ID_NUEVO_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    pumpFor(200);
    GUI_CHECK(window->document().project().isBlank());
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda"));
    GUI_CHECK(!menuItemEnabled(window->hwnd(), ID_GUARDAR_PROYECTO));
    GUI_CHECK(!toolbarButtonEnabled(window->hwnd(), ID_PAGINA_AGREGAR));
}

GUI_TEST(MainWindow, OpenShowsStartPageAndFitsIt) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa",
                                    {{"Inicio", "inicio.png", 300, 150}, {"Luces", "luces.png", 640, 480}}, "Luces");
    // Start elsewhere: pictures are found beside the project file whatever
    // the current directory is.
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    SetCurrentDirectoryA(temp);
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Luces - modo normal"));
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Inicio,Luces"));
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1501"));
    GUI_CHECK(window->document().shownPage() && window->document().shownPage()->nombre == "Luces");
    RECT canvas = clientRect(window->canvas().hwnd());
    GUI_CHECK_EQ(rectWidth(canvas), 640);
    checkFitsCanvas(*window);

    // Menus and buttons follow the project with pages.
    GUI_CHECK(topMenuEnabled(main, 1));
    GUI_CHECK(menuItemEnabled(main, ID_PAGINA_ELIMINAR));
    for (int id : kModeButtons)
        GUI_CHECK(toolbarButtonEnabled(main, id));

    // Choosing a page moves the check and the canvas; a small picture gets
    // the 400 x 200 minimum canvas.
    sendCommand(main, ID_PAGE_FIRST);
    pumpFor(100);
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1500"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Inicio - modo normal"));
    canvas = clientRect(window->canvas().hwnd());
    GUI_CHECK_EQ(rectWidth(canvas), 400);
    GUI_CHECK_EQ(rectHeight(canvas), 200);
    checkFitsCanvas(*window);
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
}

GUI_TEST(MainWindow, EditModeCommandsReachTheCanvas) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 300, 150}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    sendCommand(window->hwnd(), ID_MODO_ALINEARSUP);
    GUI_CHECK(pumpUntil([&] { return toolbarButtonChecked(window->hwnd(), ID_MODO_ALINEARSUP); }, 2000));
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - Casa - Inicio - alineando borde superior"));
    GUI_CHECK(!toolbarButtonChecked(window->hwnd(), ID_MODO_NORMAL));
}

// Sends `command` and answers what follows: the open dialog with `path`
// when one is given, the "ERROR" box, and after a failed save (saving and
// transferring) the offer of another name with Cancel. The error's text, or "" when none came.
static std::string commandError(MainWindow& window, int command, const std::string& path = "") {
    Answerer answerer;
    if (!path.empty())
        answerer.on("Abrir archivo").typeFileName(path).click(IDOK);
    answerer.on("ERROR").click(IDOK);
    if (command == ID_GUARDAR_PROYECTO || command == ID_TRANSFERIR)
        answerer.on("Guardar como").click(IDCANCEL);
    answerer.start();
    sendCommand(window.hwnd(), command);
    if (!answerer.finish())
        return "";
    return join(answerer.seen(path.empty() ? 0 : 1).texts);
}

GUI_TEST(MainWindow, ARejectedFileLeavesTheOpenProjectInPlace) {
    TempFolder folder;
    std::string good = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 300, 150}});
    std::string wrongVersion = folder.path("roto.xml");
    writeFileBytes(wrongVersion, "<tabrino versionFormato=\"12.8\"><paginas/></tabrino>");
    auto window = createMainWindow();
    GUI_CHECK_EQ(commandError(*window, ID_ABRIR_PROYECTO, wrongVersion), std::string("Archivo inv\xE1lido"));
    GUI_CHECK(window->document().project().isBlank());
    GUI_REQUIRE(openThroughDialog(*window, good));

    GUI_CHECK_EQ(commandError(*window, ID_ABRIR_PROYECTO, wrongVersion), std::string("Archivo inv\xE1lido"));
    // A file that exists but cannot be read at all (another program holds it).
    std::string held = folder.path("ocupado.xml");
    writeFileBytes(held, readFileBytes(good));
    HANDLE lock = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    GUI_CHECK(lock != INVALID_HANDLE_VALUE);
    GUI_CHECK_EQ(commandError(*window, ID_ABRIR_PROYECTO, held), std::string("Archivo inv\xE1lido"));
    CloseHandle(lock);
    GUI_CHECK_EQ(window->document().project().archivo, good);
    GUI_CHECK_EQ(join(pageItems(window->hwnd())), std::string("Inicio"));
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - Casa - Inicio - modo normal"));
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
}

GUI_TEST(MainWindow, AddEditAndDeletePage) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 300, 150}});
    writeTestPicture(folder.path("cocina.png"), 500, 300);
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();

    Answerer add;
    add.on("P\xE1gina").type(IDC_PAGINA_NOMBRE, "Cocina").type(IDC_PAGINA_IMAGEN, "cocina.png").click(IDOK);
    add.start();
    sendCommand(main, ID_PAGINA_AGREGAR);
    GUI_REQUIRE(add.finish());
    pumpFor(100);
    GUI_CHECK_EQ(join(window->document().project().pageNames()), std::string("Inicio,Cocina"));
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Inicio,Cocina"));
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1501"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Cocina - modo normal"));
    GUI_REQUIRE(window->document().project().findPage("Cocina") != nullptr);
    GUI_CHECK_EQ(window->document().project().findPage("Cocina")->pictureWidth(), 500u);
    GUI_CHECK_EQ(rectWidth(windowRect(window->canvas().hwnd())) >= 500, true);
    checkFitsCanvas(*window);
    GUI_CHECK(window->document().project().hasUnsavedChanges());

    Answerer edit;
    edit.on("P\xE1gina").type(IDC_PAGINA_NOMBRE, "Comedor").type(IDC_PAGINA_IMAGEN, "falta.png").click(IDOK);
    edit.start();
    sendCommand(main, ID_PAGINA_EDITAR);
    GUI_REQUIRE(edit.finish());
    pumpFor(100);
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Inicio,Comedor"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Comedor - modo normal"));
    // A missing picture gives the page a blank one of the size it had.
    Pagina* edited = window->document().project().findPage("Comedor");
    GUI_REQUIRE(edited != nullptr);
    GUI_CHECK_EQ(edited->imagen, std::string("falta.png"));
    GUI_CHECK_EQ(edited->pictureWidth(), 500u);
    GUI_CHECK_EQ(edited->pictureHeight(), 300u);

    // A name another page has is refused; the dialog stays open.
    Answerer taken;
    taken.on("P\xE1gina").type(IDC_PAGINA_NOMBRE, "Inicio").click(IDOK);
    taken.on("").click(IDOK);
    taken.on("P\xE1gina").click(IDCANCEL);
    taken.start();
    sendCommand(main, ID_PAGINA_AGREGAR);
    GUI_REQUIRE(taken.finish());
    GUI_CHECK_EQ(join(taken.seen(1).texts), std::string("Ya existe una p\xE1gina con ese nombre"));
    GUI_CHECK_EQ(join(window->document().project().pageNames()), std::string("Inicio,Comedor"));

    Answerer refuse;
    refuse.on(kAttention).click(IDNO);
    refuse.start();
    sendCommand(main, ID_PAGINA_ELIMINAR);
    GUI_REQUIRE(refuse.finish());
    GUI_CHECK_EQ(join(window->document().project().pageNames()), std::string("Inicio,Comedor"));

    Answerer remove;
    remove.on(kAttention).click(IDYES);
    remove.start();
    sendCommand(main, ID_PAGINA_ELIMINAR);
    GUI_REQUIRE(remove.finish());
    pumpFor(100);
    GUI_CHECK_EQ(join(remove.seen(0).texts), std::string("Eliminar la p\xE1gina del proyecto?"));
    GUI_CHECK_EQ(join(window->document().project().pageNames()), std::string("Inicio"));
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Inicio"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Inicio - modo normal"));
}

GUI_TEST(MainWindow, ProgramDialogsCascade) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    // The page dialog opens the command dialog, which opens 20 pixels
    // further; once both are gone the next dialog is back at (80, 32).
    Answerer answerer;
    answerer.on("P\xE1gina").click(IDC_PAGINA_EDITAR);
    answerer.on("Funci\xF3n").click(IDCANCEL);
    answerer.on("P\xE1gina").run([](HWND) { Sleep(300); }).click(IDCANCEL);
    answerer.on("Proyecto").click(IDCANCEL);
    answerer.start();
    sendCommand(window->hwnd(), ID_PAGINA_EDITAR);
    sendCommand(window->hwnd(), ID_MODIFICAR_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK_EQ(answerer.seen(0).rect.left, 80);
    GUI_CHECK_EQ(answerer.seen(0).rect.top, 32);
    GUI_CHECK_EQ(answerer.seen(1).rect.left, 100);
    GUI_CHECK_EQ(answerer.seen(1).rect.top, 52);
    GUI_CHECK_EQ(answerer.seen(3).rect.left, 80);
    GUI_CHECK_EQ(answerer.seen(3).rect.top, 32);
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
}

GUI_TEST(MainWindow, PagesWithTheSameNameAreEachShownAndDeleted) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Sala", "uno.png", 100, 100}, {"Sala", "dos.png", 500, 300}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1500"));
    // The second item shows the second page, marked alone.
    sendCommand(main, ID_PAGE_FIRST + 1);
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1501"));
    GUI_CHECK_EQ(rectWidth(clientRect(window->canvas().hwnd())), 500);
    checkFitsCanvas(*window);
    // "Eliminar" removes that page, not the first of its name.
    Answerer remove;
    remove.on(kAttention).click(IDYES);
    remove.start();
    sendCommand(main, ID_PAGINA_ELIMINAR);
    GUI_REQUIRE(remove.finish());
    GUI_REQUIRE(window->document().project().paginas.size() == 1u);
    GUI_CHECK_EQ(window->document().project().paginas[0]->imagen, std::string("uno.png"));
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1500"));
    GUI_CHECK_EQ(rectWidth(clientRect(window->canvas().hwnd())), 400);
}

// Which project asks is the editor's rule (its unit tests); here the wiring:
// a blank project closes at once, an edited one asks, Yes saves and quits.
GUI_TEST(MainWindow, CloseAsksOnlyAboutUnsavedChanges) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));

    window->document().project().instalacion = "Otra";  // as "Modificar proyecto" would
    Answerer cancel;
    cancel.on(kAttention).click(IDCANCEL);
    cancel.start();
    SendMessageA(window->hwnd(), WM_CLOSE, 0, 0);
    GUI_REQUIRE(cancel.finish());
    GUI_CHECK_EQ(join(cancel.seen(0).texts),
                 std::string("El proyecto fue modificado y no guardado. Desea guardarlo?"));
    GUI_CHECK(IsWindow(window->hwnd()));

    // Yes saves, then the window goes and the loop gets its quit message.
    Answerer yes;
    yes.on(kAttention).click(IDYES);
    yes.start();
    SendMessageA(window->hwnd(), WM_CLOSE, 0, 0);
    GUI_REQUIRE(yes.finish());
    GUI_CHECK(!IsWindow(window->hwnd()));
    GUI_CHECK(pumpUntil(quitReceived, 2000));
    GUI_CHECK_EQ(quitCode(), 0);
    GUI_CHECK(readFileBytes(path).find("instalacion=\"Otra\"") != std::string::npos);
    auto blank = createMainWindow();
    sendCommand(blank->hwnd(), IDM_EXIT);  // "Salir" closes as the close box does
    GUI_CHECK(!IsWindow(blank->hwnd()));
}

GUI_TEST(MainWindow, SaveErrorsAreShown) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    window->document().project().archivo = folder.path("no-existe\\casa.xml");
    window->document().project().instalacion = "Otra";

    GUI_CHECK_EQ(commandError(*window, ID_GUARDAR_PROYECTO), std::string("No se pudo guardar el archivo"));
    GUI_CHECK(window->document().project().hasUnsavedChanges());
    GUI_CHECK_EQ(window->document().project().archivo, folder.path("no-existe\\casa.xml"));

    // A failed save before a transfer opens no transfer dialog.
    GUI_CHECK_EQ(commandError(*window, ID_TRANSFERIR), std::string("No se pudo guardar el archivo"));
    GUI_CHECK(findThreadWindow("Transferir a dispositivo", "#32770") == nullptr);

    // Yes to the close question with a save that fails keeps the window
    // and the changes.
    Answerer close;
    close.on(kAttention).click(IDYES);
    close.on("ERROR").click(IDOK);
    close.on("Guardar como").click(IDCANCEL);
    close.start();
    SendMessageA(window->hwnd(), WM_CLOSE, 0, 0);
    GUI_REQUIRE(close.finish());
    GUI_CHECK(IsWindow(window->hwnd()));
    GUI_CHECK(window->document().project().hasUnsavedChanges());
}

GUI_TEST(MainWindow, SaveOverReadOnlyFileFails) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    std::string before = readFileBytes(path);
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    GUI_REQUIRE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    window->document().project().instalacion = "Otra";
    GUI_CHECK_EQ(commandError(*window, ID_GUARDAR_PROYECTO), std::string("No se pudo guardar el archivo"));
    GUI_CHECK_EQ(readFileBytes(path), before);
}

GUI_TEST(MainWindow, TransferOfUnsavedProjectAsksForFile) {
    auto window = createMainWindow();
    auto project = std::make_unique<Proyecto>();
    project->instalacion = "Casa";
    project->addPage(std::unique_ptr<Pagina>(new Pagina()));
    window->replaceProject(std::move(project));
    Answerer answerer;
    answerer.on("Guardar como").click(IDCANCEL);
    answerer.start();
    sendCommand(window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK(window->document().project().archivo.empty());
    GUI_CHECK(findThreadWindow("Transferir a dispositivo", "#32770") == nullptr);
}

GUI_TEST(MainWindow, AboutThroughTheAcceleratorTable) {
    auto window = createMainWindow();
    SetForegroundWindow(window->hwnd());
    SetFocus(window->hwnd());
    pumpFor(200);
    // Alt+? and Alt+/ typed on the keyboard; only the accelerator table
    // turns them into IDM_ABOUT.
    for (char typed : std::string("?/")) {
        SHORT key = VkKeyScanA(typed);
        GUI_REQUIRE(key != -1);
        Answerer answerer;
        answerer.on("Acerca del Quenda").click(IDOK);
        answerer.start();
        pressKey(LOBYTE(key), false, (HIBYTE(key) & 1) != 0, true);
        GUI_CHECK(pumpUntil([&] { return answerer.seen(0).found; }, 5000));
        GUI_REQUIRE(answerer.finish());
        GUI_CHECK_EQ(join(answerer.seen(0).texts), std::string("Quenda V12.10.01"));
    }
}

GUI_TEST(MainWindow, HelpText) {
    auto window = createMainWindow();
    Answerer answerer;
    answerer.on("Ayuda").click(IDOK);
    answerer.start();
    sendCommand(window->hwnd(), ID_AYUDA);
    GUI_REQUIRE(answerer.finish());
    // The whole text, in one message box: nothing cut off on the way.
    GUI_REQUIRE(answerer.seen(0).texts.size() == 1u);
    GUI_CHECK_EQ(answerer.seen(0).texts[0], std::string(kHelpText));
}

GUI_TEST(MainWindow, UnsavedWorkIsAskedAboutBeforeANewProject) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();
    window->document().project().instalacion = "Otra";

    // The question before each of them, and the session's end, are the
    // editor's rules (its unit tests).
    // No, then Cancel in the project dialog: the project is still there.
    Answerer cancelNew;
    cancelNew.on(kAttention).click(IDNO);
    cancelNew.on("Proyecto").click(IDCANCEL);
    cancelNew.start();
    sendCommand(main, ID_NUEVO_PROYECTO);
    GUI_REQUIRE(cancelNew.finish());
    GUI_CHECK_EQ(window->document().project().instalacion, std::string("Otra"));
    GUI_CHECK_EQ(window->document().project().archivo, path);
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Inicio"));

    // Yes saves first; the new project replaces it once saved itself.
    std::string fresh = folder.path("nueva.xml");
    Answerer yesNew;
    yesNew.on(kAttention).click(IDYES);
    yesNew.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Nueva").click(IDOK);
    yesNew.on("Guardar como").typeFileName(fresh).click(IDOK);
    yesNew.start();
    sendCommand(main, ID_NUEVO_PROYECTO);
    GUI_REQUIRE(yesNew.finish());
    pumpFor(100);
    GUI_CHECK(readFileBytes(path).find("instalacion=\"Otra\"") != std::string::npos);
    GUI_CHECK_EQ(window->document().project().archivo, fresh);
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Nueva"));
    GUI_CHECK(pageItems(main).empty());
}

GUI_TEST(MainWindow, SaveAsTakesThePicturesAlongAndFollowsAFailedSave) {
    TempFolder folder, other, third;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 120, 90}});
    auto window = createMainWindow();
    HWND main = window->hwnd();
    GUI_CHECK(!menuItemEnabled(main, ID_GUARDAR_COMO));
    GUI_REQUIRE(openThroughDialog(*window, path));
    GUI_CHECK(menuItemEnabled(main, ID_GUARDAR_COMO));

    // The file cannot be written: the error, then the save dialog.
    GUI_REQUIRE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    window->document().project().instalacion = "Otra";
    std::string moved = other.path("casa.xml");
    Answerer elsewhere;
    elsewhere.on("ERROR").click(IDOK);
    elsewhere.on("Guardar como").typeFileName(moved).click(IDOK);
    elsewhere.start();
    sendCommand(main, ID_GUARDAR_PROYECTO);
    GUI_REQUIRE(elsewhere.finish());
    GUI_CHECK_EQ(window->document().project().archivo, moved);
    GUI_CHECK(!window->document().project().hasUnsavedChanges());
    GUI_CHECK(readFileBytes(moved).find("instalacion=\"Otra\"") != std::string::npos);
    GUI_CHECK_EQ(readFileBytes(other.path("inicio.png")), readFileBytes(folder.path("inicio.png")));

    // Back beside the old pictures: asked before one is replaced; a picture
    // that exists nowhere is named in the error.
    window->document().project().paginas[0]->imagen = "falta.png";
    Answerer back;
    back.on("Guardar como").typeFileName(third.path("casa.xml")).click(IDOK);
    back.on("ERROR").click(IDOK);
    back.start();
    pressKey('S', true, true);
    pumpFor(300);
    GUI_REQUIRE(back.finish());
    GUI_CHECK_EQ(join(back.seen(1).texts),
                 std::string("No se pudieron copiar estas im\xE1genes junto al proyecto:\nfalta.png\n"));
    window->document().project().paginas[0]->imagen = "inicio.png";
    Answerer replace;
    replace.on("Guardar como").typeFileName(folder.path("otro.xml")).click(IDOK);
    replace.on(kAttention).click(IDNO);
    replace.start();
    sendCommand(main, ID_GUARDAR_COMO);
    GUI_REQUIRE(replace.finish());
    GUI_CHECK_EQ(join(replace.seen(1).texts), std::string("El archivo inicio.png ya existe, \xBF" "desea reemplazarlo?"));
    GUI_CHECK_EQ(window->document().project().archivo, folder.path("otro.xml"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

GUI_TEST(MainWindow, ModifyProjectAddWithStartCommandAndCloseWithNo) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Inicio", "inicio.png", 100, 100}});
    std::string before = readFileBytes(path);
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();

    Answerer modify;
    modify.on("Proyecto").type(IDC_PROYECTO_INSTALACION, "Quinta").click(IDOK);
    modify.start();
    sendCommand(main, ID_MODIFICAR_PROYECTO);
    GUI_REQUIRE(modify.finish());
    pumpFor(100);
    GUI_CHECK_EQ(window->document().project().instalacion, std::string("Quinta"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Quinta - Inicio - modo normal"));

    Answerer add;
    add.on("P\xE1gina").type(IDC_PAGINA_NOMBRE, "Patio").type(IDC_PAGINA_IMAGEN, "inicio.png").click(IDC_PAGINA_EDITAR);
    add.on("Funci\xF3n").type(IDC_COMANDO_SECTOR, "Jardin").type(IDC_COMANDO_CODIGO, "riego").check(IDC_COMANDO_WIFI)
        .click(IDOK);
    add.on("P\xE1gina").click(IDOK);
    add.start();
    sendCommand(main, ID_PAGINA_AGREGAR);
    GUI_REQUIRE(add.finish());
    Pagina* patio = window->document().project().findPage("Patio");
    GUI_REQUIRE(patio != nullptr);
    GUI_CHECK_EQ(patio->comandoInicial.sector, std::string("Jardin"));
    GUI_CHECK_EQ(patio->comandoInicial.codigo, std::string("riego"));
    GUI_CHECK_EQ(patio->comandoInicial.tipoComunicacion, std::string("wifi"));

    // No closes without saving.
    Answerer no;
    no.on(kAttention).click(IDNO);
    no.start();
    SendMessageA(main, WM_CLOSE, 0, 0);
    GUI_REQUIRE(no.finish());
    GUI_CHECK(!IsWindow(main));
    GUI_CHECK_EQ(readFileBytes(path), before);
}

GUI_TEST(MainWindow, UndoItemsFollowTheHistoryAndTheUndonePageIsShown) {
    TempFolder folder;
    std::string path = writeProject(folder, "Casa", {{"Uno", "uno.png", 100, 100}, {"Dos", "dos.png", 300, 250}});
    auto window = createMainWindow();
    GUI_REQUIRE(openThroughDialog(*window, path));
    HWND main = window->hwnd();
    GUI_CHECK(!menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(!menuItemEnabled(main, ID_REHACER));

    sendCommand(main, ID_PAGE_FIRST + 1);
    for (int i = 0; i < 2; ++i) {  // "Dos", then "Uno"
        Answerer remove;
        remove.on(kAttention).click(IDYES);
        remove.start();
        sendCommand(main, ID_PAGINA_ELIMINAR);
        GUI_REQUIRE(remove.finish());
    }
    GUI_REQUIRE(window->document().project().paginas.empty());
    // No page left: "Editar" stays for the undo, its modes are greyed.
    GUI_CHECK(topMenuEnabled(main, 1));
    GUI_CHECK(menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(!menuItemEnabled(main, ID_MODO_NORMAL));

    sendCommand(main, ID_DESHACER);
    sendCommand(main, ID_DESHACER);
    pumpFor(100);
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Uno,Dos"));
    GUI_CHECK_EQ(joinIds(checkedPageItems(main)), std::string("1501"));
    GUI_CHECK_EQ(windowTitle(main), std::string("Quenda - Casa - Dos - modo normal"));
    GUI_CHECK_EQ(rectHeight(clientRect(window->canvas().hwnd())), 250);
    GUI_CHECK(!menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(menuItemEnabled(main, ID_REHACER));
    GUI_CHECK(menuItemEnabled(main, ID_MODO_NORMAL));
    GUI_CHECK(!window->document().project().hasUnsavedChanges());

    sendCommand(main, ID_REHACER);
    GUI_CHECK_EQ(join(pageItems(main)), std::string("Uno"));
    GUI_CHECK(menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(menuItemEnabled(main, ID_REHACER));

    // Another project opened in its place takes the history with it.
    Answerer reopen;
    reopen.on(kAttention).click(IDNO);
    reopen.on("Abrir archivo").typeFileName(path).click(IDOK);
    reopen.start();
    sendCommand(main, ID_ABRIR_PROYECTO);
    GUI_REQUIRE(reopen.finish());
    pumpFor(100);
    GUI_CHECK(!menuItemEnabled(main, ID_DESHACER));
    GUI_CHECK(!menuItemEnabled(main, ID_REHACER));
}

// "Verificar proyecto" in the running editor: the list of findings, the
// page a chosen finding shows, the order a header click gives, the options,
// and the question before a transfer.
#include "tests/gui/GuiTest.h"

#include <commctrl.h>

#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/CheckSettings.h"
#include "model/Settings.h"
#include "model/win32/Win32FileAccess.h"
#include "tests/gui/DialogsGuiTest.h"
#include "ui/FindingTable.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PaginaWindow.h"

namespace {

const char kCheckTitle[] = "Verificar proyecto";
const char kProgressTitle[] = "Verificando proyecto";
const char kOptionsTitle[] = "Opciones de la verificaci\xF3n";
const char kMethodTitle[] = "Transferir a dispositivo";

using Rows = std::vector<std::vector<std::string>>;

Rows listViewRows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_VERIFICAR_LISTA);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    Rows rows(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < columns; ++column) {
            char text[512] = "";
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
            rows[static_cast<size_t>(row)].push_back(text);
        }
    }
    return rows;
}

// The rows the list shows for `findings`.
Rows rowsOf(const Proyecto& project, const std::vector<ProjectFinding>& findings) {
    Rows rows;
    const FindingColumn columns[] = {FindingColumn::Severity, FindingColumn::Page, FindingColumn::Region,
                                     FindingColumn::Text};
    for (const ProjectFinding& finding : findings) {
        rows.emplace_back();
        for (FindingColumn column : columns)
            rows.back().push_back(FindingTable::cell(project, finding, column));
    }
    return rows;
}

// A press and release of the mouse on the column's header.
void clickColumnHeader(HWND dialog, int column) {
    HWND list = GetDlgItem(dialog, IDC_VERIFICAR_LISTA);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT item = {};
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(header, WM_LBUTTONUP, 0, point);
}

// Pictures that take long to open, as on a slow network drive.
class SlowPictures : public Win32FileAccess {
public:
    SlowPictures() : previous_(FileAccess::current()) { FileAccess::install(this); }
    ~SlowPictures() override { FileAccess::install(&previous_); }
    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0)
            Sleep(400);
        return Win32FileAccess::openRead(path);
    }

private:
    FileAccess& previous_;
};

// The editor with a two-page project whose second page jumps to a page
// that does not exist. Its regions are 18 pixels wide and high.
struct DanglingJump {
    TempFolder folder;
    CurrentDirectoryGuard directory{CurrentDirectoryGuard::current()};
    ProgramFileAccess files;
    std::unique_ptr<MainWindow> window;

    explicit DanglingJump(uint32_t minButtonSize = 10) {
        writeCheckOptions(Settings::current(), CheckOptions{minButtonSize});
        std::string path = writeLinkedProject(folder, 2);
        window = createMainWindow();
        auto project = std::make_unique<Proyecto>();
        readProjectFile(path, *project);
        project->paginas[1]->regiones[0].comando.pagina = "Garaje";
        window->replaceProject(std::move(project));
        pumpFor(100);
    }
    const Proyecto& project() { return window->document().project(); }
    std::vector<ProjectFinding> findings(uint32_t minButtonSize) {
        return checkProject(project(), CheckOptions{minButtonSize});
    }
};

}  // namespace

GUI_TEST(ProjectCheck, DanglingJumpIsListedAndChoosingItShowsItsPage) {
    DanglingJump scene;
    HWND main = scene.window->hwnd();
    GUI_CHECK(menuItemEnabled(main, ID_VERIFICAR_PROYECTO));
    GUI_CHECK(scene.window->document().shownPage() == scene.project().paginas[0].get());

    Rows rows;
    Answerer answerer;
    answerer.on(kCheckTitle).run([&rows](HWND d) { rows = listViewRows(d); }).click(IDOK);
    answerer.start();
    sendCommand(main, ID_VERIFICAR_PROYECTO);
    GUI_REQUIRE(answerer.finish());
    pumpFor(100);

    const std::vector<ProjectFinding> expected = scene.findings(10);
    GUI_CHECK_EQ(expected.size(), 1u);
    GUI_CHECK(rows == rowsOf(scene.project(), expected));
    GUI_CHECK(scene.window->document().shownPage() == scene.project().paginas[1].get());
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

// A first page with a region that does nothing: a warning listed before
// the second page's error until the severity's header is clicked. Then the
// options take a smaller minimum button size, and the list follows it.
GUI_TEST(ProjectCheck, HeaderClickSortsAndOptionsChangeWhatIsFound) {
    DanglingJump scene(CheckOptions().minButtonSize);
    Region idle;
    idle.coords = Rect{22, 2, 38, 28};
    scene.window->document().project().paginas[0]->addRegion(idle);

    std::vector<ProjectFinding> sorted = scene.findings(CheckOptions().minButtonSize);
    sortFindings(sorted, FindingColumn::Severity, true);
    Rows before, afterClick, afterOptions;
    Answerer answerer;
    answerer.on(kCheckTitle)
        .run([&](HWND d) {
            before = listViewRows(d);
            clickColumnHeader(d, 0);
            afterClick = listViewRows(d);
        })
        .click(IDC_VERIFICAR_OPCIONES);
    answerer.on(kOptionsTitle).type(IDC_OPCIONES_TAMANO_MINIMO, "10").click(IDOK);
    answerer.on(kCheckTitle)
        .run([&](HWND d) {
            waitFor([&] { return listViewRows(d) != afterClick; });
            afterOptions = listViewRows(d);
        })
        .click(IDCANCEL);
    answerer.start();
    sendCommand(scene.window->hwnd(), ID_VERIFICAR_PROYECTO);
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(before == rowsOf(scene.project(), scene.findings(CheckOptions().minButtonSize)));
    GUI_CHECK(afterClick == rowsOf(scene.project(), sorted));
    GUI_CHECK(afterClick != before);
    std::vector<ProjectFinding> smaller = scene.findings(10);
    sortFindings(smaller, FindingColumn::Severity, true);
    GUI_CHECK(afterOptions == rowsOf(scene.project(), smaller));
    GUI_CHECK(afterOptions != afterClick);
    GUI_CHECK_EQ(readCheckOptions(Settings::current()).minButtonSize, 10u);
}

GUI_TEST(ProjectCheck, TransferAsksFirstAndNoSendsNothing) {
    DanglingJump scene;
    const DWORD uiThread = GetCurrentThreadId();
    Rows rows;
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
            rows = listViewRows(d);
            defaultButton = LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0));
        })
        .click(IDNO)
        .run([&](HWND) { methodShown(methodAfterNo); });
    answerer.start();
    sendCommand(scene.window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());

    GUI_CHECK(rows == rowsOf(scene.project(), scene.findings(10)));
    GUI_CHECK_EQ(rows.size(), 1u);
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

// A check slow enough to show its progress, cancelled: neither the question
// nor the transfer comes.
GUI_TEST(ProjectCheck, CancelOfASlowCheckBeforeTransferSendsNothing) {
    DanglingJump scene;
    SlowPictures slow;
    const DWORD uiThread = GetCurrentThreadId();
    bool questionShown = true, methodShown = true;
    Answerer answerer;
    answerer.on(kProgressTitle).click(IDCANCEL).run([&](HWND progress) {
        waitFor([progress] { return !IsWindow(progress); }, 5000);
        // Either one that came is closed, so that the case ends.
        auto came = [uiThread](const char* title, int closing) {
            HWND shown = nullptr;
            bool found = waitFor([&] { return (shown = findThreadWindow(title, "#32770", uiThread)) != nullptr; }, 500);
            if (shown)
                PostMessageA(shown, WM_COMMAND, closing, 0);
            return found;
        };
        questionShown = came(kCheckTitle, IDNO);
        methodShown = came(kMethodTitle, IDCANCEL);
    });
    answerer.start();
    sendCommand(scene.window->hwnd(), ID_TRANSFERIR);
    GUI_REQUIRE(answerer.finish());
    GUI_CHECK(!questionShown);
    GUI_CHECK(!methodShown);
}

// Helpers of the dialog GUI tests (see DialogsGuiTest.h).
#include "model/win32/Win32FileAccess.h"

#include "tests/gui/DialogsGuiTest.h"

#include "model/ProjectFile.h"
#include "model/Proyecto.h"

const char kComandoTitle[] = "Funci\xF3n";
const char kPaginaTitle[] = "P\xE1gina";
const char kProyectoTitle[] = "Proyecto";

std::string controlText(HWND dialog, int controlId) {
    char text[1024] = "";
    SendDlgItemMessageA(dialog, controlId, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool controlEnabled(HWND dialog, int controlId) {
    return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}

bool buttonTicked(HWND dialog, int controlId) {
    return SendDlgItemMessageA(dialog, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

static std::vector<std::string> itemTexts(HWND dialog, int controlId, UINT countMessage, UINT textMessage) {
    std::vector<std::string> texts;
    LRESULT count = SendDlgItemMessageA(dialog, controlId, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = "";
        SendDlgItemMessageA(dialog, controlId, textMessage, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> comboEntries(HWND dialog, int controlId) {
    return itemTexts(dialog, controlId, CB_GETCOUNT, CB_GETLBTEXT);
}

int comboSelection(HWND dialog, int controlId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, controlId, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> listEntries(HWND dialog, int controlId) {
    return itemTexts(dialog, controlId, LB_GETCOUNT, LB_GETTEXT);
}

int listSelection(HWND dialog, int controlId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, controlId, LB_GETCURSEL, 0, 0));
}

std::string describe(const Comando& c) {
    return "[" + c.sector + "|" + c.codigo + "|" + c.pagina + "|" + c.tipoComunicacion + "|" + c.btMacAddress + "]";
}

int focusedControl(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || !info.hwndFocus)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        Sleep(20);
    }
    return true;
}

static bool visibleButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && IsWindowVisible(button);
}

void answerRefusal(Answerer& answerer, const std::string& dialogTitle, Refusal& refusal, int focusControl) {
    answerer.on("", "#32770")
        .run([&refusal, dialogTitle](HWND window) {
            refusal.box = window;
            refusal.seen = true;
            std::vector<std::string> texts = staticTexts(window);
            refusal.text = texts.empty() ? "" : texts.back();
            HWND owner = GetWindow(window, GW_OWNER);
            refusal.ownedByDialog = owner && windowTitle(owner) == dialogTitle;
            refusal.onlyOk = visibleButton(window, IDOK) && !visibleButton(window, IDCANCEL) &&
                             !visibleButton(window, IDYES) && !visibleButton(window, IDNO);
        })
        .click(IDOK);
    answerer.on(dialogTitle).run([&refusal, focusControl](HWND dialog) {
        HWND shown = refusal.box;
        waitFor([shown] { return !IsWindow(shown); });
        if (focusControl)
            waitFor([dialog, focusControl] { return focusedControl(dialog) == focusControl; });
        refusal.focusAfter = focusedControl(dialog);
        refusal.dialogStillOpen = IsWindowVisible(dialog) != FALSE;
    });
}

namespace {
Win32FileAccess programFiles;
}

ProgramFileAccess::ProgramFileAccess() {
    FileAccess::install(&programFiles);
}

ProgramFileAccess::~ProgramFileAccess() {
    FileAccess::install(nullptr);
}

CurrentDirectoryGuard::CurrentDirectoryGuard(const std::string& directory) : saved_(current()) {
    SetCurrentDirectoryA(directory.c_str());
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
    SetCurrentDirectoryA(saved_.c_str());
}

std::string CurrentDirectoryGuard::current() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

std::string writeLinkedProject(const TempFolder& folder, int pages) {
    SetCurrentDirectoryA(folder.dir().c_str());
    Proyecto project;
    project.instalacion = "Casa";
    for (int i = 1; i <= pages; ++i) {
        std::string picture = "p" + std::to_string(i) + ".png";
        writeTestPicture(folder.path(picture), 40, 30);
        std::unique_ptr<Pagina> page(new Pagina());
        page->nombre = "P" + std::to_string(i);
        page->setImagen(40, 30, picture);
        Region region;
        region.coords = Rect{2, 2, 20, 20};
        region.comando.codigo = "luz";
        region.comando.tipoComunicacion = "wifi";
        region.comando.pagina = i < pages ? "P" + std::to_string(i + 1) : "/back";
        page->addRegion(region);
        project.addPage(std::move(page));
    }
    project.archivo = folder.path("proyecto.xml");
    writeProjectFile(project);
    return project.archivo;
}

// The editor as Windows starts it: a project named on the command line, the
// recent projects of the file menu, the window's place between runs.
#include "tests/gui/GuiTest.h"

#include "win32/CommandLine.h"
#include "model/win32/WidePath.h"
#include "model/Settings.h"
#include "ui/win32/MainWindow.h"

namespace {

std::string writeEmptyProject(const std::string& path, const std::string& installation) {
    writeFileBytes(path, "<tabrino versionFormato=\"12.08\" instalacion=\"" + installation + "\"/>");
    return path;
}

std::string storedRecent() {
    std::string text;
    Settings::current().readText(setting::kRecientes, text);
    return text;
}

}  // namespace

GUI_TEST(Desktop, TheFirstFileOfTheCommandLineOpensMadeFullOrShowsWhyNot) {
    TempFolder folder;
    const std::string spaced = writeEmptyProject(folder.path("mi casa.xml"), "Casa");
    writeEmptyProject(folder.path("otro.xml"), "Otro");
    GUI_REQUIRE(SetCurrentDirectoryA(folder.dir().c_str()));
    const std::string lines[] = {"quenda.exe \"" + spaced + "\"", "quenda.exe \"mi casa.xml\" otro.xml",
                                 "\"C:\\Program Files\\quenda.exe\" \".\\mi casa.xml\""};
    for (const std::string& line : lines) {
        const StartFile file = startFileFrom(wideText(line).c_str());
        GUI_CHECK_EQ(file.path, spaced);
        auto window = createMainWindow();
        window->openAtStart(file);
        GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - Casa"));
        GUI_CHECK_EQ(storedRecent(), spaced);
    }
    GUI_CHECK(startFileFrom(L"quenda.exe").path.empty());
    // A file that is no project: the error, a blank editor, the list as it was.
    writeFileBytes(folder.path("nota.xml"), "no es un proyecto");
    auto blank = createMainWindow();
    Answerer answerer;
    answerer.on("ERROR").click(IDOK);
    answerer.start();
    blank->openAtStart(startFileFrom(L"quenda.exe nota.xml"));
    GUI_CHECK(answerer.finish());
    GUI_CHECK_EQ(windowTitle(blank->hwnd()), std::string("Quenda"));
    GUI_CHECK_EQ(storedRecent(), spaced);
    // A long name Windows-1252 cannot write opens by the short form the system gives.
    const WideText odd = wideText(folder.dir()) + L"\u0141\u00F3d\u017A";
    GUI_REQUIRE(CreateDirectoryW(odd.c_str(), nullptr));
    GUI_REQUIRE(CopyFileW(wideText(spaced).c_str(), (odd + L"\\casa.xml").c_str(), FALSE));
    const StartFile shortForm = startFileFrom((L"quenda.exe \"" + odd + L"\\casa.xml\"").c_str());
    GUI_REQUIRE(!shortForm.refusal);
    auto opened = createMainWindow();
    opened->openAtStart(shortForm);
    GUI_CHECK_EQ(windowTitle(opened->hwnd()), std::string("Quenda - Casa"));
    // The folder's name is beyond TempFolder's Windows-1252 clean-up.
    DeleteFileW((odd + L"\\casa.xml").c_str());
    RemoveDirectoryW(odd.c_str());
}

GUI_TEST(Desktop, RecentProjectsFollowOpeningAndAGoneFileMayLeave) {
    TempFolder folder;
    const std::string a = writeEmptyProject(folder.path("a.xml"), "A");
    const std::string b = writeEmptyProject(folder.path("b.xml"), "B");
    auto window = createMainWindow();
    window->openAtStart(StartFile{a, nullptr});
    Answerer opener;
    opener.on("Abrir archivo").typeFileName(b).click(IDOK);
    opener.start();
    sendCommand(window->hwnd(), ID_ABRIR_PROYECTO);
    GUI_REQUIRE(opener.finish());
    GUI_CHECK_EQ(storedRecent(), b + "|" + a);
    sendCommand(window->hwnd(), ID_RECIENTE_FIRST + 1);
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - A"));
    GUI_CHECK_EQ(storedRecent(), a + "|" + b);
    GUI_CHECK(menuItemText(window->hwnd(), ID_RECIENTE_FIRST + 1).find("b.xml") != std::string::npos);
    DeleteFileA(b.c_str());
    Answerer answerer;
    answerer.on("ATENCI\xD3N").click(IDYES);
    answerer.start();
    sendCommand(window->hwnd(), ID_RECIENTE_FIRST + 1);
    GUI_CHECK(answerer.finish());
    GUI_CHECK_EQ(windowTitle(window->hwnd()), std::string("Quenda - A"));
    GUI_CHECK_EQ(storedRecent(), a);
    GUI_CHECK(!menuItemExists(window->hwnd(), ID_RECIENTE_FIRST + 1));
}

GUI_TEST(Desktop, TheWindowReturnsWhereItWasClosedWhenThatIsOnAScreen) {
    auto closed = createMainWindow();
    SetWindowPos(closed->hwnd(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(closed->hwnd(), WM_CLOSE, 0, 0);
    auto restored = createMainWindow();
    GUI_CHECK_EQ(windowRect(restored->hwnd()).left, 70L);
    GUI_CHECK_EQ(windowRect(restored->hwnd()).top, 80L);
    Settings::current().writeText(setting::kVentanaX, "-30000");
    auto offScreen = createMainWindow();
    GUI_CHECK(windowRect(offScreen->hwnd()).left > -30000);
}

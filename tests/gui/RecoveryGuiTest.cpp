// Recovery copies: written while work is unsaved, removed by a save, and
// offered at the next start.
#include "tests/gui/GuiTest.h"

#include <ctime>
#include <memory>

#include "base/texts.h"
#include "model/FileAccess.h"
#include "model/ProcessLock.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/RecoveryStore.h"
#include "model/Settings.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/RecoveryOffer.h"

namespace {

const char kCopyEnd[] = ".recuperacion";

// A saved project of one page with a 120 x 90 picture.
std::string writeProject(const TempFolder& folder) {
    Proyecto project;
    project.instalacion = "Casa";
    project.archivo = folder.path("proyecto.xml");
    writeTestPicture(folder.path("inicio.png"), 120, 90);
    std::unique_ptr<Pagina> page(new Pagina());
    page->nombre = "Inicio";
    page->setImagen(400, 200, "inicio.png", project.archivo);
    project.addPage(std::move(page));
    writeProjectFile(project);
    return project.archivo;
}

std::vector<std::string> copiesIn(const std::string& folder) {
    std::vector<std::string> copies;
    for (const std::string& name : filesInFolder(folder))
        if (name.size() >= sizeof kCopyEnd &&
            name.compare(name.size() - (sizeof kCopyEnd - 1), std::string::npos, kCopyEnd) == 0)
            copies.push_back(folder + name);
    return copies;
}

// Recovers a copy that can be, discards one that cannot; waits for the
// dialog to go so that the next step meets the next one.
void recoverOrDiscard(HWND dialog) {
    const int button = IsWindowEnabled(GetDlgItem(dialog, IDOK)) ? IDOK : IDC_RECUPERAR_DESCARTAR;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    for (int i = 0; i < 250 && IsWindow(dialog); ++i)
        Sleep(20);
}

}  // namespace

GUI_TEST(Recovery, AnEditIsCopiedAndASaveRemovesTheCopy) {
    TempFolder folder;
    const std::string path = writeProject(folder);
    const std::string rec = folder.path("recuperacion\\");
    Settings::current().writeNumber(setting::kIntervaloRecuperacion, 1);
    std::unique_ptr<MainWindow> window(new MainWindow(rec));
    auto opened = std::make_unique<Proyecto>();
    readProjectFile(path, *opened);
    window->replaceProject(std::move(opened));
    pumpFor(1300);
    GUI_CHECK(copiesIn(rec).empty());  // nothing unsaved, nothing copied

    window->document().modifyProject("Casa nueva", "");
    GUI_REQUIRE(pumpUntil([&] { return copiesIn(rec).size() == 1; }, 4000));
    const std::string copy = readFileBytes(copiesIn(rec)[0]);
    GUI_CHECK(copy.find("instalacion=\"Casa nueva\"") != std::string::npos);
    GUI_CHECK(copy.find(path) != std::string::npos);
    GUI_CHECK(window->document().project().hasUnsavedChanges());
    GUI_CHECK(readFileBytes(path).find("Casa nueva") == std::string::npos);
    // Another editor starting now leaves a running editor's copy alone.
    GUI_CHECK(RecoveryStore(rec, FileAccess::current()).claimAbandoned().empty());

    sendCommand(window->hwnd(), ID_GUARDAR_PROYECTO);
    GUI_CHECK(copiesIn(rec).empty());
    GUI_CHECK(readFileBytes(path).find("instalacion=\"Casa nueva\"") != std::string::npos);
    // Work dropped at log-off is not copied any more while the session ends
    // (when the copy goes is the editor's rule, in its unit tests).
    window->document().modifyProject("Casa de salida", "");
    GUI_REQUIRE(pumpUntil([&] { return copiesIn(rec).size() == 1; }, 4000));
    Answerer logOff;
    logOff.on(kAttention).click(IDNO);
    logOff.start();
    GUI_CHECK(SendMessageA(window->hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    GUI_REQUIRE(logOff.finish());
    window->document().modifyProject("Casa cambiada", "");
    pumpFor(2500);
    GUI_REQUIRE(copiesIn(rec).size() == 1);
    GUI_CHECK(readFileBytes(copiesIn(rec)[0]).find("Casa cambiada") == std::string::npos);
    SendMessageA(window->hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    GUI_CHECK(copiesIn(rec).empty());
}

GUI_TEST(Recovery, CopiesLeftByACrashAreOfferedAtStart) {
    TempFolder folder;
    const std::string path = writeProject(folder);
    const std::string rec = folder.path("recuperacion\\");
    {
        Proyecto edited;
        readProjectFile(path, edited);
        edited.instalacion = "Casa recuperada";
        // The store lets go of its lock as a crash would; the copy stays.
        RecoveryStore crashed(rec, FileAccess::current());
        GUI_REQUIRE(crashed.writeCopy(edited, static_cast<int64_t>(std::time(nullptr))));
    }
    const std::string damaged = rec + recoveryCopyName("00000000000000aa");
    GUI_REQUIRE(writeFileBytes(damaged, "Quenda recuperacion\r\nda\xF1" "ada"));

    std::unique_ptr<MainWindow> window(new MainWindow(rec));
    Answerer answerer;
    answerer.on("Recuperar proyecto").run(recoverOrDiscard);
    answerer.on("Recuperar proyecto").run(recoverOrDiscard);
    answerer.start();
    offerRecoveryCopies(*window);
    GUI_REQUIRE(answerer.finish());
    // One of the two named the project, its file and the time.
    std::string shown;
    for (size_t step = 0; step < 2; ++step)
        for (const std::string& text : answerer.seen(step).texts)
            shown += text + "\n";
    GUI_CHECK(shown.find("Proyecto: Casa recuperada\nCopia del ") != std::string::npos);
    GUI_CHECK(shown.find("Archivo: " + path) != std::string::npos);

    const Proyecto& project = window->document().project();
    GUI_CHECK_EQ(project.instalacion, std::string("Casa recuperada"));
    GUI_CHECK_EQ(project.archivo, path);
    GUI_CHECK(project.hasUnsavedChanges());
    GUI_REQUIRE(project.paginas.size() == 1);
    GUI_CHECK_EQ(project.paginas[0]->pictureWidth(), 120u);  // found beside the original file
    GUI_CHECK(readFileBytes(path).find("Casa recuperada") == std::string::npos);
    GUI_CHECK(!fileExists(damaged));
    // Only the window's own copy is left, already holding the recovered work.
    const std::vector<std::string> left = copiesIn(rec);
    GUI_REQUIRE(left.size() == 1);
    GUI_CHECK_EQ(left[0], window->recovery()->copyPath());
    GUI_CHECK(readFileBytes(left[0]).find("Casa recuperada") != std::string::npos);
}

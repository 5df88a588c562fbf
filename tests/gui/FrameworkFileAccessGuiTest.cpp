// The program's file access over Win32: DOS paths, Wine's own current
// directory, safe replacement, read-only files and paths past 260
// characters.
#include "tests/gui/GuiTest.h"

#include "model/win32/Win32FileAccess.h"
#include "model/Proyecto.h"
#include "tests/windows/FolderTree.h"
#include "ui/win32/MainWindow.h"

namespace {

std::string currentDirectory() {
    char path[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

}  // namespace

GUI_TEST(FileAccess, DosPathsRoundTrip) {
    TempFolder folder;
    Win32FileAccess files;
    const std::string path = folder.path("datos.bin");
    std::string bytes("a\0b\r\nc\xF3", 7);
    bytes += std::string(200000, 'x');  // more than one read chunk
    GUI_REQUIRE(writeFileSafely(files, path, bytes));
    GUI_CHECK_EQ(readFileBytes(path).size(), bytes.size());
    GUI_CHECK(readFileBytes(path) == bytes);
    std::string back;
    GUI_REQUIRE(readWholeFile(files, path, back));
    GUI_CHECK(back == bytes);
    GUI_CHECK(files.exists(path));
    GUI_CHECK(!files.exists(folder.path("otro.bin")));
    // No temporary file is left beside it.
    GUI_CHECK(!fileExists(path + ".quenda-tmp"));
    GUI_CHECK(files.openRead(folder.path("otro.bin")) == nullptr);
    GUI_CHECK(files.openRead(folder.dir()) == nullptr);  // a folder is no file
}

GUI_TEST(FileAccess, BareNamesFollowWineCurrentDirectory) {
    TempFolder folder;
    Win32FileAccess files;
    GUI_REQUIRE(writeFileBytes(folder.path("salon.png"), "imagen"));
    const std::string before = currentDirectory();
    GUI_REQUIRE(SetCurrentDirectoryA(folder.dir().c_str()));
    std::string bytes;
    GUI_CHECK(readWholeFile(files, "salon.png", bytes));
    GUI_CHECK_EQ(bytes, std::string("imagen"));
    GUI_CHECK(files.copy("salon.png", "copia.png"));
    GUI_CHECK_EQ(readFileBytes(folder.path("copia.png")), std::string("imagen"));
    SetCurrentDirectoryA(before.c_str());
    GUI_CHECK(!files.exists("salon.png"));
}

GUI_TEST(FileAccess, ReplaceKeepsOldFileOnFailure) {
    TempFolder folder;
    Win32FileAccess files;
    const std::string path = folder.path("proyecto.xml");
    GUI_REQUIRE(writeFileBytes(path, "viejo"));
    GUI_CHECK(writeFileSafely(files, path, "nuevo"));
    GUI_CHECK_EQ(readFileBytes(path), std::string("nuevo"));

    // Read-only files are refused as Windows refuses them, even to root.
    GUI_REQUIRE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    GUI_CHECK(!writeFileSafely(files, path, "otro"));
    GUI_CHECK_EQ(readFileBytes(path), std::string("nuevo"));
    GUI_CHECK(!fileExists(path + ".quenda-tmp"));
    GUI_CHECK(files.create(path) == nullptr);
    GUI_REQUIRE(writeFileBytes(folder.path("fuente.xml"), "fuente"));
    GUI_CHECK(!files.copy(folder.path("fuente.xml"), path));
    GUI_CHECK_EQ(readFileBytes(path), std::string("nuevo"));

    // A missing folder: nothing is written anywhere.
    GUI_CHECK(!writeFileSafely(files, folder.path("no-existe\\p.xml"), "x"));
    GUI_CHECK(files.remove(folder.path("fuente.xml")));
    GUI_CHECK(!files.remove(folder.path("fuente.xml")));
}

// A project deep in a synced folder: saving it (a temporary file beside the
// project, then a replace) works there, the first time and over the file.
// Wine's own save dialog takes no path past 260 characters, so the name is
// given as an opened project's would be.
GUI_TEST(FileAccess, ProjectIsSavedDeepInAFolderPastTheOldLimit) {
    TempFolder folder;
    const std::string path = makeDeepFolder(folder.dir(), 292) + "casa.xml";
    auto window = createMainWindow();
    Win32FileAccess files;
    std::string bytes;
    for (const char* instalacion : {"Casa", "Otra"}) {
        window->document().project().archivo = path;
        window->document().project().instalacion = instalacion;
        sendCommand(window->hwnd(), ID_GUARDAR_PROYECTO);
        GUI_CHECK(!window->document().project().hasUnsavedChanges());
        GUI_CHECK(readWholeFile(files, path, bytes));
        GUI_CHECK(bytes.find("instalacion=\"" + std::string(instalacion) + "\"") != std::string::npos);
    }
    GUI_CHECK(!files.exists(path + ".quenda-tmp"));
}

// The Windows program's file access on Windows paths, cross-built and run
// under Wine (the GUI cases of FileAccess cover DOS paths and the current
// directory): a safe write replaces an existing file, a copy keeps every
// byte, read-only files and folders are refused, and all of it works on
// paths far past 260 characters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "model/win32/Win32FileAccess.h"
#include "model/win32/WidePath.h"
#include "model/ProcessLock.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/RecoveryStore.h"
#include "model/WindowsPath.h"
#include "base/texts.h"
#include "tests/windows/FolderTree.h"

namespace {

// A fresh folder under the Windows temporary folder, removed afterwards.
class WindowsFolder {
public:
    WindowsFolder() {
        char base[MAX_PATH] = "";
        GetTempPathA(sizeof base, base);
        path_ = std::string(base) + "quenda-unit-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~WindowsFolder() { removeFolderTree(path_); }
    std::string path(const std::string& name) const { return path_ + name; }

    std::string deepFolder(size_t length) const { return makeDeepFolder(path_, length); }

private:
    std::string path_;
};

// Line ends, a Ctrl-Z and a NUL: what a text-mode stream would change.
const std::string kAwkwardBytes("line\r\nnext\nend\x1A\0tail", 20);

std::string readAll(FileAccess& files, const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(files, path, bytes, 1 << 20));
    return bytes;
}

}  // namespace

TEST(Win32FileAccess, SafeWriteReplacesAnExistingFile) {
    WindowsFolder folder;
    Win32FileAccess files;
    const std::string path = folder.path("casa.xml");
    ASSERT_TRUE(writeFileSafely(files, path, "older and longer contents"));
    ASSERT_TRUE(writeFileSafely(files, path, "new"));
    EXPECT_EQ(readAll(files, path), "new");
}

TEST(Win32FileAccess, CopiesOverAnExistingFileAndRemoves) {
    WindowsFolder folder;
    Win32FileAccess files;
    ASSERT_TRUE(writeFileSafely(files, folder.path("a.png"), kAwkwardBytes));
    ASSERT_TRUE(writeFileSafely(files, folder.path("b.png"), "old"));
    ASSERT_TRUE(files.copy(folder.path("a.png"), folder.path("b.png")));
    EXPECT_EQ(readAll(files, folder.path("b.png")), kAwkwardBytes);
    EXPECT_TRUE(files.remove(folder.path("a.png")));
    EXPECT_FALSE(files.exists(folder.path("a.png")));
}

TEST(Win32FileAccess, RefusesFoldersMissingFilesAndReadOnlyTargets) {
    WindowsFolder folder;
    Win32FileAccess files;
    EXPECT_EQ(files.openRead(folder.path("")), nullptr);
    EXPECT_EQ(files.openRead(folder.path("missing.png")), nullptr);
    const std::string locked = folder.path("locked.xml");
    ASSERT_TRUE(writeFileSafely(files, locked, "kept"));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(writeFileSafely(files, locked, "lost"));
    EXPECT_EQ(readAll(files, locked), "kept");
}

// A read-only picture copied twice to the same place (the card, a project
// saved again elsewhere): the second copy must work like the first.
TEST(Win32FileAccess, CopiesOfAReadOnlyFileCanBeReplacedAndFoldersAreMade) {
    WindowsFolder folder;
    Win32FileAccess files;
    const std::string picture = folder.path("foto.png");
    ASSERT_TRUE(writeFileSafely(files, picture, "foto"));
    SetFileAttributesA(picture.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string copy = folder.path("tarjeta\\fotos\\foto.png");
    EXPECT_TRUE(files.createFolders(folder.path("tarjeta\\fotos\\")));
    EXPECT_TRUE(files.copy(picture, copy));
    EXPECT_TRUE(files.copy(picture, copy));
    EXPECT_EQ(readAll(files, copy), "foto");
    SetFileAttributesA(picture.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    files.remove(copy);
    RemoveDirectoryA(folder.path("tarjeta\\fotos").c_str());
    RemoveDirectoryA(folder.path("tarjeta").c_str());
}

// Projects deep in synced folders and shares: the project file's save (a
// temporary file beside it, then a replace), its opening and the pictures'
// copies, at lengths the ANSI calls refuse.
TEST(Win32FileAccess, LongPathsSaveReplaceCopyAndOpen) {
    for (size_t length : {300, 1000, 3000}) {
        WindowsFolder folder;
        Win32FileAccess files;
        const std::string dir = folder.deepFolder(length - 20);
        const std::string project = dir + "Presentaci\xF3n.xml";
        ASSERT_TRUE(writeFileSafely(files, project, "first")) << length;
        ASSERT_TRUE(writeFileSafely(files, project, kAwkwardBytes)) << length;
        EXPECT_EQ(readAll(files, project), kAwkwardBytes);
        // A path with a step back and forward slashes is made full first.
        const std::string winding = dir + "otra/../Presentaci\xF3n.xml";
        EXPECT_EQ(readAll(files, winding), kAwkwardBytes);

        const std::string picture = dir + "sal\xF3n.png";
        ASSERT_TRUE(files.copy(project, picture)) << length;
        EXPECT_EQ(readAll(files, picture), kAwkwardBytes);
        EXPECT_FALSE(files.pathTooLong(picture));
        EXPECT_TRUE(files.remove(picture));
        EXPECT_FALSE(files.exists(picture));
    }
}

// Files that the ANSI calls of earlier versions made keep their names: the
// program's conversion is the system's own Windows-1252.
TEST(Win32FileAccess, NamesAreTheSystemsWindows1252) {
    for (int byte = 0x80; byte < 0x100; ++byte) {
        char text[2] = {static_cast<char>(byte), 0};
        WCHAR wide[2] = {};
        ASSERT_EQ(MultiByteToWideChar(1252, 0, text, 1, wide, 1), 1);
        EXPECT_EQ(utf16FromCp1252(text), std::u16string(1, static_cast<char16_t>(wide[0]))) << byte;
        std::string back;
        EXPECT_TRUE(narrowText(wide, back) && back == text) << byte;
    }
    WindowsFolder folder;
    Win32FileAccess files;
    const std::string name = folder.path("Sal\xF3n \x80 \xD1.png");
    ASSERT_TRUE(writeFileSafely(files, name, "x"));
    EXPECT_NE(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32FileAccess, AProjectPathBeyondTheSystemsReachIsSaidToBeTooLong) {
    WindowsFolder folder;
    Win32FileAccess files;
    FileAccess::install(&files);
    std::string farAway = folder.path("");
    while (farAway.size() < kMaxSystemPath)
        farAway += std::string(200, 'c') + "\\";
    for (const std::string& path : {farAway + "casa.xml", folder.path(std::string(252, 'n') + ".xml")}) {
        Proyecto project;
        project.archivo = path;
        for (bool save : {true, false}) {
            try {
                save ? writeProjectFile(project) : readProjectFile(path, project);
                ADD_FAILURE() << path.size();
            } catch (const ProyectoException& e) {
                EXPECT_STREQ(e.what(), kPathTooLongText) << path.size();
            }
        }
    }
    FileAccess::install(nullptr);
}

// The user's own folder on an account named in Japanese: the program's text
// cannot name it, its stand-in reaches it for the copies, the locks and the
// listing alike, and messages show it with '?' for what they cannot write.
TEST(Win32FileAccess, AFolderTheProgramCannotNameIsReachedThroughItsStandIn) {
    WindowsFolder folder;
    const WideText real = wideText(folder.path("")) + L"\u6771\u4eac";
    ASSERT_TRUE(CreateDirectoryW(real.c_str(), nullptr));
    const std::string standIn = standInFor(real);
    const std::string rec = standIn + "\\Quenda\\recuperacion\\";
    Win32FileAccess files;
    Proyecto project;
    project.instalacion = "Casa";
    RecoveryStore store(rec, files);
    ASSERT_TRUE(store.writeCopy(project, 1));
    const std::string copyName = baseNameOf(store.copyPath());
    EXPECT_NE(GetFileAttributesW((real + L"\\Quenda\\recuperacion\\" + wideText(copyName)).c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(filesInFolder(rec).size(), 2u);  // the copy and its lock
    EXPECT_TRUE(RecoveryStore(rec, files).claimAbandoned().empty());
    EXPECT_EQ(shownPath(rec), folder.path("??\\Quenda\\recuperacion\\"));
    store.removeCopy();
    EXPECT_FALSE(files.exists(rec + copyName));
    removeFolderTree(standIn + "\\");
}

// The Windows program's file access on Windows paths, cross-built and run
// under Wine (the GUI cases of FileAccess cover DOS paths and the current
// directory): a safe write replaces an existing file, a copy keeps every
// byte, read-only files and folders are refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/Win32FileAccess.h"

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
    ~WindowsFolder() {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string file = path_ + entry.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string path(const std::string& name) const { return path_ + name; }

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

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "model/FileAccess.h"
#include "support/FailingFileAccess.h"
#include "support/TempFolder.h"

namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    return std::ifstream(path).good();
}

}  // namespace

TEST(FileAccessSafeWrite, ReplacesTheFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.file("casa.xml");
    ASSERT_TRUE(writeFileSafely(FileAccess::current(), path, "viejo"));
    ASSERT_TRUE(writeFileSafely(FileAccess::current(), path, std::string(200000, 'n')));
    EXPECT_EQ(std::string(200000, 'n'), contentOf(path));
    EXPECT_FALSE(exists(path + ".quenda-tmp"));
}

TEST(FileAccessSafeWrite, FailurePartWayKeepsTheOldFileAndRemovesTheTemporary) {
    TempFolder folder;
    const std::string path = folder.file("casa.xml");
    ASSERT_TRUE(writeFileSafely(FileAccess::current(), path, "contenido previo"));
    for (size_t budget : {size_t(0), size_t(10), size_t(70000)}) {
        FailingFileAccess fullDisk(budget);
        EXPECT_FALSE(writeFileSafely(fullDisk, path, std::string(100000, 'x'))) << budget;
        EXPECT_EQ("contenido previo", contentOf(path));
        EXPECT_FALSE(exists(path + ".quenda-tmp"));
    }
}

TEST(FileAccessSafeWrite, MissingFolderFails) {
    TempFolder folder;
    EXPECT_FALSE(writeFileSafely(FileAccess::current(), folder.file("no/casa.xml"), "x"));
}

TEST(FileAccessRead, ReadsWholeFilesAndRefusesBeyondTheLimit) {
    TempFolder folder;
    const std::string path = folder.file("a.bin");
    std::string bytes(300000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31);
    ASSERT_TRUE(writeFileSafely(FileAccess::current(), path, bytes));

    std::string read;
    EXPECT_TRUE(readWholeFile(FileAccess::current(), path, read));
    EXPECT_EQ(bytes, read);
    EXPECT_FALSE(readWholeFile(FileAccess::current(), path, read, bytes.size() - 1));
    EXPECT_TRUE(readWholeFile(FileAccess::current(), path, read, bytes.size()));
    EXPECT_FALSE(readWholeFile(FileAccess::current(), folder.file("none"), read));
    EXPECT_FALSE(readWholeFile(FileAccess::current(), folder.path(), read));
}

TEST(FileAccessPaths, FolderAndBaseNameOfDosAndPosixPaths) {
    EXPECT_EQ("Z:\\casa\\", folderOf("Z:\\casa\\salon.png"));
    EXPECT_EQ("salon.png", baseNameOf("Z:\\casa\\salon.png"));
    EXPECT_EQ("/tmp/casa/", folderOf("/tmp/casa/salon.png"));
    EXPECT_EQ("salon.png", baseNameOf("/tmp/casa/salon.png"));
    EXPECT_EQ("", folderOf("salon.png"));
    EXPECT_EQ("salon.png", baseNameOf("salon.png"));
    EXPECT_EQ("C:", folderOf("C:salon.png"));
    EXPECT_EQ("salon.png", baseNameOf("C:salon.png"));
}

// Pictures read as headers at open and decoded when shown: the sizes the
// pages take, one decoded picture per file within a budget, the check and
// the saves looking at the files as they are.
#include <gtest/gtest.h>

#include "model/EditHistory.h"
#include "model/MissingPictureCarry.h"
#include "model/PictureCache.h"
#include "model/ProjectCheck.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"

namespace {

const char kProject[] =
    "<tabrino versionFormato=\"12.08\"><paginas>"
    "<pagina nombre=\"A\" imagen=\"a.png\" ancho=\"10\" alto=\"20\"/>"
    "<pagina nombre=\"B\" imagen=\"b.png\" ancho=\"10\" alto=\"20\"/>"
    "<pagina nombre=\"C\" imagen=\"a.png\" ancho=\"10\" alto=\"20\"/>"
    "</paginas></tabrino>";

struct OpenProject : ::testing::Test {
    OpenProject() : installed(disk) {
        disk.files["Z:\\casa\\casa.xml"] = kProject;
        disk.files["Z:\\casa\\a.png"] = pngBytes(64, 48);
        disk.files["Z:\\casa\\b.png"] = pngBytes(32, 16, 8);
        readProjectFile("Z:\\casa\\casa.xml", project);
    }
    Pagina& page(size_t index) { return *project.paginas[index]; }

    MemoryFileAccess disk;
    ScopedFileAccess installed;
    Proyecto project;
};

}  // namespace

TEST(PictureHeader, GivesTheSizeTheDecoderGivesForEveryKindAndRefusesWhatItRefuses) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    struct Kind {
        unsigned width, height;
        int bitDepth, colourType;
        unsigned channels;
    };
    const Kind kinds[] = {{1, 1, 1, 0, 1},  {13, 5, 2, 0, 1},  {7, 9, 4, 0, 1},   {40, 3, 8, 0, 1}, {5, 6, 16, 0, 1},
                          {17, 2, 1, 3, 1}, {9, 4, 4, 3, 1},   {300, 2, 8, 3, 1}, {6, 5, 8, 2, 3},  {3, 8, 16, 2, 3},
                          {4, 4, 8, 4, 2},  {5, 3, 16, 4, 2},  {8, 2, 8, 6, 4},   {2, 7, 16, 6, 4}};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(std::to_string(kind.bitDepth) + " bits, colour type " + std::to_string(kind.colourType));
        const unsigned rowBytes = (kind.width * static_cast<unsigned>(kind.bitDepth) * kind.channels + 7) / 8;
        std::vector<std::string> rows(kind.height, std::string(rowBytes, 'U'));
        disk.files["p.png"] = encodePng(kind.width, kind.height, kind.bitDepth, kind.colourType, rows,
                                        kind.colourType == 3 ? std::string(3 * 256, '\x40') : "");
        uint32_t width = 0, height = 0;
        ASSERT_TRUE(Imagen::readSize("p.png", width, height));
        auto decoded = Imagen::decode("p.png");
        ASSERT_NE(nullptr, decoded);
        EXPECT_EQ(decoded->width(), width);
        EXPECT_EQ(decoded->height(), height);
    }
    const std::string good = encodePng(4, 4, 8, 0, std::vector<std::string>(4, "abcd"));
    auto withHeaderCrc = [](std::string bytes) {
        return bytes.replace(29, 4, bigEndian32(pngCrc(bytes.substr(12, 17))));
    };
    std::string badCrc = good, badDepth = good, tooWide = good;
    badCrc[29] ^= 1;
    badDepth = withHeaderCrc(badDepth.replace(24, 1, "\x03"));
    tooWide = withHeaderCrc(tooWide.replace(16, 4, bigEndian32(1000001)));
    for (const std::string& bytes : {badCrc, badDepth, tooWide, good.substr(0, 30), std::string("GIF89a")}) {
        disk.files["p.png"] = bytes;
        uint32_t width = 0, height = 0;
        EXPECT_FALSE(Imagen::readSize("p.png", width, height));
        EXPECT_EQ(nullptr, Imagen::decode("p.png"));
    }
}

TEST_F(OpenProject, OpensWithoutDecodingAndPagesNamingOneFileShareOnePicture) {
    PictureCache::shared().clear();
    EXPECT_EQ(64u, page(0).pictureWidth());
    EXPECT_EQ(16u, page(1).pictureHeight());
    EXPECT_EQ(0u, PictureCache::shared().count());
    std::shared_ptr<const Imagen> shown = page(0).picture();
    EXPECT_EQ(shown, page(2).picture());
    // The undo history and "Duplicar" share it too.
    EditHistory history;
    history.recordPageChange(project, 0);
    Pagina* copy = project.duplicatePage(0);
    EXPECT_EQ(shown, copy->picture());
    EXPECT_EQ(1u, PictureCache::shared().count());
}

TEST_F(OpenProject, AFileReplacedIsShownAsItIsNow) {
    std::shared_ptr<const Imagen> before = page(2).picture();
    // The page dialog's copy replaces the file and sets page A's picture again.
    disk.files["Z:\\casa\\a.png"] = pngBytes(64, 48, 8);
    page(0).replaceImagen("a.png", project.archivo);
    EXPECT_NE(before, page(2).picture());
    EXPECT_EQ(8u, FreeImage_GetBPP(page(2).picture()->bitmap()));
    // Replaced behind the program's back by one of another height, then width.
    disk.files["Z:\\casa\\a.png"] = pngBytes(64, 10);
    EXPECT_EQ(10u, page(2).picture()->height());
    disk.files["Z:\\casa\\a.png"] = pngBytes(20, 10);
    EXPECT_EQ(20u, page(2).picture()->width());
    EXPECT_EQ(20, page(2).recordedAncho());
}

TEST(PictureCacheBudget, DropsTheLeastRecentlyShownButNeverTheOneShown) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    for (const char* name : {"a.png", "b.png", "c.png"})
        disk.files[name] = pngBytes(100, 100);
    PictureCache cache(1);
    std::shared_ptr<const Imagen> a = cache.picture("a.png", 100, 100);
    const size_t one = a->memorySize();
    EXPECT_EQ(1u, cache.count());  // over the budget, but shown
    cache.setBudget(2 * one);
    cache.picture("b.png", 100, 100);
    cache.picture("a.png", 100, 100);
    std::shared_ptr<const Imagen> c = cache.picture("c.png", 100, 100);  // b was shown least recently
    EXPECT_EQ(2u, cache.count());
    EXPECT_EQ(2 * one, cache.bytesHeld());
    EXPECT_EQ(c, cache.picture("c.png", 100, 100));
    EXPECT_EQ(a, cache.picture("a.png", 100, 100));
    cache.picture("b.png", 100, 100);  // c goes
    EXPECT_EQ(a, cache.picture("a.png", 100, 100));
    EXPECT_EQ(nullptr, cache.picture("d.png", 100, 100));
}

TEST_F(OpenProject, TheCheckReadsTheFilesAsTheyAreNow) {
    auto missingPictures = [this] {
        std::vector<int32_t> pages;
        for (const ProjectFinding& finding : checkProject(project))
            if (finding.text.find("Falta la imagen") != std::string::npos)
                pages.push_back(finding.page);
        return pages;
    };
    EXPECT_TRUE(missingPictures().empty());
    disk.files.erase("Z:\\casa\\b.png");
    disk.files["Z:\\casa\\a.png"] = "not a picture";
    EXPECT_EQ((std::vector<int32_t>{0, 1, 2}), missingPictures());
}

TEST_F(OpenProject, AValidHeaderWithBrokenDataShowsBlankAndRecordsTheHeadersSize) {
    std::string broken = pngBytes(50, 40);
    disk.files["Z:\\casa\\b.png"] = broken.substr(0, broken.size() / 2);
    page(1).replaceImagen("b.png", project.archivo);
    std::shared_ptr<const Imagen> shown = page(1).picture();
    EXPECT_EQ(50u, shown->width());
    EXPECT_EQ(40u, shown->height());
    writeProjectFile(project);
    EXPECT_NE(std::string::npos,
              disk.files["Z:\\casa\\casa.xml"].find("imagen=\"b.png\" orientaciones=\"\" ancho=\"50\" alto=\"40\""));
}

TEST_F(OpenProject, ASaveAfterSaveAsAndAnUndoneDeletionCarriesTheMissingPicture) {
    auto never = [](const std::string&) { return ReplaceAnswer::Keep; };
    EditHistory history;
    history.recordPageRemoval(project, 1);
    project.removePage("B");
    disk.createFolders("Y:\\nuevo\\");
    project.archivo = "Y:\\nuevo\\casa.xml";
    writeProjectFile(project);
    EXPECT_TRUE(completeSavedProject(project, "Z:\\casa\\casa.xml", disk, never).empty());
    EXPECT_EQ(0u, disk.files.count("Y:\\nuevo\\b.png"));

    history.undo(project);
    writeProjectFile(project);
    EXPECT_TRUE(completeSavedProject(project, "", disk, never).empty());
    EXPECT_EQ(disk.files["Z:\\casa\\b.png"], disk.files["Y:\\nuevo\\b.png"]);
    EXPECT_EQ("Y:\\nuevo\\b.png", page(1).pictureFile);
}

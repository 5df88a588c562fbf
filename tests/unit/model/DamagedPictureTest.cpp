// Damaged pictures: the check reports each as it reports a missing one, and
// a page naming one shows blank at its recorded size, at once. Sound
// pictures of every kind pass both.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include <chrono>

#include "model/PictureCache.h"
#include "model/ProjectCheck.h"
#include "model/Proyecto.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"
#include "support/TestData.h"

namespace {

struct PictureRow {
    const char* name;
    std::string bytes;
};

std::vector<PictureRow> damagedPictures() {
    const std::string sound = patternedPng(40, 30, 1);
    const size_t idat = 33;  // after the signature and the header chunk
    const size_t idatLength = sound.size() - idat - 12 - 12;
    const std::string zlib = sound.substr(idat + 8, idatLength);
    std::string badCrc = sound;
    badCrc[idat + 8 + idatLength / 2] ^= 0x10;
    std::string lengthPastEnd = sound;
    lengthPastEnd.replace(idat, 4, bigEndian32(static_cast<uint32_t>(idatLength + 100)));
    return {
        {"cortado.png", sound.substr(0, sound.size() / 2)},
        {"crc.png", badCrc},
        {"zlib-corto.png", sound.substr(0, idat) + pngChunk("IDAT", zlib.substr(0, zlib.size() / 2)) +
                               pngChunk("IEND", "")},
        {"largo.png", lengthPastEnd},
        {"sin-fin.png", sound.substr(0, sound.size() - 12)},
        {"critico.png", sound.substr(0, idat) + pngChunk("QUEN", "x") + sound.substr(idat)},
        // Found by fuzzing (a seed of the picture fuzz target since): its
        // last chunk claims 1.16 GB past the file's end.
        {"fuzz.png", testData("../fuzz/corpus/picture/chunk-claims-1.16gb-past-end.png")},
    };
}

std::string interlacedPng(FIBITMAP* bitmap) {
    FIMEMORY* memory = FreeImage_OpenMemory();
    FreeImage_SaveToMemory(FIF_PNG, bitmap, memory, PNG_INTERLACED);
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory, &data, &size);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    FreeImage_CloseMemory(memory);
    FreeImage_Unload(bitmap);
    return bytes;
}

// Odd sizes and interlacing, so that rows end mid-byte and passes are empty.
std::vector<PictureRow> soundPictures() {
    FIBITMAP* grey16 = FreeImage_AllocateT(FIT_UINT16, 9, 7);
    for (unsigned y = 0; y < 7; ++y)
        reinterpret_cast<uint16_t*>(FreeImage_GetScanLine(grey16, static_cast<int>(y)))[y] = 40000;
    return {{"gris.png", patternedPng(40, 30, 1)},
            {"rgb.png", pngBytes(33, 17)},
            {"mono.png", pngBytes(9, 7, 1)},
            {"rgb-i.png", interlacedPng(makeTestBitmap(33, 17, 24))},
            {"rgba-i.png", interlacedPng(makeTestBitmap(2, 1, 32))},
            {"paleta4-i.png", interlacedPng(makeTestBitmap(3, 2, 4))},
            {"gris16-i.png", interlacedPng(grey16)}};
}

bool anyPixelSet(const Imagen& picture) {
    FIBITMAP* bitmap = picture.bitmap();
    for (unsigned y = 0; y < FreeImage_GetHeight(bitmap); ++y)
        for (unsigned x = 0; x < FreeImage_GetLine(bitmap); ++x)
            if (FreeImage_GetScanLine(bitmap, static_cast<int>(y))[x] != 0)
                return true;
    return false;
}

// A project of one page without regions: its picture is all there is to find.
class DamagedPicture : public ::testing::Test {
protected:
    void SetUp() override { project.addPage(std::make_unique<Pagina>()); }
    void TearDown() override { PictureCache::shared().clear(); }
    Pagina& page() { return *project.paginas[0]; }

    MemoryFileAccess files;
    ScopedFileAccess installed{files};
    Proyecto project;
};

}  // namespace

TEST_F(DamagedPicture, IsReportedAsUnreadableAndShownBlankAtOnce) {
    for (const PictureRow& row : damagedPictures()) {
        files.files[row.name] = row.bytes;
        page().setImagen(40, 30, row.name);
        auto started = std::chrono::steady_clock::now();
        std::vector<ProjectFinding> findings = checkProject(project);
        std::shared_ptr<const Imagen> shown = page().picture();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(250)) << row.name;
        ASSERT_NE(nullptr, shown->bitmap()) << row.name;
        EXPECT_EQ(page().pictureWidth(), shown->width()) << row.name;
        EXPECT_EQ(page().pictureHeight(), shown->height()) << row.name;
        EXPECT_FALSE(anyPixelSet(*shown)) << row.name;

        files.files.erase(row.name);
        EXPECT_EQ(1u, findings.size()) << row.name;
        EXPECT_EQ(checkProject(project), findings) << row.name;  // as if it were missing
    }
}

TEST_F(DamagedPicture, SoundPicturesOfEveryKindPass) {
    for (const PictureRow& row : soundPictures()) {
        files.files[row.name] = row.bytes;
        page().setImagen(1, 1, row.name);
        EXPECT_TRUE(checkProject(project).empty()) << row.name;
        std::shared_ptr<const Imagen> shown = page().picture();
        EXPECT_TRUE(anyPixelSet(*shown)) << row.name;
    }
}

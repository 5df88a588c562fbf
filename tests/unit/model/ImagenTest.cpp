#include <gtest/gtest.h>

#include <FreeImage.h>

#include "model/Imagen.h"
#include "model/Pagina.h"
#include "model/PngChunks.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"
#include "support/TempFolder.h"

namespace {

bool allPixelsZero(const Imagen& picture) {
    FIBITMAP* bitmap = picture.bitmap();
    for (unsigned y = 0; y < FreeImage_GetHeight(bitmap); ++y) {
        const BYTE* row = FreeImage_GetScanLine(bitmap, static_cast<int>(y));
        for (unsigned x = 0; x < FreeImage_GetWidth(bitmap); ++x)
            if (row[x] != 0)
                return false;
    }
    return true;
}

void expectBlank(const Imagen& picture, unsigned width, unsigned height) {
    ASSERT_NE(nullptr, picture.bitmap());
    EXPECT_EQ(width, picture.width());
    EXPECT_EQ(height, picture.height());
    EXPECT_EQ(8u, FreeImage_GetBPP(picture.bitmap()));
    EXPECT_TRUE(allPixelsZero(picture));
}

}  // namespace

TEST(Imagen, DecodesAPngAtItsOwnSizeAndDepth) {
    TempFolder folder;
    ASSERT_TRUE(writePng(folder.file("salon.png"), 64, 48, 24));
    auto picture = Imagen::load(folder.file("salon.png"), 400, 200);
    ASSERT_NE(nullptr, picture->bitmap());
    EXPECT_EQ(64u, picture->width());
    EXPECT_EQ(48u, picture->height());
    EXPECT_EQ(24u, FreeImage_GetBPP(picture->bitmap()));
    EXPECT_NE(nullptr, picture->info());
    EXPECT_NE(nullptr, picture->bits());
}

TEST(Imagen, MissingPngGivesBlank400x200) {
    TempFolder folder;
    auto picture = Imagen::load(folder.file("nada.png"), 400, 200);
    expectBlank(*picture, 400, 200);
}

TEST(Imagen, OnlyPngBytesAreDecodedWhateverTheName) {
    MemoryFileAccess files;
    const FREE_IMAGE_FORMAT others[] = {FIF_PSD, FIF_TIFF, FIF_TARGA};
    const char* names[] = {"salon.psd", "salon.tif", "salon.tga"};
    for (int i = 0; i < 3; ++i) {
        files.files[names[i]] = others[i] == FIF_PSD ? psdBytes(64, 48) : pictureBytes(others[i], 64, 48);
        ASSERT_EQ(others[i], fileTypeOf(files.files[names[i]])) << names[i];
    }
    files.files["cocina.tga"] = pngBytes(64, 48);
    ScopedFileAccess installed(files);

    for (const char* name : names) {
        Pagina page;
        page.setImagen(30, 20, name);
        expectBlank(*page.picture(), 30, 20);
    }
    Pagina png;
    png.setImagen(30, 20, "cocina.tga");
    EXPECT_EQ(64u, png.picture()->width());
    EXPECT_EQ(48u, png.picture()->height());
    EXPECT_EQ(24u, FreeImage_GetBPP(png.picture()->bitmap()));
}

TEST(Imagen, CorruptPngGivesBlank) {
    MemoryFileAccess files;
    std::string bytes = pngBytes(64, 48);
    files.files["roto.png"] = bytes.substr(0, bytes.size() / 2);
    files.files["basura.png"] = "not a picture";
    files.files["vacio.png"] = "";
    ScopedFileAccess installed(files);
    expectBlank(*Imagen::load("roto.png", 30, 20), 30, 20);
    expectBlank(*Imagen::load("basura.png", 30, 20), 30, 20);
    expectBlank(*Imagen::load("vacio.png", 30, 20), 30, 20);
}

TEST(Imagen, PngChunksThatWouldBlowUpInTheDecoderAreRefusedOrDropped) {
    std::string png = pngBytes(4, 3);
    std::string screened = png;
    ASSERT_TRUE(screenPngChunks(screened));
    EXPECT_EQ(png, screened);

    // A chunk announcing 1.9 GB in a file of a few dozen bytes: the decoder
    // would allocate it all before noticing that the file is short.
    const size_t afterHeader = 8 + 12 + 13;
    std::string liar = png.substr(0, afterHeader) + std::string("\x74\x52\x4E\x53iTXt", 8) + "abcdefgh";
    EXPECT_FALSE(screenPngChunks(liar));

    // A colour profile, stored compressed (iCCP): dropped, the pixels kept.
    // The smallest profile the encoder takes: a 132-byte header, no tags.
    std::string profile(132, '\0');
    profile[3] = '\x84';
    profile[8] = '\x02';
    profile.replace(12, 12, "mntrRGB XYZ ");
    profile.replace(36, 4, "acsp");
    profile.replace(68, 12, std::string("\0\0\xF6\xD6\0\x01\0\0\0\0\xD3\x2D", 12));  // D50 white
    FIBITMAP* bitmap = makeTestBitmap(4, 3, 24);
    ASSERT_NE(nullptr, FreeImage_CreateICCProfile(bitmap, &profile[0], static_cast<long>(profile.size())));
    std::string profiled = savedBytes(bitmap, FIF_PNG);
    FreeImage_Unload(bitmap);
    size_t iccp = profiled.find("iCCP");
    ASSERT_NE(std::string::npos, iccp);
    size_t profileChunk = 12 + (size_t(uint8_t(profiled[iccp - 2])) << 8 | uint8_t(profiled[iccp - 1]));
    std::string withoutProfile = profiled;
    withoutProfile.erase(iccp - 4, profileChunk);
    screened = profiled;
    ASSERT_TRUE(screenPngChunks(screened));
    EXPECT_EQ(withoutProfile, screened);

    MemoryFileAccess files;
    files.files["liar.png"] = liar;
    files.files["profiled.png"] = profiled;
    ScopedFileAccess installed(files);
    expectBlank(*Imagen::load("liar.png", 30, 20), 30, 20);
    auto picture = Imagen::load("profiled.png", 30, 20);
    EXPECT_EQ(4u, picture->width());
    EXPECT_EQ(3u, picture->height());
}

TEST(Imagen, PicturesAreReadThroughTheInstalledFileAccess) {
    MemoryFileAccess files;
    files.files["Z:\\casa\\salon.png"] = pngBytes(32, 16, 8);
    ScopedFileAccess installed(files);
    auto picture = Imagen::load("Z:\\casa\\salon.png", 400, 200);
    ASSERT_NE(nullptr, picture->bitmap());
    EXPECT_EQ(32u, picture->width());
    EXPECT_EQ(16u, picture->height());
}

TEST(Imagen, ZeroNegativeOrAbsurdBlankSizesGiveNoPicture) {
    const int32_t sizes[][2] = {{0, 0}, {0, 200}, {400, 0}, {-1, 200}, {400, -5}, {99999999, 99999999},
                                {INT32_MAX, 2}};
    for (const auto& size : sizes) {
        auto picture = Imagen::load("/nonexistent/quenda.png", size[0], size[1]);
        EXPECT_FALSE(picture->hasPicture()) << size[0] << " x " << size[1];
        EXPECT_EQ(nullptr, picture->bitmap());
        EXPECT_EQ(0u, picture->width());
        EXPECT_EQ(0u, picture->height());
        EXPECT_EQ(nullptr, picture->bits());
    }
}

TEST(Imagen, PictureAnnouncingAHugeSizeIsRefused) {
    // 20000 x 20000 pixels of one colour compress to a small file; decoding
    // it would take over a gigabyte.
    FIBITMAP* huge = FreeImage_Allocate(20000, 20000, 1, 0, 0, 0);
    ASSERT_NE(nullptr, huge);
    MemoryFileAccess files;
    files.files["bomba.png"] = savedBytes(huge, FIF_PNG);
    FreeImage_Unload(huge);
    ASSERT_NE("", files.files["bomba.png"]);

    ScopedFileAccess installed(files);
    expectBlank(*Imagen::load("bomba.png", 40, 20), 40, 20);
}

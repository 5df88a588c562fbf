// The picture generator of the resource script: its reading of art text, the
// bytes of the .bmp, .cur and .ico files it writes, and the committed art.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "tools/ResourceArt.h"

namespace {

uint32_t le32(const std::string& bytes, size_t at) {
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

unsigned le16(const std::string& bytes, size_t at) {
    return unsigned(uint8_t(bytes[at])) | unsigned(uint8_t(bytes[at + 1])) << 8;
}

uint8_t byteAt(const std::string& bytes, size_t at) { return uint8_t(bytes[at]); }

art::Picture parseOne(const std::string& text) {
    std::vector<art::Picture> pictures;
    std::string error;
    EXPECT_TRUE(art::parseArt(text, pictures, error)) << error;
    EXPECT_EQ(1u, pictures.size());
    return pictures.empty() ? art::Picture() : pictures[0];
}

std::string parseError(const std::string& text) {
    std::vector<art::Picture> pictures;
    std::string error;
    EXPECT_FALSE(art::parseArt(text, pictures, error));
    return error;
}

// A picture of one colour, for the writers.
art::Picture filled(int width, int height, int colour) {
    art::Picture picture;
    picture.name = "test";
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(size_t(width) * height, colour);
    return picture;
}

}  // namespace

// ---------------------------------------------------------------------------

TEST(ArtText, LettersBecomePaletteIndexesRowByRow) {
    art::Picture picture = parseOne(
        "# comment\n"
        "picture sample 3x2 hotspot 2,1\n"
        "k.w\n"
        "-RB\n");
    EXPECT_EQ("sample", picture.name);
    EXPECT_EQ(3, picture.width);
    EXPECT_EQ(2, picture.height);
    EXPECT_EQ(2, picture.hotspotX);
    EXPECT_EQ(1, picture.hotspotY);
    EXPECT_EQ((std::vector<int>{0, 7, 15, art::kTransparent, 9, 12}), picture.pixels);
}

TEST(ArtText, PaletteIsTheStandardSixteenColours) {
    EXPECT_EQ(7, art::colourOfLetter('.'));
    const art::Rgb grey = art::palette()[7];
    EXPECT_EQ(192, grey.red);
    EXPECT_EQ(192, grey.green);
    EXPECT_EQ(192, grey.blue);
    const art::Rgb white = art::palette()[art::colourOfLetter('w')];
    EXPECT_EQ(255, white.red);
    EXPECT_EQ(255, white.green);
    EXPECT_EQ(255, white.blue);
}

TEST(ArtText, WindowsLineEndsAndSeveralPicturesAreRead) {
    std::vector<art::Picture> pictures;
    std::string error;
    ASSERT_TRUE(art::parseArt("picture a 2x1\r\nkw\r\n\r\npicture b 1x2\r\nY\r\nG\r\n", pictures, error))
        << error;
    ASSERT_EQ(2u, pictures.size());
    EXPECT_EQ("b", pictures[1].name);
    EXPECT_EQ((std::vector<int>{11, 10}), pictures[1].pixels);
    EXPECT_EQ(-1, pictures[0].hotspotX);
}

TEST(ArtText, FaultsNameTheLine) {
    EXPECT_EQ(0u, parseError("picture a 3x2\nkkk\nkk\n").find("line 3: row of 2 characters"));
    EXPECT_EQ(0u, parseError("picture a 2x1\nkZ\n").find("line 2: unknown colour letter 'Z'"));
    EXPECT_EQ(0u, parseError("\nstray text\n").find("line 2: text outside a picture"));
    EXPECT_EQ(0u, parseError("picture a 0x4\n").find("line 1:"));
    EXPECT_EQ(0u, parseError("picture a 2x2 hotspot 2,0\nkk\nkk\n").find("line 1: hot spot outside"));
    EXPECT_EQ(0u, parseError("picture a 2x2 hotspot 1\nkk\nkk\n").find("line 1: expected \"hotspot"));
    EXPECT_EQ("picture a ends early", parseError("picture a 2x3\nkk\nkk\n"));
}

// ---------------------------------------------------------------------------

TEST(BitmapFile, ToolbarStripHeaderFor288By15At4Bits) {
    std::string file = art::encodeBitmap16(filled(288, 15, 7));
    const size_t stride = 144;  // 288 pixels at 4 bits, already a multiple of 4
    ASSERT_EQ(14u + 40u + 64u + stride * 15, file.size());
    EXPECT_EQ("BM", file.substr(0, 2));
    EXPECT_EQ(file.size(), le32(file, 2));
    EXPECT_EQ(0u, le32(file, 6));
    EXPECT_EQ(118u, le32(file, 10));  // pixels follow the 16-entry palette
    EXPECT_EQ(40u, le32(file, 14));
    EXPECT_EQ(288u, le32(file, 18));
    EXPECT_EQ(15u, le32(file, 22));  // positive: rows stored bottom-up
    EXPECT_EQ(1u, le16(file, 26));
    EXPECT_EQ(4u, le16(file, 28));
    EXPECT_EQ(0u, le32(file, 30));  // no compression
    EXPECT_EQ(stride * 15, le32(file, 34));
    EXPECT_EQ(16u, le32(file, 46));
    // Palette entry 7 (blue, green, red, 0) is the buttons' light grey.
    EXPECT_EQ(std::string("\xC0\xC0\xC0\x00", 4), file.substr(54 + 7 * 4, 4));
    EXPECT_EQ(0x77, byteAt(file, 118));
}

TEST(BitmapFile, RowsAreBottomUpHighNibbleFirstAndPadded) {
    art::Picture picture = filled(3, 2, 7);
    picture.pixels[0] = 9;   // top-left: red
    picture.pixels[5] = 12;  // bottom-right: blue
    std::string file = art::encodeBitmap16(picture);
    ASSERT_EQ(118u + 2 * 4, file.size());  // 3 pixels take 2 bytes, padded to 4
    // First stored row is the bottom one: grey, grey, blue.
    EXPECT_EQ(0x77, byteAt(file, 118));
    EXPECT_EQ(0xC0, byteAt(file, 119));
    EXPECT_EQ(0, byteAt(file, 120));
    // Then the top row: red, grey, grey.
    EXPECT_EQ(0x97, byteAt(file, 122));
    EXPECT_EQ(0x70, byteAt(file, 123));
}

TEST(CursorFile, DirectoryCarriesSizeAndHotSpot) {
    art::Picture cursor = filled(32, 32, art::kTransparent);
    cursor.hotspotX = 15;
    cursor.hotspotY = 16;
    std::string file = art::encodeCursor(cursor);
    const uint32_t image = 40 + 2 * 4 + 2 * 32 * 4;  // header, 2 colours, colour bits, mask bits
    ASSERT_EQ(6u + 16u + image, file.size());
    EXPECT_EQ(0u, le16(file, 0));
    EXPECT_EQ(2u, le16(file, 2));  // cursor
    EXPECT_EQ(1u, le16(file, 4));
    EXPECT_EQ(32, byteAt(file, 6));
    EXPECT_EQ(32, byteAt(file, 7));
    EXPECT_EQ(15u, le16(file, 10));
    EXPECT_EQ(16u, le16(file, 12));
    EXPECT_EQ(image, le32(file, 14));
    EXPECT_EQ(22u, le32(file, 18));
    EXPECT_EQ(64u, le32(file, 22 + 8));  // colour and mask halves
    EXPECT_EQ(1u, le16(file, 22 + 14));
}

TEST(CursorFile, MaskHidesClearPixelsAndColourBitsMarkWhite) {
    art::Picture cursor = filled(32, 32, art::kTransparent);
    cursor.hotspotX = cursor.hotspotY = 0;
    cursor.pixels[0] = art::kWhite;  // top row: white, black, clear...
    cursor.pixels[1] = art::kBlack;
    std::string file = art::encodeCursor(cursor);
    const size_t colourBits = 22 + 40 + 8;
    const size_t maskBits = colourBits + 32 * 4;
    const size_t topRow = 31 * 4;  // stored last
    EXPECT_EQ(0x80, byteAt(file, colourBits + topRow));
    EXPECT_EQ(0x3F, byteAt(file, maskBits + topRow));
    EXPECT_EQ(0xFF, byteAt(file, maskBits + topRow + 1));
    EXPECT_EQ(0xFF, byteAt(file, maskBits));  // bottom row entirely clear
    EXPECT_EQ(0x00, byteAt(file, colourBits));
}

TEST(IconFile, TwoImagesFollowTheirDirectory) {
    art::Picture large = filled(32, 32, 4);
    art::Picture small = filled(16, 16, art::kTransparent);
    std::string file = art::encodeIcon({large, small});
    const uint32_t largeImage = 40 + 64 + 32 * 16 + 32 * 4;
    const uint32_t smallImage = 40 + 64 + 16 * 8 + 16 * 4;
    ASSERT_EQ(6u + 32u + largeImage + smallImage, file.size());
    EXPECT_EQ(1u, le16(file, 2));  // icon
    EXPECT_EQ(2u, le16(file, 4));
    EXPECT_EQ(32, byteAt(file, 6));
    EXPECT_EQ(16, byteAt(file, 8));  // 16 colours
    EXPECT_EQ(4u, le16(file, 12));   // bits per pixel
    EXPECT_EQ(largeImage, le32(file, 14));
    EXPECT_EQ(38u, le32(file, 18));
    EXPECT_EQ(16, byteAt(file, 22));
    EXPECT_EQ(smallImage, le32(file, 22 + 8));
    EXPECT_EQ(38u + largeImage, le32(file, 22 + 12));
    EXPECT_EQ(64u, le32(file, 38 + 8));  // declared height covers colour and mask
    // Opaque navy: colour nibbles 4, mask clear; transparent: mask set.
    EXPECT_EQ(0x44, byteAt(file, 38 + 104));
    EXPECT_EQ(0x00, byteAt(file, 38 + 104 + 32 * 16));
    EXPECT_EQ(0xFF, byteAt(file, 38 + largeImage + 104 + 16 * 8));
}

// ---------------------------------------------------------------------------
// The art and the script as committed.

namespace {

std::string sourceRoot() {
    std::string here = __FILE__;  // <root>/tests/unit/ResourceArtTest.cpp
    return here.substr(0, here.rfind("/tests/unit/") + 1);
}

std::string readSource(const std::string& relative) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(FileAccess::current(), sourceRoot() + relative, bytes)) << relative;
    return bytes;
}

std::vector<art::Picture> committedArt(const std::string& name) {
    std::vector<art::Picture> pictures;
    std::string error;
    EXPECT_TRUE(art::parseArt(readSource("resources/art/" + name), pictures, error)) << error;
    return pictures;
}

// The quoted file names of one kind of resource in the script.
std::set<std::string> scriptFiles(const std::string& script, const std::string& kind) {
    std::set<std::string> names;
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string id, type, file;
        if (words >> id >> type >> file && type == kind && file.size() > 2 && file[0] == '"')
            names.insert(file.substr(1, file.size() - 2));
    }
    return names;
}

bool touchesClear(const art::Picture& picture, int x, int y) {
    for (int dy = -1; dy <= 1; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            int nx = x + dx, ny = y + dy;
            bool inside = nx >= 0 && ny >= 0 && nx < picture.width && ny < picture.height;
            if (!inside || picture.at(nx, ny) == art::kTransparent)
                return true;
        }
    }
    return false;
}

}  // namespace

TEST(CommittedArt, ToolbarHoldsEighteenOpaqueImages) {
    std::vector<art::Picture> images = committedArt("toolbar.txt");
    ASSERT_EQ(18u, images.size());
    for (const art::Picture& image : images) {
        EXPECT_EQ(16, image.width) << image.name;
        EXPECT_EQ(15, image.height) << image.name;
        EXPECT_FALSE(art::hasTransparency(image)) << image.name;
    }
}

TEST(CommittedArt, IconHasBothSizesAndClearCorners) {
    std::vector<art::Picture> icons = committedArt("icon.txt");
    ASSERT_EQ(2u, icons.size());
    EXPECT_EQ(32, icons[0].width);
    EXPECT_EQ(32, icons[0].height);
    EXPECT_EQ(16, icons[1].width);
    EXPECT_EQ(16, icons[1].height);
    for (const art::Picture& icon : icons)
        EXPECT_EQ(art::kTransparent, icon.at(0, 0)) << icon.name;
}

TEST(CommittedArt, CursorsAreOutlinedAndCentred) {
    std::vector<art::Picture> cursors = committedArt("cursors.txt");
    ASSERT_EQ(7u, cursors.size());
    for (const art::Picture& cursor : cursors) {
        ASSERT_EQ(32, cursor.width) << cursor.name;
        ASSERT_EQ(32, cursor.height) << cursor.name;
        EXPECT_TRUE(art::isBlackWhiteOrClear(cursor)) << cursor.name;
        EXPECT_TRUE(cursor.hotspotX == 15 || cursor.hotspotX == 16) << cursor.name;
        EXPECT_TRUE(cursor.hotspotY == 15 || cursor.hotspotY == 16) << cursor.name;
        int black = 0;
        for (int y = 0; y < cursor.height; y++) {
            for (int x = 0; x < cursor.width; x++) {
                if (cursor.at(x, y) != art::kBlack)
                    continue;
                black++;
                // White around every black line keeps it visible on dark pictures.
                EXPECT_FALSE(touchesClear(cursor, x, y)) << cursor.name << " at " << x << "," << y;
            }
        }
        EXPECT_GT(black, 40) << cursor.name;
    }
}

TEST(CommittedArt, ScriptNamesOnlyPicturesTheArtDraws) {
    std::string script = readSource("resources/quenda.rc");
    EXPECT_EQ((std::set<std::string>{"toolbar.bmp", "toolbar24.bmp", "toolbar32.bmp"}), scriptFiles(script, "BITMAP"));
    EXPECT_EQ((std::set<std::string>{"quenda.ico"}), scriptFiles(script, "ICON"));
    std::set<std::string> drawn;
    for (const art::Picture& cursor : committedArt("cursors.txt"))
        drawn.insert(cursor.name + ".cur");
    EXPECT_EQ(drawn, scriptFiles(script, "CURSOR"));
}

TEST(CommittedArt, ScriptIsWindows1252) {
    std::string script = readSource("resources/quenda.rc");
    EXPECT_NE(std::string::npos, script.find("#pragma code_page(1252)"));
    EXPECT_NE(std::string::npos, script.find("POPUP \"P\xE1gina\""));
    EXPECT_NE(std::string::npos, script.find("CAPTION \"Funci\xF3n\""));
    EXPECT_EQ(std::string::npos, script.find("\xC3")) << "UTF-8 text in the script";
}

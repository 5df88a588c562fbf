// Pictures drawn as text, one character per pixel, and the three Windows file
// formats the resource script embeds: a 16-colour bitmap (.bmp), an icon
// (.ico, 16 colours with a transparency mask) and a two-colour cursor (.cur).
//
// Art text:
//   # a comment line
//   picture <name> <width>x<height> [hotspot <x>,<y>]
//   <height rows of exactly <width> characters>
//
// Characters, the 16 colours of the standard palette by index:
//   k black      r dark red   g dark green  y olive    b navy  m purple
//   c teal       . light grey d dark grey   R red      G green Y yellow
//   B blue       M magenta    C cyan        w white
//   - transparent (icons and cursors only)
//
// Header-only so that the unit tests check the very code the generator runs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace art {

const int kTransparent = -1;
const int kPaletteSize = 16;
const int kBlack = 0;
const int kWhite = 15;

struct Rgb {
    uint8_t red, green, blue;
};

// The palette of 16-colour Windows bitmaps, in index order.
inline const Rgb* palette() {
    static const Rgb colours[kPaletteSize] = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return colours;
}

// The art character of each palette index.
inline const char* paletteLetters() { return "krgybmc.dRGYBMCw"; }

// Palette index of an art character, kTransparent for '-', or -2 when the
// character means nothing.
inline int colourOfLetter(char letter) {
    if (letter == '-')
        return kTransparent;
    const char* letters = paletteLetters();
    for (int index = 0; index < kPaletteSize; index++) {
        if (letters[index] == letter)
            return index;
    }
    return -2;
}

struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    int hotspotX = -1;  // cursors only; -1 when not given
    int hotspotY = -1;
    std::vector<int> pixels;  // rows top to bottom, palette index or kTransparent

    int at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// ---------------------------------------------------------------------------
// Reading art text

inline std::string lineError(int lineNumber, const std::string& message) {
    return "line " + std::to_string(lineNumber) + ": " + message;
}

// Reads "<width>x<height>"; false when malformed or out of 1..256.
inline bool parseSize(const std::string& text, int& width, int& height) {
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) != 2)
        return false;
    return width >= 1 && width <= 256 && height >= 1 && height <= 256;
}

inline bool parseHotspot(const std::string& text, int& x, int& y) {
    char extra = 0;
    return std::sscanf(text.c_str(), "%d,%d%c", &x, &y, &extra) == 2;
}

// Parses a "picture" header line into `picture`; returns "" or an error.
inline std::string parseHeader(const std::string& line, Picture& picture) {
    std::istringstream words(line);
    std::string keyword, size, hotspotWord, hotspot, extra;
    words >> keyword >> picture.name >> size >> hotspotWord >> hotspot >> extra;
    if (picture.name.empty() || !parseSize(size, picture.width, picture.height))
        return "expected \"picture <name> <width>x<height>\"";
    if (hotspotWord.empty())
        return "";
    if (hotspotWord != "hotspot" || !parseHotspot(hotspot, picture.hotspotX, picture.hotspotY) ||
        !extra.empty())
        return "expected \"hotspot <x>,<y>\" after the size";
    if (picture.hotspotX < 0 || picture.hotspotX >= picture.width || picture.hotspotY < 0 ||
        picture.hotspotY >= picture.height)
        return "hot spot outside the picture";
    return "";
}

// Appends one row of pixels; returns "" or an error.
inline std::string parseRow(const std::string& row, Picture& picture) {
    if (int(row.size()) != picture.width)
        return "row of " + std::to_string(row.size()) + " characters in picture " + picture.name +
               " of width " + std::to_string(picture.width);
    for (char letter : row) {
        int colour = colourOfLetter(letter);
        if (colour == -2)
            return std::string("unknown colour letter '") + letter + "'";
        picture.pixels.push_back(colour);
    }
    return "";
}

// Parses every picture of an art text. On failure returns false with the
// line and the reason in `error`.
inline bool parseArt(const std::string& text, std::vector<Picture>& pictures, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    Picture* open = nullptr;  // picture still taking rows
    while (std::getline(lines, line)) {
        lineNumber++;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool takingRows = open && int(open->pixels.size()) < open->width * open->height;
        if (takingRows) {
            error = parseRow(line, *open);
            if (!error.empty()) {
                error = lineError(lineNumber, error);
                return false;
            }
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (line.compare(0, 8, "picture ") != 0) {
            error = lineError(lineNumber, "text outside a picture");
            return false;
        }
        pictures.emplace_back();
        open = &pictures.back();
        error = parseHeader(line, *open);
        if (!error.empty()) {
            error = lineError(lineNumber, error);
            return false;
        }
    }
    if (open && int(open->pixels.size()) < open->width * open->height) {
        error = "picture " + open->name + " ends early";
        return false;
    }
    return true;
}

// Lays pictures of one height side by side, left to right.
inline Picture joinSideBySide(const std::vector<Picture>& parts, const std::string& name) {
    Picture strip;
    strip.name = name;
    strip.height = parts.empty() ? 0 : parts[0].height;
    for (const Picture& part : parts)
        strip.width += part.width;
    strip.pixels.resize(size_t(strip.width) * strip.height);
    int left = 0;
    for (const Picture& part : parts) {
        for (int y = 0; y < part.height && y < strip.height; y++) {
            for (int x = 0; x < part.width; x++)
                strip.pixels[size_t(y) * strip.width + left + x] = part.at(x, y);
        }
        left += part.width;
    }
    return strip;
}

inline bool hasTransparency(const Picture& picture) {
    for (int colour : picture.pixels) {
        if (colour == kTransparent)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Writing the file formats (all little-endian, rows bottom-up, each row
// padded to a multiple of 4 bytes)

inline void put16(std::string& out, unsigned value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

inline void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline int rowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// BITMAPINFOHEADER; icons and cursors declare twice the height (colour rows
// followed by the mask rows).
inline void putInfoHeader(std::string& out, int width, int declaredHeight, int bitsPerPixel,
                          int coloursUsed, uint32_t imageBytes) {
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(declaredHeight));
    put16(out, 1);  // planes
    put16(out, unsigned(bitsPerPixel));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dots per inch, as pixels per metre
    put32(out, 2835);
    put32(out, uint32_t(coloursUsed));
    put32(out, 0);  // all colours important
}

// RGBQUAD entries are stored blue, green, red, zero.
inline void putColour(std::string& out, const Rgb& colour) {
    out += char(colour.blue);
    out += char(colour.green);
    out += char(colour.red);
    out += char(0);
}

inline void putPalette16(std::string& out) {
    for (int index = 0; index < kPaletteSize; index++)
        putColour(out, palette()[index]);
}

// Colour rows at 4 bits per pixel, high nibble first; transparent pixels
// are written as black, which the mask then hides.
inline std::string pixelRows4(const Picture& picture) {
    std::string rows;
    int stride = rowBytes(picture.width, 4);
    for (int y = picture.height - 1; y >= 0; y--) {
        std::string row(size_t(stride), '\0');
        for (int x = 0; x < picture.width; x++) {
            int colour = picture.at(x, y);
            unsigned nibble = colour == kTransparent ? kBlack : unsigned(colour);
            row[size_t(x / 2)] = char(uint8_t(row[size_t(x / 2)]) | (x % 2 == 0 ? nibble << 4 : nibble));
        }
        rows += row;
    }
    return rows;
}

// One bit per pixel, most significant bit first, set where `test` holds.
template <typename Test>
std::string bitRows(const Picture& picture, Test test) {
    std::string rows;
    int stride = rowBytes(picture.width, 1);
    for (int y = picture.height - 1; y >= 0; y--) {
        std::string row(size_t(stride), '\0');
        for (int x = 0; x < picture.width; x++) {
            if (test(picture.at(x, y)))
                row[size_t(x / 8)] = char(uint8_t(row[size_t(x / 8)]) | (0x80 >> (x % 8)));
        }
        rows += row;
    }
    return rows;
}

// The transparency mask of icons and cursors: 1 where the screen shows through.
inline std::string maskRows(const Picture& picture) {
    return bitRows(picture, [](int colour) { return colour == kTransparent; });
}

// A complete .bmp file: 16 colours, 4 bits per pixel, no compression.
inline std::string encodeBitmap16(const Picture& picture) {
    std::string rows = pixelRows4(picture);
    const uint32_t headersSize = 14 + 40 + kPaletteSize * 4;
    std::string out = "BM";
    put32(out, headersSize + uint32_t(rows.size()));
    put32(out, 0);  // reserved
    put32(out, headersSize);
    putInfoHeader(out, picture.width, picture.height, 4, kPaletteSize, uint32_t(rows.size()));
    putPalette16(out);
    return out + rows;
}

// The image of one icon entry: header, palette, colour rows, mask rows.
inline std::string iconImage(const Picture& picture) {
    std::string colourRows = pixelRows4(picture);
    std::string mask = maskRows(picture);
    std::string out;
    putInfoHeader(out, picture.width, picture.height * 2, 4, kPaletteSize,
                  uint32_t(colourRows.size() + mask.size()));
    putPalette16(out);
    return out + colourRows + mask;
}

// The image of a two-colour cursor: palette black and white, a colour bit
// set for white, the mask bit set for transparent.
inline std::string cursorImage(const Picture& picture) {
    std::string colourRows = bitRows(picture, [](int colour) { return colour == kWhite; });
    std::string mask = maskRows(picture);
    std::string out;
    putInfoHeader(out, picture.width, picture.height * 2, 1, 2,
                  uint32_t(colourRows.size() + mask.size()));
    putColour(out, palette()[kBlack]);
    putColour(out, palette()[kWhite]);
    return out + colourRows + mask;
}

// Directory of an .ico (type 1) or .cur (type 2) file followed by the images.
// For icons the two words of an entry are planes and bit count; for cursors
// they are the hot spot.
struct DirectoryEntry {
    const Picture* picture;
    int colourCount;
    unsigned word1, word2;
    std::string image;
};

inline std::string encodeDirectory(unsigned type, const std::vector<DirectoryEntry>& entries) {
    std::string out;
    put16(out, 0);
    put16(out, type);
    put16(out, unsigned(entries.size()));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (const DirectoryEntry& entry : entries) {
        out += char(entry.picture->width >= 256 ? 0 : entry.picture->width);
        out += char(entry.picture->height >= 256 ? 0 : entry.picture->height);
        out += char(entry.colourCount);
        out += char(0);
        put16(out, entry.word1);
        put16(out, entry.word2);
        put32(out, uint32_t(entry.image.size()));
        put32(out, offset);
        offset += uint32_t(entry.image.size());
    }
    for (const DirectoryEntry& entry : entries)
        out += entry.image;
    return out;
}

// A complete .ico file holding every picture, 16 colours each.
inline std::string encodeIcon(const std::vector<Picture>& pictures) {
    std::vector<DirectoryEntry> entries;
    for (const Picture& picture : pictures)
        entries.push_back({&picture, kPaletteSize, 1, 4, iconImage(picture)});
    return encodeDirectory(1, entries);
}

// A complete .cur file; the picture may use only black, white and transparent.
inline std::string encodeCursor(const Picture& picture) {
    std::vector<DirectoryEntry> entries;
    entries.push_back({&picture, 2, unsigned(picture.hotspotX), unsigned(picture.hotspotY),
                       cursorImage(picture)});
    return encodeDirectory(2, entries);
}

inline bool isBlackWhiteOrClear(const Picture& picture) {
    for (int colour : picture.pixels) {
        if (colour != kBlack && colour != kWhite && colour != kTransparent)
            return false;
    }
    return true;
}

}  // namespace art

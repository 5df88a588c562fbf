// The canvas draws the page's view with SetDIBitsToDevice: every kind of
// PNG must come out of the view as pixels GDI reads as the picture's colours.
#include <gtest/gtest.h>

#include <FreeImage.h>

#include <cstring>
#include <functional>

#include "ui/PaginaEscalada.h"
#include "support/MemoryFileAccess.h"
#include "support/PngFile.h"

namespace {

const uint32_t kWidth = 8;
const uint32_t kHeight = 3;
const uint32_t kUndrawable = 0xFFFFFFFFu;

uint32_t rgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

uint32_t le(const unsigned char* p, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

// Pixel (x, y) from the top, as GDI reads a BI_RGB device-independent bitmap.
uint32_t gdiPixel(const Imagen& view, uint32_t x, uint32_t y) {
    const unsigned char* info = static_cast<const unsigned char*>(view.info());
    const unsigned char* bits = static_cast<const unsigned char*>(view.bits());
    if (!info || !bits || le(info + 16, 4) != 0)  // BI_RGB only
        return kUndrawable;
    const uint32_t width = le(info + 4, 4), height = le(info + 8, 4), depth = le(info + 14, 2);
    const unsigned char* palette = info + le(info, 4);
    const unsigned char* row = bits + (height - 1 - y) * ((width * depth + 31) / 32 * 4);
    auto fromPalette = [palette](unsigned index) {
        return rgb(palette[index * 4 + 2], palette[index * 4 + 1], palette[index * 4]);
    };
    switch (depth) {
    case 1: return fromPalette(row[x / 8] >> (7 - x % 8) & 1);
    case 4: return fromPalette(row[x / 2] >> (x % 2 ? 0 : 4) & 15);
    case 8: return fromPalette(row[x]);
    case 16: {  // 5-5-5
        uint32_t v = le(row + 2 * x, 2);
        return rgb((v >> 10 & 31) << 3, (v >> 5 & 31) << 3, (v & 31) << 3);
    }
    case 24: return rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32: return rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default: return kUndrawable;
    }
}

// Packs one sample per pixel of a row, high bits first, 16-bit big-endian.
std::string packRow(const std::vector<unsigned>& samples, int bits) {
    std::string row((samples.size() * bits + 7) / 8, '\0');
    for (size_t i = 0; i < samples.size(); ++i) {
        if (bits == 16) {
            row[2 * i] = static_cast<char>(samples[i] >> 8);
            row[2 * i + 1] = static_cast<char>(samples[i]);
        } else if (bits == 8) {
            row[i] = static_cast<char>(samples[i]);
        } else {
            size_t bit = i * bits;
            row[bit / 8] = static_cast<char>(row[bit / 8] | samples[i] << (8 - bits - bit % 8));
        }
    }
    return row;
}

// A picture kind: samples of pixel i (channels in file order, at the file's
// depth) and the colour it must show.
struct Kind {
    const char* name;
    int bitDepth;
    int colourType;
    std::function<std::vector<unsigned>(unsigned)> samples;
    std::function<uint32_t(unsigned)> colour;
    std::string palette;
    std::string transparency;
};

std::string pngOf(const Kind& kind) {
    std::vector<std::string> rows;
    for (uint32_t y = 0; y < kHeight; ++y) {
        std::vector<unsigned> samples;
        for (uint32_t x = 0; x < kWidth; ++x)
            for (unsigned s : kind.samples(y * kWidth + x))
                samples.push_back(s);
        rows.push_back(packRow(samples, kind.bitDepth));
    }
    return encodePng(kWidth, kHeight, kind.bitDepth, kind.colourType, rows, kind.palette, kind.transparency);
}

unsigned level(unsigned i) { return (i * 11) % 256; }

std::string paletteOf(unsigned entries) {
    std::string palette;
    for (unsigned k = 0; k < entries; ++k)
        palette += {static_cast<char>(k * 40 + 7), static_cast<char>(255 - k * 9), static_cast<char>(k * 13)};
    return palette;
}

uint32_t paletteColour(unsigned k) { return rgb(k * 40 + 7, 255 - k * 9, k * 13); }

Kind grey(int depth) {
    unsigned top = (1u << depth) - 1;
    return {"grey", depth, 0, [top](unsigned i) { return std::vector<unsigned>{i % (top + 1)}; },
            [top](unsigned i) { unsigned v = i % (top + 1) * 255 / top; return rgb(v, v, v); }, "", ""};
}

Kind indexed(int depth, unsigned entries, const std::string& transparency = "") {
    return {"palette", depth, 3, [entries](unsigned i) { return std::vector<unsigned>{i % entries}; },
            [entries](unsigned i) { return paletteColour(i % entries); }, paletteOf(entries), transparency};
}

// 8- or 16-bit colour, grey with alpha, or colour with alpha.
Kind channels(const char* name, int depth, int colourType) {
    unsigned scale = depth == 16 ? 257 : 1;
    return {name, depth, colourType,
            [scale, colourType](unsigned i) {
                std::vector<unsigned> s;
                if (colourType == 4)
                    s = {level(i) * scale};
                else
                    s = {level(i) * scale, (255 - level(i)) * scale, level(i + 5) * scale};
                if (colourType == 4 || colourType == 6)
                    s.push_back(level(i * 7) * scale);  // alpha, 0 included
                return s;
            },
            [colourType](unsigned i) {
                return colourType == 4 ? rgb(level(i), level(i), level(i))
                                       : rgb(level(i), 255 - level(i), level(i + 5));
            },
            "", ""};
}

std::unique_ptr<Pagina> pageShowing(MemoryFileAccess& disk, const std::string& png) {
    disk.files["p.png"] = png;
    auto page = std::make_unique<Pagina>();
    page->setImagen(1, 1, "p.png");
    return page;
}

}  // namespace

TEST(PictureView, EveryPngKindShowsItsOwnColoursAndTheDecodedPictureStaysAsItWas) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    const std::vector<Kind> kinds = {
        grey(1), grey(2), grey(4), grey(8),
        {"grey 16", 16, 0, [](unsigned i) { return std::vector<unsigned>{level(i) * 257}; },
         [](unsigned i) { return rgb(level(i), level(i), level(i)); }, "", ""},
        indexed(1, 2), indexed(2, 4), indexed(4, 16), indexed(8, 24), indexed(8, 24, "\x00\x80\xFF"),
        channels("rgb", 8, 2), channels("rgb", 16, 2), channels("rgba", 8, 6), channels("rgba", 16, 6),
        channels("grey+alpha", 8, 4), channels("grey+alpha", 16, 4)};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(kind.bitDepth));
        auto page = pageShowing(disk, pngOf(kind));
        ASSERT_EQ(kWidth, page->pictureWidth());
        PaginaEscalada view(*page, 1.0);
        for (uint32_t y = 0; y < kHeight; ++y)
            for (uint32_t x = 0; x < kWidth; ++x)
                ASSERT_EQ(kind.colour(y * kWidth + x), gdiPixel(view.picture(), x, y)) << x << "," << y;
    }
    auto deep = pageShowing(disk, pngOf(channels("rgb", 16, 2)));
    EXPECT_EQ(FIT_RGB16, FreeImage_GetImageType(deep->picture()->bitmap()));
}

TEST(PictureView, AnInterlacedPngShowsTheSamePixels) {
    MemoryFileAccess disk;
    ScopedFileAccess installed(disk);
    FIBITMAP* source = makeTestBitmap(kWidth, kHeight, 24);
    FIMEMORY* memory = FreeImage_OpenMemory();
    ASSERT_TRUE(FreeImage_SaveToMemory(FIF_PNG, source, memory, PNG_INTERLACED));
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory, &data, &size);
    std::string png(reinterpret_cast<const char*>(data), size);
    FreeImage_CloseMemory(memory);
    ASSERT_EQ(1, png[28]);  // IHDR's interlace method: Adam7
    auto page = pageShowing(disk, png);
    PaginaEscalada view(*page, 1.0);
    for (uint32_t y = 0; y < kHeight; ++y) {
        const BYTE* row = FreeImage_GetScanLine(source, static_cast<int>(kHeight - 1 - y));
        for (uint32_t x = 0; x < kWidth; ++x)
            EXPECT_EQ(rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]), gdiPixel(view.picture(), x, y));
    }
    FreeImage_Unload(source);
}

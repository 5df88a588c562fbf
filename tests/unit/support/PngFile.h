// PNG pictures for the tests that need real picture files: made with
// FreeImage, or encoded here for the kinds FreeImage does not write.
#pragma once

#include <FreeImage.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// A picture with a simple pattern so that it is not all one colour.
inline FIBITMAP* makeTestBitmap(int width, int height, int bitsPerPixel) {
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bitsPerPixel, 0, 0, 0);
    if (!bitmap)
        return nullptr;
    unsigned bytesPerPixel = FreeImage_GetLine(bitmap) / static_cast<unsigned>(width);
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap, y);
        for (unsigned x = 0; x < FreeImage_GetLine(bitmap); ++x)
            row[x] = static_cast<BYTE>((x / (bytesPerPixel ? bytesPerPixel : 1)) * 7 + y * 3 + x % 3 * 50);
    }
    return bitmap;
}

// Writes a PNG file; false when FreeImage could not.
inline bool writePng(const std::string& path, int width, int height, int bitsPerPixel = 24) {
    FIBITMAP* bitmap = makeTestBitmap(width, height, bitsPerPixel);
    if (!bitmap)
        return false;
    bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_Z_BEST_SPEED) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

// The bytes of a PNG file, made in memory; "" when FreeImage could not.
inline std::string pngBytes(int width, int height, int bitsPerPixel = 24) {
    FIBITMAP* bitmap = makeTestBitmap(width, height, bitsPerPixel);
    if (!bitmap)
        return std::string();
    std::string bytes;
    FIMEMORY* memory = FreeImage_OpenMemory();
    if (FreeImage_SaveToMemory(FIF_PNG, bitmap, memory, PNG_Z_BEST_SPEED)) {
        BYTE* data = nullptr;
        DWORD size = 0;
        if (FreeImage_AcquireMemory(memory, &data, &size))
            bytes.assign(reinterpret_cast<const char*>(data), size);
    }
    FreeImage_CloseMemory(memory);
    FreeImage_Unload(bitmap);
    return bytes;
}

// ---- PNG files of any kind the format allows, written byte by byte ----
// FreeImage cannot write every kind (2-bit pictures, grey with alpha), so
// these are encoded here: uncompressed deflate blocks, filter 0 on each row.


inline uint32_t pngCrc(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

inline std::string bigEndian32(uint32_t value) {
    return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
                       static_cast<char>(value)};
}

inline std::string pngChunk(const std::string& type, const std::string& data) {
    return bigEndian32(static_cast<uint32_t>(data.size())) + type + data + bigEndian32(pngCrc(type + data));
}

// A zlib stream of stored blocks.
inline std::string storedZlib(const std::string& data) {
    std::string out = "\x78\x01";
    size_t at = 0;
    do {
        size_t length = std::min<size_t>(data.size() - at, 65535);
        bool last = at + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out += data.substr(at, length);
        at += length;
    } while (at < data.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return out + bigEndian32((b << 16) | a);
}

// `rows` are packed scanlines as the format stores them (big-endian samples,
// high bits first); `palette` is PLTE's RGB triples, `transparency` tRNS.
inline std::string encodePng(uint32_t width, uint32_t height, int bitDepth, int colourType,
                             const std::vector<std::string>& rows, const std::string& palette = "",
                             const std::string& transparency = "") {
    std::string header = bigEndian32(width) + bigEndian32(height);
    header += static_cast<char>(bitDepth);
    header += static_cast<char>(colourType);
    header += std::string(3, '\0');  // deflate, adaptive filtering, not interlaced
    std::string raw;
    for (const std::string& row : rows)
        raw += '\0' + row;
    std::string png = "\x89PNG\r\n\x1A\n" + pngChunk("IHDR", header);
    if (!palette.empty())
        png += pngChunk("PLTE", palette);
    if (!transparency.empty())
        png += pngChunk("tRNS", transparency);
    return png + pngChunk("IDAT", storedZlib(raw)) + pngChunk("IEND", "");
}

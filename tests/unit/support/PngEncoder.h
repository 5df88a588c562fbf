// PNG files of any kind the format allows, written byte by byte with no
// library: FreeImage cannot write every kind (2-bit, grey with alpha), and
// the GUI tests may not include it. Stored deflate blocks need only CRC-32
// and Adler-32.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>


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

// An 8-bit grey picture of `width` x `height` with a pattern set by `seed`:
// about width * height bytes, so any size a test needs is at hand.
inline std::string patternedPng(uint32_t width, uint32_t height, int seed) {
    std::vector<std::string> rows(height, std::string(width, '\0'));
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x)
            rows[y][x] = static_cast<char>((x * 131 + y * 7 + static_cast<uint32_t>(seed)) >> 3);
    return encodePng(width, height, 8, 0, rows);
}

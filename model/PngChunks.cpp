#include "PngChunks.h"

#include <cstdint>

#include "BigEndian.h"

namespace {

const char kSignature[] = "\x89PNG\r\n\x1A\n";
const size_t kSignatureSize = sizeof kSignature - 1;
// Length, type and CRC around a chunk's data.
const size_t kChunkFrame = 12;

uint32_t bigEndianAt(const std::string& bytes, size_t at) {
    return readBigEndian32(reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

bool isInflated(const std::string& bytes, size_t typeAt) {
    return bytes.compare(typeAt, 4, "zTXt") == 0 || bytes.compare(typeAt, 4, "iTXt") == 0 ||
           bytes.compare(typeAt, 4, "iCCP") == 0;
}

// The checksum every chunk ends with, over its type and data.
uint32_t chunkCrc(const std::string& bytes, size_t from, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < from + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// The decoder refuses wider or taller pictures by default.
const uint32_t kMaxSide = 1000000;

bool depthAllowed(unsigned colourType, unsigned depth) {
    switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;  // grey
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;                 // palette
    case 2:                                                                              // RGB
    case 4:                                                                              // grey, alpha
    case 6: return depth == 8 || depth == 16;                                            // RGB, alpha
    default: return false;
    }
}

}  // namespace

bool hasPngSignature(const std::string& bytes) {
    return bytes.compare(0, kSignatureSize, kSignature, kSignatureSize) == 0;
}

bool screenPngChunks(std::string& bytes) {
    if (!hasPngSignature(bytes))
        return false;
    // Most pictures carry nothing to drop: the bytes are copied only from
    // the first chunk that goes.
    std::string kept;
    bool dropping = false;
    size_t at = kSignatureSize;
    while (bytes.size() - at >= kChunkFrame) {
        uint32_t length = bigEndianAt(bytes, at);
        if (length > bytes.size() - at - kChunkFrame)
            return false;
        size_t chunkSize = kChunkFrame + length;
        bool end = bytes.compare(at + 4, 4, "IEND") == 0;
        bool drop = isInflated(bytes, at + 4);
        if (drop && !dropping)
            kept.assign(bytes, 0, at);
        else if (dropping && !drop)
            kept.append(bytes, at, chunkSize);
        dropping = dropping || drop;
        at += chunkSize;
        if (end)
            break;
    }
    if (dropping) {
        // Whatever follows (the end of a cut file) stays for the decoder to judge.
        kept.append(bytes, at, std::string::npos);
        bytes.swap(kept);
    }
    return true;
}

bool parsePngHeader(const std::string& start, uint32_t& width, uint32_t& height) {
    const size_t header = kSignatureSize;
    if (start.size() < kPngHeaderBytes || !hasPngSignature(start) || bigEndianAt(start, header) != 13 ||
        start.compare(header + 4, 4, "IHDR") != 0 ||
        chunkCrc(start, header + 4, 17) != bigEndianAt(start, header + 21))
        return false;
    const uint32_t w = bigEndianAt(start, header + 8);
    const uint32_t h = bigEndianAt(start, header + 12);
    const unsigned depth = static_cast<unsigned char>(start[header + 16]);
    const unsigned colourType = static_cast<unsigned char>(start[header + 17]);
    const bool standard = start[header + 18] == 0 && start[header + 19] == 0 &&
                          static_cast<unsigned char>(start[header + 20]) <= 1;  // compression, filter, interlace
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide || !depthAllowed(colourType, depth) || !standard)
        return false;
    width = w;
    height = h;
    return true;
}

bool hasPngHeader(const std::string& start) {
    uint32_t width = 0;
    uint32_t height = 0;
    return parsePngHeader(start, width, height);
}

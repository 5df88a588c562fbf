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

uint32_t crc32(const std::string& bytes, size_t at, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = at; i < at + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

}  // namespace

bool hasPngHeader(const std::string& bytes) {
    const size_t ihdrLength = 13;
    if (bytes.size() < kPngHeaderSize || !hasPngSignature(bytes))
        return false;
    if (bigEndianAt(bytes, kSignatureSize) != ihdrLength || bytes.compare(kSignatureSize + 4, 4, "IHDR") != 0)
        return false;
    uint32_t width = bigEndianAt(bytes, kSignatureSize + 8);
    uint32_t height = bigEndianAt(bytes, kSignatureSize + 12);
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
        return false;
    return bigEndianAt(bytes, kSignatureSize + 8 + ihdrLength) == crc32(bytes, kSignatureSize + 4, 4 + ihdrLength);
}

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

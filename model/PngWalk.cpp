#include "PngWalk.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "BigEndian.h"
#include "FileAccess.h"
#include "PngChunks.h"

namespace {

// The format's own limit on a chunk's length.
const uint32_t kMaxChunkLength = 0x7FFFFFFFu;
// Length and type before a chunk's data; its checksum after.
const size_t kFrameBytes = 8;
const size_t kCrcBytes = 4;

bool isLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A chunk named with an upper-case first letter is one the decoder must
// understand; it refuses the picture when it does not.
bool isUnknownCritical(const char* type) {
    return !(type[0] & 0x20) && std::memcmp(type, "IHDR", 4) != 0 && std::memcmp(type, "PLTE", 4) != 0 &&
           std::memcmp(type, "IDAT", 4) != 0 && std::memcmp(type, "IEND", 4) != 0;
}

unsigned channelsOf(unsigned colourType) {
    switch (colourType) {
    case 2: return 3;  // RGB
    case 4: return 2;  // grey, alpha
    case 6: return 4;  // RGB, alpha
    default: return 1;  // grey, palette
    }
}

// A filtered row: its filter byte and the packed samples; nothing for an
// empty pass of an interlaced picture.
uint64_t rowBytes(uint64_t columns, unsigned bitsPerPixel) {
    return columns == 0 ? 0 : 1 + (columns * bitsPerPixel + 7) / 8;
}

uint64_t passSpan(uint64_t size, unsigned first, unsigned step) {
    return size > first ? (size - first + step - 1) / step : 0;
}

// What the compressed data of a sound picture inflates to, from its header.
uint64_t inflatedSize(const std::string& start) {
    const unsigned char* header = reinterpret_cast<const unsigned char*>(start.data()) + 16;
    const uint64_t width = readBigEndian32(header);
    const uint64_t height = readBigEndian32(header + 4);
    const unsigned bits = header[8] * channelsOf(header[9]);
    if (header[12] == 0)
        return height * rowBytes(width, bits);
    // Adam7: seven passes, each a smaller picture of its own rows.
    static const unsigned passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                          {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    uint64_t total = 0;
    for (const auto& pass : passes) {
        uint64_t columns = passSpan(width, pass[0], pass[2]);
        uint64_t rows = passSpan(height, pass[1], pass[3]);
        total += columns && rows ? rows * rowBytes(columns, bits) : 0;
    }
    return total;
}

}  // namespace

struct PngWalk::State {
    enum class Part { header, frame, data, crc, ended, broken };

    State(uint64_t size, Depth walkDepth) : fileSize(size), whole(walkDepth == Depth::whole) {
        if (whole)
            inflating = inflateInit(&zlib) == Z_OK;
    }
    ~State() {
        if (inflating)
            inflateEnd(&zlib);
    }

    bool feed(const char* data, size_t size) {
        while (size > 0 && part != Part::ended && part != Part::broken) {
            size_t taken = take(data, size);
            data += taken;
            size -= taken;
        }
        return part != Part::broken;
    }

    // Takes what the current part needs of the bytes; returns how many.
    size_t take(const char* data, size_t size) {
        if (part == Part::data)
            return takeData(data, size);
        const size_t wanted = part == Part::header ? kPngHeaderBytes : part == Part::frame ? kFrameBytes : kCrcBytes;
        const size_t count = std::min(size, wanted - held.size());
        held.append(data, count);
        position += count;
        if (held.size() == wanted)
            part = part == Part::header ? headerRead() : part == Part::frame ? frameRead() : crcRead();
        return count;
    }

    // The signature and the header chunk, checksum included.
    Part headerRead() {
        uint32_t width = 0;
        uint32_t height = 0;
        if (!parsePngHeader(held, width, height))
            return Part::broken;
        expected = inflatedSize(held);
        paletteNeeded = held[25] == 3;
        held.clear();
        return Part::frame;
    }

    Part frameRead() {
        const unsigned char* frame = reinterpret_cast<const unsigned char*>(held.data());
        const uint64_t length = readBigEndian32(frame);
        std::memcpy(type, frame + 4, 4);
        held.clear();
        if (length > kMaxChunkLength || position > fileSize || length + kCrcBytes > fileSize - position)
            return Part::broken;
        const bool data = isType("IDAT");
        if (!std::all_of(type, type + 4, [](char c) { return isLetter(static_cast<unsigned char>(c)); }) ||
            isUnknownCritical(type) || isType("IHDR"))
            return Part::broken;
        // The compressed data follows the palette of a palette picture, and
        // may be split only over chunks that follow one another: the decoder
        // stops at the first other chunk. The empty end chunk comes after it.
        if ((data && (dataEnded || paletteNeeded)) || (isType("IEND") && (length != 0 || !dataSeen)))
            return Part::broken;
        paletteNeeded = paletteNeeded && !isType("PLTE");
        dataEnded = dataEnded || (dataSeen && !data);
        dataSeen = dataSeen || data;
        crc = crc32(crc32(0L, Z_NULL, 0), frame + 4, 4);
        left = length;
        return left > 0 ? Part::data : Part::crc;
    }

    size_t takeData(const char* data, size_t size) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(size, left));
        if (whole) {
            crc = crc32Of(crc, data, count);
            if (isType("IDAT") && !inflatePiece(data, count)) {
                part = Part::broken;
                return count;
            }
        }
        left -= count;
        position += count;
        if (left == 0)
            part = Part::crc;
        return count;
    }

    Part crcRead() {
        const uint32_t stored = readBigEndian32(reinterpret_cast<const unsigned char*>(held.data()));
        held.clear();
        if (whole && stored != crc)
            return Part::broken;
        if (!isType("IEND"))
            return Part::frame;
        return !whole || (streamEnded && inflated == expected) ? Part::ended : Part::broken;
    }

    static uLong crc32Of(uLong crc, const char* data, size_t size) {
        while (size > 0) {
            const uInt piece = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
            crc = crc32(crc, reinterpret_cast<const Bytef*>(data), piece);
            data += piece;
            size -= piece;
        }
        return crc;
    }

    // Inflates into the scratch buffer and counts what comes out. Bytes
    // after the stream's end are let pass, as the decoder lets them.
    bool inflatePiece(const char* data, size_t size) {
        if (!inflating)
            return false;
        while (size > 0 && !streamEnded) {
            const uInt piece = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
            zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
            zlib.avail_in = piece;
            do {
                zlib.next_out = scratch.data();
                zlib.avail_out = static_cast<uInt>(scratch.size());
                const int result = inflate(&zlib, Z_NO_FLUSH);
                inflated += scratch.size() - zlib.avail_out;
                // More than the header allows is a fault: stop before a
                // small file inflates for minutes.
                if ((result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) || inflated > expected)
                    return false;
                streamEnded = result == Z_STREAM_END;
            } while (!streamEnded && (zlib.avail_in > 0 || zlib.avail_out == 0));
            data += piece;
            size -= piece;
        }
        return true;
    }

    bool isType(const char* name) const { return std::memcmp(type, name, 4) == 0; }

    const uint64_t fileSize;
    const bool whole;
    Part part = Part::header;
    uint64_t position = 0;  // bytes taken so far
    std::string held;  // the bytes of the header, a frame or a checksum so far
    char type[4] = {};
    uint64_t left = 0;  // data bytes of the current chunk still to come
    uLong crc = 0;
    bool paletteNeeded = false;  // a palette picture before its PLTE chunk
    bool dataSeen = false;
    bool dataEnded = false;
    uint64_t expected = 0;
    uint64_t inflated = 0;
    bool streamEnded = false;
    bool inflating = false;
    z_stream zlib{};
    std::vector<Bytef> scratch = std::vector<Bytef>(whole ? 32 * 1024 : 0);
};

PngWalk::PngWalk(uint64_t fileSize, Depth depth) : state_(std::make_unique<State>(fileSize, depth)) {}

PngWalk::~PngWalk() = default;

bool PngWalk::feed(const char* data, size_t size) {
    return state_->feed(data, size);
}

bool PngWalk::sound() const {
    return state_->part == State::Part::ended;
}

bool pngStructureSound(const std::string& bytes) {
    PngWalk walk(bytes.size(), PngWalk::Depth::structure);
    return walk.feed(bytes.data(), bytes.size()) && walk.sound();
}

bool pngReadsWhole(InputFile& in) {
    PngWalk walk(in.size(), PngWalk::Depth::whole);
    std::vector<char> buffer(64 * 1024);
    while (!walk.sound()) {
        const long count = in.read(buffer.data(), buffer.size());
        if (count <= 0 || !walk.feed(buffer.data(), static_cast<size_t>(count)))
            return false;
    }
    return true;
}

bool pictureReadsWhole(const std::string& path) {
    std::unique_ptr<InputFile> in = FileAccess::current().openRead(path);
    return in && pngReadsWhole(*in);
}

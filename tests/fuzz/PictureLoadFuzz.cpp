// libFuzzer target: loading a page picture from arbitrary bytes. The bytes
// are served from memory under a PNG name and under a Targa name.
//
// Beyond "no crash, no leak, no hang": the name changes nothing; bytes that
// do not start with the PNG signature are never decoded (the page gets its
// blank picture); no picture beyond the pixel limit is kept. The check's
// whole read of the same bytes runs too, and never finds sound what the
// structure walk before a decode refuses.
//
// Debian's libpng and FreeImage are not built with coverage or sanitizers:
// the fuzzer sees coverage of our own code only, and a memory fault inside
// those libraries shows only if it crashes outright. To keep inputs that
// decode to different kinds of picture, the kind of each result is counted
// as a feature of its own (libFuzzer's extra counters).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <FreeImage.h>

#include "model/BigEndian.h"
#include "model/Imagen.h"
#include "model/PngWalk.h"
#include "tests/unit/support/MemoryFileAccess.h"

namespace {

const int32_t kBlankWidth = 7;
const int32_t kBlankHeight = 5;
const uint64_t kSkippedPixels = 4 * 1000 * 1000;

MemoryFileAccess& memoryFiles() {
    static MemoryFileAccess files;
    static ScopedFileAccess installed(files);
    return files;
}

__attribute__((section("__libfuzzer_extra_counters"))) uint8_t pictureKinds[1024];

void countKind(const Imagen& picture) {
    FIBITMAP* bitmap = picture.bitmap();
    unsigned kind = FreeImage_GetBPP(bitmap) ^ (unsigned(FreeImage_GetImageType(bitmap)) << 7) ^
                    (unsigned(FreeImage_GetColorType(bitmap)) << 4) ^ (FreeImage_IsTransparent(bitmap) ? 0x200u : 0);
    ++pictureKinds[kind % sizeof pictureKinds];
}

// Width times height as the first chunk of a PNG announces them; 0 when the
// bytes hold no such chunk.
uint64_t announcedPixels(const uint8_t* data, size_t size) {
    if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0)
        return 0;
    return uint64_t(readBigEndian32(data + 16)) * readBigEndian32(data + 20);
}

bool isBlank(const Imagen& picture) {
    FIBITMAP* bitmap = picture.bitmap();
    if (!bitmap || picture.width() != kBlankWidth || picture.height() != kBlankHeight ||
        FreeImage_GetBPP(bitmap) != 8)
        return false;
    for (int y = 0; y < kBlankHeight; ++y) {
        const BYTE* row = FreeImage_GetScanLine(bitmap, y);
        for (int x = 0; x < kBlankWidth; ++x)
            if (row[x] != 0)
                return false;
    }
    return true;
}

struct Outcome {
    uint32_t width;
    uint32_t height;
    unsigned bitsPerPixel;
};

Outcome loadAs(const char* name, const uint8_t* data, size_t size, bool& blank) {
    memoryFiles().files[name].assign(reinterpret_cast<const char*>(data), size);
    auto picture = Imagen::load(name, kBlankWidth, kBlankHeight);
    memoryFiles().files.erase(name);
    if (uint64_t(picture->width()) * picture->height() > Imagen::kMaxPixels)
        abort();  // the pixel limit failed
    blank = isBlank(*picture);
    countKind(*picture);
    return Outcome{picture->width(), picture->height(), FreeImage_GetBPP(picture->bitmap())};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Pictures below the limit but of many millions of pixels are sound and
    // refused by nothing; decoding one takes seconds and a gigabyte, which
    // would only slow the search down.
    uint64_t announced = announcedPixels(data, size);
    if (announced > kSkippedPixels && announced <= Imagen::kMaxPixels)
        return 0;
    bool pngBlank = false;
    bool targaBlank = false;
    Outcome png = loadAs("salon.png", data, size, pngBlank);
    Outcome targa = loadAs("salon.tga", data, size, targaBlank);
    if (png.width != targa.width || png.height != targa.height || png.bitsPerPixel != targa.bitsPerPixel ||
        pngBlank != targaBlank)
        abort();  // the name must not matter
    std::string bytes(reinterpret_cast<const char*>(data), size);
    memoryFiles().files["salon.png"] = bytes;
    bool whole = pictureReadsWhole("salon.png");
    memoryFiles().files.erase("salon.png");
    if (whole && !pngStructureSound(bytes))
        abort();  // the two walks disagree
    bool isPng = size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1A\n", 8) == 0;
    if (!isPng && !pngBlank)
        abort();  // something other than a PNG was decoded
    return 0;
}

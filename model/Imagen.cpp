#include "Imagen.h"

#include <FreeImage.h>

#include <utility>

#include "FileAccess.h"
#include "PngChunks.h"
#include "PngWalk.h"

namespace {

#ifdef FREEIMAGE_LIB
// A statically linked FreeImage (the Windows program) registers no format
// until asked to; the shared library does it when it is loaded.
struct FreeImageLifetime {
    FreeImageLifetime() { FreeImage_Initialise(TRUE); }
    ~FreeImageLifetime() { FreeImage_DeInitialise(); }
};
FreeImageLifetime freeImageLifetime;
#endif

// Pages are PNG pictures, so only a PNG is ever decoded, whatever its name
// says: handing other bytes to the decoders of other formats would expose the
// editor to every fault those decoders have. Only the structure is walked
// first, not the checksums and compressed data: the decoder checks those
// itself, and refuses what is damaged, so a page shown pays no second
// inflate. Throws ImagenException.
FIBITMAP* decodeFile(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(FileAccess::current(), path, bytes) || !pngStructureSound(bytes) || !screenPngChunks(bytes) ||
        bytes.size() > 0xFFFFFFFFu)
        throw ImagenException();
    FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<DWORD>(bytes.size()));
    if (!memory)
        throw ImagenException();
    FIBITMAP* bitmap = nullptr;
    // Look at the header first: a small file may announce a huge picture.
    FIBITMAP* header = FreeImage_LoadFromMemory(FIF_PNG, memory, FIF_LOAD_NOPIXELS);
    if (header) {
        bool acceptable = Imagen::sizeAcceptable(FreeImage_GetWidth(header), FreeImage_GetHeight(header));
        FreeImage_Unload(header);
        if (acceptable) {
            FreeImage_SeekMemory(memory, 0, SEEK_SET);
            bitmap = FreeImage_LoadFromMemory(FIF_PNG, memory, 0);
        }
    }
    FreeImage_CloseMemory(memory);
    if (!bitmap)
        throw ImagenException();
    return bitmap;
}

}  // namespace

bool Imagen::sizeAcceptable(int64_t width, int64_t height) {
    return width > 0 && height > 0 &&
           static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= kMaxPixels;
}

Imagen::Imagen(FIBITMAP* bitmap) : bitmap_(bitmap) {}

Imagen::Imagen(int32_t blankWidth, int32_t blankHeight) : bitmap_(nullptr) {
    if (sizeAcceptable(blankWidth, blankHeight)) {
        blankWidth_ = static_cast<uint32_t>(blankWidth);
        blankHeight_ = static_cast<uint32_t>(blankHeight);
    }
}

std::unique_ptr<Imagen> Imagen::blank(int32_t width, int32_t height) {
    return std::unique_ptr<Imagen>(new Imagen(width, height));
}

Imagen::~Imagen() {
    if (bitmap_)
        FreeImage_Unload(bitmap_);
}

std::unique_ptr<Imagen> Imagen::load(const std::string& path, int32_t fallbackWidth, int32_t fallbackHeight) {
    std::unique_ptr<Imagen> decoded = decode(path);
    return decoded ? std::move(decoded) : blank(fallbackWidth, fallbackHeight);
}

std::unique_ptr<Imagen> Imagen::decode(const std::string& path) {
    try {
        return std::make_unique<Imagen>(decodeFile(path));
    } catch (const ImagenException&) {
        return nullptr;
    }
}

bool Imagen::readSize(const std::string& path, uint32_t& width, uint32_t& height) {
    std::unique_ptr<InputFile> in = FileAccess::current().openRead(path);
    if (!in)
        return false;
    char start[kPngHeaderBytes];
    size_t have = 0;
    while (have < sizeof start) {
        long n = in->read(start + have, sizeof start - have);
        if (n <= 0)
            return false;
        have += static_cast<size_t>(n);
    }
    return parsePngHeader(std::string(start, sizeof start), width, height) && sizeAcceptable(width, height);
}

FIBITMAP* Imagen::bitmap() const {
    if (!bitmap_ && blankWidth_ > 0) {
        // FreeImage_Allocate clears the pixels: the blank picture is all zero.
        bitmap_ = FreeImage_Allocate(static_cast<int>(blankWidth_), static_cast<int>(blankHeight_), 8, 0, 0, 0);
        blankWidth_ = 0;
        blankHeight_ = 0;
    }
    return bitmap_;
}

uint32_t Imagen::width() const {
    return bitmap_ ? FreeImage_GetWidth(bitmap_) : blankWidth_;
}

uint32_t Imagen::height() const {
    return bitmap_ ? FreeImage_GetHeight(bitmap_) : blankHeight_;
}

size_t Imagen::memorySize() const {
    return bitmap_ ? FreeImage_GetMemorySize(bitmap_) : 0;
}

const void* Imagen::info() const {
    FIBITMAP* picture = bitmap();
    return picture ? FreeImage_GetInfo(picture) : nullptr;
}

const void* Imagen::bits() const {
    FIBITMAP* picture = bitmap();
    return picture ? FreeImage_GetBits(picture) : nullptr;
}

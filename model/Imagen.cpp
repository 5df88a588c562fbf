#include "Imagen.h"

#include <FreeImage.h>

#include "FileAccess.h"

namespace {

// Pictures beyond this many pixels are refused, whether decoded or blank, so
// that a hostile file cannot make the editor allocate gigabytes.
const uint64_t kMaxPixels = UINT64_C(100) * 1000 * 1000;

bool sizeAcceptable(int64_t width, int64_t height) {
    return width > 0 && height > 0 && static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= kMaxPixels;
}

// Decodes with the format found from the name; throws ImagenException.
FIBITMAP* decode(const std::string& path) {
    FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN)
        throw ImagenException();
    std::string bytes;
    if (!readWholeFile(FileAccess::current(), path, bytes) || bytes.empty() || bytes.size() > 0xFFFFFFFFu)
        throw ImagenException();
    FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<DWORD>(bytes.size()));
    if (!memory)
        throw ImagenException();
    FIBITMAP* bitmap = nullptr;
    // Look at the header first: a small file may announce a huge picture.
    FIBITMAP* header = FreeImage_LoadFromMemory(format, memory, FIF_LOAD_NOPIXELS);
    if (header) {
        bool acceptable = sizeAcceptable(FreeImage_GetWidth(header), FreeImage_GetHeight(header));
        FreeImage_Unload(header);
        if (acceptable) {
            FreeImage_SeekMemory(memory, 0, SEEK_SET);
            bitmap = FreeImage_LoadFromMemory(format, memory, 0);
        }
    }
    FreeImage_CloseMemory(memory);
    if (!bitmap)
        throw ImagenException();
    return bitmap;
}

FIBITMAP* blank(int32_t width, int32_t height) {
    if (!sizeAcceptable(width, height))
        return nullptr;
    return FreeImage_Allocate(width, height, 8, 0, 0, 0);
}

}  // namespace

Imagen::Imagen(FIBITMAP* bitmap) : bitmap_(bitmap) {}

Imagen::~Imagen() {
    if (bitmap_)
        FreeImage_Unload(bitmap_);
}

std::unique_ptr<Imagen> Imagen::load(const std::string& path, int32_t fallbackWidth, int32_t fallbackHeight) {
    try {
        return std::make_unique<Imagen>(decode(path));
    } catch (const ImagenException&) {
        return std::make_unique<Imagen>(blank(fallbackWidth, fallbackHeight));
    }
}

uint32_t Imagen::width() const {
    return bitmap_ ? FreeImage_GetWidth(bitmap_) : 0;
}

uint32_t Imagen::height() const {
    return bitmap_ ? FreeImage_GetHeight(bitmap_) : 0;
}

const void* Imagen::info() const {
    return bitmap_ ? FreeImage_GetInfo(bitmap_) : nullptr;
}

const void* Imagen::bits() const {
    return bitmap_ ? FreeImage_GetBits(bitmap_) : nullptr;
}

// Pictures (PNG and other formats) of a given size and bit depth, made with
// FreeImage, for the tests that need real picture files.
#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <string>

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

// The bytes of `bitmap` saved as `format`; "" when FreeImage could not.
inline std::string savedBytes(FIBITMAP* bitmap, FREE_IMAGE_FORMAT format) {
    std::string bytes;
    FIMEMORY* memory = FreeImage_OpenMemory();
    if (FreeImage_SaveToMemory(format, bitmap, memory, format == FIF_PNG ? PNG_Z_BEST_SPEED : 0)) {
        BYTE* data = nullptr;
        DWORD size = 0;
        if (FreeImage_AcquireMemory(memory, &data, &size))
            bytes.assign(reinterpret_cast<const char*>(data), size);
    }
    FreeImage_CloseMemory(memory);
    return bytes;
}

// The bytes of a picture file of `format`, made in memory; "" when FreeImage
// could not.
inline std::string pictureBytes(FREE_IMAGE_FORMAT format, int width, int height, int bitsPerPixel = 24) {
    FIBITMAP* bitmap = makeTestBitmap(width, height, bitsPerPixel);
    if (!bitmap)
        return std::string();
    std::string bytes = savedBytes(bitmap, format);
    FreeImage_Unload(bitmap);
    return bytes;
}

// A small RGB Photoshop file written by hand (FreeImage's own writer for the
// format leaks): header, three empty sections, raw planar pixels.
inline std::string psdBytes(int width, int height) {
    auto word = [](uint32_t value, int size) {
        std::string bytes;
        for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
            bytes += static_cast<char>(value >> shift);
        return bytes;
    };
    std::string bytes = "8BPS" + word(1, 2) + std::string(6, '\0') + word(3, 2) + word(height, 4) + word(width, 4) +
                        word(8, 2) + word(3, 2);
    bytes += word(0, 4) + word(0, 4) + word(0, 4) + word(0, 2);
    for (int i = 0; i < 3 * width * height; ++i)
        bytes += static_cast<char>(i * 7);
    return bytes;
}

inline std::string pngBytes(int width, int height, int bitsPerPixel = 24) {
    return pictureBytes(FIF_PNG, width, height, bitsPerPixel);
}

// The format FreeImage recognises in `bytes` by their content alone.
inline FREE_IMAGE_FORMAT fileTypeOf(std::string bytes) {
    FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<DWORD>(bytes.size()));
    FREE_IMAGE_FORMAT format = FreeImage_GetFileTypeFromMemory(memory, 0);
    FreeImage_CloseMemory(memory);
    return format;
}

// PNG pictures for the tests that need real picture files: made with
// FreeImage, or encoded here for the kinds FreeImage does not write.
#pragma once

#include <FreeImage.h>

#include <string>

#include "PngEncoder.h"

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

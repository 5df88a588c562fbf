#include "RgbPicture.h"

#include <FreeImage.h>

#include <algorithm>

#include "Imagen.h"

RgbPicture::RgbPicture(int32_t width, int32_t height, uint8_t red, uint8_t green, uint8_t blue)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0) {
    bytes_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3);
    for (size_t i = 0; i < bytes_.size(); i += 3) {
        bytes_[i] = red;
        bytes_[i + 1] = green;
        bytes_[i + 2] = blue;
    }
}

void RgbPicture::set(int32_t x, int32_t y, uint8_t red, uint8_t green, uint8_t blue) {
    uint8_t* pixel = at(x, y);
    pixel[0] = red;
    pixel[1] = green;
    pixel[2] = blue;
}

RgbPicture RgbPicture::cropped(const Rect& window) const {
    RgbPicture part(window.right - window.left, window.bottom - window.top);
    for (int32_t y = 0; y < part.height(); ++y)
        std::copy_n(at(window.left, window.top + y), static_cast<size_t>(part.width()) * 3, part.at(0, y));
    return part;
}

// The decoder keeps rows bottom up and, on this byte order, blue first.
RgbPicture RgbPicture::of(const Imagen& picture) {
    FIBITMAP* decoded = picture.bitmap();
    if (!decoded)
        return RgbPicture();
    FIBITMAP* converted = FreeImage_ConvertTo24Bits(decoded);
    if (!converted)
        return RgbPicture();
    const int32_t width = static_cast<int32_t>(FreeImage_GetWidth(converted));
    const int32_t height = static_cast<int32_t>(FreeImage_GetHeight(converted));
    RgbPicture copy(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const BYTE* row = FreeImage_GetScanLine(converted, height - 1 - y);
        for (int32_t x = 0; x < width; ++x, row += 3)
            copy.set(x, y, row[FI_RGBA_RED], row[FI_RGBA_GREEN], row[FI_RGBA_BLUE]);
    }
    FreeImage_Unload(converted);
    return copy;
}

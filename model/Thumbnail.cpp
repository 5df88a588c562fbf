#include "model/Thumbnail.h"

#include <FreeImage.h>

#include <algorithm>
#include <memory>

#include "model/Imagen.h"

RgbPicture Thumbnail::make(const std::string& path, int32_t width, int32_t height) {
    RgbPicture box(width, height, kBackground, kBackground, kBackground);
    const std::unique_ptr<Imagen> decoded = Imagen::decode(path);
    if (!decoded || !decoded->bitmap() || box.width() <= 0)
        return box;
    const int32_t fullWidth = static_cast<int32_t>(decoded->width());
    const int32_t fullHeight = static_cast<int32_t>(decoded->height());
    // The larger proportion decides: the whole picture fits. A picture
    // smaller than the box is shown at its own size.
    int32_t shownWidth = width, shownHeight = height;
    if (int64_t{fullWidth} * height > int64_t{fullHeight} * width)
        shownHeight = std::max<int32_t>(1, static_cast<int32_t>(int64_t{fullHeight} * width / fullWidth));
    else
        shownWidth = std::max<int32_t>(1, static_cast<int32_t>(int64_t{fullWidth} * height / fullHeight));
    shownWidth = std::min(shownWidth, fullWidth);
    shownHeight = std::min(shownHeight, fullHeight);
    // Scaled straight from the decoded bitmap: no full-size copy is made.
    const Imagen small(FreeImage_Rescale(decoded->bitmap(), shownWidth, shownHeight, FILTER_BOX));
    const RgbPicture scaled = RgbPicture::of(small);
    const int32_t left = (width - shownWidth) / 2, top = (height - shownHeight) / 2;
    for (int32_t y = 0; y < scaled.height() && y < shownHeight; ++y)
        for (int32_t x = 0; x < scaled.width() && x < shownWidth; ++x) {
            const uint8_t* rgb = scaled.at(x, y);
            box.set(left + x, top + y, rgb[0], rgb[1], rgb[2]);
        }
    return box;
}

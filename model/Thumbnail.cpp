#include "model/Thumbnail.h"

#include <algorithm>
#include <memory>

#include "model/Imagen.h"

namespace {

// Each thumbnail pixel is the mean of the picture pixels it covers, so that
// thin lines fade instead of vanishing or flickering between thumbnails.
void shrinkInto(const RgbPicture& full, RgbPicture& box, int32_t left, int32_t top, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y) {
        const int32_t y0 = static_cast<int32_t>(int64_t{y} * full.height() / height);
        const int32_t y1 = std::max(y0 + 1, static_cast<int32_t>(int64_t{y + 1} * full.height() / height));
        for (int32_t x = 0; x < width; ++x) {
            const int32_t x0 = static_cast<int32_t>(int64_t{x} * full.width() / width);
            const int32_t x1 = std::max(x0 + 1, static_cast<int32_t>(int64_t{x + 1} * full.width() / width));
            uint64_t sum[3] = {0, 0, 0};
            for (int32_t sy = y0; sy < y1; ++sy)
                for (int32_t sx = x0; sx < x1; ++sx)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += full.at(sx, sy)[c];
            const uint64_t count = static_cast<uint64_t>(y1 - y0) * static_cast<uint64_t>(x1 - x0);
            box.set(left + x, top + y, static_cast<uint8_t>(sum[0] / count), static_cast<uint8_t>(sum[1] / count),
                    static_cast<uint8_t>(sum[2] / count));
        }
    }
}

}  // namespace

RgbPicture Thumbnail::make(const std::string& path, int32_t width, int32_t height) {
    RgbPicture box(width, height, kBackground, kBackground, kBackground);
    RgbPicture full;
    {
        // The decoded bitmap goes as soon as its colours are copied.
        const std::unique_ptr<Imagen> decoded = Imagen::decode(path);
        if (!decoded)
            return box;
        full = RgbPicture::of(*decoded);
    }
    if (full.width() <= 0 || full.height() <= 0 || box.width() <= 0)
        return box;
    // The larger proportion decides: the whole picture fits.
    int32_t shownWidth = width, shownHeight = height;
    if (int64_t{full.width()} * height > int64_t{full.height()} * width)
        shownHeight = std::max<int32_t>(1, static_cast<int32_t>(int64_t{full.height()} * width / full.width()));
    else
        shownWidth = std::max<int32_t>(1, static_cast<int32_t>(int64_t{full.width()} * height / full.height()));
    if (shownWidth > full.width() || shownHeight > full.height()) {
        // A picture smaller than the box is shown at its own size.
        shownWidth = std::min(shownWidth, full.width());
        shownHeight = std::min(shownHeight, full.height());
    }
    shrinkInto(full, box, (width - shownWidth) / 2, (height - shownHeight) / 2, shownWidth, shownHeight);
    return box;
}

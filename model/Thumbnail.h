// A page's picture made small for the page pane: decoded on its own (not
// through the shared cache of decoded pictures, which it would fill with
// every page), scaled down at once and the full picture let go.
#pragma once

#include <cstdint>
#include <string>

#include "model/RgbPicture.h"

class Thumbnail {
public:
    // `path` (read through FileAccess::current()) fitted into `width` x
    // `height`, its proportions kept and centred on the background; the
    // background alone when the file cannot be decoded.
    static RgbPicture make(const std::string& path, int32_t width, int32_t height);
    // What a thumbnail shows around (or instead of) its picture.
    static const uint8_t kBackground = 0xD0;
};

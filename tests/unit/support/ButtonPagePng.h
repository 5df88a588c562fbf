// A generated button page as a PNG file's bytes, for tests that need the
// page as a picture file.
#pragma once

#include <string>
#include <vector>

#include "model/RgbPicture.h"
#include "tests/unit/support/PngEncoder.h"

inline std::string rgbPng(const RgbPicture& picture) {
    std::vector<std::string> rows;
    for (int32_t y = 0; y < picture.height(); ++y)
        rows.emplace_back(reinterpret_cast<const char*>(picture.at(0, y)), static_cast<size_t>(picture.width()) * 3);
    return encodePng(static_cast<uint32_t>(picture.width()), static_cast<uint32_t>(picture.height()), 8, 2, rows);
}

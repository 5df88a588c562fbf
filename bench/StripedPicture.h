// The picture the canvas benchmarks show: a 24-bit PNG of horizontal
// stripes, written once per size and run into a folder removed at exit.
#pragma once

#include <FreeImage.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "tests/unit/support/TempFolder.h"

inline const std::string& stripedPicture(int width, int height) {
    static TempFolder folder;
    static std::map<std::pair<int, int>, std::string> written;
    std::string& path = written[{width, height}];
    if (path.empty()) {
        path = folder.file("stripes-" + std::to_string(width) + "x" + std::to_string(height) + ".png");
        FIBITMAP* bitmap = FreeImage_Allocate(width, height, 24, 0, 0, 0);
        for (int y = 0; y < height; ++y)
            std::memset(FreeImage_GetScanLine(bitmap, y), (y * 7) & 0xFF, FreeImage_GetPitch(bitmap));
        FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_Z_BEST_SPEED);
        FreeImage_Unload(bitmap);
    }
    return path;
}

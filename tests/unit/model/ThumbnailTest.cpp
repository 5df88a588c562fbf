// A page's picture made small: fitted into the box with its proportions,
// centred, and the background where there is no picture.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "model/Thumbnail.h"
#include "tests/unit/support/ButtonPagePng.h"
#include "tests/unit/support/TempFolder.h"

namespace {

// Red on the left half, blue on the right.
std::string halves(TempFolder& folder, int32_t width, int32_t height) {
    RgbPicture picture(width, height, 255, 0, 0);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = width / 2; x < width; ++x)
            picture.set(x, y, 0, 0, 255);
    const std::string path = folder.file(std::to_string(width) + "x" + std::to_string(height) + ".png");
    std::ofstream(path, std::ios::binary) << rgbPng(picture);
    return path;
}

std::string colour(const RgbPicture& picture, int32_t x, int32_t y) {
    const uint8_t* pixel = picture.at(x, y);
    if (pixel[0] == Thumbnail::kBackground && pixel[1] == Thumbnail::kBackground)
        return "background";
    return pixel[0] > 200 && pixel[2] < 50 ? "red" : pixel[2] > 200 && pixel[0] < 50 ? "blue" : "mixed";
}

}  // namespace

TEST(Thumbnail, FitsThePictureIntoTheBoxCentred) {
    TempFolder folder;
    const struct { int32_t width, height; int32_t x, y; const char* seen; } rows[] = {
        {200, 100, 0, 18, "red"},          // wide: the full width, centred in height
        {200, 100, 47, 18, "blue"},
        {200, 100, 24, 0, "background"},   // above the picture
        {100, 200, 0, 18, "background"},   // tall: the full height, centred in width
        {100, 200, 15, 0, "red"},
        {100, 200, 32, 35, "blue"},
        {20, 10, 14, 13, "red"},           // smaller than the box: its own size
        {20, 10, 33, 22, "blue"},
        {20, 10, 13, 18, "background"},
    };
    for (const auto& row : rows) {
        const RgbPicture made = Thumbnail::make(halves(folder, row.width, row.height), 48, 36);
        ASSERT_EQ(made.width(), 48);
        ASSERT_EQ(made.height(), 36);
        EXPECT_EQ(colour(made, row.x, row.y), row.seen) << row.width << "x" << row.height << " at " << row.x << "," << row.y;
    }
    const RgbPicture missing = Thumbnail::make(folder.file("none.png"), 48, 36);
    EXPECT_EQ(colour(missing, 24, 18), "background");
}

#include <gtest/gtest.h>

#include <vector>

#include "ui/VisiblePart.h"

namespace {

// A width x height picture whose pixel (x, y) holds x + 16 y, bottom-up.
struct Numbered {
    Numbered(uint32_t width, uint32_t height) : pixels(width * height) {
        for (uint32_t y = 0; y < height; ++y)
            for (uint32_t x = 0; x < width; ++x)
                pixels[(height - 1 - y) * width + x] = x + 16 * y;
        rows.bits = reinterpret_cast<const uint8_t*>(pixels.data());
        rows.width = width;
        rows.height = height;
        rows.pitch = width * 4;
    }
    std::vector<uint32_t> pixels;
    PixelRows rows;
};

}  // namespace

// The buffer is the client area's worth at any zoom.
TEST(VisiblePart, EachScreenPixelShowsThePicturePixelItLiesIn) {
    Numbered picture(6, 5);
    struct Row {
        int32_t factor, originX, originY;
    };
    for (const Row& row : {Row{1, 0, 0}, Row{1, 2, 3}, Row{2, 3, 1}, Row{8, 13, 22}}) {
        std::vector<uint32_t> out;
        VisiblePart::fill(picture.rows, row.factor, row.originX, row.originY, 4, 3, false, out);
        ASSERT_EQ(12u, out.size());
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 4; ++x) {
                const uint32_t px = static_cast<uint32_t>((row.originX + x) / row.factor);
                const uint32_t py = static_cast<uint32_t>((row.originY + y) / row.factor);
                const uint32_t expected = px < 6 && py < 5 ? px + 16 * py : VisiblePart::kBackground;
                EXPECT_EQ(expected, out[static_cast<size_t>(y * 4 + x)]) << row.factor << " " << x << "," << y;
            }
    }
}

TEST(VisiblePart, GridShadesTheFirstRowAndColumnOfEachPicturePixel) {
    Numbered picture(2, 2);
    std::vector<uint32_t> out;
    VisiblePart::fill(picture.rows, 4, 0, 0, 8, 8, true, out);
    EXPECT_EQ(VisiblePart::gridShade(0), out[0]);
    EXPECT_EQ(VisiblePart::gridShade(1), out[4]);
    EXPECT_EQ(VisiblePart::gridShade(16), out[4 * 8 + 1]);
    EXPECT_EQ(17u, out[5 * 8 + 5]);
    EXPECT_NE(17u, VisiblePart::gridShade(17));
}

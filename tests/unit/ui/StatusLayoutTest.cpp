// The status bar's parts from the widths of their texts, at 96 and 144 DPI,
// on narrow and wide bars, and which messages show whole in their part.
#include <gtest/gtest.h>

#include "ui/StatusLayout.h"

namespace {

TEST(StatusLayout, FixedPartsFitTheirLongestTextsAndTheMessageTakesTheRest) {
    const struct {
        int32_t modeText, selectionText, margin, bar;
        std::array<int32_t, StatusLayout::kPartCount> ends;
        int32_t message;
        bool fits;
    } rows[] = {
        // 96 DPI: the 400-pixel minimum canvas and a 480-pixel page
        {131, 160, 10, 400, {141, 311, 400, 400}, 25, true},
        {131, 160, 10, 400, {141, 311, 400, 400}, 300, false},
        {131, 160, 10, 480, {141, 311, 480, 480}, 159, true},
        {131, 160, 10, 480, {141, 311, 480, 480}, 160, false},
        // 144 DPI: the mode gives way before the selection is cut
        {197, 240, 15, 1200, {212, 467, 1200, 1200}, 718, true},
        {197, 240, 15, 480, {212, 467, 480, 480}, 20, false},
        {197, 240, 15, 400, {145, 400, 400, 400}, 0, false},
        {197, 240, 15, 200, {0, 200, 200, 200}, 0, false},
    };
    for (const auto& row : rows) {
        const StatusLayout layout(row.modeText, row.selectionText, row.margin);
        EXPECT_EQ(row.ends, layout.partEnds(row.bar)) << row.bar;
        EXPECT_EQ(row.fits, layout.messageFits(row.message, row.bar)) << row.bar << " " << row.message;
    }
}

// The zoom keeps to the right end; on a narrow bar it leaves the message as
// much room as it takes.
TEST(StatusLayout, ZoomPartTakesTheRightEnd) {
    const StatusLayout layout(131, 160, 10, 60);
    EXPECT_EQ((std::array<int32_t, StatusLayout::kPartCount>{141, 311, 730, 800}), layout.partEnds(800));
    EXPECT_EQ((std::array<int32_t, StatusLayout::kPartCount>{141, 311, 356, 400}), layout.partEnds(400));
    EXPECT_EQ((std::array<int32_t, StatusLayout::kPartCount>{0, 50, 50, 50}), layout.partEnds(50));
    EXPECT_FALSE(layout.messageFits(410, 800));
}

}  // namespace

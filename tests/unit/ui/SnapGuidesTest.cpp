// Snapping candidates: the lines of the other regions and of the page, and
// which of a moved rectangle's lines meets one within reach.
#include <gtest/gtest.h>

#include <vector>

#include "ui/SnapGuides.h"

namespace {

TEST(SnapGuides, NearestLineWithinReachWinsEdgesBeforeCentres) {
    SnapGuides guides;
    guides.setTargets({Rect{100, 100, 200, 150}}, 400, 300);  // lines x 0 100 150 200 400, y 0 100 125 150 300
    const struct {
        std::vector<int32_t> lines;
        std::optional<int32_t> shift;  // none: nothing within reach
        int32_t guide;
    } across[] = {
        {SnapGuides::linesAcross(Rect{103, 10, 133, 40}), -3, 100},
        {SnapGuides::linesAcross(Rect{196, 10, 226, 40}), 4, 200},
        {SnapGuides::linesAcross(Rect{140, 10, 164, 40}), -2, 150},  // by its centre
        {SnapGuides::linesAcross(Rect{2, 10, 50, 40}), -2, 0},       // the page's edge
        {SnapGuides::linesAcross(Rect{10, 10, 40, 40}), std::nullopt, 0},
        {{105}, -5, 100},
        {{106}, std::nullopt, 0},
        {{398}, 2, 400},
    };
    for (const auto& c : across) {
        const auto snapped = guides.snapX(c.lines);
        EXPECT_EQ(c.shift, snapped ? std::optional<int32_t>(snapped->shift) : std::nullopt) << c.lines.front();
        EXPECT_EQ(c.shift ? c.guide : 0, snapped ? snapped->guide : 0) << c.lines.front();
    }
    const auto along = guides.snapY(SnapGuides::linesAlong(Rect{0, 122, 10, 130}));  // centre 126
    ASSERT_TRUE(along.has_value());
    EXPECT_EQ(-1, along->shift);  // the page's centre 150 is further than the region's 125
    guides.setTargets({}, 0, 0);
    EXPECT_FALSE(guides.snapX({0}).has_value());
}

}  // namespace

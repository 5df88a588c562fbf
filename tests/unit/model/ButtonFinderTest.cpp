// Button detection over small generated pages whose buttons are known: every
// kind of page, the fit under a point, and what the sensitivity lets through.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "model/ButtonFinder.h"
#include "model/ButtonPageMaker.h"

// How gtest prints a rectangle.
void PrintTo(const Rect& r, std::ostream* out) {
    *out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

namespace {

bool withinOnePixel(const Rect& a, const Rect& b) {
    return std::abs(a.left - b.left) <= 1 && std::abs(a.top - b.top) <= 1 && std::abs(a.right - b.right) <= 1 &&
           std::abs(a.bottom - b.bottom) <= 1;
}

// One square face of `side` pixels on a plain page.
RgbPicture squareOnPlainPage(int32_t side) {
    RgbPicture picture(60, 60, 240, 240, 240);
    for (int32_t y = 20; y < 20 + side; ++y)
        for (int32_t x = 20; x < 20 + side; ++x)
            picture.set(x, y, 30, 60, 200);
    return picture;
}

}  // namespace

// One page of each kind, each from its own seed; the fit is tried on one
// button of each page, a different one each time (the sanitizer build is slow).
TEST(ButtonFinder, FindsEveryButtonOfEveryKindOfPageAndNothingElse) {
    uint32_t seed = 3;
    for (const ButtonPageKind& kind : ButtonPageMaker::kinds()) {
        SCOPED_TRACE(kind.name() + ", seed " + std::to_string(seed));
        const ButtonPage page = ButtonPageMaker(kind, seed).make(260, 220, 2, 2);
        ButtonFinder finder(page.picture);
        const std::vector<Rect> found = finder.all(ButtonSensitivity::Medium);
        ASSERT_EQ(found.size(), page.buttons.size());
        for (const Rect& b : page.buttons)
            EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                    [&](const Rect& r) { return ButtonFinder::overlap(r, b) >= 0.9; }))
                << ::testing::PrintToString(b);
        const Rect& b = page.buttons[seed % page.buttons.size()];
        std::optional<Rect> fit = finder.at((b.left + b.right) / 2, (b.top + b.bottom) / 2);
        ASSERT_TRUE(fit);
        EXPECT_TRUE(withinOnePixel(*fit, b)) << ::testing::PrintToString(*fit) << " for " << ::testing::PrintToString(b);
        ++seed;
    }
}

TEST(ButtonFinder, NothingFitsOnTheBackgroundOrOffThePicture) {
    const ButtonPage page = ButtonPageMaker(ButtonPageMaker::kinds()[0], 5).make(260, 220, 2, 2);
    ButtonFinder finder(page.picture);
    const struct {
        int32_t x, y;
    } points[] = {{2, 2}, {258, 218}, {130, 70}, {-1, 100}, {100, 220}};
    for (const auto& point : points)
        EXPECT_FALSE(finder.at(point.x, point.y)) << point.x << "," << point.y;
    EXPECT_TRUE(ButtonFinder(RgbPicture(50, 50, 9, 9, 9)).all(ButtonSensitivity::High).empty());
}

TEST(ButtonFinder, HigherSensitivityTakesSmallerButtons) {
    const struct {
        int32_t side;
        bool low, medium, high;
    } rows[] = {{30, true, true, true}, {16, false, true, true}, {11, false, false, true}, {5, false, false, false}};
    for (const auto& row : rows) {
        const RgbPicture picture = squareOnPlainPage(row.side);
        ButtonFinder finder(picture);
        EXPECT_EQ(finder.all(ButtonSensitivity::Low).size(), row.low ? 1u : 0u) << row.side;
        EXPECT_EQ(finder.all(ButtonSensitivity::Medium).size(), row.medium ? 1u : 0u) << row.side;
        EXPECT_EQ(finder.all(ButtonSensitivity::High).size(), row.high ? 1u : 0u) << row.side;
    }
}

// The double-click looks at a window around the point first; a border that
// window cuts must still be taken in.
TEST(ButtonFinder, TheFitTakesInABorderThatTheFirstLookCuts) {
    const Rect outer{37, 50, 295, 136};
    RgbPicture picture(400, 200, 250, 250, 250);
    for (int32_t y = outer.top; y < outer.bottom; ++y)
        for (int32_t x = outer.left; x < outer.right; ++x) {
            const bool rim = x < outer.left + 3 || x >= outer.right - 3 || y < outer.top + 3 || y >= outer.bottom - 3;
            picture.set(x, y, rim ? 20 : 120, rim ? 20 : 200, rim ? 20 : 120);
        }
    EXPECT_EQ(ButtonFinder::fitAround(picture, 166, 93), outer);
}

TEST(ButtonPageMaker, TheSameSeedMakesTheSamePageAndButtonsStayApartOnIt) {
    const ButtonPageKind kind{PageBackground::Noisy, ButtonStyle::Outlined};
    const ButtonPage first = ButtonPageMaker(kind, 11).make(300, 300);
    const ButtonPage again = ButtonPageMaker(kind, 11).make(300, 300);
    const ButtonPage other = ButtonPageMaker(kind, 12).make(300, 300);
    EXPECT_EQ(first.buttons, again.buttons);
    EXPECT_EQ(0, std::memcmp(first.picture.at(0, 0), again.picture.at(0, 0), 300 * 300 * 3));
    EXPECT_NE(0, std::memcmp(first.picture.at(0, 0), other.picture.at(0, 0), 300 * 300 * 3));
    for (size_t i = 0; i < first.buttons.size(); ++i)
        for (size_t j = i + 1; j < first.buttons.size(); ++j)
            EXPECT_EQ(0.0, ButtonFinder::overlap(first.buttons[i], first.buttons[j]));
}

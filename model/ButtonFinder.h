// Finds the buttons drawn on a page picture: areas of one colour (a
// gradient counts as one) that stand free of the picture's edge and fill
// most of their bounding box, with a thin border around them taken in and
// the text and icons on them ignored. A drop shadow is an area of its own
// and stays out. Rectangles are picture pixels, right and bottom exclusive.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ColourAreas.h"
#include "Region.h"
#include "RgbPicture.h"

// How small and how ragged an area may be and still count as a button:
// a higher sensitivity misses fewer buttons and proposes more false ones.
enum class ButtonSensitivity { Low = 0, Medium = 1, High = 2 };

class ButtonFinder {
public:
    // Neighbouring pixels whose channels all differ by no more than this
    // belong to one area.
    static constexpr int kTolerance = 32;
    // The widest border taken in with the face it surrounds.
    static constexpr int32_t kMaxBorder = 6;

    // Intersection over union of two rectangles in order: 0 apart, 1 alike.
    static double overlap(const Rect& a, const Rect& b);

    // Reads `picture`, which must stay until the finder goes.
    explicit ButtonFinder(const RgbPicture& picture);

    // Every button, top to bottom, then left to right.
    std::vector<Rect> all(ButtonSensitivity sensitivity) const;
    // The button that (x, y) falls on, its text, icon or border included;
    // none on the background or outside the picture.
    std::optional<Rect> at(int32_t x, int32_t y) const;
    // The same, looking first at a small window of `picture` around the
    // point and at a larger one while the button does not fit in it: a
    // double-click should not wait for the whole page.
    static std::optional<Rect> fitAround(const RgbPicture& picture, int32_t x, int32_t y);

private:
    struct Limits {
        int32_t minSide;
        int64_t minPixels;
        double minFilled;  // share of the bounding box the face covers
    };
    static Limits limitsFor(ButtonSensitivity sensitivity);
    bool looksLikeFace(const ColourArea& area, const Limits& limits) const;
    // The face's bounds, grown to the border around it when it has one.
    Rect withBorder(const Rect& face) const;

    const RgbPicture& picture_;
    ColourAreas areas_;
};

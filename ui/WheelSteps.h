// Turns of a mouse wheel added up. A wheel sends a whole notch (120) at a
// time; a precision touchpad sends parts of one, which must add up rather
// than be lost. Portable.
#pragma once

#include <cstdint>

class WheelSteps {
public:
    static const int32_t kNotch = 120;

    // Adds `delta` and returns the whole notches now complete (negative
    // towards the user); the part of a notch left over is kept.
    int32_t notches(int32_t delta);
    // Adds `delta` and returns the pixels it scrolls at `pixelsPerNotch`,
    // so that parts of a notch scroll their share at once.
    int32_t pixels(int32_t delta, int32_t pixelsPerNotch);

private:
    int64_t rest_ = 0;  // in 120ths of a notch, or of a pixel for pixels()
};

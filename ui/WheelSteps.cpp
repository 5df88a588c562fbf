#include "ui/WheelSteps.h"

int32_t WheelSteps::notches(int32_t delta) {
    rest_ += delta;
    const int64_t whole = rest_ / kNotch;
    rest_ -= whole * kNotch;
    return static_cast<int32_t>(whole);
}

int32_t WheelSteps::pixels(int32_t delta, int32_t pixelsPerNotch) {
    rest_ += static_cast<int64_t>(delta) * pixelsPerNotch;
    const int64_t whole = rest_ / kNotch;
    rest_ -= whole * kNotch;
    return static_cast<int32_t>(whole);
}

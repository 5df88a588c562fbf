// A rectangle on a page picture bound to a command.
#pragma once

#include <climits>
#include <cstdint>

#include "Comando.h"

// Left, top, right, bottom: the layout of a Win32 RECT.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

// Coordinate arithmetic is done in 64 bits (files may hold extreme values)
// and brought back into range instead of overflowing.
inline int32_t saturated(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

// The same rectangle with left before right and top before bottom.
inline Rect cornersInOrder(const Rect& r) {
    return Rect{r.left < r.right ? r.left : r.right, r.top < r.bottom ? r.top : r.bottom,
                r.left < r.right ? r.right : r.left, r.top < r.bottom ? r.bottom : r.top};
}

struct Region {
    Rect coords;  // picture pixels at the picture's own size
    Comando comando;

    bool operator==(const Region& other) const { return coords == other.coords && comando == other.comando; }
    bool operator!=(const Region& other) const { return !(*this == other); }
};

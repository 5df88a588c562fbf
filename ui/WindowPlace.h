// Where the main window stood when it was last closed, kept in the
// settings as two whole numbers. Whether that place is still on a screen
// is the window's to ask the system.
#pragma once

#include <cstdint>
#include <string>

class Settings;

struct WindowPlace {
    int32_t x = 0;
    int32_t y = 0;
    // The size the user gave the window; 0 x 0 when it kept the page's.
    int32_t width = 0;
    int32_t height = 0;
};

// False when either coordinate is absent or not a whole number a screen may
// have. A size absent (kept before sizes were) or unusable loads as 0 x 0.
bool loadWindowPlace(Settings& store, WindowPlace& place);
// The size only when there is one.
void storeWindowPlace(Settings& store, const WindowPlace& place);

// A whole number, optionally negative (screens left of or above the main
// one), of at most a few digits; nothing else, no spaces.
bool parseCoordinate(const std::string& text, int32_t& value);

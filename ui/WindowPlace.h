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
};

// False when either value is absent or not a whole number a screen may have.
bool loadWindowPlace(Settings& store, WindowPlace& place);
void storeWindowPlace(Settings& store, const WindowPlace& place);

// A whole number, optionally negative (screens left of or above the main
// one), of at most a few digits; nothing else, no spaces.
bool parseCoordinate(const std::string& text, int32_t& value);

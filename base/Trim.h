// Trimming of what the user types into the dialogs' edit fields.
#pragma once

#include <string>

// The blanks trimmed from both ends of typed text, in this order.
extern const char kTrimSet[];

// `text` without the characters of kTrimSet at either end; blanks inside
// stay, and text made only of blanks becomes empty.
std::string trim(std::string text);

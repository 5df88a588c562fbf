// A list of file names for a message box: one a line, and past a screenful
// only how many more there are, so that the box still fits on the screen.
#pragma once

#include <string>
#include <vector>

extern const size_t kListedNamesMax;  // 20

// "a.png\nb.png\n" or, past the limit, the first names then "y 5 m\xE1s".
std::string nameListText(const std::vector<std::string>& names);

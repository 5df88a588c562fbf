#include "Trim.h"

const char kTrimSet[] = " \f\n\r\t\v";

std::string trim(std::string text) {
    // Cut the tail first, then the head: when nothing but blanks is left the
    // first cut already empties the string.
    size_t last = text.find_last_not_of(kTrimSet);
    text.erase(last == std::string::npos ? 0 : last + 1);
    size_t first = text.find_first_not_of(kTrimSet);
    text.erase(0, first == std::string::npos ? text.size() : first);
    return text;
}

#include "base/NameList.h"

const size_t kListedNamesMax = 20;

std::string nameListText(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size() && i < kListedNamesMax; ++i)
        text += names[i] + "\n";
    if (names.size() > kListedNamesMax)
        text += "y " + std::to_string(names.size() - kListedNamesMax) + " m\xE1s\n";
    return text;
}

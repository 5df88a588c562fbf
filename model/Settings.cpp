#include "model/Settings.h"

namespace {

Settings* installed = nullptr;

}  // namespace

Settings& Settings::current() {
    static MemorySettings fallback;
    return installed ? *installed : fallback;
}

void Settings::install(Settings* settings) {
    installed = settings;
}

bool Settings::readNumber(const char* name, uint32_t& value) {
    std::string text;
    if (!readText(name, text) || text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long long number = std::stoull(text);
    if (number > UINT32_MAX)
        return false;
    value = static_cast<uint32_t>(number);
    return true;
}

bool Settings::readSwitch(const char* name, bool absent) {
    uint32_t value = 0;
    return readNumber(name, value) ? value != 0 : absent;
}

bool Settings::writeNumber(const char* name, uint32_t value) {
    return writeText(name, std::to_string(value));
}

bool MemorySettings::readText(const char* name, std::string& value) {
    auto found = values.find(name);
    if (found == values.end())
        return false;
    value = found->second;
    return true;
}

bool MemorySettings::writeText(const char* name, const std::string& value) {
    values[name] = value;
    return true;
}

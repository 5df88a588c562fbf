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

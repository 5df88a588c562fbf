// Per-user settings: a few named values the editor keeps between runs. The
// program keeps them in the registry (model/win32/RegistrySettings); tests and any
// build without one keep them in memory. Every value name lives here, so a
// reader sees at once what the editor stores.
#pragma once

#include <map>
#include <string>

namespace setting {
// The last device addresses that completed a transfer, most recent first,
// separated by ';' (text).
inline constexpr char kDireccionesDispositivo[] = "DireccionesDispositivo";
}  // namespace setting

class Settings {
public:
    virtual ~Settings() = default;
    // False when the value is absent or not text: "not set".
    virtual bool readText(const char* name, std::string& value) = 0;
    // False when it could not be stored (the editor goes on without it).
    virtual bool writeText(const char* name, const std::string& value) = 0;

    // The store the program uses; one in memory until another is installed.
    static Settings& current();
    // Installs `settings` (not owned); null goes back to memory.
    static void install(Settings* settings);
};

class MemorySettings : public Settings {
public:
    std::map<std::string, std::string> values;

    bool readText(const char* name, std::string& value) override;
    bool writeText(const char* name, const std::string& value) override;
};

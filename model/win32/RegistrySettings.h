// The per-user settings in the registry: text values of one key under
// HKEY_CURRENT_USER, "Software\Quenda" for the program. The key is made on
// the first write; an absent key, an absent value or a value of another
// type all read as "not set".
#pragma once

#include <string>

#include "model/Settings.h"

class RegistrySettings : public Settings {
public:
    static const char kProgramKey[];  // "Software\\Quenda"

    explicit RegistrySettings(const std::string& keyPath = kProgramKey) : keyPath_(keyPath) {}
    bool readText(const char* name, std::string& value) override;
    bool writeText(const char* name, const std::string& value) override;
    // REG_DWORD values.
    bool readNumber(const char* name, uint32_t& value) override;
    bool writeNumber(const char* name, uint32_t value) override;
    // Deletes the key and everything under it.
    bool removeAll();

private:
    std::string keyPath_;
};

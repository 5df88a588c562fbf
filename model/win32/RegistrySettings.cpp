#include "model/win32/RegistrySettings.h"

#include <windows.h>

#include <vector>

const char RegistrySettings::kProgramKey[] = "Software\\Quenda";

namespace {

// A setting is a short list or a word: anything longer is not ours.
const DWORD kLongestValue = 16 * 1024;

}  // namespace

bool RegistrySettings::readText(const char* name, std::string& value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = 0;
    bool read = false;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size <= kLongestValue) {
        std::vector<char> bytes(size + 1, '\0');
        read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
                   ERROR_SUCCESS &&
               type == REG_SZ;
        // Stored text need not end in a zero byte: the extra one above ends it.
        if (read)
            value.assign(bytes.data());
    }
    RegCloseKey(key);
    return read;
}

bool RegistrySettings::writeText(const char* name, const std::string& value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool RegistrySettings::removeAll() {
    LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, keyPath_.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistrySettings::readNumber(const char* name, uint32_t& value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof number;
    bool read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD && size == sizeof number;
    RegCloseKey(key);
    if (read)
        value = number;
    return read;
}

bool RegistrySettings::writeNumber(const char* name, uint32_t value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD number = value;
    bool written = RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                  sizeof number) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

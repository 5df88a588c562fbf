#include "transfer/DeviceAddress.h"

#include <algorithm>

namespace {

std::string trimmed(const std::string& text) {
    const char* blanks = " \t";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// One number of the address: 1 to 3 digits, no leading zero, at most 255.
bool parseOctet(const std::string& part, int& value) {
    if (part.empty() || part.size() > 3 || (part.size() > 1 && part[0] == '0'))
        return false;
    value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

}  // namespace

bool parseDeviceAddress(const std::string& text, std::string& address) {
    std::string candidate = trimmed(text);
    int octets[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        size_t end = i < 3 ? candidate.find('.', start) : candidate.size();
        if (end == std::string::npos || !parseOctet(candidate.substr(start, end - start), octets[i]))
            return false;
        start = end + 1;
    }
    bool allZero = octets[0] == 0 && octets[1] == 0 && octets[2] == 0 && octets[3] == 0;
    if (allZero || octets[0] >= 224)
        return false;
    address = candidate;
    return true;
}

std::vector<std::string> rememberedAddresses(const std::string& stored) {
    std::vector<std::string> addresses;
    size_t start = 0;
    while (start <= stored.size() && addresses.size() < kRememberedAddresses) {
        size_t end = std::min(stored.find(';', start), stored.size());
        std::string address;
        if (parseDeviceAddress(stored.substr(start, end - start), address) &&
            std::find(addresses.begin(), addresses.end(), address) == addresses.end())
            addresses.push_back(address);
        start = end + 1;
    }
    return addresses;
}

std::string rememberAddress(const std::string& stored, const std::string& address) {
    std::vector<std::string> addresses = rememberedAddresses(stored);
    addresses.erase(std::remove(addresses.begin(), addresses.end(), address), addresses.end());
    addresses.insert(addresses.begin(), address);
    if (addresses.size() > kRememberedAddresses)
        addresses.resize(kRememberedAddresses);
    std::string joined;
    for (const std::string& each : addresses)
        joined += (joined.empty() ? "" : ";") + each;
    return joined;
}

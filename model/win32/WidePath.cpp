#include "model/win32/WidePath.h"

#include <mutex>
#include <vector>

#include "model/WindowsPath.h"

namespace {

// The real folders behind the stand-ins "<1>", "<2>"... Made on the user
// interface thread, read by the recovery writer's too.
std::mutex standInsGuard;
std::vector<WideText> standIns;

std::string standInName(size_t index) {
    return "<" + std::to_string(index + 1) + ">";
}

// `path` with its stand-in replaced by the real folder; as it was otherwise.
WideText realWidePath(const std::string& path) {
    if (path.size() > 2 && path[0] == '<') {
        std::lock_guard<std::mutex> lock(standInsGuard);
        for (size_t i = 0; i < standIns.size(); ++i) {
            const std::string name = standInName(i);
            if (path.compare(0, name.size(), name) == 0)
                return standIns[i] + wideText(path.substr(name.size()));
        }
    }
    return wideText(path);
}

}  // namespace

WideText wideText(const std::string& text) {
    std::u16string utf16 = utf16FromCp1252(text);
    return WideText(utf16.begin(), utf16.end());
}

bool narrowText(const WCHAR* text, std::string& out) {
    WideText wide(text);
    return cp1252FromUtf16(std::u16string(wide.begin(), wide.end()), out);
}

std::string shownText(const WCHAR* text) {
    const int size = WideCharToMultiByte(1252, 0, text, -1, nullptr, 0, "?", nullptr);
    if (size <= 1)
        return std::string();
    std::string shown(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, text, -1, &shown[0], size, "?", nullptr);
    shown.resize(static_cast<size_t>(size) - 1);
    return shown;
}

WideText fullPath(const WideText& path) {
    // Longer input is refused here: Wine cut it to another, shorter path.
    if (path.size() >= kMaxSystemPath)
        return WideText();
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return WideText();
    WideText full(size, WCHAR());
    DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size)
        return WideText();
    full.resize(length);
    return full;
}

static std::u16string extendedPath(const std::string& path) {
    if (path.empty())
        return std::u16string();
    WideText full = fullPath(realWidePath(path));
    return extendedLengthForm(std::u16string(full.begin(), full.end()));
}

WideText systemPath(const std::string& path) {
    std::u16string extended = extendedPath(path);
    return WideText(extended.begin(), extended.end());
}

bool pathBeyondSystemLimits(const std::string& path) {
    std::u16string extended = extendedPath(path);
    // Too long even to be made full.
    if (extended.empty())
        return path.size() >= kMaxSystemPath;
    return !withinSystemLimits(extended);
}

std::string standInFor(const WideText& folder) {
    std::lock_guard<std::mutex> lock(standInsGuard);
    for (size_t i = 0; i < standIns.size(); ++i)
        if (standIns[i] == folder)
            return standInName(i);
    standIns.push_back(folder);
    return standInName(standIns.size() - 1);
}

std::string shownPath(const std::string& path) {
    return shownText(realWidePath(path).c_str());
}

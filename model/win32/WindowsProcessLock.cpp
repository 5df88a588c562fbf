// The lock file on Windows: opened with no sharing at all, so no other
// process can open it while this one holds it, and deleted on close, which
// the system does for a process that ends in any way.
#include <windows.h>

#include "model/ProcessLock.h"

namespace {

// Paths are Windows-1252 text, as everywhere in the program.
std::wstring wide(const std::string& text) {
    std::wstring out;
    const int length = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return out;
    out.resize(static_cast<size_t>(length));
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), &out[0], length);
    return out;
}

bool narrow(const wchar_t* text, std::string& out) {
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(1252, 0, text, -1, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    out.resize(static_cast<size_t>(length));
    WideCharToMultiByte(1252, 0, text, -1, &out[0], length, nullptr, nullptr);
    out.resize(static_cast<size_t>(length - 1));
    return true;
}

}  // namespace

ProcessLock::~ProcessLock() {
    release();
}

bool ProcessLock::hold(const std::string& path) {
    release();
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    handle_ = reinterpret_cast<intptr_t>(file);
    path_ = path;
    return true;
}

void ProcessLock::release() {
    if (handle_ == kNone)
        return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
    path_.clear();
}

std::vector<std::string> filesInFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wide(pattern + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && narrow(found.cFileName, name))
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// The lock file on Windows: opened with no sharing at all, so no other
// process can open it while this one holds it, and deleted on close, which
// the system does for a process that ends in any way.
#include <windows.h>

#include "model/ProcessLock.h"
#include "model/win32/WidePath.h"

ProcessLock::~ProcessLock() {
    release();
}

bool ProcessLock::hold(const std::string& path) {
    release();
    HANDLE file = CreateFileW(systemPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
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
    HANDLE search = FindFirstFileW(systemPath(pattern + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && narrowText(found.cFileName, name))
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Folders at any path length for the Windows unit tests and the GUI cases:
// deep ones made on purpose, and removal with everything inside.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "model/win32/WidePath.h"

// Folders of long names nested in `dir` (which ends with a backslash) until
// the path, with its trailing backslash, is `length` characters long.
inline std::string makeDeepFolder(std::string dir, size_t length) {
    while (dir.size() < length) {
        size_t room = length - dir.size() - 1;
        dir += std::string(room > 120 ? 100 : std::max<size_t>(room, 1), 'c') + "\\";
        CreateDirectoryW(systemPath(dir).c_str(), nullptr);
    }
    return dir;
}

// `dir` ends with a backslash; read-only files go too.
inline void removeFolderTree(const std::string& dir) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(systemPath(dir + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name;
            narrowText(entry.cFileName, name);
            if (name == "." || name == "..")
                continue;
            WideText path = systemPath(dir + name);
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeFolderTree(dir + name + "\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    WideText folder = systemPath(dir.substr(0, dir.size() - 1));
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

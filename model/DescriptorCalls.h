// What PosixFileAccess does differently in a POSIX C library and in
// MinGW-w64's Windows one: the open flags, the path separators, the flush
// to disk and the making of a folder. POSIX (PosixDescriptorCalls.cpp) and
// Windows (WindowsDescriptorCalls.cpp) halves.
#pragma once

#include <string>

// Added to every open(): binary mode on Windows, no inheritance by an exec
// on POSIX.
extern const int kDescriptorOpenFlags;
// The characters that end a folder's name in a path.
extern const char kPathSeparators[];

// 0 once what was written to `fd` is on the disk.
int syncToDisk(int fd);
// 0 when the folder `path` was made.
int makeFolder(const std::string& path);

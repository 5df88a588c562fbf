// File names between the program's Windows-1252 text and the UTF-16 the
// wide Windows calls take, and the extended form ("\\?\") those calls need
// for paths longer than 259 characters. Plain text work, no system calls:
// the Win32 file access makes the path full first, then asks for its form.
#pragma once

#include <cstddef>
#include <string>

// Every byte has its character; the five bytes Windows-1252 leaves unused
// stand for the control characters of the same value, as in Windows itself.
std::u16string utf16FromCp1252(const std::string& text);

// False when `text` holds a character Windows-1252 cannot write (it would
// name another file if it were approximated); `out` is then unspecified.
bool cp1252FromUtf16(const std::u16string& text, std::string& out);

// A full path in the form that lifts the 260-character limit:
// "C:\x" -> "\\?\C:\x", "\\server\share\x" -> "\\?\UNC\server\share\x".
// A path already in a device form ("\\?\", "\\.\") or not full is kept.
std::u16string extendedLengthForm(const std::u16string& fullPath);

// The longest path the system takes, its terminating NUL counted, and the
// longest single name the usual file systems (NTFS, FAT32, exFAT) allow.
const size_t kMaxSystemPath = 32767;
const size_t kMaxPathComponent = 255;

// Whether the system can use `extendedPath` at all: short enough in all and
// in each of its names.
bool withinSystemLimits(const std::u16string& extendedPath);

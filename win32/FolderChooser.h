// The shell's folder browser, for choosing the device's SD card.
#pragma once

#include <windows.h>

#include <string>

enum class FolderChoice { Cancelled, WithoutPath, UnsupportedCharacters, Chosen };

// Lets the user pick a folder; `path` gets its file-system path when the
// result is Chosen. A library or a phone has no such path (WithoutPath); a
// path with characters outside Windows-1252 cannot be the program's text.
FolderChoice chooseFolder(HWND owner, const char* title, std::string& path);

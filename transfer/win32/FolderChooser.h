// The shell's folder browser, for choosing the device's SD card.
// Win32 layer (wineg++).
#pragma once

#include <windows.h>

#include <string>

// The chosen folder's path, or "" when the user cancelled or the item has
// no file-system path.
std::string chooseFolder(HWND owner, const char* title);

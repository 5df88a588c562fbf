// The file Windows hands the program at start: "Abrir con", a file dropped
// on quenda.exe or its shortcut, or a command line typed by hand. The first
// argument is taken; any others are ignored.
#pragma once

#include <windows.h>

#include <string>

struct StartFile {
    // Full path in Windows-1252; "" when no file was given or it was refused.
    std::string path;
    // Why a given file cannot be opened, to show the user; null otherwise.
    const char* refusal = nullptr;
};

// Reads `commandLine` (GetCommandLineW's) as Windows splits it. A relative
// path is made full against the current directory, so this must run before
// anything moves it.
StartFile startFileFrom(const WCHAR* commandLine);

// The program's Windows-1252 text at the edge of the wide Windows calls:
// file names and paths go out as UTF-16, and what a dialog returns comes
// back only when Windows-1252 can write it.
#pragma once

#include <windows.h>

#include <string>

using WideText = std::basic_string<WCHAR>;

WideText wideText(const std::string& text);
// False when `text` holds a character Windows-1252 lacks.
bool narrowText(const WCHAR* text, std::string& out);
// `text` with '?' for each character Windows-1252 lacks: only to be shown.
std::string shownText(const WCHAR* text);

// `path` made full against the current directory; empty when it cannot be.
WideText fullPath(const WideText& path);

// `path` as the wide file calls take it at any length: made full against the
// current directory (which also resolves "..", "." and "/"), then given the
// "\\?\" form, which turns the system's own clean-up off. Empty when the
// path cannot be made full.
WideText systemPath(const std::string& path);

// True when no form of `path` is short enough for the system.
bool pathBeyondSystemLimits(const std::string& path);

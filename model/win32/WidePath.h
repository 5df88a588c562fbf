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

// `path` as the wide file calls take it at any length: its stand-in, if any,
// replaced, made full against the current directory (which also resolves
// "..", "." and "/"), then given the "\\?\" form, which turns the system's
// own clean-up off. Empty when the path cannot be made full.
WideText systemPath(const std::string& path);

// True when no form of `path` is short enough for the system.
bool pathBeyondSystemLimits(const std::string& path);

// A folder the program's text cannot name (the user's own folders on an
// account named in another script) is given a stand-in: a name that no real
// path can have, "<1>" and so on. A path that starts with it reaches the
// real folder through systemPath, so every wide file call works under it.
std::string standInFor(const WideText& folder);
// `path` as the user should read it: a stand-in becomes its real folder,
// with '?' for each character Windows-1252 lacks.
std::string shownPath(const std::string& path);

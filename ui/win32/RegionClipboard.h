// The clipboard's side of copying regions between pages, windows and
// projects: the program's own registered format, plus the same text as
// CF_TEXT so that a text editor shows it.
#pragma once

#include <windows.h>

#include <string>

// The program's registered clipboard format for regions; 0 when the
// system could not register it.
UINT regionClipboardFormat();

// True when the clipboard holds the program's region format.
bool clipboardHasRegion();

// Replaces the clipboard's content with `text` in both formats; false when
// the clipboard could not be taken or filled.
bool putRegionText(HWND owner, const std::string& text);

// The text of the program's format, up to its first zero byte; false when
// the format is absent or unreadable. Text beyond what a region may hold is
// cut there, so the reader refuses it without the whole of it being copied.
bool clipboardRegionText(HWND owner, std::string& text);

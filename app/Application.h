// Process-wide state of the program. Win32 layer (wineg++).
#pragma once

#include <windows.h>

extern HINSTANCE instanceHandle;
class Dialog;
extern Dialog* currentDialog;
extern POINT cascadePosition;  // where the next dialog opens; starts at (80, 32)

// Registers "QUENDADEFWINCLASS"; null cursor = arrow, null brush = white.
ATOM registerWindowClass(HCURSOR cursor, HBRUSH brush);

// Process-wide state of the window framework: module, window class, the
// cascade of dialog positions and the message loop.
#pragma once

#include <windows.h>

extern HINSTANCE instanceHandle;
extern POINT cascadePosition;  // where the next dialog opens; starts at (80, 32)

// The class of every window the program makes.
inline constexpr char kWindowClassName[] = "QUENDADEFWINCLASS";

// Registers kWindowClassName; null cursor = arrow, null brush = white.
ATOM registerWindowClass(HCURSOR cursor, HBRUSH brush);

// First step of every entry routine: stores `instance` and registers the
// window class (arrow cursor, light grey background) once per process.
void startApplication(HINSTANCE instance);

// One turn of the message loop: the accelerator table gets the first look
// at the message; only what it does not translate is dispatched.
void dispatchWithAccelerators(HACCEL accelerators, MSG& message);

// Runs the message loop until the quit message; returns its wParam.
int runMessageLoop(HACCEL accelerators);

// How a dialog tells the user what it refused. Win32 layer (wineg++).
#pragma once

#include <windows.h>

#include "ui/FormCheck.h"

// A message box owned by the dialog, with an empty title and an OK button,
// then the focus on the field at fault (if the check names one). The dialog
// stays open.
void showRefusal(HWND dialog, const FormCheck& check);

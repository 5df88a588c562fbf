// One way for every dialog to refuse input, so they all look alike.
#pragma once

#include <windows.h>

#include "base/FormCheck.h"

// Shows the message and puts the focus back where the fix is needed; the
// dialog stays open so nothing typed is lost.
void showRefusal(HWND dialog, const FormCheck& check);

#include "win32/DialogRefusal.h"

void showRefusal(HWND dialog, const FormCheck& check) {
    MessageBoxA(dialog, check.message.c_str(), "", MB_OK);
    if (check.focusControl == 0)
        return;
    // WM_NEXTDLGCTL, unlike SetFocus, also moves the default-button state
    // and selects the field's text.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, check.focusControl)), TRUE);
}

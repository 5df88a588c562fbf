#include "transfer/win32/DialogStatusObserver.h"

#include <commctrl.h>

#include "base/resource.h"
#include "transfer/TransferProgress.h"

void DialogStatusObserver::setStatus(const std::string& text) {
    SetDlgItemTextA(dialog_, IDC_SUBIR_ESTADO, text.c_str());
}

void DialogStatusObserver::setButtonLabel(const std::string& text) {
    SetDlgItemTextA(dialog_, IDCANCEL, text.c_str());
}

void DialogStatusObserver::setProgress(const TransferProgress& progress) {
    SendDlgItemMessageA(dialog_, IDC_SUBIR_PROGRESO, PBM_SETPOS, progressPermille(progress), 0);
    SetDlgItemTextA(dialog_, IDC_SUBIR_IMAGENES, picturesLine(progress).c_str());
}

void DialogStatusObserver::deviceFound(const std::string& address) {
    SendMessageA(dialog_, WM_DEVICE_FOUND, 0, reinterpret_cast<LPARAM>(&address));
}

void DialogStatusObserver::deviceServed(const std::string& address) {
    SendMessageA(dialog_, WM_DEVICE_SERVED, 0, reinterpret_cast<LPARAM>(&address));
}

void DialogStatusObserver::transferFailed() {
    SendMessageA(dialog_, WM_TRANSFER_FAILED, 0, 0);
}

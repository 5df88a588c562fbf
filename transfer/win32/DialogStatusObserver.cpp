#include "transfer/win32/DialogStatusObserver.h"

#include "resources/resource.h"

void DialogStatusObserver::setStatus(const std::string& text) {
    SetDlgItemTextA(dialog_, IDC_SUBIR_ESTADO, text.c_str());
}

void DialogStatusObserver::setButtonLabel(const std::string& text) {
    SetDlgItemTextA(dialog_, IDCANCEL, text.c_str());
}

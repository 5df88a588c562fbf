#include "win32/Dialog.h"

#include "win32/Application.h"

#include <exception>
#include <vector>

Dialog::Dialog(HWND parent, int templateId)
    : hwnd_(nullptr),
      parent_(parent),
      instance_(instanceHandle),
      templateName_(nullptr),
      templateId_(templateId),
      dialogProc_(&Dialog::sharedDialogProc),
      positionReleased_(true),
      cascadeStep_(20) {}

// The step taken at WM_INITDIALOG is given back exactly once, by close() or
// here, so that the next dialog opens where this one did.
void Dialog::releasePosition() {
    if (positionReleased_)
        return;
    cascadePosition.x -= cascadeStep_;
    cascadePosition.y -= cascadeStep_;
    positionReleased_ = true;
}

Dialog::~Dialog() {
    releasePosition();
}

INT_PTR Dialog::runModal() {
    const char* resource = templateId_ == -1 ? templateName_ : MAKEINTRESOURCEA(templateId_ & 0xFFFF);
    return DialogBoxParamA(instance_, resource, parent_, dialogProc_, reinterpret_cast<LPARAM>(this));
}

void Dialog::close(INT_PTR result) {
    releasePosition();
    EndDialog(hwnd_, result);
}

INT_PTR Dialog::onOk() {
    close(IDOK);
    return 1;
}

INT_PTR Dialog::onCancel() {
    close(IDCANCEL);
    return 1;
}

std::string Dialog::getItemText(int controlId) const {
    HWND control = GetDlgItem(hwnd_, controlId);
    int length = GetWindowTextLengthA(control);
    if (length < 0)
        length = 0;
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    GetWindowTextA(control, buffer.data(), length + 2);
    return std::string(buffer.data());
}

INT_PTR Dialog::initDialog() {
    SetWindowPos(hwnd_, nullptr, cascadePosition.x, cascadePosition.y, 0, 0, SWP_NOSIZE);
    cascadePosition.x += cascadeStep_;
    cascadePosition.y += cascadeStep_;
    positionReleased_ = false;
    return onInitDialog();
}

static INT_PTR dispatchCommand(Dialog& dialog, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDOK: return dialog.onOk();
    case IDCANCEL: return dialog.onCancel();
    default: return dialog.onCommand(wParam, LOWORD(lParam), HIWORD(lParam));
    }
}

// The object comes with WM_INITDIALOG (the parameter of runModal) and is
// kept with its window (DWLP_USER), so that each dialog window reaches its
// own object: while a nested dialog is up, what its owner receives (a
// worker's messages, say) still reaches the owner. The few messages before
// WM_INITDIALOG get the system's defaults.
Dialog* Dialog::bind(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    Dialog* dialog = reinterpret_cast<Dialog*>(lParam);
    if (!dialog)
        return nullptr;
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    dialog->hwnd_ = window;
    return dialog;
}

INT_PTR CALLBACK Dialog::sharedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = bind(window, message, lParam);
    if (!dialog)
        return 0;
    // No C++ exception may unwind through the system's frames.
    try {
        switch (message) {
        case WM_INITDIALOG: return dialog->initDialog();
        case WM_COMMAND: return dispatchCommand(*dialog, wParam, lParam);
        default: return dialog->onMessage(message, wParam, lParam);
        }
    } catch (const std::exception&) {
        return 0;
    } catch (...) {
        return 0;
    }
}

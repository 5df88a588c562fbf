// Base of the program's modal dialogs: the handlers are virtual so that each
// dialog overrides only what it needs. Nested dialogs open a little offset
// from their parent so that both stay visible.
#pragma once

#include <windows.h>

#include <string>

class Dialog {
public:
    Dialog(HWND parent, int templateId);
    ~Dialog();  // gives the cascade step back if close() did not
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog with this object bound to its window. 1 after close(1)
    // (OK), 2 after close(2) (Cancel), 0 or -1 when the dialog cannot be
    // created.
    INT_PTR runModal();
    void close(INT_PTR result);
    std::string getItemText(int controlId) const;

    virtual INT_PTR onInitDialog() { return 1; }
    virtual INT_PTR onOk();
    virtual INT_PTR onCancel();
    virtual INT_PTR onCommand(WPARAM, WORD, WORD) { return 0; }
    virtual INT_PTR onMessage(UINT, WPARAM, LPARAM) { return 0; }

    HWND hwnd() const { return hwnd_; }  // the dialog window, from WM_INITDIALOG on
    HWND parent() const { return parent_; }
    int templateId() const { return templateId_; }
    // False from WM_INITDIALOG until the dialog gave its cascade step back.
    bool positionReleased() const { return positionReleased_; }

    static INT_PTR CALLBACK sharedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static Dialog* bind(HWND window, UINT message, LPARAM lParam);
    INT_PTR initDialog();
    void releasePosition();

    HWND hwnd_;
    HWND parent_;
    HINSTANCE instance_;
    const char* templateName_;
    int templateId_;
    DLGPROC dialogProc_;
    bool positionReleased_;
    int cascadeStep_;
};

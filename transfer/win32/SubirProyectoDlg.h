// The network transfer progress dialog; runs the transfer worker while open.
// Beside waiting for the device's announcement it connects to an address
// the user types, and after a while without one says what may be wrong and
// offers the firewall rule.
#pragma once

#include <memory>
#include <string>

#include "win32/Dialog.h"

class Proyecto;
class SubirProyecto;

class SubirProyectoDlg : public Dialog {
public:
    SubirProyectoDlg(HWND owner, Proyecto* project);
    ~SubirProyectoDlg();  // stops and awaits the worker

    Proyecto* project;

    INT_PTR onInitDialog() override;
    INT_PTR onCancel() override;
    INT_PTR onCommand(WPARAM wParam, WORD, WORD) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool startWorker();
    void workerNotStarted();
    void stopWorker();
    void askForAddress();
    void deviceFound();
    void transferFailed();
    void showHint();
    void allowInFirewall();
    void disableButton(int control);
    void focusRightButton();

    bool connected_ = false;
    bool typedAttempt_ = false;  // the worker connects to a typed address
    bool ended_ = false;         // the worker failed and has ended
    std::string cancelLabel_;    // the right-hand button's, while waiting
    Dialog* addressDialog_ = nullptr;  // while open
    std::unique_ptr<SubirProyecto> worker_;  // null when none runs
};

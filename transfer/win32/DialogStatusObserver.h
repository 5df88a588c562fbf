// Shows the transfer worker's progress in the progress dialog: the status
// line, the button, the progress bar and the pictures line. Called on the
// worker's thread, which must be a CreateThread thread; the texts are sent
// to the dialog's thread.
#pragma once

#include <windows.h>

#include "transfer/TransferObserver.h"

// Sent to the dialog, the address (a const std::string*) in LPARAM.
const UINT WM_DEVICE_FOUND = WM_APP + 1;
const UINT WM_DEVICE_SERVED = WM_APP + 2;
const UINT WM_TRANSFER_FAILED = WM_APP + 3;

class DialogStatusObserver : public TransferObserver {
public:
    explicit DialogStatusObserver(HWND dialog) : dialog_(dialog) {}
    void setStatus(const std::string& text) override;
    void setButtonLabel(const std::string& text) override;
    bool showsProgress() const override { return true; }
    void setProgress(const TransferProgress& progress) override;
    void deviceFound(const std::string& address) override;
    void deviceServed(const std::string& address) override;
    void transferFailed() override;

private:
    HWND dialog_;
};

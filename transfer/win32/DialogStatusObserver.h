// Shows the transfer worker's progress in the progress dialog: the status
// line, the button, the progress bar and the pictures line. Called on the
// worker's thread, which must be a CreateThread thread; the texts are sent
// to the dialog's thread.
#pragma once

#include <windows.h>

#include "transfer/TransferObserver.h"

class DialogStatusObserver : public TransferObserver {
public:
    explicit DialogStatusObserver(HWND dialog) : dialog_(dialog) {}
    void setStatus(const std::string& text) override;
    void setButtonLabel(const std::string& text) override;
    bool showsProgress() const override { return true; }
    void setProgress(const TransferProgress& progress) override;

private:
    HWND dialog_;
};

// What the transfer worker shows: the status line and the label of the
// dialog's one button. Called on the worker's thread.
#pragma once

#include <string>

class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void setStatus(const std::string& text) = 0;
    virtual void setButtonLabel(const std::string& text) = 0;
};

// What the transfer worker shows: the status line, the label of the
// dialog's one button and, for an observer that shows it, the progress.
// Called on the worker's thread.
#pragma once

#include <string>

struct TransferProgress;

class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void setStatus(const std::string& text) = 0;
    virtual void setButtonLabel(const std::string& text) = 0;
    // Only an observer that shows progress has the worker count its bytes.
    virtual bool showsProgress() const { return false; }
    // At most about ten times a second, and once more at "<FIN>".
    virtual void setProgress(const TransferProgress&) {}
    // The wait is over: the worker connects to `address` (announced or typed).
    virtual void deviceFound(const std::string&) {}
    // The device at `address` said "<FIN>": the transfer is complete.
    virtual void deviceServed(const std::string&) {}
    // The exchange ended with the error just shown.
    virtual void transferFailed() {}
};

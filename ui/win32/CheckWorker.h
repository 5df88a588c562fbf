// Runs a CheckRun on a thread of its own, so that the window stays alive
// while a long check reads its pictures.
#pragma once

#include "win32/Thread.h"

class CheckRun;

class CheckWorker : public Thread {
public:
    explicit CheckWorker(CheckRun& check) : check_(check) {}
    // Waits for the thread.
    ~CheckWorker() override;

    int run() override;
    // Waits until the check has ended; the thread touches no window, so
    // nothing needs serving meanwhile.
    void waitUntilDone();
    // True when it ended within `milliseconds`.
    bool endsWithin(DWORD milliseconds);

private:
    CheckRun& check_;
};

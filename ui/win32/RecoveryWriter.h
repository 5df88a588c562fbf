// Writes recovery copies on a worker thread: printing a large project and
// flushing it to disk take long enough to be felt, and editing must never
// wait for a copy. One write at a time; while one is under way the store
// belongs to the worker, and the window waits for it before it touches the
// store itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "win32/Thread.h"

class Proyecto;
class RecoveryStore;

class RecoveryWriter : private Thread {
public:
    // After each write `doneMessage` is posted to `window`, wParam 1 when
    // the copy was written, 0 when it could not be.
    RecoveryWriter(RecoveryStore& store, HWND window, UINT doneMessage);
    ~RecoveryWriter() override;  // waits for a write under way

    // Starts writing a copy of `project` (taken now) stamped `now`; false
    // while a write is under way or when no thread can be started.
    bool start(const Proyecto& project, int64_t now);
    // Returns once no write is under way.
    void wait();

private:
    int run() override;

    RecoveryStore& store_;
    HWND window_;
    UINT doneMessage_;
    std::unique_ptr<Proyecto> project_;
    int64_t now_ = 0;
};

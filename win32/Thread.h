// Base of a worker thread made with CreateThread, so that it may call Win32
// (a thread of the C library would have no Wine thread environment).
#pragma once

#include <windows.h>

class Thread {
public:
    Thread();
    virtual ~Thread();  // closes the handle; does not wait for the thread
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // The body of the thread; its result is the thread's exit code.
    virtual int run() = 0;
    // Starts the thread at once; false when it cannot be created.
    bool start();

    DWORD threadId;
    HANDLE threadHandle;

private:
    static DWORD WINAPI startRoutine(LPVOID self);
};

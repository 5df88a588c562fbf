#include "win32/Thread.h"

Thread::Thread() : threadId(0), threadHandle(nullptr) {}

Thread::~Thread() {
    if (threadHandle)
        CloseHandle(threadHandle);
}

bool Thread::start() {
    threadHandle = CreateThread(nullptr, 0, &Thread::startRoutine, this, 0, &threadId);
    return threadHandle != nullptr;
}

DWORD WINAPI Thread::startRoutine(LPVOID self) {
    // No C++ exception may unwind into the system's thread start.
    try {
        return static_cast<DWORD>(static_cast<Thread*>(self)->run());
    } catch (...) {
        return static_cast<DWORD>(-1);
    }
}

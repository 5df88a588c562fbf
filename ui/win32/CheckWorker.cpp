#include "ui/win32/CheckWorker.h"

#include "ui/CheckRun.h"

CheckWorker::~CheckWorker() {
    waitUntilDone();
}

int CheckWorker::run() {
    check_.work();
    return 0;
}

void CheckWorker::waitUntilDone() {
    if (threadHandle)
        WaitForSingleObject(threadHandle, INFINITE);
}

bool CheckWorker::endsWithin(DWORD milliseconds) {
    return !threadHandle || WaitForSingleObject(threadHandle, milliseconds) == WAIT_OBJECT_0;
}

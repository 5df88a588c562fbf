#include "ui/win32/RecoveryWriter.h"

#include "model/Proyecto.h"
#include "model/RecoveryStore.h"

RecoveryWriter::RecoveryWriter(RecoveryStore& store, HWND window, UINT doneMessage)
    : store_(store), window_(window), doneMessage_(doneMessage) {}

RecoveryWriter::~RecoveryWriter() {
    wait();
}

bool RecoveryWriter::start(const Proyecto& project, int64_t now) {
    if (threadHandle && WaitForSingleObject(threadHandle, 0) != WAIT_OBJECT_0)
        return false;
    wait();
    // A copy of the model: the user goes on editing the real one meanwhile.
    // Pages hold no pixels, so this copies text and numbers only.
    project_.reset(new Proyecto(project));
    now_ = now;
    return Thread::start();
}

void RecoveryWriter::wait() {
    if (!threadHandle)
        return;
    WaitForSingleObject(threadHandle, INFINITE);
    CloseHandle(threadHandle);
    threadHandle = nullptr;
}

int RecoveryWriter::run() {
    const bool written = store_.writeCopy(*project_, now_);
    PostMessageA(window_, doneMessage_, written ? 1 : 0, 0);
    return 0;
}

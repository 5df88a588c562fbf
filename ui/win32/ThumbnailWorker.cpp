#include "ui/win32/ThumbnailWorker.h"

#include "model/Thumbnail.h"

ThumbnailWorker::ThumbnailWorker(HWND window, UINT message, int32_t width, int32_t height)
    : window_(window), message_(message), width_(width), height_(height) {
    InitializeCriticalSection(&lock_);
    wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    start();
}

ThumbnailWorker::~ThumbnailWorker() {
    EnterCriticalSection(&lock_);
    stopping_ = true;
    LeaveCriticalSection(&lock_);
    SetEvent(wake_);
    if (threadHandle)
        WaitForSingleObject(threadHandle, INFINITE);
    CloseHandle(wake_);
    DeleteCriticalSection(&lock_);
}

void ThumbnailWorker::ask(const std::string& key, const std::string& path) {
    EnterCriticalSection(&lock_);
    waiting_.push_back(Request{key, path});
    LeaveCriticalSection(&lock_);
    SetEvent(wake_);
}

void ThumbnailWorker::forget() {
    EnterCriticalSection(&lock_);
    waiting_.clear();
    LeaveCriticalSection(&lock_);
}

bool ThumbnailWorker::next(Request& request) {
    EnterCriticalSection(&lock_);
    const bool stop = stopping_;
    const bool found = !stop && !waiting_.empty();
    if (found) {
        request = waiting_.back();
        waiting_.pop_back();
    }
    LeaveCriticalSection(&lock_);
    if (!found && !stop)
        WaitForSingleObject(wake_, INFINITE);
    return !stop;
}

int ThumbnailWorker::run() {
    Request request;
    while (next(request)) {
        if (request.key.empty())
            continue;
        MadeThumbnail* made = new MadeThumbnail{request.key, Thumbnail::make(request.path, width_, height_)};
        if (!PostMessageA(window_, message_, 0, reinterpret_cast<LPARAM>(made)))
            delete made;
        request = Request();
    }
    return 0;
}

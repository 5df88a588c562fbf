// Makes the page pane's thumbnails on a thread of its own, one picture at a
// time, the one asked for last first (the rows just scrolled into view),
// and posts each to the window: `message` with a MadeThumbnail* as lParam,
// which the receiver deletes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "model/RgbPicture.h"
#include "win32/Thread.h"

struct MadeThumbnail {
    std::string key;  // as asked for
    RgbPicture picture;
};

class ThumbnailWorker : public Thread {
public:
    ThumbnailWorker(HWND window, UINT message, int32_t width, int32_t height);
    // Stops after the picture under way and waits for the thread.
    ~ThumbnailWorker() override;

    // The thumbnail of the picture file `path`, told apart by `key`.
    void ask(const std::string& key, const std::string& path);
    // Drops every picture still waiting (another project came).
    void forget();
    int run() override;

private:
    struct Request {
        std::string key;
        std::string path;
    };
    bool next(Request& request);

    HWND window_;
    UINT message_;
    int32_t width_;
    int32_t height_;
    CRITICAL_SECTION lock_;
    HANDLE wake_;
    std::vector<Request> waiting_;  // the latest last
    bool stopping_ = false;
};

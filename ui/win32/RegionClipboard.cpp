#include "ui/win32/RegionClipboard.h"

#include <cstring>

#include "model/ProjectFile.h"

namespace {

// Another program may hold the clipboard for a moment.
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(20);
    }
    return false;
}

// A movable global block holding `text` and a terminating zero.
HGLOBAL textBlock(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) {
        if (block)
            GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

// The clipboard owns a block once SetClipboardData took it.
bool setBlock(UINT format, const std::string& text) {
    HGLOBAL block = textBlock(text);
    if (!block)
        return false;
    if (SetClipboardData(format, block))
        return true;
    GlobalFree(block);
    return false;
}

}  // namespace

UINT regionClipboardFormat() {
    static const UINT format = RegisterClipboardFormatA("Quenda.Region");
    return format;
}

bool clipboardHasRegion() {
    return regionClipboardFormat() != 0 && IsClipboardFormatAvailable(regionClipboardFormat());
}

bool putRegionText(HWND owner, const std::string& text) {
    if (!regionClipboardFormat() || !openClipboard(owner))
        return false;
    bool done = EmptyClipboard() && setBlock(regionClipboardFormat(), text) && setBlock(CF_TEXT, text);
    CloseClipboard();
    return done;
}

bool clipboardRegionText(HWND owner, std::string& text) {
    if (!clipboardHasRegion() || !openClipboard(owner))
        return false;
    bool read = false;
    HANDLE block = GetClipboardData(regionClipboardFormat());
    const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (bytes) {
        size_t size = GlobalSize(block);
        if (size > kMaxRegionTextBytes + 1)
            size = kMaxRegionTextBytes + 1;
        const void* end = std::memchr(bytes, 0, size);
        text.assign(bytes, end ? static_cast<size_t>(static_cast<const char*>(end) - bytes) : size);
        GlobalUnlock(block);
        read = true;
    }
    CloseClipboard();
    return read;
}

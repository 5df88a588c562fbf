#include "model/win32/Win32FileAccess.h"

#include <windows.h>

#include "model/win32/WidePath.h"

namespace {

class Win32InputFile : public InputFile {
public:
    explicit Win32InputFile(HANDLE file) : file_(file) {}
    ~Win32InputFile() override { CloseHandle(file_); }

    uint64_t size() const override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file_, &size) || size.QuadPart < 0)
            return 0;
        return static_cast<uint64_t>(size.QuadPart);
    }

    long read(char* buffer, size_t capacity) override {
        DWORD wanted = capacity > 0x40000000 ? 0x40000000 : static_cast<DWORD>(capacity);
        DWORD got = 0;
        if (!ReadFile(file_, buffer, wanted, &got, nullptr))
            return -1;
        return static_cast<long>(got);
    }

private:
    HANDLE file_;
};

class Win32OutputFile : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE file) : file_(file), failed_(false) {}
    ~Win32OutputFile() override {
        if (file_ != INVALID_HANDLE_VALUE)
            CloseHandle(file_);
    }

    bool write(const char* data, size_t length) override {
        while (length > 0 && !failed_) {
            DWORD chunk = length > 0x40000000 ? 0x40000000 : static_cast<DWORD>(length);
            DWORD written = 0;
            // A full disk shows as a short write, not always as a failure.
            if (!WriteFile(file_, data, chunk, &written, nullptr) || written != chunk)
                failed_ = true;
            data += written;
            length -= written;
        }
        return !failed_;
    }

    bool commit() override {
        if (file_ == INVALID_HANDLE_VALUE)
            return false;
        bool flushed = FlushFileBuffers(file_) != 0;
        bool closed = CloseHandle(file_) != 0;
        file_ = INVALID_HANDLE_VALUE;
        return !failed_ && flushed && closed;
    }

private:
    HANDLE file_;
    bool failed_;
};

}  // namespace

// Every call below takes the path through systemPath, so that folders deep
// in synced folders and shares work past 260 characters.

std::unique_ptr<InputFile> Win32FileAccess::openRead(const std::string& path) {
    WideText name = systemPath(path);
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    // A folder opens too on some systems; it is not a file to read.
    DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(file);
        return nullptr;
    }
    return std::unique_ptr<InputFile>(new Win32InputFile(file));
}

// Windows refuses to overwrite a read-only file; Wine run as root would not,
// so the attribute is honoured here on every system.
static bool isReadOnlyFile(const WideText& name) {
    DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::unique_ptr<OutputFile> Win32FileAccess::create(const std::string& path) {
    WideText name = systemPath(path);
    if (isReadOnlyFile(name))
        return nullptr;
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::unique_ptr<OutputFile>(new Win32OutputFile(file));
}

bool Win32FileAccess::exists(const std::string& path) {
    return GetFileAttributesW(systemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// CopyFile carries the source's attributes over: a read-only picture would
// make its copy read-only, and every later copy to that place would fail.
bool Win32FileAccess::copy(const std::string& from, const std::string& to) {
    WideText target = systemPath(to);
    if (isReadOnlyFile(target) || !CopyFileW(systemPath(from).c_str(), target.c_str(), FALSE))
        return false;
    DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (!(attributes & FILE_ATTRIBUTE_READONLY) ||
            SetFileAttributesW(target.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)));
}

// Each folder along the path is made in turn; those there already (a
// drive, a share) fail harmlessly. What counts is the folder at the end.
bool Win32FileAccess::createFolders(const std::string& folder) {
    WideText full = systemPath(folder);
    if (full.empty())
        return false;
    // Past the "\\?\" that starts every such path.
    for (size_t end = full.find(L'\\', 4); end != WideText::npos; end = full.find(L'\\', end + 1))
        CreateDirectoryW(full.substr(0, end).c_str(), nullptr);
    CreateDirectoryW(full.c_str(), nullptr);
    DWORD attributes = GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileAccess::replace(const std::string& from, const std::string& to) {
    WideText target = systemPath(to);
    if (isReadOnlyFile(target))
        return false;
    DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return MoveFileExW(systemPath(from).c_str(), target.c_str(), flags) != 0;
}

bool Win32FileAccess::remove(const std::string& path) {
    return DeleteFileW(systemPath(path).c_str()) != 0;
}

bool Win32FileAccess::pathTooLong(const std::string& path) {
    return pathBeyondSystemLimits(path);
}

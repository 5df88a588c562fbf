#include "PosixFileAccess.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/DescriptorCalls.h"

namespace {

class PosixInputFile : public InputFile {
public:
    PosixInputFile(int fd, uint64_t size) : fd_(fd), size_(size) {}
    ~PosixInputFile() override { ::close(fd_); }
    uint64_t size() const override { return size_; }
    long read(char* buffer, size_t capacity) override {
        for (;;) {
            ssize_t n = ::read(fd_, buffer, capacity);
            if (n >= 0 || errno != EINTR)
                return static_cast<long>(n);
        }
    }

private:
    int fd_;
    uint64_t size_;
};

class PosixOutputFile : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool write(const char* data, size_t length) override {
        while (length > 0) {
            ssize_t n = ::write(fd_, data, length);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data += n;
            length -= static_cast<size_t>(n);
        }
        return true;
    }
    bool commit() override {
        bool synced = syncToDisk(fd_) == 0;
        bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return synced && closed;
    }

private:
    int fd_;
};

}  // namespace

std::unique_ptr<InputFile> PosixFileAccess::openRead(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | kDescriptorOpenFlags);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixInputFile>(fd, static_cast<uint64_t>(info.st_size));
}

std::unique_ptr<OutputFile> PosixFileAccess::create(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | kDescriptorOpenFlags, 0644);
    if (fd < 0)
        return nullptr;
    return std::make_unique<PosixOutputFile>(fd);
}

bool PosixFileAccess::exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// Each folder along the path is made in turn; those there already (the
// root, a drive) fail harmlessly. What counts is the folder at the end.
bool PosixFileAccess::createFolders(const std::string& folder) {
    for (size_t end = folder.find_first_of(kPathSeparators, 1); end != std::string::npos;
         end = folder.find_first_of(kPathSeparators, end + 1))
        makeFolder(folder.substr(0, end));
    makeFolder(folder);
    struct stat info;
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PosixFileAccess::copy(const std::string& from, const std::string& to) {
    std::unique_ptr<InputFile> in = openRead(from);
    if (!in)
        return false;
    std::unique_ptr<OutputFile> out = create(to);
    if (!out)
        return false;
    char buffer[8192];
    for (;;) {
        long n = in->read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return out->commit();
        if (!out->write(buffer, static_cast<size_t>(n)))
            return false;
    }
}

bool PosixFileAccess::replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileAccess::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

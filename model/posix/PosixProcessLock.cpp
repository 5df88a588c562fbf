// The lock file over flock(): the lock goes with the open file, so the
// kernel drops it when the process ends, even by a crash; the file itself
// stays behind and is then free for anyone to take.
#include "model/ProcessLock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ProcessLock::~ProcessLock() {
    release();
}

bool ProcessLock::hold(const std::string& path) {
    release();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0)
            return false;
        if (flock(file, LOCK_EX | LOCK_NB) != 0) {
            close(file);
            return false;
        }
        // The holder before may have removed the file between our open and
        // our lock: the lock would then be on a file nobody can find.
        struct stat opened, named;
        if (fstat(file, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            handle_ = file;
            path_ = path;
            return true;
        }
        close(file);
    }
    return false;
}

void ProcessLock::release() {
    if (handle_ == kNone)
        return;
    // Removed while still held, so no one takes a file about to vanish.
    unlink(path_.c_str());
    close(static_cast<int>(handle_));
    handle_ = kNone;
    path_.clear();
}

std::vector<std::string> filesInFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
    if (!listing)
        return names;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    while (const dirent* entry = readdir(listing)) {
        struct stat info;
        if (stat((prefix + entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            names.push_back(entry->d_name);
    }
    closedir(listing);
    return names;
}

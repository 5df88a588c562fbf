// A lock file: a file that one process holds open so that no other can take
// it while that process runs, and that the system lets go of when the
// process ends, however it ends. Recovery copies use one each to tell a
// running editor's copy from one left by a crash: a process id alone can be
// reused by an unrelated process. With it, the folder listing that finds
// them. POSIX (PosixProcessLock.cpp) and Windows (WindowsProcessLock.cpp)
// halves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ProcessLock {
public:
    ProcessLock() = default;
    ~ProcessLock();  // release()
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    // Creates `path` or opens it and holds it. False when another process
    // (or another ProcessLock of this one) holds it, or it cannot be made.
    bool hold(const std::string& path);
    // Removes the file and lets go of it; nothing when none is held.
    void release();
    bool held() const { return handle_ != kNone; }

private:
    static constexpr intptr_t kNone = -1;
    intptr_t handle_ = kNone;
    std::string path_;
};

// The names of the files (not folders) in `folder`; empty when it cannot be
// read.
std::vector<std::string> filesInFolder(const std::string& folder);

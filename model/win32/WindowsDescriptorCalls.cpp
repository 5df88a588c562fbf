// The program uses PosixFileAccess through MinGW-w64's C runtime as the
// fallback before its Win32 file access is installed: files open in binary
// mode, descriptors are not inherited there anyway, and the flush to disk
// has another name.
#include "model/DescriptorCalls.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>

const int kDescriptorOpenFlags = O_BINARY;
const char kPathSeparators[] = "\\/";

int syncToDisk(int fd) {
    return ::_commit(fd);
}

int makeFolder(const std::string& path) {
    return ::_mkdir(path.c_str());
}

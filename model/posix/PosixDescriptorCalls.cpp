#include "model/DescriptorCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const int kDescriptorOpenFlags = O_CLOEXEC;
const char kPathSeparators[] = "/";

int syncToDisk(int fd) {
    return ::fsync(fd);
}

int makeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777);
}

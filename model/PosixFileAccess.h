// FileAccess over POSIX calls: used by the unit tests and the Linux tools, and
// by the program (through its C runtime) until it installs its Win32 one.
#pragma once

#include "FileAccess.h"

class PosixFileAccess : public FileAccess {
public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool createFolders(const std::string& folder) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
};

// FileAccess over the Win32 file functions: DOS paths (Z:\...) and Wine's own
// current directory work as they do on Windows, and so do paths longer than
// 260 characters, on shares too. Names are Windows-1252 text.
#pragma once

#include "model/FileAccess.h"

class Win32FileAccess : public FileAccess {
public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool createFolders(const std::string& folder) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    bool pathTooLong(const std::string& path) override;
};

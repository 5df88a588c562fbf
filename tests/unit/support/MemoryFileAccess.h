// A FileAccess over an in-memory map of names to bytes, for tests that need
// paths no real file system has (DOS names such as "Z:\\casa\\salon.png").
// As on a disk, a file is written only into a folder that exists: one made
// with createFolders, listed in `folders`, or holding a file already.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "model/FileAccess.h"

class MemoryFileAccess : public FileAccess {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;  // each with its trailing separator

    bool folderExists(const std::string& folder) const {
        if (folder.empty() || folders.count(folder) != 0)
            return true;
        for (const auto& file : files)
            if (folderOf(file.first) == folder)
                return true;
        return false;
    }
    bool createFolders(const std::string& folder) override {
        for (size_t end = folder.find_first_of("\\/"); end != std::string::npos;
             end = folder.find_first_of("\\/", end + 1))
            folders.insert(folder.substr(0, end + 1));
        return true;
    }

    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        auto found = files.find(path);
        if (found == files.end())
            return nullptr;
        return std::make_unique<Input>(found->second);
    }
    std::unique_ptr<OutputFile> create(const std::string& path) override {
        if (!folderExists(folderOf(path)))
            return nullptr;
        return std::make_unique<Output>(files, path);
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool copy(const std::string& from, const std::string& to) override {
        auto found = files.find(from);
        if (found == files.end() || !folderExists(folderOf(to)))
            return false;
        files[to] = found->second;
        return true;
    }
    bool replace(const std::string& from, const std::string& to) override {
        auto found = files.find(from);
        if (found == files.end() || !folderExists(folderOf(to)))
            return false;
        std::string bytes = found->second;
        files.erase(found);
        files[to] = bytes;
        return true;
    }
    bool remove(const std::string& path) override { return files.erase(path) != 0; }

private:
    class Input : public InputFile {
    public:
        // The map outlives every read of it.
        explicit Input(const std::string& bytes) : bytes_(bytes) {}
        uint64_t size() const override { return bytes_.size(); }
        long read(char* buffer, size_t capacity) override {
            size_t count = bytes_.size() - at_ < capacity ? bytes_.size() - at_ : capacity;
            bytes_.copy(buffer, count, at_);
            at_ += count;
            return static_cast<long>(count);
        }

    private:
        const std::string& bytes_;
        size_t at_ = 0;
    };

    // The file appears (empty) at once, as on a disk, and gets its bytes on commit.
    class Output : public OutputFile {
    public:
        Output(std::map<std::string, std::string>& files, const std::string& path) : files_(files), path_(path) {
            files_[path_].clear();
        }
        bool write(const char* data, size_t length) override {
            written_.append(data, length);
            return true;
        }
        bool commit() override {
            files_[path_] = written_;
            return true;
        }

    private:
        std::map<std::string, std::string>& files_;
        std::string path_;
        std::string written_;
    };
};

// Installs a FileAccess for the life of the object, then goes back to POSIX.
class ScopedFileAccess {
public:
    explicit ScopedFileAccess(FileAccess& access) { FileAccess::install(&access); }
    ~ScopedFileAccess() { FileAccess::install(nullptr); }
    ScopedFileAccess(const ScopedFileAccess&) = delete;
    ScopedFileAccess& operator=(const ScopedFileAccess&) = delete;
};

// POSIX file access whose writes fail once a given number of bytes has been
// written to files it created: a disk that fills up part-way.
#pragma once

#include <memory>
#include <string>

#include "model/PosixFileAccess.h"

class FailingFileAccess : public PosixFileAccess {
public:
    explicit FailingFileAccess(size_t bytesBeforeFailure) : budget_(bytesBeforeFailure) {}

    std::unique_ptr<OutputFile> create(const std::string& path) override {
        std::unique_ptr<OutputFile> real = PosixFileAccess::create(path);
        if (!real)
            return nullptr;
        return std::make_unique<Output>(std::move(real), budget_);
    }

private:
    class Output : public OutputFile {
    public:
        Output(std::unique_ptr<OutputFile> real, size_t& budget) : real_(std::move(real)), budget_(budget) {}
        bool write(const char* data, size_t length) override {
            // Writes what still fits, as a full disk does, then reports failure.
            size_t fits = length < budget_ ? length : budget_;
            budget_ -= fits;
            if (fits > 0)
                real_->write(data, fits);
            return fits == length;
        }
        bool commit() override { return real_->commit(); }

    private:
        std::unique_ptr<OutputFile> real_;
        size_t& budget_;
    };

    size_t budget_;
};

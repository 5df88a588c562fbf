// How far a network transfer has gone: bytes sent out of the project file
// plus the pictures the project lists, and how many of those pictures have
// gone. A picture the device asks for again adds nothing: the total is
// reached once every byte has gone once, and "<FIN>" fills it regardless.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TransferObserver;

struct TransferProgress {
    uint64_t bytesSent = 0;
    uint64_t bytesTotal = 0;
    size_t picturesSent = 0;
    size_t picturesTotal = 0;
    bool finished = false;
};

// The progress bar's range: thousandths.
const int kProgressScale = 1000;

// Thousandths done, for the progress bar: full once finished.
int progressPermille(const TransferProgress& progress);
// "N de M im\xE1genes"
std::string picturesLine(const TransferProgress& progress);

// Counts what the worker sends and passes it on to the observer, at most
// once per `kInterval` milliseconds except for the first and the last.
class ProgressMeter {
public:
    static const uint64_t kInterval = 100;
    using Clock = std::function<uint64_t()>;  // milliseconds

    // Takes the sizes of the project file and of the listed pictures (one
    // that cannot be opened counts as empty).
    ProgressMeter(TransferObserver& observer, const std::string& projectFile,
                  const std::vector<std::string>& pictureNames, const std::vector<std::string>& picturePaths,
                  Clock clock = Clock());

    // Shows the starting point.
    void start();
    void addBytes(size_t count);
    // True, once per name, for a listed picture not sent before: only then
    // are its bytes counted (see pictureSent).
    bool firstSending(const std::string& name);
    void pictureSent();
    void finish();
    const TransferProgress& progress() const { return progress_; }

private:
    void report(bool always);

    TransferObserver& observer_;
    Clock clock_;
    std::vector<std::string> unsent_;
    TransferProgress progress_;
    uint64_t lastReport_ = 0;
};

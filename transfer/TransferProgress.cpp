#include "transfer/TransferProgress.h"

#include <algorithm>
#include <chrono>

#include "model/FileAccess.h"
#include "transfer/TransferObserver.h"

int progressPermille(const TransferProgress& progress) {
    if (progress.finished)
        return kProgressScale;
    if (progress.bytesTotal == 0)
        return 0;
    uint64_t sent = std::min(progress.bytesSent, progress.bytesTotal);
    return static_cast<int>(sent * kProgressScale / progress.bytesTotal);
}

std::string picturesLine(const TransferProgress& progress) {
    return std::to_string(progress.picturesSent) + " de " + std::to_string(progress.picturesTotal) +
           " im\xE1genes";
}

static uint64_t steadyMilliseconds() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

static uint64_t fileSize(const std::string& path) {
    std::unique_ptr<InputFile> file = FileAccess::current().openRead(path);
    return file ? file->size() : 0;
}

ProgressMeter::ProgressMeter(TransferObserver& observer, const std::string& projectFile,
                             const std::vector<std::string>& pictureNames,
                             const std::vector<std::string>& picturePaths, Clock clock)
    : observer_(observer), clock_(clock ? clock : Clock(steadyMilliseconds)), unsent_(pictureNames) {
    progress_.bytesTotal = fileSize(projectFile);
    for (const std::string& path : picturePaths)
        progress_.bytesTotal += fileSize(path);
    progress_.picturesTotal = pictureNames.size();
}

void ProgressMeter::start() {
    report(true);
}

void ProgressMeter::addBytes(size_t count) {
    progress_.bytesSent += count;
    report(false);
}

bool ProgressMeter::firstSending(const std::string& name) {
    auto found = std::find(unsent_.begin(), unsent_.end(), name);
    if (found == unsent_.end())
        return false;
    unsent_.erase(found);
    return true;
}

void ProgressMeter::pictureSent() {
    ++progress_.picturesSent;
    report(false);
}

void ProgressMeter::finish() {
    progress_.finished = true;
    report(true);
}

void ProgressMeter::report(bool always) {
    uint64_t now = clock_();
    if (!always && now - lastReport_ < kInterval)
        return;
    lastReport_ = now;
    observer_.setProgress(progress_);
}

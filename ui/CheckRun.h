// One run of the project check shared by the thread that does it and the
// window that waits for it: the pages done so far, a stop asked for by the
// user, and the findings once it has ended. The window waits quietly a
// fifth of a second; only a check still running then shows its progress.
#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

#include "model/ProjectCheck.h"

class CheckRun {
public:
    // How long a check may take before its progress is shown.
    static constexpr unsigned kQuietMilliseconds = 200;

    // `project` must not change until work() has returned.
    CheckRun(const Proyecto& project, const CheckOptions& options);

    // The check itself, on the worker thread.
    void work();
    // From any thread: the check stops after the page it is on.
    void stop() { stopAsked_ = true; }

    bool finished() const { return finished_; }
    size_t pagesDone() const { return pagesDone_; }
    size_t pageCount() const { return pageCount_; }
    // Once finished: the findings, or none at all when a stop was asked
    // for, even one that came as the last page ended (a part of the
    // findings would read as a sound rest of the project).
    std::optional<std::vector<ProjectFinding>> findings() const;

private:
    const Proyecto& project_;
    const CheckOptions options_;
    std::atomic<bool> stopAsked_{false};
    std::atomic<bool> finished_{false};
    std::atomic<size_t> pagesDone_{0};
    const size_t pageCount_;
    CheckOutcome outcome_;
};

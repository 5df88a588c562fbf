#include "ui/CheckRun.h"

#include "model/Proyecto.h"

CheckRun::CheckRun(const Proyecto& project, const CheckOptions& options)
    : project_(project), options_(options), pageCount_(project.paginas.size()) {}

void CheckRun::work() {
    auto progress = [this](size_t done, size_t) {
        pagesDone_ = done;
        return !stopAsked_;
    };
    // Asked to stop before it began: nothing is read at all.
    if (stopAsked_)
        outcome_.stopped = true;
    else
        outcome_ = checkProject(project_, options_, progress);
    finished_ = true;
}

std::optional<std::vector<ProjectFinding>> CheckRun::findings() const {
    if (!finished_ || stopAsked_ || outcome_.stopped)
        return std::nullopt;
    return outcome_.findings;
}

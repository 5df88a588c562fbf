#include "model/RecoveryStore.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "model/Proyecto.h"
#include "model/Settings.h"

namespace {

const char kPrefix[] = "quenda-";
const char kCopyExtension[] = ".recuperacion";
const char kLockExtension[] = ".bloqueo";
// writeFileSafely's temporary file beside the copy, left by a crash mid-write.
const char kPartialExtension[] = ".recuperacion.quenda-tmp";
const char kFirstLine[] = "Quenda recuperacion";
const char kArchivoKey[] = "archivo=";
const char kHoraKey[] = "hora=";
const char kLineEnd[] = "\r\n";
const size_t kIdLength = 16;
// A copy is the project file and a few lines: the reader's own limit.
const uint64_t kLargestCopy = UINT64_C(64) * 1024 * 1024 + 64 * 1024;
const uint32_t kDefaultInterval = 60;
const uint32_t kLongestInterval = 24 * 60 * 60;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool isHexId(const std::string& id) {
    return id.size() == kIdLength && id.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// Random enough that two editors started in the same second differ; a name
// already held is refused by its lock anyway.
std::string newId() {
    static std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    char text[kIdLength + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

// The next line of `bytes` from `at`, without its CR LF; false without one.
bool nextLine(const std::string& bytes, size_t& at, std::string& line) {
    const size_t end = bytes.find(kLineEnd, at);
    if (end == std::string::npos)
        return false;
    line = bytes.substr(at, end - at);
    at = end + 2;
    return true;
}

bool parseHora(const std::string& text, int64_t& hora) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    hora = std::stoll(text);
    return true;
}

}  // namespace

uint32_t recoveryIntervalSeconds(Settings& settings) {
    uint32_t seconds = 0;
    if (!settings.readNumber(setting::kIntervaloRecuperacion, seconds) || seconds == 0)
        return kDefaultInterval;
    return seconds < kLongestInterval ? seconds : kLongestInterval;
}

std::string recoveryCopyText(const RecoveryHeader& header, const std::string& projectText) {
    return std::string(kFirstLine) + kLineEnd + kArchivoKey + header.archivo + kLineEnd + kHoraKey +
           std::to_string(header.hora) + kLineEnd + kLineEnd + projectText;
}

bool parseRecoveryCopy(const std::string& bytes, RecoveryHeader& header, std::string& projectText) {
    size_t at = 0;
    std::string first, archivo, hora, blank;
    if (!nextLine(bytes, at, first) || first != kFirstLine || !nextLine(bytes, at, archivo) ||
        !startsWith(archivo, kArchivoKey) || !nextLine(bytes, at, hora) || !startsWith(hora, kHoraKey) ||
        !nextLine(bytes, at, blank) || !blank.empty() || at >= bytes.size())
        return false;
    RecoveryHeader read;
    read.archivo = archivo.substr(sizeof kArchivoKey - 1);
    if (!parseHora(hora.substr(sizeof kHoraKey - 1), read.hora))
        return false;
    header = read;
    projectText = bytes.substr(at);
    return true;
}

std::string recoveryCopyName(const std::string& id) {
    return kPrefix + id + kCopyExtension;
}

std::string recoveryLockName(const std::string& id) {
    return kPrefix + id + kLockExtension;
}

bool recoveryIdOf(const std::string& fileName, std::string& id) {
    if (!startsWith(fileName, kPrefix))
        return false;
    for (const char* extension : {kCopyExtension, kLockExtension, kPartialExtension}) {
        const std::string end = extension;
        if (!endsWith(fileName, end))
            continue;
        const size_t start = sizeof kPrefix - 1;
        std::string candidate = fileName.substr(start, fileName.size() - start - end.size());
        if (!isHexId(candidate))
            return false;
        id = candidate;
        return true;
    }
    return false;
}

RecoveryStore::RecoveryStore(const std::string& folder, FileAccess& files) : folder_(folder), files_(files) {}

RecoveryStore::~RecoveryStore() = default;

std::string RecoveryStore::pathOf(const std::string& name) const {
    if (folder_.empty() || folder_.back() == '\\' || folder_.back() == '/')
        return folder_ + name;
    return folder_ + (folder_.find('\\') != std::string::npos ? "\\" : "/") + name;
}

std::string RecoveryStore::copyPath() const {
    return ownId_.empty() ? std::string() : pathOf(recoveryCopyName(ownId_));
}

// The lock comes first: from then on no other editor takes the copy for
// one left by a crash.
bool RecoveryStore::reserveOwnName() {
    if (ownLock_.held())
        return true;
    if (!files_.createFolders(folder_))
        return false;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string id = newId();
        if (files_.exists(pathOf(recoveryCopyName(id))))
            continue;
        if (ownLock_.hold(pathOf(recoveryLockName(id)))) {
            ownId_ = id;
            return true;
        }
    }
    return false;
}

bool RecoveryStore::writeCopy(const Proyecto& project, int64_t now) {
    const std::string projectText = printProject(project);
    if (hasCopy_ && projectText == lastText_)
        return true;
    if (!reserveOwnName())
        return false;
    RecoveryHeader header;
    header.archivo = project.archivo;
    header.hora = now;
    if (!writeFileSafely(files_, copyPath(), recoveryCopyText(header, projectText)))
        return false;
    hasCopy_ = true;
    lastText_ = projectText;
    return true;
}

void RecoveryStore::removeCopy() {
    dropSuperseded();
    if (!hasCopy_)
        return;
    files_.remove(copyPath());
    hasCopy_ = false;
    lastText_.clear();
}

std::vector<std::string> RecoveryStore::claimAbandoned() {
    std::vector<std::string> abandoned;
    for (const std::string& name : filesInFolder(folder_)) {
        std::string id;
        if (!recoveryIdOf(name, id) || id == ownId_ || claimed_.count(id))
            continue;
        auto lock = std::make_unique<ProcessLock>();
        if (!lock->hold(pathOf(recoveryLockName(id))))
            continue;  // its editor is running
        files_.remove(pathOf(recoveryCopyName(id) + ".quenda-tmp"));
        if (!files_.exists(pathOf(recoveryCopyName(id))))
            continue;  // the lock goes with `lock`
        claimed_[id] = std::move(lock);
        abandoned.push_back(id);
    }
    return abandoned;
}

bool RecoveryStore::readAbandoned(const std::string& id, RecoveryHeader& header, std::string& projectText) {
    std::string bytes;
    return claimed_.count(id) && readWholeFile(files_, pathOf(recoveryCopyName(id)), bytes, kLargestCopy) &&
           parseRecoveryCopy(bytes, header, projectText);
}

void RecoveryStore::discard(const std::string& id) {
    auto found = claimed_.find(id);
    if (found == claimed_.end())
        return;
    files_.remove(pathOf(recoveryCopyName(id)));
    claimed_.erase(found);
}

void RecoveryStore::giveUp(const std::string& id) {
    claimed_.erase(id);
}

void RecoveryStore::supersede(const std::string& id) {
    if (claimed_.count(id))
        superseded_.push_back(id);
}

void RecoveryStore::dropSuperseded() {
    for (const std::string& id : superseded_)
        discard(id);
    superseded_.clear();
}

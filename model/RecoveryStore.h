// Recovery copies: while a project has unsaved changes the editor keeps a
// copy of it, as it would be saved, in a folder of the user's own, so that
// a crash loses at most the last few moments of work. The next start offers
// the copies whose editor is no longer running.
//
// In the folder every editor that has written a copy owns one name, "id":
//   quenda-<id>.recuperacion   the copy: a short header, then the project
//   quenda-<id>.bloqueo        the lock file the editor holds while it runs
// A copy whose lock file is missing or free belongs to no running editor.
// Whoever takes such a lock (to offer the copy) holds it in turn, so two
// editors never offer, keep or delete the same copy.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/ProcessLock.h"

class FileAccess;
class Proyecto;
class Settings;

// Seconds between two copies: the setting IntervaloRecuperacion; a minute
// when it is absent or 0, a day at most.
uint32_t recoveryIntervalSeconds(Settings& settings);

// What a copy's header says: the project file it stands for ("" for a
// project never saved) and when it was written, in seconds since 1970 UTC.
struct RecoveryHeader {
    std::string archivo;
    int64_t hora = 0;
};

// The copy's bytes: the header, a blank line, then the project file's text.
std::string recoveryCopyText(const RecoveryHeader& header, const std::string& projectText);
// Splits a copy's bytes; false when the header is damaged or no project
// text follows it.
bool parseRecoveryCopy(const std::string& bytes, RecoveryHeader& header, std::string& projectText);

// The file names that belong to `id`, and the id a file name belongs to
// (false for any other file).
std::string recoveryCopyName(const std::string& id);
std::string recoveryLockName(const std::string& id);
bool recoveryIdOf(const std::string& fileName, std::string& id);

class RecoveryStore {
public:
    // `folder` is where the copies live (made on the first write).
    RecoveryStore(const std::string& folder, FileAccess& files);
    // Lets go of every lock held; the copies themselves stay, as after a
    // crash, unless they were removed.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const std::string& folder() const { return folder_; }

    // ---- this editor's copy ----
    // Writes `project` as it would be saved, stamped with `now`; the project
    // itself is not touched (it stays "modified"). A text equal to the copy
    // already written is not written again. False when the folder or the
    // copy cannot be written; the previous copy then stays as it was.
    bool writeCopy(const Proyecto& project, int64_t now);
    bool hasCopy() const { return hasCopy_; }
    // Removes this editor's copy; its name stays reserved until the end.
    void removeCopy();
    // Path of this editor's copy ("" before the first write).
    std::string copyPath() const;

    // ---- copies left by editors no longer running ----
    // Takes the lock of every copy whose editor is gone and returns their
    // ids. Lock files and half-written copies left without a copy are cleared.
    std::vector<std::string> claimAbandoned();
    // The copy of a claimed id; false when it cannot be read or is damaged.
    bool readAbandoned(const std::string& id, RecoveryHeader& header, std::string& projectText);
    // Deletes a claimed copy and lets go of it.
    void discard(const std::string& id);
    // Lets go of a claimed copy, left for a later start.
    void giveUp(const std::string& id);
    // The work of a claimed copy is now this editor's, but its own copy of
    // that work is not written yet: the old copy stays, and stays held, so
    // that no other editor offers the same work meanwhile.
    void supersede(const std::string& id);
    // Deletes the superseded copies: this editor's own copy now holds their
    // work, or the work was saved or dropped (removeCopy does this too).
    void dropSuperseded();

private:
    std::string pathOf(const std::string& name) const;
    bool reserveOwnName();

    std::string folder_;
    FileAccess& files_;
    std::string ownId_;
    ProcessLock ownLock_;
    bool hasCopy_ = false;
    std::string lastText_;  // what the copy holds, to skip rewriting it
    std::map<std::string, std::unique_ptr<ProcessLock>> claimed_;
    std::vector<std::string> superseded_;
};

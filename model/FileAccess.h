// Every file the core reads or writes goes through a FileAccess: the program
// installs one built on the Win32 file functions (so DOS paths and Wine's
// own current directory work), unit tests and Linux tools use POSIX.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A file opened for reading in chunks.
class InputFile {
public:
    virtual ~InputFile() = default;
    virtual uint64_t size() const = 0;
    // Reads up to `capacity` bytes; returns the count, 0 at the end, -1 on error.
    virtual long read(char* buffer, size_t capacity) = 0;
};

// A file being written; created or truncated by FileAccess::create.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(const char* data, size_t length) = 0;
    // Flushes to the device and closes; false when any of it failed.
    virtual bool commit() = 0;
};

class FileAccess {
public:
    virtual ~FileAccess() = default;

    virtual std::unique_ptr<InputFile> openRead(const std::string& path) = 0;
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Copies, replacing `to` when it exists. The copy is never read-only,
    // whatever `from` is: the next copy to the same place must succeed.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Makes `folder` and any of its parents that are missing; true when it
    // exists afterwards.
    virtual bool createFolders(const std::string& folder) = 0;
    // Moves `from` over `to`, replacing it in one step.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
    // True when the system cannot use `path` at all because it is too long,
    // so that the failure of the calls above can be told for what it is.
    virtual bool pathTooLong(const std::string&) { return false; }

    // The implementation the program uses; POSIX until another is installed.
    static FileAccess& current();
    // Installs `access` (not owned); null goes back to POSIX.
    static void install(FileAccess* access);
};

// Reads a whole file; false when it cannot be opened or read.
// Refuses files larger than `limit` bytes.
bool readWholeFile(FileAccess& files, const std::string& path, std::string& bytes,
                   uint64_t limit = UINT64_C(1) << 30);

// Writes `bytes` to a temporary file beside `path`, commits it, then replaces
// `path` with it. On any failure `path` is left as it was and the temporary
// file is removed.
bool writeFileSafely(FileAccess& files, const std::string& path, const std::string& bytes);
// True when writeFileSafely cannot succeed because `path` or its temporary
// file is too long for the system.
bool tooLongToWriteSafely(FileAccess& files, const std::string& path);

// The folder part of a path, with its trailing separator ('\\' or '/'), or ""
// for a bare name.
std::string folderOf(const std::string& path);
// The last component of a path (after the last '\\', '/' or drive colon).
std::string baseNameOf(const std::string& path);

// True for names that do not hang off a folder: "/x", "\\x", "C:x" and
// anything else holding a colon (a drive or a stream).
bool isAbsolutePath(const std::string& name);

// Where the picture `name` of the project file `projectFile` lives: a
// relative name sits in the project file's folder, an absolute one is used as
// it is. Loading, the page dialog's copy and both transfers go by this, never
// by the process's current directory, which the file dialogs move.
std::string picturePath(const std::string& projectFile, const std::string& name);

// The upper case of a Windows-1252 letter: a-z, the accented letters
// 0xE0-0xFE (0xF7 is a sign), and the four that sit below 0xA0.
unsigned char upperCp1252(unsigned char c);

// Equal as Windows compares file names: letters of Windows-1252 match their
// other case ("\xD1" and "\xF1", "A" and "a"); everything else byte for byte.
bool equalIgnoringCase(const std::string& a, const std::string& b);

// False for "", absolute names ("/x", "\\x", "C:x", "\\\\host\\x"), names
// with a ".." component, and names with a component Windows keeps for a
// device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without an
// extension, any case) or silently renames (ending in a dot or a space).
bool isSafePictureName(const std::string& name);

// Copies `from` to `to`, making the folders `to` needs first.
bool copyMakingFolders(FileAccess& files, const std::string& from, const std::string& to);

#include "FileAccess.h"

#include "PosixFileAccess.h"

#include <algorithm>

namespace {

PosixFileAccess posixFiles;
FileAccess* installed = nullptr;

const size_t kWriteChunk = 64 * 1024;

std::string temporaryPathFor(const std::string& path) {
    return path + ".quenda-tmp";
}

}  // namespace

FileAccess& FileAccess::current() {
    return installed ? *installed : posixFiles;
}

void FileAccess::install(FileAccess* access) {
    installed = access;
}

bool readWholeFile(FileAccess& files, const std::string& path, std::string& bytes, uint64_t limit) {
    bytes.clear();
    std::unique_ptr<InputFile> in = files.openRead(path);
    if (!in || in->size() > limit)
        return false;
    bytes.reserve(static_cast<size_t>(in->size()));
    char buffer[kWriteChunk];
    for (;;) {
        long n = in->read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (bytes.size() + static_cast<size_t>(n) > limit)
            return false;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

static bool writeAll(OutputFile& out, const std::string& bytes) {
    for (size_t at = 0; at < bytes.size(); at += kWriteChunk) {
        size_t length = std::min(kWriteChunk, bytes.size() - at);
        if (!out.write(bytes.data() + at, length))
            return false;
    }
    return out.commit();
}

bool writeFileSafely(FileAccess& files, const std::string& path, const std::string& bytes) {
    // The temporary file lives in the same folder so that the final replace
    // is a rename on one volume, never a copy that could stop half-way.
    const std::string temporary = temporaryPathFor(path);
    bool written = false;
    {
        std::unique_ptr<OutputFile> out = files.create(temporary);
        if (!out)
            return false;
        written = writeAll(*out, bytes);
    }
    if (written && files.replace(temporary, path))
        return true;
    files.remove(temporary);
    return false;
}

bool tooLongToWriteSafely(FileAccess& files, const std::string& path) {
    return files.pathTooLong(path) || files.pathTooLong(temporaryPathFor(path));
}

static size_t afterLastSeparator(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    size_t start = cut == std::string::npos ? 0 : cut + 1;
    // "C:name" names a file in the drive's current folder.
    if (start == 0 && path.size() >= 2 && path[1] == ':')
        start = 2;
    return start;
}

std::string folderOf(const std::string& path) {
    return path.substr(0, afterLastSeparator(path));
}

std::string baseNameOf(const std::string& path) {
    return path.substr(afterLastSeparator(path));
}

bool isAbsolutePath(const std::string& name) {
    if (!name.empty() && (name[0] == '/' || name[0] == '\\'))
        return true;
    return name.find(':') != std::string::npos;
}

std::string picturePath(const std::string& projectFile, const std::string& name) {
    return isAbsolutePath(name) ? name : folderOf(projectFile) + name;
}

unsigned char upperCp1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
    }
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upperCp1252(static_cast<unsigned char>(a[i])) != upperCp1252(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The part Windows looks at is the one before the first dot, spaces at its
// end ignored: "nul.png", "Com1.tar.gz" and "aux .png" all name devices.
static bool isDeviceName(const std::string& component) {
    std::string stem = component.substr(0, component.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (equalIgnoringCase(stem, device))
            return true;
    std::string family = stem.substr(0, 3);
    return stem.size() == 4 && (equalIgnoringCase(family, "COM") || equalIgnoringCase(family, "LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

static bool isRefusedComponent(const std::string& component) {
    if (component == "..")
        return true;
    if (!component.empty() && (component.back() == '.' || component.back() == ' '))
        return true;
    return isDeviceName(component);
}

bool isSafePictureName(const std::string& name) {
    if (name.empty() || isAbsolutePath(name))
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = name.size();
        if (isRefusedComponent(name.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

bool copyMakingFolders(FileAccess& files, const std::string& from, const std::string& to) {
    const std::string folder = folderOf(to);
    return (folder.empty() || files.createFolders(folder)) && files.copy(from, to);
}

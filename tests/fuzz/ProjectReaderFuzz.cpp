// libFuzzer target: the project file reader on arbitrary bytes. The input is
// served from memory as the project file; every picture load fails at once
// (no other file exists), so each page gets its blank picture.
//
// Beyond "no crash, no leak, no hang", a file that was read must survive a
// save and a second read unchanged: print, read again, print again, and the
// two prints and the two projects must be equal.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/ProjectFile.h"
#include "tests/unit/support/MemoryFileAccess.h"

namespace {

const char kProjectPath[] = "Z:\\fuzz\\proyecto.xml";

MemoryFileAccess& memoryFiles() {
    static MemoryFileAccess files;
    static ScopedFileAccess installed(files);
    return files;
}

// True when read; false when refused as an invalid file. Any other exception
// escapes and is reported by libFuzzer as a crash.
bool readFrom(const std::string& bytes, Proyecto& project) {
    memoryFiles().files[kProjectPath] = bytes;
    try {
        readProjectFile(kProjectPath, project);
        return true;
    } catch (const ProyectoException&) {
        if (!project.isBlank() || project.guardado)
            abort();  // a refused file must leave the project empty
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Proyecto project;
    if (!readFrom(std::string(reinterpret_cast<const char*>(data), size), project))
        return 0;
    if (project.hasUnsavedChanges())
        abort();  // a project just read equals its snapshot

    const std::string printed = printProject(project);
    Proyecto reread;
    if (!readFrom(printed, reread))
        abort();  // what the writer prints, the reader must accept
    if (reread != project || printProject(reread) != printed)
        abort();
    return 0;
}

// Pictures chosen (or dropped) to become pages, on their way beside the
// project file. Portable: the window asks the questions this class raises,
// in order, and shows its refusals.
//
//     PictureImport import(paths, project, FileAccess::current());
//     import.refuse(name, reason);                 // names the window could not read
//     if (!import.conflictingNames().empty())      // files there with other bytes
//         import.setConflictAnswer(answer);        // Replace, Keep or Stop
//     import.resizedPages(project);                // pages whose picture changes size
//     import.copy();                               // then import.pictures() are ready
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PictureCarry.h"

class FileAccess;
class Pagina;
class Proyecto;

// "pag2" before "pag10": runs of digits compare by value, the rest as
// Windows compares names (case of Windows-1252 letters ignored), and names
// equal so far by their bytes.
bool naturalLess(const std::string& a, const std::string& b);

// A picture for a page: its bare file name beside the project and its size.
struct PictureFile {
    std::string name;
    uint32_t width = 0;
    uint32_t height = 0;
};

class PictureImport {
public:
    // `paths` as chosen, in any order; the pictures go into the folder of
    // `project`'s file, which must have one.
    PictureImport(const std::vector<std::string>& paths, const Proyecto& project, FileAccess& files);

    // Adds `name` to the refusals, with the reason shown for it.
    void refuse(const std::string& name, const std::string& reason);
    // "name: reason" lines for every file that will not become a page.
    const std::vector<std::string>& refusals() const { return refusals_; }

    // Names whose file beside the project already exists with other bytes.
    std::vector<std::string> conflictingNames() const;
    // Names of `project`'s pages, but `except`, that show one of those files:
    // replacing it changes their picture too.
    std::vector<std::string> pagesUsingConflicts(const Proyecto& project, const Pagina* except) const;
    // Replace copies over them, Keep uses the files already there, Stop
    // gives up the whole import: pictures() is then empty.
    void setConflictAnswer(ReplaceAnswer answer);

    // Names of `project`'s pages whose picture is one of these and would
    // change size.
    std::vector<std::string> resizedPages(const Proyecto& project) const;

    // Copies what needs copying; a copy that fails (the file went away,
    // the disk is full) is refused and leaves the pictures.
    void copy();
    // The accepted pictures, in natural order of their names.
    std::vector<PictureFile> pictures() const;

private:
    struct Chosen {
        std::string path;
        std::string target;
        PictureFile picture;
        bool copies = false;      // the file must go beside the project
        bool conflicts = false;   // ... over a file with other bytes
    };
    void choose(const std::string& path);

    FileAccess& files_;
    std::string folder_;
    std::vector<Chosen> chosen_;
    std::vector<std::string> refusals_;
};

// Choosing a page picture: the page keeps only the bare file name, so the
// file has to sit beside the project file; it is copied there unless it is
// there already.
#pragma once

#include <string>

class FileAccess;

class PictureChoice {
public:
    // `projectFolder` with or without a trailing backslash; `files` answers
    // whether the target exists.
    PictureChoice(const std::string& chosenPath, const std::string& projectFolder, FileAccess& files);

    // The name for the picture field; empty when the path names no file, and
    // then nothing is to be done.
    const std::string& name() const { return name_; }
    // Where the copy goes: the project's folder, a backslash, the name.
    const std::string& target() const { return target_; }
    // The chosen file is the target itself (equal ignoring case): no copy.
    bool alreadyInPlace() const { return alreadyInPlace_; }
    bool needsCopy() const { return !name_.empty() && !alreadyInPlace_; }
    // A file of that name would be replaced: ask the user first.
    bool asksBeforeReplacing() const { return needsCopy() && targetExists_; }

private:
    std::string name_;
    std::string target_;
    bool alreadyInPlace_ = false;
    bool targetExists_ = false;
};

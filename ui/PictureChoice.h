// Choosing a page picture: the page keeps only the bare file name, so the
// file has to sit beside the project file; it is copied there unless it is
// there already.
#pragma once

#include <string>
#include <vector>

class FileAccess;
class Pagina;
class Proyecto;

// A page's name and its picture as the page names it.
struct PagePicture {
    std::string nombre;
    std::string imagen;
};

// The pictures of `project`'s pages, in page order, all but `except`'s.
std::vector<PagePicture> picturesOfPages(const Proyecto& project, const Pagina* except);

// The folder a picture chooser opens in: the one of the picture chosen
// last (the next page's picture is most likely beside it), else the
// project file's; "" when there is neither.
std::string pictureChooserFolder(const std::string& lastChosen, const std::string& projectFile);

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
    // Of `pages`, the names of those whose picture is the file at target().
    std::vector<std::string> pagesUsingTarget(const std::vector<PagePicture>& pages) const;
    // The question asked before replacing: a replaced file cannot be got
    // back, and `pagesUsing` would show the new picture.
    std::string replaceQuestion(const std::vector<std::string>& pagesUsing) const;
    // Puts the chosen file at target() when needsCopy(); false when that failed.
    bool copy(FileAccess& files) const;

private:
    std::string chosenPath_;
    std::string projectFolder_;
    std::string name_;
    std::string target_;
    bool alreadyInPlace_ = false;
    bool targetExists_ = false;
};

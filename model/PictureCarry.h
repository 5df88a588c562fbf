// Saving a project into another folder: its relatively named pictures must
// travel with it, or the project saved there would open with blank pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

class FileAccess;
class Proyecto;

// The answer to "replace this file?": replace it, keep it (that picture is
// not carried), or stop carrying altogether.
enum class ReplaceAnswer { Replace, Keep, Stop };

// Copies each relatively named picture of `project` (once, even when several
// pages share it) from beside `fromFile` to beside `toFile`, making the
// subfolders its name gives. Nothing is copied when both files share a
// folder. `mayReplace(name)` is asked before a file already at the
// destination is replaced. Returns the names not carried, in page order:
// those whose copy failed, those that would land outside the new folder
// ("..\\x.png"), and, after a Stop, that name and every one still to go.
std::vector<std::string> carryPictures(const Proyecto& project, const std::string& fromFile,
                                       const std::string& toFile, FileAccess& files,
                                       const std::function<ReplaceAnswer(const std::string&)>& mayReplace);

// Saving a project into another folder: its relatively named pictures must
// travel with it, or the project saved there would open with blank pages.
#pragma once

#include <functional>
#include <string>
#include <vector>

class FileAccess;
class Proyecto;

// Copies each relatively named picture of `project` (once, even when several
// pages share it) from beside `fromFile` to beside `toFile`. Nothing is
// copied when both files share a folder. `mayReplace(name)` is asked before
// a file already at the destination is replaced; a refusal skips that name.
// Returns the names that could not be copied, in page order.
std::vector<std::string> carryPictures(const Proyecto& project, const std::string& fromFile,
                                       const std::string& toFile, FileAccess& files,
                                       const std::function<bool(const std::string&)>& mayReplace);

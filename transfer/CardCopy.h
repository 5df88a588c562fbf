// The copy of a project onto the device's SD card: the project file as
// "trdev.xml" and every page's picture under its own name, replacing what
// is there. Failed copies are skipped; nothing else is written.
#pragma once

#include <string>

class FileAccess;
class Proyecto;

extern const char kDeviceProjectName[];  // "trdev.xml"

// `folder` as the start of a path inside it: a separator is added unless it
// ends with one already (a drive root such as "E:\\" does).
std::string cardFolderPrefix(const std::string& folder);

// Copies `project`'s file and pictures into `folder`. For each page name in
// order the first page of that name gives the picture. A picture whose name
// is absolute or climbs out with ".." is not copied: it would land outside
// the card. Returns the number of copies that failed or were refused.
int copyProjectToCard(const Proyecto& project, const std::string& folder, FileAccess& files);

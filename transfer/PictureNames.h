// Which page pictures may leave the installer's disk, and from where.
// Pictures live beside the project file under the names its pages give;
// a name that is absolute or climbs out with ".." is never served to the
// device nor written onto the card.
#pragma once

#include <string>
#include <vector>

class Proyecto;

// False for "", absolute names ("/x", "\\x", "C:x", "\\\\host\\x") and
// names with a ".." component.
bool isSafePictureName(const std::string& name);

// The safe picture names of every page, in page order, without repeats:
// the only files the device may ask for.
std::vector<std::string> servedPictureNames(const Proyecto& project);

// Where the picture `name` of the project file `archivo` is read from.
std::string picturePath(const std::string& archivo, const std::string& name);

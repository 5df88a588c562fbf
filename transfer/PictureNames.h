// Which page pictures leave the installer's disk. The device may ask for
// exactly the names the pages give; the card copy writes a picture only
// under a name that stays inside the card and names a plain file there.
#pragma once

#include <string>
#include <vector>

class Proyecto;

// False for "", absolute names ("/x", "\\x", "C:x", "\\\\host\\x"), names
// with a ".." component, and names with a component Windows keeps for a
// device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without an
// extension, any case) or silently renames (ending in a dot or a space).
bool isSafePictureName(const std::string& name);

// Every page's picture name, in page order, without repeats and without "":
// the only files the device may ask for.
std::vector<std::string> servedPictureNames(const Proyecto& project);

// Which page pictures leave the installer's disk. The device may ask for
// exactly the names the pages give; the card copy writes a picture only
// under a name that stays inside the card and names a plain file there.
#pragma once

#include <string>
#include <vector>

#include "model/FileAccess.h"  // isSafePictureName

class Proyecto;

// Every page's picture name, in page order, without repeats and without "":
// the only files the device may ask for.
std::vector<std::string> servedPictureNames(const Proyecto& project);

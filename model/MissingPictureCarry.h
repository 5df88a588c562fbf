// Every save makes the project complete where it is saved: a page brought
// back by "Deshacer" after "Guardar como" into another folder may name a
// picture that was never copied there.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "PictureCarry.h"

class FileAccess;
class Proyecto;

// Copies each relatively named picture missing beside `project.archivo`
// from where its page last found it, as carryPictures does (asking
// `mayReplace` the same way). Pages whose picture is beside the project
// afterwards remember it there. Returns the names that could not be copied
// (after a Stop, every one still to go); a picture found nowhere is left to
// the project check.
std::vector<std::string> carryMissingPictures(Proyecto& project, FileAccess& files,
                                              const std::function<ReplaceAnswer(const std::string&)>& mayReplace);

// What every save does once the file is written: the pictures beside
// `previousFile` (when the project was just saved under another name; ""
// otherwise) by carryPictures, then carryMissingPictures. Returns the names
// that could not be copied and are still missing beside the project; a Stop
// ends both steps.
std::vector<std::string> completeSavedProject(Proyecto& project, const std::string& previousFile, FileAccess& files,
                                              const std::function<ReplaceAnswer(const std::string&)>& mayReplace);

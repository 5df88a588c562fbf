// The questions around pictures brought in by the file dialog or dropped on
// the window: files beside the project that would be replaced, pages whose
// picture changes size, and the list of files that were not taken.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/PictureImport.h"
#include "ui/win32/FileDialog.h"

class Pagina;
class Proyecto;

// What the document is to do once the questions are answered.
struct PicturePlan {
    std::vector<PictureFile> pictures;
    bool scaleRegions = false;
};

// PNG files chosen in the file dialog, any number of them. The dialog opens
// where the last picture was chosen, else beside `projectFile`.
ChosenPaths askPictureFiles(HWND owner, const std::string& projectFile);
// A single PNG file; empty when cancelled or the dialog failed (reported
// there).
std::string askPictureFile(HWND owner, const std::string& projectFile);

// Asks what `chosen` raises, copies the pictures beside `project` and lists
// what was not taken. False when the user cancelled or nothing is left.
bool preparePages(HWND owner, const Proyecto& project, const ChosenPaths& chosen, PicturePlan& plan);
// The same for one picture that replaces the picture of `page`.
bool prepareReplacement(HWND owner, const Proyecto& project, const Pagina& page, const std::string& path,
                        PicturePlan& plan);
// After opening: true when the user wants the regions of `pages` scaled to
// their pictures' new sizes.
bool userScalesResizedPages(HWND owner, const Proyecto& project, const std::vector<size_t>& pages);

// The questions and file dialogs around the project: saving (under another
// name when the file cannot be written), taking the pictures along to a new
// folder, opening, asking before unsaved work is dropped, and the findings
// of the check. Errors are shown to the user here, titled "ERROR".
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "model/ProjectCheck.h"

class Proyecto;

// Saves `target`, asking for a file when it has none; after a failed write
// offers another name. False when nothing was written.
bool saveWithPrompts(HWND owner, Proyecto& target);
// Saves `target` under a name the user chooses, taking its pictures along.
bool saveAsWithPrompts(HWND owner, Proyecto& target);
// True when `project` may be replaced or ended: nothing unsaved, or the user
// answered No, or Yes and the save succeeded.
bool mayDropProject(HWND owner, Proyecto& project);
// The project file the user chooses, read; null when the dialog was
// cancelled or the file was refused.
std::unique_ptr<Proyecto> openWithPrompts(HWND owner);
// The project file `path`, read; null when it was refused (said here).
std::unique_ptr<Proyecto> openFileWithPrompts(HWND owner, const std::string& path);
// Lists the findings of the check; true with the one the user chose to see.
// Without findings it says so and returns false.
bool chooseFinding(HWND owner, const Proyecto& project, ProjectFinding& chosen);
// False when the project has findings and the user chose not to transfer it.
bool mayTransfer(HWND owner, const Proyecto& project);

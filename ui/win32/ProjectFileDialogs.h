// The open and save dialogs of the project file and the open and save
// operations on top of them.
#pragma once

#include <windows.h>

#include <string>

class Proyecto;

// The chosen path, or "" when the user cancels or the dialog fails (a
// failure is shown as "Problemas con el archivo"). Nothing depends on the
// current directory the dialog may leave behind: pictures are found from
// the project file's own path.
std::string askFileToOpen(HWND owner);
std::string askFileToSave(HWND owner);

// Writes `project` to its `archivo`, asking for one first when it has none.
// False when no file name is available. Throws
// ProyectoException("No se pudo guardar el archivo").
bool saveProject(HWND owner, Proyecto& project);

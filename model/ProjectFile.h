// The project file: reading a file into a project and writing a project to
// its file. No user interface here; the file dialogs belong to the program.
#pragma once

#include <string>

#include "Proyecto.h"
#include "ProyectoException.h"

// Resets `project`, sets `archivo` = path and reads the file into it, then
// takes the snapshot. Throws ProyectoException("Archivo inválido") when the
// file is rejected; the project is then empty, without snapshot or `archivo`.
void readProjectFile(const std::string& path, Proyecto& project);

// Writes the project to `archivo` without ever damaging the previous file,
// then takes the snapshot. Throws ProyectoException("No se pudo guardar el
// archivo") when the file cannot be written or `archivo` is empty; the file,
// the snapshot and `archivo` are then unchanged. Decodes no picture.
void writeProjectFile(Proyecto& project);

// The exact bytes of the project file: indented XML, CR LF line breaks.
std::string printProject(const Proyecto& project);

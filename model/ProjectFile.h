// The project file: reading a file into a project and writing a project to
// its file. No user interface here; the file dialogs belong to the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Proyecto.h"
#include "ProyectoException.h"

// Resets `project`, sets `archivo` = path and reads the file into it, then
// takes the snapshot. Throws ProyectoException("Archivo inválido") when the
// file is rejected, or kPathTooLongText when the path is beyond the system's
// limits; the project is then empty, without snapshot or `archivo`.
void readProjectFile(const std::string& path, Proyecto& project);
// The same for the text of a project file kept elsewhere, read as if it
// were the file `archivo` (pictures are looked for beside `archivo`).
void readProjectText(std::string bytes, const std::string& archivo, Proyecto& project);

// Writes the project to `archivo` without ever damaging the previous file,
// then takes the snapshot. Throws ProyectoException("No se pudo guardar el
// archivo") when the file cannot be written or `archivo` is empty, or
// kPathTooLongText when the path is beyond the system's limits; the file,
// the snapshot and `archivo` are then unchanged. Decodes no picture.
void writeProjectFile(Proyecto& project);

// The exact bytes of the project file: indented XML, CR LF line breaks.
std::string printProject(const Proyecto& project);

// A region's text as long as a clipboard may sensibly hold; longer is refused.
const size_t kMaxRegionTextBytes = 1024 * 1024;

// The region as the project file writes its `region` element, standing alone:
// no declaration, CR LF line breaks. The clipboard carries regions this way.
std::string printRegion(const Region& region);

// Reads the text printRegion gives. Anything else (not XML, another or a
// second root element, no `comando`, coordinates not four integers, more
// than kMaxRegionTextBytes) is refused: false, and `region` is untouched.
bool parseRegion(const std::string& text, Region& region);

// Several regions one after the other, each as printRegion writes it; one
// region gives exactly printRegion's text.
std::string printRegions(const std::vector<Region>& regions);

// Reads one region or several as printRegions gives them; anything else is
// refused whole, as parseRegion refuses it: false, and `regions` is untouched.
bool parseRegions(const std::string& text, std::vector<Region>& regions);

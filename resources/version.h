// The program's version: the about box, the VERSIONINFO resource and the
// Windows package names all take it from here (tools/package-windows.sh
// reads QUENDA_VERSION_TEXT). Keep the two forms in step.
#pragma once

#define QUENDA_VERSION_TEXT "12.10.01"
#define QUENDA_VERSION_NUMBERS 12, 10, 1, 0

// Recovery copies at start: where they live for the user, and offering the
// ones left by editors no longer running, one after another.
#pragma once

#include <string>

class MainWindow;

// "%LOCALAPPDATA%\Quenda\recuperacion\", or "" when the system names no
// such folder or names it with characters Windows-1252 lacks.
std::string userRecoveryFolder();

// Offers each copy abandoned in the window's recovery folder: "Recuperar"
// makes it the window's project, unsaved, under its original path (the
// project in place may be kept first, as when opening another);
// "Descartar" deletes it; closing the dialog keeps it for the next start.
// Nothing without a recovery folder.
void offerRecoveryCopies(MainWindow& window);

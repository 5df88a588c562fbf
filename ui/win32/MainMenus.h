// The main window's menu bar and toolbar kept up with the document: the
// page items, the recent projects, what can be chosen and the mode checked.
// Menus are found by a command they hold, never by their position, since
// their number and order change.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ProjectDocument;
class Toolbar;

// The menu of `bar` that holds `commandId`; null when none does.
HMENU menuHolding(HMENU bar, int commandId);

// One item per page after the page menu's own items, up to its limit, the
// page shown checked.
void rebuildPageItems(HMENU bar, const ProjectDocument& document);
void markPageItems(HMENU bar, const ProjectDocument& document);
// The recent projects between the two separators above "Salir".
void rebuildRecentItems(HMENU bar, const std::vector<std::string>& paths);
// Every single command of the table on a menu or the toolbar takes the state
// of its rule; "Agregar"'s menu item greys only during a test run.
void updateCommandStates(HMENU bar, const Toolbar& toolbar, const ProjectDocument& document);
// The sensitivity item of "Detectar botones" in force, radio-checked.
void markSensitivityItems(HMENU bar, int checkedId);
// The check marks and the pressed button of the mode in force.
void markModeItems(HMENU bar, const Toolbar& toolbar, const ProjectDocument& document);

// Every command of the main window, one row each: what it does, when it can
// be chosen (one rule for its menu item, its button and its key, a test run
// of the pages included), and where it shows. A range row stands for the
// page items and for the recent projects. A new command is a row here, its
// resource entries and its handler in ProjectEditor.
#pragma once

#include <cstdint>
#include <vector>

class ProjectEditor;
struct EditorActions;

// The page menu lists at most this many pages (ids 1500 to 2499), below the editor's own commands.
const int kPageItemLimit = 1000;

// When a command can be chosen, outside a test run of the pages.
enum class Availability {
    Always,
    NotBlank,      // the project has a name or a file
    WithPages,     // the project has pages
    CanUndo,
    CanRedo,
    PageShown,
    PageBefore,    // a page comes before the one shown: it can move up
    PageAfter,     // a page comes after the one shown: it can move down
    ExistingPage,  // page items: the page at that place exists
    OnlyTrying,    // the keys of a test run
};

// Where a command shows besides its key, if it has one.
enum CommandSurface : unsigned {
    kOnMenu = 1u,
    kOnToolbar = 2u,
    kOnMenuAndToolbar = 3u,
    // The menu item greys only during a test run; its button follows the rule.
    kMenuAlwaysOffered = 4u,
};

struct CommandRow {
    int firstId;
    int count;  // 1, or how many ids the row stands for
    Availability availability;
    bool whileTrying;  // can be chosen while the pages are tried
    unsigned surfaces;
    // Carries out the command; it is handed the command's id.
    EditorActions (ProjectEditor::*handler)(int commandId);
    // What its toolbar button's tooltip says; null without a button.
    const char* tooltip = nullptr;
};

// The rows, in no particular order.
const std::vector<CommandRow>& commandTable();
// The row of `commandId`, or null for an id the window passes to the canvas.
const CommandRow* commandRow(int commandId);

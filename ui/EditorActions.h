// What the main window does after the editor handled a command, a drop, a
// tick of the recovery timer or a report of the canvas. Portable: the
// window applies it to its menus, toolbar, title, status bar and canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/ModoEdicion.h"

enum class RecoveryWork { None, WriteCopy, RemoveCopy };

struct EditorActions {
    // The project or its pages changed: page menu, canvas, menus and title anew.
    bool documentChanged = false;
    // Only the page shown changed: the canvas and the page items' marks.
    bool pageChosen = false;
    // What can be chosen changed (an undo step, a test run began or ended).
    bool menusChanged = false;
    bool recentChanged = false;
    // Region of the page shown to select, after the page is shown.
    std::optional<int> selectRegion;
    // Regions of the page shown to select together, the first the reference.
    std::vector<int32_t> selectRegions;
    // A command the canvas carries out itself (edit modes and keys).
    std::optional<int> canvasCommand;
    // Snapping was turned on or off.
    std::optional<bool> snapping;
    // Labels on the canvas were turned on or off.
    std::optional<bool> labels;
    // The page pane was shown or hidden.
    std::optional<bool> pagePane;
    // ---- the test run of the pages ----
    bool trialStarted = false;
    // The run ended: the page edited before comes back in `modeAfterTrial`.
    bool trialEnded = false;
    ModoEdicion modeAfterTrial = ModoEdicion::NORMAL;
    std::optional<int> flashRegion;
    bool flashAll = false;
    // The text across the status bar while trying ("" takes it away).
    std::optional<std::string> wholeBarText;
    bool titleChanged = false;
    // The message part of the status bar.
    std::optional<std::string> statusMessage;
    // ---- the window itself ----
    RecoveryWork recovery = RecoveryWork::None;
    bool close = false;
};

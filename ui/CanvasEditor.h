// What the page canvas does with a press, a pointer move, a release or a
// command: hit-testing, drag zones, drag steps, the rubber band, the edit
// modes and the keyboard commands, all over a PaginaEscalada in canvas pixels.
// Portable: it never draws or calls the windowing system; each handler
// returns the CanvasActions the window has to carry out.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/PaginaEscalada.h"
#include "model/Region.h"
#include "ui/ModoEdicion.h"

// The pointer shapes the canvas uses; Mode is the current mode's own shape.
enum class CanvasCursor { None, Arrow, SizeNS, SizeWE, SizeNESW, SizeNWSE, SizeAll, Mode };

// Drag zones: what a left press on a region starts.
enum DragZone {
    ZONE_NONE = 0,
    ZONE_MOVE = 1,
    ZONE_TOP = 2,
    ZONE_BOTTOM = 3,
    ZONE_RIGHT = 4,
    ZONE_LEFT = 5,
    ZONE_TOP_LEFT = 6,
    ZONE_TOP_RIGHT = 7,
    ZONE_BOTTOM_LEFT = 8,
    ZONE_BOTTOM_RIGHT = 9,
};

// Window operations asked for by one handler, in the order the window does them:
// cursor, capture release, capture, band drawing, repaint, dialog, check
// mark. A press may end a stale drag and start a new one: the release
// comes first so that the new capture holds.
struct CanvasActions {
    CanvasCursor cursor = CanvasCursor::None;  // None: leave the pointer alone
    bool releaseCapture = false;
    bool capture = false;
    bool drawBand = false;  // XOR-draw erasedBand, then drawnBand
    Rect erasedBand;
    Rect drawnBand;
    bool repaint = false;
    int32_t commandDialog = -1;  // region whose command dialog to open
    int checkModeCommand = 0;    // mode command id to check in menu and toolbar
    bool nothingFitted = false;  // a double-click found no button there
};

// What one paint draws: the picture at (0, 0), then an XOR outline per
// region, then the selected region inverted.
struct PaintPlan {
    const void* info = nullptr;  // BITMAPINFO of the scaled picture
    const void* bits = nullptr;  // its bottom-up rows
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<Rect> outlines;
    bool hasInverted = false;
    Rect inverted;
};

struct ScaleChoice {
    double scale = 1.0;
    bool moveToCorner = false;  // move the main window to the work area's corner
};

// 1.0 when a width x height picture fits the available space, else the
// larger scale at which it fits both ways.
ScaleChoice chooseScale(uint32_t width, uint32_t height, int32_t availableWidth, int32_t availableHeight);

// Where a region copied at `copied` (picture pixels) is pasted on a page whose
// picture is width x height (0 x 0: no picture) and holds `regions`: moved
// inside the picture (cut to its size when larger), then stepped kPasteStep
// pixels away while a region already has that very rectangle.
const int32_t kPasteStep = 10;
Rect pastePlacement(const Rect& copied, uint32_t width, uint32_t height, const std::vector<Region>& regions);

class CanvasEditor {
public:
    static const int32_t kMinWidth = 400;
    static const int32_t kMinHeight = 200;
    static const int32_t kNear = 5;
    static const int32_t kMinBand = 10;

    // `clock` gives a 32-bit millisecond tick count that wraps; `dragDelay` is
    // how long a press must be held before a region follows the pointer.
    CanvasEditor(std::function<uint32_t()> clock, uint32_t dragDelay);
    CanvasEditor(const CanvasEditor&) = delete;
    CanvasEditor& operator=(const CanvasEditor&) = delete;

    // Called once per gesture or command, just before it first changes the
    // page shown (one drag, one rubber band, one click in a mode, one key,
    // one command dialog's OK): where an undo step is recorded.
    void setBeforeChange(std::function<void()> beforeChange) { beforeChange_ = std::move(beforeChange); }

    // Shows `page` at `scale` (nothing when null), NORMAL mode, no selection.
    // `pageNames` are offered by the command dialog as jump targets.
    CanvasActions setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames);

    CanvasActions leftDown(int32_t x, int32_t y, bool ctrl);
    // `leftHeld`: the left button is down during this move.
    CanvasActions mouseMove(int32_t x, int32_t y, bool leftHeld);
    CanvasActions leftUp(int32_t x, int32_t y);
    CanvasActions rightDown(int32_t x, int32_t y);
    CanvasActions command(int commandId);
    // The second press of a double-click, after leftDown had it as a press:
    // in NORMAL mode a region's command dialog, or outside every region a
    // new region fitted to the button drawn there, selected.
    CanvasActions doubleClick(int32_t x, int32_t y);

    // Selects region `index` of the page shown, as a click would; an index
    // the page does not have leaves the selection as it is.
    CanvasActions selectRegion(int32_t index);

    // The selected region in picture pixels; false when none is selected.
    bool selectedRegion(Region& region) const;
    // Adds `region` (picture pixels) to the page shown where pastePlacement
    // puts it, and selects it; nothing without a page.
    CanvasActions pasteRegion(const Region& region);

    // Called after the command dialog of `index` ended with OK.
    void setRegionCommand(int32_t index, const Comando& comando);

    int32_t hitTest(int32_t x, int32_t y) const;
    int zoneAt(int32_t index, int32_t x, int32_t y) const;
    CanvasCursor cursorFor(int32_t index, int32_t x, int32_t y) const;

    void canvasSize(int32_t& width, int32_t& height) const;
    void paintPlan(PaintPlan& plan) const;

    PaginaEscalada* scaledPage() const { return scaledPage_.get(); }
    const std::vector<std::string>& pageNames() const { return pageNames_; }
    int32_t selected() const { return selected_; }
    ModoEdicion mode() const { return mode_; }
    int dragZone() const { return dragZone_; }
    bool bandActive() const { return band_.left != -1; }
    const Rect& band() const { return band_; }
    uint32_t dragDelay() const { return dragDelay_; }

private:
    const Rect& regionRect(int32_t index) const;
    void beginDrag(int32_t x, int32_t y, CanvasActions& actions);
    void dragStep(int32_t x, int32_t y, CanvasActions& actions);
    void endDrag(CanvasActions& actions);
    void endBand(int32_t x, int32_t y, CanvasActions& actions);
    void dropBand(CanvasActions& actions);
    // Ends whatever a press began whose release the canvas did not get.
    void abandonPress(CanvasActions& actions);
    void openCommandDialog(int32_t index, CanvasActions& actions);
    void selectMode(int commandId, CanvasActions& actions);
    void applyMode(int32_t index);
    void keyboardCommand(int commandId, CanvasActions& actions);
    void deleteSelected(CanvasActions& actions);
    // A point, or an edit of the selected region, kept on the page.
    int32_t onPageX(int32_t x) const;
    int32_t onPageY(int32_t y) const;
    Rect keptOnPage(const Rect& edited) const;
    // Stores the selected region's edit as keptOnPage leaves it; false when
    // that changes nothing.
    bool storeEdit(const Rect& edited);
    void beginGesture() { changeAnnounced_ = false; }
    void aboutToChange();

    std::function<uint32_t()> clock_;
    uint32_t dragDelay_;
    std::vector<std::string> pageNames_;
    std::unique_ptr<PaginaEscalada> scaledPage_;
    int32_t selected_ = -1;
    ModoEdicion mode_ = ModoEdicion::NORMAL;
    Rect band_{-1, -1, -1, -1};
    int dragZone_ = ZONE_NONE;
    int32_t lastX_ = -1;
    int32_t lastY_ = -1;
    uint32_t pressTime_ = 0;
    std::function<void()> beforeChange_;
    bool changeAnnounced_ = false;
};

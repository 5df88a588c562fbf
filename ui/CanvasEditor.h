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
#include "ui/RegionSelection.h"
#include "ui/SnapGuides.h"

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
    // The gesture's edit was put back (Escape during a drag): the undo step
    // taken before it holds nothing.
    bool changeWithdrawn = false;
};

// What one paint draws: the picture at (0, 0), then an XOR outline per
// region, then the reference region inverted and the other selected ones
// with a thick outline.
struct PaintPlan {
    const void* info = nullptr;  // BITMAPINFO of the scaled picture
    const void* bits = nullptr;  // its bottom-up rows
    uint32_t width = 0;
    uint32_t height = 0;
    // Screen pixels per pixel of the picture above: more than 1 only at a
    // zoom of 200 % or more, where the window enlarges what shows.
    int32_t factor = 1;
    std::vector<Rect> outlines;
    bool hasInverted = false;
    Rect inverted;
    std::vector<Rect> thick;
    // What a drag snapped to: vertical and horizontal lines across the canvas.
    std::vector<Rect> guides;
    // What each region does, written inside it (empty while labels are off).
    struct Label {
        Rect area;
        std::string text;
    };
    std::vector<Label> labels;
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
    static const int32_t kShiftStep = 10;  // picture pixels a Shift+arrow moves

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
    // `exact`: a fixed zoom of 100 % or more (ViewMapping).
    CanvasActions setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames, bool exact = false);

    // The page shown at another zoom (ViewMapping's rules), its selection
    // and mode kept; a drag or band under way ends first.
    CanvasActions setZoom(double scale, bool exact);

    // Shift adds a region to the selection or takes it out, and on empty
    // picture draws a band that selects what it touches.
    CanvasActions leftDown(int32_t x, int32_t y, bool ctrl, bool shift = false);
    // `leftHeld`: the left button is down during this move; `snapSuspended`:
    // Alt is held, and the drag under way snaps to nothing from now on.
    CanvasActions mouseMove(int32_t x, int32_t y, bool leftHeld, bool snapSuspended = false);
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
    // Selects the regions at `indices` (the first is the reference); those
    // the page does not have, and repeats, are left out.
    CanvasActions selectRegions(std::vector<int32_t> indices);

    // The selected region in picture pixels; false when none is selected.
    bool selectedRegion(Region& region) const;
    // Every selected region in picture pixels, reference first.
    std::vector<Region> selectedRegions() const;
    // The box around the selected regions in picture pixels; false when
    // none is selected.
    bool selectionBounds(Rect& box) const;
    // The selection's box (picture pixels) put at `box` as one step: a
    // region alone takes it whole, several move together to its corner.
    CanvasActions placeSelection(const Rect& box);
    // Adds `region` (picture pixels) to the page shown where pastePlacement
    // puts it, and selects it; nothing without a page.
    CanvasActions pasteRegion(const Region& region);
    // Several regions keep their places relative to each other: the group
    // is put on the picture and stepped away from twins as one. All of them
    // end up selected. One region goes where pasteRegion puts it.
    CanvasActions pasteRegions(const std::vector<Region>& regions);

    // Whether mouse moves and resizes snap to the other regions and the
    // page (off until the window says otherwise).
    void setSnapping(bool on) { snapping_ = on; }
    bool snapping() const { return snapping_; }
    // Whether the paint plan carries a label for each region.
    void setLabels(bool on) { labels_ = on; }
    bool labels() const { return labels_; }

    // Called after the command dialog of `index` ended with OK.
    void setRegionCommand(int32_t index, const Comando& comando);

    int32_t hitTest(int32_t x, int32_t y) const;
    int zoneAt(int32_t index, int32_t x, int32_t y) const;
    CanvasCursor cursorFor(int32_t index, int32_t x, int32_t y) const;

    void canvasSize(int32_t& width, int32_t& height) const;
    void paintPlan(PaintPlan& plan) const;

    PaginaEscalada* scaledPage() const { return scaledPage_.get(); }
    const std::vector<std::string>& pageNames() const { return pageNames_; }
    // The reference region, -1 when nothing is selected.
    int32_t selected() const { return selection_.reference(); }
    // The selected regions, reference first.
    const std::vector<int32_t>& selection() const { return selection_.indices(); }
    ModoEdicion mode() const { return mode_; }
    int dragZone() const { return dragZone_; }
    bool bandActive() const { return band_.left != -1; }
    // The band under way selects regions instead of drawing one.
    bool selectingBand() const { return selectingBand_; }
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
    void selectAll(CanvasActions& actions);
    void escape(CanvasActions& actions);
    void arrange(int commandId, CanvasActions& actions);
    // The selection moved by (dx, dy) picture pixels, kept on the page as one.
    void moveSelection(int64_t dx, int64_t dy, CanvasActions& actions);
    // A key's edit of the reference alone, in picture pixels.
    void editReference(int commandId, CanvasActions& actions);
    void groupDragStep(int32_t x, int32_t y, CanvasActions& actions);
    void startBand(int32_t x, int32_t y, bool selecting, CanvasActions& actions);
    bool snapsNow() const { return snapping_ && !snapSuspended_; }
    // The edges the drag moves meet a line within reach, and the guide shows it.
    void snapEdit(Rect& r);
    void addGuide(bool vertical, int32_t at);
    // Writes region `index` as `picture`; its canvas edges follow those
    // that changed. False when nothing changed.
    bool storePicture(size_t index, const Rect& picture);
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
    RegionSelection selection_;
    bool selectingBand_ = false;
    // A selected region pressed in a group: alone selected if no move follows.
    int32_t pressedInGroup_ = -1;
    bool dragMoved_ = false;
    int32_t pressX_ = -1;
    int32_t pressY_ = -1;
    // The selection's rectangles when the drag began, to move from and to put back.
    std::vector<Rect> startCanvas_;
    std::vector<Rect> startPicture_;
    bool snapping_ = false;
    bool labels_ = false;
    bool snapSuspended_ = false;
    SnapGuides snap_;
    std::vector<Rect> guides_;
    ModoEdicion mode_ = ModoEdicion::NORMAL;
    Rect band_{-1, -1, -1, -1};
    int dragZone_ = ZONE_NONE;
    int32_t lastX_ = -1;
    int32_t lastY_ = -1;
    uint32_t pressTime_ = 0;
    std::function<void()> beforeChange_;
    bool changeAnnounced_ = false;
};

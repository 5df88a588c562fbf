// The page canvas: shows the page's picture and regions and edits the regions
// with mouse and keyboard. The editing itself is CanvasEditor's; this window
// turns messages into its calls and its answers into Win32 calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32/Window.h"
#include "ui/CanvasEditor.h"
#include "ui/ViewMapping.h"
#include "ui/WheelSteps.h"
#include "ui/win32/CanvasObserver.h"

class Pagina;

class PaginaWindow : public Window {
public:
    // A child of `parent` at (0, y); `observer` hears of every change that
    // the window around the canvas shows.
    PaginaWindow(int y, Window* parent, CanvasObserver& observer);
    ~PaginaWindow() override;

    // Shows `page` at `scale` (or nothing when null) in NORMAL mode with no
    // selection, and takes the size of the scaled picture. Once the canvas
    // follows the window it keeps its size and fits the page to it instead;
    // with `keepView` (the same page again, after an undo) zoom and scroll stay.
    void setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames, bool keepView = false);
    // The window around was sized by the user: the canvas takes the size it
    // is given and pages are fitted to it, never above 100 %.
    void followWindow();
    const ViewMapping& view() const { return view_; }

    // Selects region `index` of the page shown and repaints.
    void selectRegion(int32_t index);
    // Selects the regions at `indices` of the page shown, the first as the reference.
    void selectRegions(const std::vector<int32_t>& indices);
    // Adds `regions` (picture pixels) to the page shown, selected.
    void pasteRegions(const std::vector<Region>& regions);

    void setSnapping(bool on) { editor_.setSnapping(on); }
    // Writes what each region does inside it, and repaints.
    void setLabels(bool on);
    // True once after a drag during which Alt was held: its release is to
    // open no menu.
    bool takeAltDrag();

    // While the pages are tried the canvas edits nothing and hides the
    // outlines; a left click is reported as a tap.
    void setTrying(bool on);
    // Shows region `index` inverted, or the outlines of every region, for
    // a moment.
    void flashRegion(int32_t index);
    void flashAllRegions();

    LRESULT onPaint(HDC dc, PAINTSTRUCT paint) override;
    LRESULT onLButtonDown(int x, int y, WPARAM keys) override;
    LRESULT onLButtonUp(int x, int y, WPARAM keys) override;
    LRESULT onLButtonDoubleClick(int x, int y, WPARAM keys) override;
    LRESULT onRButtonDown(int x, int y, WPARAM keys) override;
    LRESULT onMouseMove(int x, int y, WPARAM keys) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT onTimer(WPARAM timerId) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The editing state, for the main window's tests.
    const CanvasEditor& editor() const { return editor_; }

private:
    void perform(const CanvasActions& actions, bool resized = false, bool zoomed = false);
    // The zoom commands; false for any other id.
    bool zoomCommand(int commandId);
    // Shows `percent` (0: fitted) keeping the picture point under the client
    // point (x, y) in place.
    void zoomTo(int32_t percent, int32_t x, int32_t y);
    // The next level up (`in`) or down, around (x, y).
    void zoomStep(bool in, int32_t x, int32_t y);
    void fitToWindow();
    void finishSetPage(const CanvasActions& actions);
    void viewResized();
    void scrollBy(int64_t dx, int64_t dy);
    void updateScrollBars();
    void scrollMessage(int bar, WORD request);
    void wheel(int delta, WPARAM keys, LPARAM screenPoint, bool sideways);
    void startPan(int x, int y);
    // A drag or band near the edge scrolls the page towards the pointer.
    void autoScroll(int x, int y);
    void paintPicture(HDC dc, const RECT& client);
    int32_t viewX(int x) const { return view_.clientToViewX(x); }
    int32_t viewY(int y) const { return view_.clientToViewY(y); }
    void drawBand(const Rect& erased, const Rect& drawn);
    void drawOutlines(HDC dc, const std::vector<Rect>& outlines, const Rect* inverted);
    void drawThickOutlines(HDC dc, const std::vector<Rect>& outlines);
    void drawGuides(HDC dc, const std::vector<Rect>& guides);
    // The picture, the labels, the outlines and the guides of plan_.
    void paintPlanOn(HDC dc);
    void drawLabels(HDC dc, const std::vector<PaintPlan::Label>& labels);
    void flash(std::vector<Rect> outlines, const Rect* inverted);
    void stopFlash();
    void openCommandDialog(int32_t index);
    // Types the selection's position and size; the change is one step.
    void openPlacementDialog();
    void tellObserver(const CanvasActions& actions, bool resized, bool zoomed);
    void fitToPage();
    HCURSOR cursorHandle(CanvasCursor cursor) const;

    CanvasObserver& observer_;
    CanvasEditor editor_;
    HPEN outlinePen_;
    HPEN thickPen_;  // the selected regions besides the reference
    HFONT labelFont_;
    HCURSOR sizeNS_, sizeWE_, sizeNESW_, sizeNWSE_, sizeAll_, arrow_;
    HCURSOR modeCursors_[kModeCount];
    std::optional<Rect> toldSelection_;  // the selection the observer last heard of
    size_t toldCount_ = 0;
    bool altDrag_ = false;
    PaintPlan plan_;  // kept between paints so that its storage is reused
    bool trying_ = false;
    std::vector<Rect> flashedOutlines_;
    std::optional<Rect> flashedRegion_;
    ViewMapping view_;
    double pageFit_ = 1.0;      // the fit the page was shown at
    bool viewHasPage_ = false;
    POINT keptOrigin_ = {};     // the scroll of the last page, for the same page again
    bool followsWindow_ = false;
    std::vector<uint32_t> visible_;  // the client area's picture when enlarged
    WheelSteps upDownWheel_, sideWheel_, zoomWheel_;  // each kept apart
    bool panning_ = false;
    POINT panFrom_ = {};
    POINT lastPointer_ = {};
};

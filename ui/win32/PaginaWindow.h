// The page canvas: shows the page's picture and regions and edits the regions
// with mouse and keyboard. The editing itself is CanvasEditor's; this window
// turns messages into its calls and its answers into Win32 calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32/Window.h"
#include "ui/CanvasEditor.h"
#include "ui/win32/CanvasObserver.h"

class Pagina;

class PaginaWindow : public Window {
public:
    // A child of `parent` at (0, y); `observer` hears of every change that
    // the window around the canvas shows.
    PaginaWindow(int y, Window* parent, CanvasObserver& observer);
    ~PaginaWindow() override;

    // Shows `page` at `scale` (or nothing when null) in NORMAL mode with no
    // selection, and takes the size of the scaled picture.
    void setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames);

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

    // The editing state, for the main window's tests.
    const CanvasEditor& editor() const { return editor_; }

private:
    void perform(const CanvasActions& actions, bool resized = false);
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
    void tellObserver(const CanvasActions& actions, bool resized);
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
};

// The page canvas: shows the page's picture and regions and edits the regions
// with mouse and keyboard. The editing itself is CanvasEditor's; this window
// turns messages into its calls and its answers into Win32 calls.
#pragma once

#include <string>
#include <vector>

#include "app/Window.h"
#include "ui/CanvasEditor.h"
#include "ui/win32/Toolbar.h"

class Pagina;

class PaginaWindow : public Window {
public:
    PaginaWindow(int y, Window* owner, const Toolbar& toolbar);
    ~PaginaWindow() override;

    // Shows `page` (or nothing when null): scale, size, title, NORMAL mode,
    // no selection; then fits the main window around toolbar and canvas.
    void setPage(Pagina* page, const std::string& installation, const std::vector<std::string>& pageNames);

    // Selects region `index` of the page shown and repaints.
    void selectRegion(int32_t index);

    LRESULT onPaint(HDC dc, PAINTSTRUCT paint) override;
    LRESULT onLButtonDown(int x, int y, WPARAM keys) override;
    LRESULT onLButtonUp(int x, int y, WPARAM keys) override;
    LRESULT onRButtonDown(int x, int y, WPARAM keys) override;
    LRESULT onMouseMove(int x, int y, WPARAM keys) override;
    LRESULT onCommand(WPARAM wParam, LPARAM lParam) override;

    // The editing state, for the main window's tests.
    const CanvasEditor& editor() const { return editor_; }

private:
    void perform(const CanvasActions& actions);
    void drawBand(const Rect& erased, const Rect& drawn);
    void openCommandDialog(int32_t index);
    void checkModeItem(int commandId);
    void refreshTitle();
    void fitToPage();
    HCURSOR cursorHandle(CanvasCursor cursor) const;

    const Toolbar& toolbar;
    CanvasEditor editor_;
    HPEN outlinePen;
    HCURSOR sizeNS, sizeWE, sizeNESW, sizeNWSE, sizeAll, arrow;
    HCURSOR modeCursors[kModeCount];
    PaintPlan plan;  // kept between paints so that its storage is reused
};

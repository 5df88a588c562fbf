#include "PaginaWindow.h"

#include <windows.h>

#include "win32/Application.h"
#include "model/Pagina.h"
#include "base/resource.h"
#include "ui/win32/ComandoDlg.h"
#include "ui/win32/PosicionDlg.h"

namespace {

const UINT_PTR kFlashTimer = 1;
const UINT kFlashMilliseconds = 500;

uint32_t tickCount() {
    return GetTickCount();
}

// The dialogs' font, crisp.
HFONT createLabelFont() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfQuality = NONANTIALIASED_QUALITY;
    return CreateFontIndirectA(&font);
}

HPEN createOutlinePen() {
    LOGBRUSH brush;
    brush.lbStyle = BS_SOLID;
    brush.lbColor = RGB(255, 255, 255);
    brush.lbHatch = 0;
    return ExtCreatePen(PS_COSMETIC | PS_DOT, 1, &brush, 0, nullptr);
}

// No C++ exception may unwind into the system's window procedure; what the
// editing may throw (out of memory) ends the handler instead.
template <typename Handler>
void guarded(Handler handler) {
    try {
        handler();
    } catch (...) {
    }
}

}  // namespace

PaginaWindow::PaginaWindow(int y, Window* parent, CanvasObserver& observer)
    : Window(parent, "Pagina", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER, 0, y, CW_USEDEFAULT,
             CW_USEDEFAULT),
      observer_(observer),
      editor_(tickCount, GetDoubleClickTime() >> 1) {
    sizeNS_ = LoadCursorA(nullptr, IDC_SIZENS);
    sizeWE_ = LoadCursorA(nullptr, IDC_SIZEWE);
    sizeNESW_ = LoadCursorA(nullptr, IDC_SIZENESW);
    sizeNWSE_ = LoadCursorA(nullptr, IDC_SIZENWSE);
    sizeAll_ = LoadCursorA(nullptr, IDC_SIZEALL);
    arrow_ = LoadCursorA(nullptr, IDC_ARROW);
    for (int i = 0; i < kModeCount; ++i) {
        int resource = modeInfo(modeAt(i)).cursorResource;
        modeCursors_[i] = resource ? LoadCursorA(instanceHandle, MAKEINTRESOURCEA(resource)) : nullptr;
    }
    outlinePen_ = createOutlinePen();
    thickPen_ = CreatePen(PS_INSIDEFRAME, 3, RGB(255, 255, 255));
    labelFont_ = createLabelFont();
    editor_.setBeforeChange([this] {
        CanvasChange change;
        change.pageAboutToChange = true;
        observer_.canvasChanged(change);
    });
    ShowWindow(hwnd(), SW_SHOW);
}

PaginaWindow::~PaginaWindow() {
    if (outlinePen_)
        DeleteObject(outlinePen_);
    if (thickPen_)
        DeleteObject(thickPen_);
    if (labelFont_)
        DeleteObject(labelFont_);
}

void PaginaWindow::setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames) {
    stopFlash();
    CanvasActions actions = editor_.setPage(page, scale, pageNames);
    fitToPage();
    perform(actions, true);
}

void PaginaWindow::setLabels(bool on) {
    editor_.setLabels(on);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void PaginaWindow::selectRegion(int32_t index) {
    guarded([&] { perform(editor_.selectRegion(index)); });
}

void PaginaWindow::selectRegions(const std::vector<int32_t>& indices) {
    guarded([&] { perform(editor_.selectRegions(indices)); });
}

void PaginaWindow::pasteRegions(const std::vector<Region>& regions) {
    guarded([&] { perform(editor_.pasteRegions(regions)); });
}

// The client area takes the scaled picture's size; the border goes around it.
void PaginaWindow::fitToPage() {
    int32_t width, height;
    editor_.canvasSize(width, height);
    RECT outer = {}, client = {};
    GetWindowRect(hwnd(), &outer);
    GetClientRect(hwnd(), &client);
    width += (outer.right - outer.left) - client.right;
    height += (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT PaginaWindow::onPaint(HDC dc, PAINTSTRUCT) {
    guarded([&] {
        editor_.paintPlan(plan_);
        paintPlanOn(dc);
    });
    return 0;
}

void PaginaWindow::paintPlanOn(HDC dc) {
    if (plan_.info && plan_.bits)
        SetDIBitsToDevice(dc, 0, 0, plan_.width, plan_.height, 0, 0, 0, plan_.height, plan_.bits,
                          static_cast<const BITMAPINFO*>(plan_.info), DIB_RGB_COLORS);
    if (trying_) {
        drawOutlines(dc, flashedOutlines_, flashedRegion_ ? &*flashedRegion_ : nullptr);
        return;
    }
    drawLabels(dc, plan_.labels);
    drawOutlines(dc, plan_.outlines, plan_.hasInverted ? &plan_.inverted : nullptr);
    drawThickOutlines(dc, plan_.thick);
    drawGuides(dc, plan_.guides);
}

void PaginaWindow::drawOutlines(HDC dc, const std::vector<Rect>& outlines, const Rect* inverted) {
    HGDIOBJ oldPen = SelectObject(dc, outlinePen_);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int oldMix = SetROP2(dc, R2_XORPEN);
    for (const Rect& r : outlines)
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    if (inverted) {
        // White through XOR inverts: the region shows as a negative.
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(WHITE_PEN));
        Rectangle(dc, inverted->left, inverted->top, inverted->right, inverted->bottom);
    }
    SetROP2(dc, oldMix);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

// XOR as every outline, so that it shows on any picture.
void PaginaWindow::drawThickOutlines(HDC dc, const std::vector<Rect>& outlines) {
    if (outlines.empty())
        return;
    HGDIOBJ oldPen = SelectObject(dc, thickPen_);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int oldMix = SetROP2(dc, R2_XORPEN);
    for (const Rect& r : outlines)
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetROP2(dc, oldMix);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

void PaginaWindow::drawGuides(HDC dc, const std::vector<Rect>& guides) {
    if (guides.empty())
        return;
    HGDIOBJ oldPen = SelectObject(dc, outlinePen_);
    int oldMix = SetROP2(dc, R2_XORPEN);
    for (const Rect& line : guides) {
        MoveToEx(dc, line.left, line.top, nullptr);
        LineTo(dc, line.right, line.bottom);
    }
    SetROP2(dc, oldMix);
    SelectObject(dc, oldPen);
}

// Black on a white backing, whatever the picture; under the outlines, so the
// selection's inversion shows through them. Cut at the region's edges. Line
// by line with ExtTextOut and without smoothing: DrawText's layout and
// smoothed glyphs made a crowded page's repaint miss a frame.
void PaginaWindow::drawLabels(HDC dc, const std::vector<PaintPlan::Label>& labels) {
    if (labels.empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, labelFont_);
    const int oldMode = SetBkMode(dc, OPAQUE);
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    for (const PaintPlan::Label& label : labels) {
        const RECT inside = {label.area.left + 2, label.area.top + 2, label.area.right - 1, label.area.bottom - 1};
        int y = inside.top;
        for (size_t start = 0; start < label.text.size() && y < inside.bottom; y += metrics.tmHeight) {
            size_t end = label.text.find('\n', start);
            if (end == std::string::npos)
                end = label.text.size();
            const int length = static_cast<int>(end - start);
            SIZE extent = {};
            GetTextExtentPoint32A(dc, label.text.data() + start, length, &extent);
            // Clipping costs: only a line that would cross the edges gets it.
            const bool fits = inside.left + extent.cx <= inside.right && y + extent.cy <= inside.bottom;
            ExtTextOutA(dc, inside.left, y, fits ? 0 : ETO_CLIPPED, &inside, label.text.data() + start,
                        static_cast<UINT>(length), nullptr);
            start = end + 1;
        }
    }
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

LRESULT PaginaWindow::onLButtonDown(int x, int y, WPARAM keys) {
    if (trying_) {
        guarded([&] {
            CanvasChange change;
            change.tapped = editor_.hitTest(x, y);
            observer_.canvasChanged(change);
        });
        return 0;
    }
    altDrag_ = false;  // an Alt of an earlier drag whose release never came
    guarded([&] { perform(editor_.leftDown(x, y, (keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0)); });
    return 0;
}

// The press first, as a single click would have it; with Ctrl that press
// has opened the command dialog already.
LRESULT PaginaWindow::onLButtonDoubleClick(int x, int y, WPARAM keys) {
    onLButtonDown(x, y, keys);
    if (!trying_ && !(keys & MK_CONTROL))
        guarded([&] { perform(editor_.doubleClick(x, y)); });
    return 0;
}

LRESULT PaginaWindow::onLButtonUp(int x, int y, WPARAM) {
    if (!trying_)
        guarded([&] { perform(editor_.leftUp(x, y)); });
    return 0;
}

LRESULT PaginaWindow::onRButtonDown(int x, int y, WPARAM) {
    if (!trying_)
        guarded([&] { perform(editor_.rightDown(x, y)); });
    return 0;
}

LRESULT PaginaWindow::onMouseMove(int x, int y, WPARAM keys) {
    if (trying_)
        return 0;
    // Alt held while dragging suspends snapping for that step.
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (alt && editor_.dragZone() != ZONE_NONE)
        altDrag_ = true;
    guarded([&] { perform(editor_.mouseMove(x, y, (keys & MK_LBUTTON) != 0, alt)); });
    return 0;
}

LRESULT PaginaWindow::onCommand(WPARAM wParam, LPARAM) {
    if (trying_)
        return 0;
    if (LOWORD(wParam) == ID_POSICION_TAMANO)
        guarded([&] { openPlacementDialog(); });
    else
        guarded([&] { perform(editor_.command(LOWORD(wParam))); });
    return 0;
}

void PaginaWindow::openPlacementDialog() {
    Rect box;
    const PaginaEscalada* shown = editor_.scaledPage();
    if (!shown || !editor_.selectionBounds(box) || editor_.mode() != ModoEdicion::NORMAL)
        return;
    const Pagina& page = shown->page();
    PosicionDlg dialog(hwnd(), PlacementForm(box, editor_.selection().size(), page.recordedAncho(), page.recordedAlto()));
    if (dialog.runModal() == IDOK && editor_.scaledPage() == shown)
        perform(editor_.placeSelection(dialog.form.box()));
}

bool PaginaWindow::takeAltDrag() {
    const bool taken = altDrag_;
    altDrag_ = false;
    return taken;
}

// ---- trying the pages ---------------------------------------------------------

void PaginaWindow::setTrying(bool on) {
    trying_ = on;
    stopFlash();
}

void PaginaWindow::flashRegion(int32_t index) {
    const PaginaEscalada* shown = editor_.scaledPage();
    if (shown && index >= 0 && static_cast<size_t>(index) < shown->regions().size())
        flash({}, &shown->regions()[static_cast<size_t>(index)].coords);
}

void PaginaWindow::flashAllRegions() {
    std::vector<Rect> outlines;
    if (const PaginaEscalada* shown = editor_.scaledPage())
        for (const Region& region : shown->regions())
            outlines.push_back(region.coords);
    flash(std::move(outlines), nullptr);
}

void PaginaWindow::flash(std::vector<Rect> outlines, const Rect* inverted) {
    flashedOutlines_ = std::move(outlines);
    if (inverted)
        flashedRegion_ = *inverted;
    else
        flashedRegion_.reset();
    InvalidateRect(hwnd(), nullptr, TRUE);
    SetTimer(hwnd(), kFlashTimer, kFlashMilliseconds, nullptr);
}

LRESULT PaginaWindow::onTimer(WPARAM timerId) {
    if (timerId == kFlashTimer)
        stopFlash();
    return 0;
}

void PaginaWindow::stopFlash() {
    KillTimer(hwnd(), kFlashTimer);
    flashedOutlines_.clear();
    flashedRegion_.reset();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// Carries out what the editor asked for, in its order: the newly selected
// region is invalidated before the command dialog opens, so it shows
// selected while the dialog runs. The owner hears last.
void PaginaWindow::perform(const CanvasActions& actions, bool resized) {
    if (actions.cursor != CanvasCursor::None)
        SetCursor(cursorHandle(actions.cursor));
    if (actions.releaseCapture)
        ReleaseCapture();
    if (actions.capture)
        SetCapture(hwnd());
    if (actions.drawBand)
        drawBand(actions.erasedBand, actions.drawnBand);
    if (actions.repaint)
        InvalidateRect(hwnd(), nullptr, TRUE);
    if (actions.commandDialog >= 0)
        openCommandDialog(actions.commandDialog);
    tellObserver(actions, resized);
}

// The rubber band is drawn straight onto the window: XOR twice restores the
// picture, so the old band is erased without a repaint.
void PaginaWindow::drawBand(const Rect& erased, const Rect& drawn) {
    HDC dc = GetDC(hwnd());
    if (!dc)
        return;
    HGDIOBJ oldPen = SelectObject(dc, outlinePen_);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int oldMix = SetROP2(dc, R2_XORPEN);
    Rectangle(dc, erased.left, erased.top, erased.right, erased.bottom);
    Rectangle(dc, drawn.left, drawn.top, drawn.right, drawn.bottom);
    SetROP2(dc, oldMix);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    ReleaseDC(hwnd(), dc);
}

void PaginaWindow::openCommandDialog(int32_t index) {
    const PaginaEscalada* shown = editor_.scaledPage();
    if (!shown || index < 0 || static_cast<size_t>(index) >= shown->regions().size())
        return;
    std::vector<std::string> names = editor_.pageNames();
    ComandoDlg dialog(hwnd(), shown->regions()[static_cast<size_t>(index)].comando, &names);
    if (dialog.runModal() == 1 && editor_.scaledPage() == shown) {
        editor_.setRegionCommand(index, dialog.comando());
        if (editor_.labels())
            InvalidateRect(hwnd(), nullptr, FALSE);  // the label says the new command
    }
}

void PaginaWindow::tellObserver(const CanvasActions& actions, bool resized) {
    CanvasChange change;
    if (actions.checkModeCommand)
        change.mode = editor_.mode();
    change.resized = resized;
    change.nothingFitted = actions.nothingFitted;
    change.pageChangeWithdrawn = actions.changeWithdrawn;
    Rect box;
    if (editor_.selectionBounds(box))
        change.selection = box;
    change.selectedCount = editor_.selection().size();
    change.selectionChanged = !(change.selection == toldSelection_) || change.selectedCount != toldCount_;
    toldSelection_ = change.selection;
    toldCount_ = change.selectedCount;
    if (change.mode || change.resized || change.selectionChanged || change.nothingFitted ||
        change.pageChangeWithdrawn)
        observer_.canvasChanged(change);
}

HCURSOR PaginaWindow::cursorHandle(CanvasCursor cursor) const {
    switch (cursor) {
    case CanvasCursor::SizeNS: return sizeNS_;
    case CanvasCursor::SizeWE: return sizeWE_;
    case CanvasCursor::SizeNESW: return sizeNESW_;
    case CanvasCursor::SizeNWSE: return sizeNWSE_;
    case CanvasCursor::SizeAll: return sizeAll_;
    case CanvasCursor::Mode: {
        HCURSOR shape = modeCursors_[static_cast<int>(editor_.mode())];
        return shape ? shape : arrow_;
    }
    default: return arrow_;
    }
}

#include "PaginaWindow.h"

#include <windows.h>

#include <algorithm>

#include "win32/Application.h"
#include "model/Pagina.h"
#include "base/resource.h"
#include "ui/win32/ComandoDlg.h"
#include "ui/win32/PosicionDlg.h"
#include "ui/VisiblePart.h"

namespace {

const UINT_PTR kFlashTimer = 1;
const UINT kFlashMilliseconds = 500;
const UINT_PTR kAutoScrollTimer = 2;
const UINT kAutoScrollMilliseconds = 50;
// Screen pixels: a scroll bar arrow's step, a wheel notch's, and how near
// the edge a drag scrolls the page.
const int kLineStep = 20;
const int kNotchStep = 3 * kLineStep;
const int kEdgeReach = 16;

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
    : Window(parent, "Pagina", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_HSCROLL | WS_VSCROLL, 0, y,
             CW_USEDEFAULT, CW_USEDEFAULT),
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

// The canvas is first sized and shown at fit, as it always was; a view kept
// (the same page after an undo) then goes back to its zoom and scroll.
void PaginaWindow::setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames, bool keepView) {
    stopFlash();
    if (viewHasPage_)
        keptOrigin_ = POINT{view_.originX(), view_.originY()};
    viewHasPage_ = page != nullptr;
    const bool zoomKept = page && keepView && !trying_ && !view_.atFit();
    const double level = view_.scale();
    const int64_t width = page ? page->recordedAncho() : 0, height = page ? page->recordedAlto() : 0;
    if (followsWindow_)
        scale = ViewMapping::fitScale(width, height, view_.viewWidth(), view_.viewHeight());
    pageFit_ = scale;
    CanvasActions actions = editor_.setPage(page, scale, pageNames);
    if (!page) {
        finishSetPage(actions);
        return;
    }
    view_.fit();
    view_.setPicture(width, height, scale);
    // Sized to the page, the canvas needs no bars: hidden first, they are
    // not counted as its border.
    if (!followsWindow_) {
        ShowScrollBar(hwnd(), SB_BOTH, FALSE);
        fitToPage();
    }
    if (zoomKept) {
        view_.zoomAround(static_cast<int32_t>(level * 100 + 0.5), 0, 0);
        editor_.setZoom(view_.scale(), view_.exact());
    }
    if (keepView)
        view_.scrollTo(keptOrigin_.x, keptOrigin_.y);
    finishSetPage(actions);
}

void PaginaWindow::finishSetPage(const CanvasActions& actions) {
    if (viewHasPage_) {
        updateScrollBars();
    } else {
        ShowScrollBar(hwnd(), SB_BOTH, FALSE);
        if (!followsWindow_)
            fitToPage();
    }
    perform(actions, true, true);
}

void PaginaWindow::followWindow() {
    followsWindow_ = true;
}

// ---- zoom and scroll -------------------------------------------------------------

bool PaginaWindow::zoomCommand(int commandId) {
    RECT client = {};
    GetClientRect(hwnd(), &client);
    const int x = client.right / 2, y = client.bottom / 2;
    switch (commandId) {
    case ID_VER_AJUSTAR: fitToWindow(); return true;
    case ID_VER_TAMANO_REAL: zoomTo(100, x, y); return true;
    case ID_VER_AMPLIAR: zoomStep(true, x, y); return true;
    case ID_VER_REDUCIR: zoomStep(false, x, y); return true;
    default: return false;
    }
}

void PaginaWindow::zoomStep(bool in, int32_t x, int32_t y) {
    const double level = in ? ViewMapping::levelAbove(view_.scale()) : ViewMapping::levelBelow(view_.scale());
    zoomTo(static_cast<int32_t>(level * 100 + 0.5), x, y);
}

void PaginaWindow::zoomTo(int32_t percent, int32_t x, int32_t y) {
    if (!editor_.scaledPage() || trying_)
        return;
    const double was = view_.scale();
    const bool wasFitted = view_.atFit();
    view_.zoomAround(percent, x, y);
    if (view_.scale() != was || wasFitted)
        perform(editor_.setZoom(view_.scale(), view_.exact()), false, true);
    updateScrollBars();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// Fitted to the canvas as it is now when it follows the window, else to the
// size the page was shown at.
void PaginaWindow::fitToWindow() {
    if (!editor_.scaledPage())
        return;
    const PaginaEscalada& shown = *editor_.scaledPage();
    const double fit = followsWindow_ ? ViewMapping::fitScale(shown.page().recordedAncho(), shown.page().recordedAlto(),
                                                             view_.viewWidth(), view_.viewHeight())
                                      : pageFit_;
    const bool changed = !view_.atFit() || fit != view_.scale();
    view_.fit();
    view_.setPicture(shown.page().recordedAncho(), shown.page().recordedAlto(), fit);
    // The window was fitted to the page: the bars a zoom brought would
    // otherwise keep the page from fitting again.
    if (!followsWindow_)
        ShowScrollBar(hwnd(), SB_BOTH, FALSE);
    if (changed)
        perform(editor_.setZoom(fit, false), false, true);
    updateScrollBars();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// The client area changed: a fitted page that follows the window is fitted anew.
void PaginaWindow::viewResized() {
    RECT client = {};
    GetClientRect(hwnd(), &client);
    if (client.right == view_.viewWidth() && client.bottom == view_.viewHeight())
        return;
    view_.setViewSize(client.right, client.bottom);
    if (followsWindow_ && view_.atFit() && !trying_) {
        fitToWindow();
        return;
    }
    updateScrollBars();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void PaginaWindow::scrollBy(int64_t dx, int64_t dy) {
    if (!view_.scrollBy(dx, dy))
        return;
    updateScrollBars();
    // Painted at once, band included, so that the band's next XOR step
    // meets what is on the screen.
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

// A bar shows only when the page is larger than the client area that way.
void PaginaWindow::updateScrollBars() {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, view_.contentWidth() - 1);
    info.nPage = static_cast<UINT>(view_.viewWidth());
    info.nPos = view_.originX();
    SetScrollInfo(hwnd(), SB_HORZ, &info, TRUE);
    info.nMax = std::max(0, view_.contentHeight() - 1);
    info.nPage = static_cast<UINT>(view_.viewHeight());
    info.nPos = view_.originY();
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void PaginaWindow::scrollMessage(int bar, WORD request) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd(), bar, &info);
    const int64_t page = static_cast<int64_t>(info.nPage);
    int64_t to = info.nPos;
    switch (request) {
    case SB_LINEUP: to -= kLineStep; break;
    case SB_LINEDOWN: to += kLineStep; break;
    case SB_PAGEUP: to -= page; break;
    case SB_PAGEDOWN: to += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: to = info.nTrackPos; break;
    case SB_TOP: to = 0; break;
    case SB_BOTTOM: to = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ)
        scrollBy(to - view_.originX(), 0);
    else
        scrollBy(0, to - view_.originY());
}

// Precision touchpads send parts of a notch: they add up (WheelSteps).
void PaginaWindow::wheel(int delta, WPARAM keys, LPARAM screenPoint, bool sideways) {
    if (trying_)
        return;
    if (!sideways && (keys & MK_CONTROL)) {
        POINT at = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
        ScreenToClient(hwnd(), &at);
        for (int32_t notches = zoomWheel_.notches(delta); notches != 0; notches += notches > 0 ? -1 : 1)
            zoomStep(notches > 0, at.x, at.y);
        return;
    }
    // The wheel turned away from the user (positive) goes up; tilted right
    // goes right; with Shift the wheel goes sideways, away from the user left.
    if (sideways)
        scrollBy(sideWheel_.pixels(delta, kNotchStep), 0);
    else if (keys & MK_SHIFT)
        scrollBy(-sideWheel_.pixels(delta, kNotchStep), 0);
    else
        scrollBy(0, -upDownWheel_.pixels(delta, kNotchStep));
}

void PaginaWindow::startPan(int x, int y) {
    panning_ = true;
    panFrom_ = POINT{x, y};
    SetCapture(hwnd());
    SetCursor(sizeAll_);
}

void PaginaWindow::autoScroll(int x, int y) {
    lastPointer_ = POINT{x, y};
    if (editor_.dragZone() == ZONE_NONE && !editor_.bandActive()) {
        KillTimer(hwnd(), kAutoScrollTimer);
        return;
    }
    RECT client = {};
    GetClientRect(hwnd(), &client);
    const bool nearEdge = ViewMapping::edgeScroll(x, client.right, kEdgeReach, 1) != 0 ||
                          ViewMapping::edgeScroll(y, client.bottom, kEdgeReach, 1) != 0;
    if (nearEdge)
        SetTimer(hwnd(), kAutoScrollTimer, kAutoScrollMilliseconds, nullptr);
    else
        KillTimer(hwnd(), kAutoScrollTimer);
}

LRESULT PaginaWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        guarded([&] { viewResized(); });
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        guarded([&] { scrollMessage(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam)); });
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        guarded([&] {
            wheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam), lParam, message == WM_MOUSEHWHEEL);
        });
        return 0;
    case WM_MBUTTONDOWN:
        if (!trying_)
            startPan(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MBUTTONUP:
        if (panning_) {
            panning_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        panning_ = false;
        return 0;
    default:
        return Window::onMessage(message, wParam, lParam);
    }
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

// Regions, labels, guides and the band are in view pixels: the viewport's
// origin puts them where the scrolled page shows.
void PaginaWindow::paintPlanOn(HDC dc) {
    RECT client = {};
    GetClientRect(hwnd(), &client);
    paintPicture(dc, client);
    POINT oldOrigin = {};
    SetViewportOrgEx(dc, -view_.originX(), -view_.originY(), &oldOrigin);
    if (trying_) {
        drawOutlines(dc, flashedOutlines_, flashedRegion_ ? &*flashedRegion_ : nullptr);
    } else {
        drawLabels(dc, plan_.labels);
        drawOutlines(dc, plan_.outlines, plan_.hasInverted ? &plan_.inverted : nullptr);
        drawThickOutlines(dc, plan_.thick);
        drawGuides(dc, plan_.guides);
        // The band is XOR-drawn between paints; a paint draws it again so
        // that the next step's erasing finds it.
        if (editor_.bandActive())
            drawOutlines(dc, {editor_.band()}, nullptr);
    }
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

// Only what the client area shows: a part of the fitted picture as it is,
// or the enlarged part VisiblePart makes, never the whole page enlarged.
void PaginaWindow::paintPicture(HDC dc, const RECT& client) {
    if (!plan_.info || !plan_.bits)
        return;
    const int originX = view_.originX(), originY = view_.originY();
    if (plan_.factor <= 1) {
        const int width = std::min<int>(client.right, static_cast<int>(plan_.width) - originX);
        const int height = std::min<int>(client.bottom, static_cast<int>(plan_.height) - originY);
        if (width > 0 && height > 0)
            SetDIBitsToDevice(dc, 0, 0, width, height, originX, static_cast<int>(plan_.height) - originY - height, 0,
                              plan_.height, plan_.bits, static_cast<const BITMAPINFO*>(plan_.info), DIB_RGB_COLORS);
        return;
    }
    PixelRows rows;
    rows.bits = static_cast<const uint8_t*>(plan_.bits);
    rows.width = plan_.width;
    rows.height = plan_.height;
    rows.pitch = static_cast<size_t>(plan_.width) * 4;
    VisiblePart::fill(rows, plan_.factor, originX, originY, client.right, client.bottom, plan_.factor >= 4, visible_);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (!visible_.empty())
        SetDIBitsToDevice(dc, 0, 0, client.right, client.bottom, 0, 0, 0, client.bottom, visible_.data(), &info,
                          DIB_RGB_COLORS);
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

LRESULT PaginaWindow::onLButtonDown(int clientX, int clientY, WPARAM keys) {
    const int32_t x = viewX(clientX), y = viewY(clientY);
    if (trying_) {
        guarded([&] {
            CanvasChange change;
            change.tapped = editor_.hitTest(x, y);
            observer_.canvasChanged(change);
        });
        return 0;
    }
    altDrag_ = false;  // an Alt of an earlier drag whose release never came
    // Space held: the press pans instead.
    if (GetKeyState(VK_SPACE) < 0) {
        startPan(clientX, clientY);
        return 0;
    }
    guarded([&] { perform(editor_.leftDown(x, y, (keys & MK_CONTROL) != 0, (keys & MK_SHIFT) != 0)); });
    return 0;
}

// The press first, as a single click would have it; with Ctrl that press
// has opened the command dialog already.
LRESULT PaginaWindow::onLButtonDoubleClick(int x, int y, WPARAM keys) {
    onLButtonDown(x, y, keys);
    if (!trying_ && !panning_ && !(keys & MK_CONTROL))
        guarded([&] { perform(editor_.doubleClick(viewX(x), viewY(y))); });
    return 0;
}

LRESULT PaginaWindow::onLButtonUp(int x, int y, WPARAM) {
    if (panning_) {
        panning_ = false;
        ReleaseCapture();
        return 0;
    }
    KillTimer(hwnd(), kAutoScrollTimer);
    if (!trying_)
        guarded([&] { perform(editor_.leftUp(viewX(x), viewY(y))); });
    return 0;
}

LRESULT PaginaWindow::onRButtonDown(int x, int y, WPARAM) {
    if (!trying_)
        guarded([&] { perform(editor_.rightDown(viewX(x), viewY(y))); });
    return 0;
}

LRESULT PaginaWindow::onMouseMove(int clientX, int clientY, WPARAM keys) {
    if (panning_) {
        guarded([&] { scrollBy(panFrom_.x - clientX, panFrom_.y - clientY); });
        panFrom_ = POINT{clientX, clientY};
        return 0;
    }
    if (trying_)
        return 0;
    const int32_t x = viewX(clientX), y = viewY(clientY);
    // Alt held while dragging suspends snapping for that step.
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (alt && editor_.dragZone() != ZONE_NONE)
        altDrag_ = true;
    guarded([&] {
        perform(editor_.mouseMove(x, y, (keys & MK_LBUTTON) != 0, alt));
        autoScroll(clientX, clientY);
    });
    return 0;
}

LRESULT PaginaWindow::onCommand(WPARAM wParam, LPARAM) {
    if (trying_)
        return 0;
    if (LOWORD(wParam) == ID_POSICION_TAMANO)
        guarded([&] { openPlacementDialog(); });
    else if (zoomCommand(LOWORD(wParam)))
        return 0;
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

// The test run shows the page fitted, as the device would.
void PaginaWindow::setTrying(bool on) {
    if (on)
        guarded([&] { fitToWindow(); });
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
    if (timerId == kAutoScrollTimer)
        guarded([&] {
            RECT client = {};
            GetClientRect(hwnd(), &client);
            const int x = lastPointer_.x, y = lastPointer_.y;
            const int dx = ViewMapping::edgeScroll(x, client.right, kEdgeReach, kLineStep);
            const int dy = ViewMapping::edgeScroll(y, client.bottom, kEdgeReach, kLineStep);
            if (editor_.dragZone() == ZONE_NONE && !editor_.bandActive()) {
                KillTimer(hwnd(), kAutoScrollTimer);
                return;
            }
            // The page moves under a pointer that stays: the drag follows as if it had moved.
            const int32_t wasX = view_.originX(), wasY = view_.originY();
            scrollBy(dx, dy);
            if (view_.originX() != wasX || view_.originY() != wasY) {
                perform(editor_.mouseMove(viewX(x), viewY(y), GetKeyState(VK_LBUTTON) < 0, GetKeyState(VK_MENU) < 0));
            }
        });
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
void PaginaWindow::perform(const CanvasActions& actions, bool resized, bool zoomed) {
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
    tellObserver(actions, resized, zoomed);
}

// The rubber band is drawn straight onto the window: XOR twice restores the
// picture, so the old band is erased without a repaint.
void PaginaWindow::drawBand(const Rect& erased, const Rect& drawn) {
    HDC dc = GetDC(hwnd());
    if (!dc)
        return;
    SetViewportOrgEx(dc, -view_.originX(), -view_.originY(), nullptr);
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

void PaginaWindow::tellObserver(const CanvasActions& actions, bool resized, bool zoomed) {
    CanvasChange change;
    change.zoomChanged = zoomed;
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
        change.pageChangeWithdrawn || change.zoomChanged)
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

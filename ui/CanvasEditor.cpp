#include "CanvasEditor.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "base/resource.h"
#include "ui/RegionArrange.h"
#include "ui/RegionGroup.h"
#include "ui/ButtonDetection.h"
#include "ui/CommandDescription.h"

namespace {

int32_t plus(int32_t value, int64_t delta) {
    return saturated(static_cast<int64_t>(value) + delta);
}

bool near(int32_t a, int32_t b) {
    return std::llabs(static_cast<int64_t>(a) - b) <= CanvasEditor::kNear;
}

// Region t changed against the reference r by an align or equalise mode;
// the same rule in canvas or in picture pixels.
Rect modeApplied(ModoEdicion mode, const Rect& t, const Rect& r) {
    Rect n = t;
    switch (mode) {
    case ModoEdicion::ALINEARSUP:
        n.top = r.top;
        n.bottom = saturated(static_cast<int64_t>(r.top) + t.bottom - t.top);
        break;
    case ModoEdicion::ALINEARINF:
        n.top = saturated(static_cast<int64_t>(t.top) + r.bottom - t.bottom);
        n.bottom = r.bottom;
        break;
    case ModoEdicion::ALINEARIZQ:
        n.left = r.left;
        n.right = saturated(static_cast<int64_t>(t.right) + r.left - t.left);
        break;
    case ModoEdicion::ALINEARDER:
        n.left = saturated(static_cast<int64_t>(t.left) + r.right - t.right);
        n.right = r.right;
        break;
    case ModoEdicion::IGUALARALTO:
        n.bottom = saturated(static_cast<int64_t>(t.top) + r.bottom - r.top);
        break;
    case ModoEdicion::IGUALARANCHO:
        n.right = saturated(static_cast<int64_t>(t.left) + r.right - r.left);
        break;
    case ModoEdicion::IGUALARTAMANNO:
        n.bottom = saturated(static_cast<int64_t>(t.top) + r.bottom - r.top);
        n.right = saturated(static_cast<int64_t>(t.left) + r.right - r.left);
        break;
    case ModoEdicion::NORMAL:
        break;
    }
    return n;
}

bool isShrink(int commandId) {
    return commandId == ID_KEY_CTRL_SHIFT_LEFT || commandId == ID_KEY_CTRL_SHIFT_RIGHT ||
           commandId == ID_KEY_CTRL_SHIFT_UP || commandId == ID_KEY_CTRL_SHIFT_DOWN;
}

bool atLeastOnePixel(const Rect& r) {
    return r.right - static_cast<int64_t>(r.left) >= 1 && r.bottom - static_cast<int64_t>(r.top) >= 1;
}

int32_t clampedSize(uint32_t size, int32_t minimum) {
    if (size > static_cast<uint32_t>(INT32_MAX))
        return INT32_MAX;
    return std::max(static_cast<int32_t>(size), minimum);
}

// One axis of a rectangle moved inside 0..limit, cut to `limit` when longer.
void intoRange(int32_t& low, int32_t& high, int64_t limit) {
    int64_t length = std::min<int64_t>(static_cast<int64_t>(high) - low, limit);
    int64_t start = std::max<int64_t>(0, std::min<int64_t>(low, limit - length));
    low = static_cast<int32_t>(start);
    high = static_cast<int32_t>(start + length);
}

int32_t clamped(int32_t value, int32_t limit) {
    return std::max(0, std::min(value, limit));
}

// `edited` kept within a width x height page (no limit when either is 0):
// a move (both pairs of opposite edges moved alike) shifts the whole
// rectangle onto the page; any other edit stops each edge it moved at the
// page's edges. Edges the edit left alone stay, even off the page.
Rect keptInside(const Rect& was, const Rect& edited, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0)
        return edited;
    Rect kept = edited;
    const bool move = static_cast<int64_t>(edited.left) - was.left == static_cast<int64_t>(edited.right) - was.right &&
                      static_cast<int64_t>(edited.top) - was.top == static_cast<int64_t>(edited.bottom) - was.bottom;
    if (move && !(edited == was)) {
        Rect ordered = cornersInOrder(edited);
        intoRange(ordered.left, ordered.right, width);
        intoRange(ordered.top, ordered.bottom, height);
        return ordered;
    }
    if (kept.left != was.left)
        kept.left = clamped(kept.left, width);
    if (kept.right != was.right)
        kept.right = clamped(kept.right, width);
    if (kept.top != was.top)
        kept.top = clamped(kept.top, height);
    if (kept.bottom != was.bottom)
        kept.bottom = clamped(kept.bottom, height);
    return kept;
}

Rect shifted(const Rect& r, int64_t by) {
    return Rect{plus(r.left, by), plus(r.top, by), plus(r.right, by), plus(r.bottom, by)};
}

bool rectTaken(const Rect& r, const std::vector<Region>& regions) {
    return std::any_of(regions.begin(), regions.end(), [&](const Region& region) { return region.coords == r; });
}

}  // namespace

Rect pastePlacement(const Rect& copied, uint32_t width, uint32_t height, const std::vector<Region>& regions) {
    const bool picture = width > 0 && height > 0;
    Rect placed = cornersInOrder(copied);
    if (picture) {
        intoRange(placed.left, placed.right, width);
        intoRange(placed.top, placed.bottom, height);
    }
    auto fits = [&](const Rect& r) {
        return !picture || (r.left >= 0 && r.top >= 0 && r.right <= static_cast<int64_t>(width) &&
                            r.bottom <= static_cast<int64_t>(height));
    };
    // Down and right, or up and left where that would leave the picture.
    // Each region takes at most one of the places tried, so one more step
    // than there are regions finds a free one wherever a step fits at all.
    for (size_t step = 0; step <= regions.size(); ++step) {
        const int64_t distance = kPasteStep * static_cast<int64_t>(step);
        Rect candidate = shifted(placed, distance);
        if (!fits(candidate))
            candidate = shifted(placed, -distance);
        if (fits(candidate) && !rectTaken(candidate, regions))
            return candidate;
    }
    return placed;
}

ScaleChoice chooseScale(uint32_t width, uint32_t height, int32_t availableWidth, int32_t availableHeight) {
    ScaleChoice choice;
    if (static_cast<int64_t>(width) <= availableWidth && static_cast<int64_t>(height) <= availableHeight)
        return choice;
    choice.moveToCorner = true;
    double byHeight = height ? static_cast<double>(availableHeight) / height : HUGE_VAL;
    double byWidth = width ? static_cast<double>(availableWidth) / width : HUGE_VAL;
    double scale = std::min(byHeight, byWidth);
    // A work area with no room left would give no scale at all (and a
    // division by zero when storing edits): show the picture unscaled.
    if (scale > 0 && std::isfinite(scale))
        choice.scale = scale;
    return choice;
}

CanvasEditor::CanvasEditor(std::function<uint32_t()> clock, uint32_t dragDelay)
    : clock_(std::move(clock)), dragDelay_(dragDelay) {}

CanvasActions CanvasEditor::setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames,
                                    bool exact) {
    CanvasActions actions;
    // A page shown during a press ("Deshacer" in the middle of a drag) ends
    // the press: the pointer it captured goes back to every window.
    actions.releaseCapture = dragZone_ != ZONE_NONE || bandActive();
    lastX_ = lastY_ = -1;
    band_ = Rect{-1, -1, -1, -1};
    selection_.clear();
    selectingBand_ = false;
    pressedInGroup_ = -1;
    mode_ = ModoEdicion::NORMAL;
    dragZone_ = ZONE_NONE;
    pageNames_ = pageNames;
    scaledPage_.reset();
    if (page)
        scaledPage_ = std::make_unique<PaginaEscalada>(*page, scale, exact);

    actions.checkModeCommand = modeInfo(ModoEdicion::NORMAL).commandId;
    // A page of the same size as the last one would not be redrawn by the resize.
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::setZoom(double scale, bool exact) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    abandonPress(actions);
    guides_.clear();
    // The old view goes first: two pictures at once would double the peak.
    Pagina& page = scaledPage_->page();
    scaledPage_.reset();
    scaledPage_ = std::make_unique<PaginaEscalada>(page, scale, exact);
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::selectRegion(int32_t index) {
    CanvasActions actions;
    if (!scaledPage_ || index < 0 || static_cast<size_t>(index) >= scaledPage_->regions().size())
        return actions;
    selection_.only(index);
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::selectRegions(std::vector<int32_t> indices) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    const int32_t count = static_cast<int32_t>(scaledPage_->regions().size());
    indices.erase(std::remove_if(indices.begin(), indices.end(),
                                 [count](int32_t index) { return index < 0 || index >= count; }),
                  indices.end());
    selection_.clear();
    selection_.add(indices);
    actions.repaint = true;
    return actions;
}

const Rect& CanvasEditor::regionRect(int32_t index) const {
    return scaledPage_->regions()[static_cast<size_t>(index)].coords;
}

int32_t CanvasEditor::hitTest(int32_t x, int32_t y) const {
    if (!scaledPage_)
        return -1;
    const std::vector<Region>& regions = scaledPage_->regions();
    for (size_t i = 0; i < regions.size(); ++i) {
        const Rect& r = regions[i].coords;
        if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int CanvasEditor::zoneAt(int32_t index, int32_t x, int32_t y) const {
    if (index < 0 || !scaledPage_ || static_cast<size_t>(index) >= scaledPage_->regions().size())
        return ZONE_NONE;
    const Rect& r = regionRect(index);
    bool left = near(x, r.left), right = near(x, r.right);
    bool top = near(y, r.top), bottom = near(y, r.bottom);
    if (left)
        return top ? ZONE_TOP_LEFT : bottom ? ZONE_BOTTOM_LEFT : ZONE_LEFT;
    if (right)
        return top ? ZONE_TOP_RIGHT : bottom ? ZONE_BOTTOM_RIGHT : ZONE_RIGHT;
    if (top)
        return ZONE_TOP;
    if (bottom)
        return ZONE_BOTTOM;
    return ZONE_MOVE;
}

CanvasCursor CanvasEditor::cursorFor(int32_t index, int32_t x, int32_t y) const {
    if (mode_ != ModoEdicion::NORMAL)
        return (index == selected() || selected() == -1) ? CanvasCursor::Arrow : CanvasCursor::Mode;
    // A selected region of a group moves the group from anywhere on it.
    const bool inGroup = selection_.size() > 1 && selection_.contains(index);
    switch (dragZone_ != ZONE_NONE ? dragZone_ : inGroup ? ZONE_MOVE : zoneAt(index, x, y)) {
    case ZONE_MOVE:
        return CanvasCursor::SizeAll;
    case ZONE_TOP:
    case ZONE_BOTTOM:
        return CanvasCursor::SizeNS;
    case ZONE_RIGHT:
    case ZONE_LEFT:
        return CanvasCursor::SizeWE;
    case ZONE_TOP_LEFT:
    case ZONE_BOTTOM_RIGHT:
        return CanvasCursor::SizeNWSE;
    case ZONE_TOP_RIGHT:
    case ZONE_BOTTOM_LEFT:
        return CanvasCursor::SizeNESW;
    default:
        return CanvasCursor::Arrow;
    }
}

CanvasActions CanvasEditor::leftDown(int32_t x, int32_t y, bool ctrl, bool shift) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    // A press means the button went up somewhere: a drag whose release went
    // outside the canvas ends here instead of carrying on into this press.
    if (dragZone_ != ZONE_NONE)
        endDrag(actions);
    beginGesture();
    pressedInGroup_ = -1;
    const bool normal = mode_ == ModoEdicion::NORMAL;
    int32_t i = hitTest(x, y);
    if (i < 0) {
        if (!(normal && shift))
            selection_.clear();
        if (normal)
            startBand(x, y, shift, actions);
        else
            actions.repaint = true;
        return actions;
    }
    if (ctrl) {
        openCommandDialog(i, actions);
        return actions;
    }
    actions.cursor = cursorFor(i, x, y);
    if (normal && shift) {
        selection_.toggle(i);
    } else if (selection_.empty()) {
        selection_.only(i);
        if (normal)
            beginDrag(x, y, actions);
    } else if (!normal) {
        applyMode(i);
    } else {
        if (selection_.size() > 1 && selection_.contains(i))
            pressedInGroup_ = i;
        else
            selection_.only(i);
        beginDrag(x, y, actions);
    }
    actions.repaint = true;
    return actions;
}

void CanvasEditor::startBand(int32_t x, int32_t y, bool selecting, CanvasActions& actions) {
    band_ = Rect{onPageX(x), onPageY(y), onPageX(x), onPageY(y)};
    selectingBand_ = selecting;
    actions.capture = true;
}

// The pointer is captured, as for the rubber band, so that the release ends
// the drag wherever it happens.
void CanvasEditor::beginDrag(int32_t x, int32_t y, CanvasActions& actions) {
    if (selection_.empty())
        return;
    pressTime_ = clock_();
    lastX_ = pressX_ = x;
    lastY_ = pressY_ = y;
    dragMoved_ = false;
    snapSuspended_ = false;
    dragZone_ = selection_.size() > 1 ? ZONE_MOVE : zoneAt(selected(), x, y);
    startCanvas_.clear();
    startPicture_.clear();
    for (int32_t index : selection_.indices()) {
        startCanvas_.push_back(regionRect(index));
        startPicture_.push_back(scaledPage_->pictureCoords(static_cast<size_t>(index)));
    }
    if (snapping_) {
        std::vector<Rect> others;
        const std::vector<Region>& regions = scaledPage_->regions();
        for (size_t i = 0; i < regions.size(); ++i)
            if (!selection_.contains(static_cast<int32_t>(i)))
                others.push_back(regions[i].coords);
        snap_.setTargets(others, scaledPage_->pageWidth(), scaledPage_->pageHeight());
    }
    band_.left = band_.right = -1;
    actions.capture = true;
}

CanvasActions CanvasEditor::mouseMove(int32_t x, int32_t y, bool leftHeld, bool snapSuspended) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    // Alt once held keeps snapping off until the drag ends.
    snapSuspended_ = snapSuspended_ || snapSuspended;
    // The button went up where the canvas did not hear it (the capture was
    // taken away): whatever the press began is over.
    if (!leftHeld)
        abandonPress(actions);
    int32_t h = hitTest(x, y);
    if (h >= 0 || dragZone_ != ZONE_NONE)
        actions.cursor = cursorFor(h, x, y);
    if (dragZone_ != ZONE_NONE) {
        dragStep(x, y, actions);
    } else if (bandActive()) {
        actions.drawBand = true;
        actions.erasedBand = band_;
        band_.right = onPageX(x);
        band_.bottom = onPageY(y);
        actions.drawnBand = band_;
    }
    return actions;
}

void CanvasEditor::dragStep(int32_t x, int32_t y, CanvasActions& actions) {
    if (selection_.empty() || lastX_ < 0)
        return;
    // Unsigned difference: right across the wrap of the tick count too.
    uint32_t held = clock_() - pressTime_;
    if (held <= dragDelay_)
        return;
    if (selection_.size() > 1) {
        groupDragStep(x, y, actions);
        return;
    }
    Rect r = regionRect(selected());
    // A snapped move is worked out from the press: stepping on from a
    // snapped place would carry the snap along.
    const int32_t fromX = snapsNow() && dragZone_ == ZONE_MOVE ? pressX_ : lastX_;
    const int32_t fromY = snapsNow() && dragZone_ == ZONE_MOVE ? pressY_ : lastY_;
    if (snapsNow() && dragZone_ == ZONE_MOVE)
        r = startCanvas_.front();
    switch (dragZone_) {
    case ZONE_MOVE:
        r.left = plus(r.left, static_cast<int64_t>(x) - fromX);
        r.right = plus(r.right, static_cast<int64_t>(x) - fromX);
        r.top = plus(r.top, static_cast<int64_t>(y) - fromY);
        r.bottom = plus(r.bottom, static_cast<int64_t>(y) - fromY);
        break;
    case ZONE_TOP: r.top = y; break;
    case ZONE_BOTTOM: r.bottom = y; break;
    case ZONE_RIGHT: r.right = x; break;
    case ZONE_LEFT: r.left = x; break;
    case ZONE_TOP_LEFT: r.top = y; r.left = x; break;
    case ZONE_TOP_RIGHT: r.top = y; r.right = x; break;
    case ZONE_BOTTOM_LEFT: r.bottom = y; r.left = x; break;
    case ZONE_BOTTOM_RIGHT: r.bottom = y; r.right = x; break;
    default: break;
    }
    lastX_ = x;
    lastY_ = y;
    const bool hadGuides = !guides_.empty();
    guides_.clear();
    if (snapsNow())
        snapEdit(r);
    if (hadGuides || !guides_.empty())
        actions.repaint = true;
    if (storeEdit(r)) {
        actions.repaint = true;
        dragMoved_ = true;
    }
}

// Moved from where the group was at the press, so that an edge reached on
// the way does not leave the regions behind the pointer; one picture
// offset for all keeps their places relative to each other exactly.
void CanvasEditor::groupDragStep(int32_t x, int32_t y, CanvasActions& actions) {
    lastX_ = x;
    lastY_ = y;
    const Rect box = RegionGroup::bounds(startCanvas_);
    Rect shifted{plus(box.left, static_cast<int64_t>(x) - pressX_), plus(box.top, static_cast<int64_t>(y) - pressY_),
                 plus(box.right, static_cast<int64_t>(x) - pressX_), plus(box.bottom, static_cast<int64_t>(y) - pressY_)};
    if (!guides_.empty())
        actions.repaint = true;
    guides_.clear();
    if (snapsNow())
        snapEdit(shifted);
    if (!guides_.empty())
        actions.repaint = true;
    const int64_t dx = RegionGroup::offsetOnPage(box.left, box.right, static_cast<int64_t>(shifted.left) - box.left,
                                                 scaledPage_->pageWidth());
    const int64_t dy = RegionGroup::offsetOnPage(box.top, box.bottom, static_cast<int64_t>(shifted.top) - box.top,
                                                 scaledPage_->pageHeight());
    const Rect pictureBox = RegionGroup::bounds(startPicture_);
    const Pagina& page = scaledPage_->page();
    const int64_t pdx = RegionGroup::offsetOnPage(
        pictureBox.left, pictureBox.right,
        static_cast<int64_t>(scaledPage_->toPicture(plus(box.left, dx))) - scaledPage_->toPicture(box.left),
        page.recordedAncho());
    const int64_t pdy = RegionGroup::offsetOnPage(
        pictureBox.top, pictureBox.bottom,
        static_cast<int64_t>(scaledPage_->toPicture(plus(box.top, dy))) - scaledPage_->toPicture(box.top),
        page.recordedAlto());
    const std::vector<int32_t>& indices = selection_.indices();
    for (size_t k = 0; k < indices.size(); ++k) {
        const size_t index = static_cast<size_t>(indices[k]);
        const Rect& s = startCanvas_[k];
        const Rect& p = startPicture_[k];
        const Rect canvasRect{plus(s.left, dx), plus(s.top, dy), plus(s.right, dx), plus(s.bottom, dy)};
        const Rect pictureRect{plus(p.left, pdx), plus(p.top, pdy), plus(p.right, pdx), plus(p.bottom, pdy)};
        if (canvasRect == regionRect(indices[k]) && pictureRect == scaledPage_->pictureCoords(index))
            continue;
        aboutToChange();
        scaledPage_->setRegionCoords(index, canvasRect, pictureRect);
        actions.repaint = true;
        dragMoved_ = true;
    }
}

int32_t CanvasEditor::onPageX(int32_t x) const {
    const int32_t width = scaledPage_->pageWidth();
    return width > 0 && scaledPage_->pageHeight() > 0 ? clamped(x, width) : x;
}

int32_t CanvasEditor::onPageY(int32_t y) const {
    const int32_t height = scaledPage_->pageHeight();
    return height > 0 && scaledPage_->pageWidth() > 0 ? clamped(y, height) : y;
}

Rect CanvasEditor::keptOnPage(const Rect& edited) const {
    return keptInside(regionRect(selected()), edited, scaledPage_->pageWidth(), scaledPage_->pageHeight());
}

// The picture rectangle is kept on the page as well: rounding between the
// two kinds of pixels must not put a picture edge a pixel past the page.
bool CanvasEditor::storeEdit(const Rect& edited) {
    const size_t index = static_cast<size_t>(selected());
    const Rect canvasRect = keptOnPage(edited);
    const Pagina& page = scaledPage_->page();
    const Rect pictureRect = keptInside(scaledPage_->pictureCoords(index), scaledPage_->pictureFor(index, canvasRect),
                                        page.recordedAncho(), page.recordedAlto());
    if (canvasRect == regionRect(selected()) && pictureRect == scaledPage_->pictureCoords(index))
        return false;
    aboutToChange();
    scaledPage_->setRegionCoords(index, canvasRect, pictureRect);
    return true;
}

CanvasActions CanvasEditor::leftUp(int32_t x, int32_t y) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    if (dragZone_ != ZONE_NONE)
        endDrag(actions);
    else if (bandActive())
        endBand(x, y, actions);
    return actions;
}

// An edge dragged past the opposite one would leave a rectangle that no
// hit test finds again: the corners are put back in order at the end.
void CanvasEditor::snapEdit(Rect& r) {
    const bool move = dragZone_ == ZONE_MOVE;
    const bool left = dragZone_ == ZONE_LEFT || dragZone_ == ZONE_TOP_LEFT || dragZone_ == ZONE_BOTTOM_LEFT;
    const bool right = dragZone_ == ZONE_RIGHT || dragZone_ == ZONE_TOP_RIGHT || dragZone_ == ZONE_BOTTOM_RIGHT;
    const bool top = dragZone_ == ZONE_TOP || dragZone_ == ZONE_TOP_LEFT || dragZone_ == ZONE_TOP_RIGHT;
    const bool bottom = dragZone_ == ZONE_BOTTOM || dragZone_ == ZONE_BOTTOM_LEFT || dragZone_ == ZONE_BOTTOM_RIGHT;
    if (move || left || right) {
        const auto snapped = snap_.snapX(move ? SnapGuides::linesAcross(r) : std::vector<int32_t>{left ? r.left : r.right});
        if (snapped) {
            if (move || left)
                r.left = plus(r.left, snapped->shift);
            if (move || right)
                r.right = plus(r.right, snapped->shift);
            addGuide(true, snapped->guide);
        }
    }
    if (move || top || bottom) {
        const auto snapped = snap_.snapY(move ? SnapGuides::linesAlong(r) : std::vector<int32_t>{top ? r.top : r.bottom});
        if (snapped) {
            if (move || top)
                r.top = plus(r.top, snapped->shift);
            if (move || bottom)
                r.bottom = plus(r.bottom, snapped->shift);
            addGuide(false, snapped->guide);
        }
    }
}

// Across the whole canvas, so that the regions it lines up with show.
void CanvasEditor::addGuide(bool vertical, int32_t at) {
    int32_t width, height;
    canvasSize(width, height);
    guides_.push_back(vertical ? Rect{at, 0, at, height} : Rect{0, at, width, at});
}

void CanvasEditor::endDrag(CanvasActions& actions) {
    lastX_ = -1;
    dragZone_ = ZONE_NONE;
    actions.releaseCapture = true;
    if (!guides_.empty()) {
        guides_.clear();
        actions.repaint = true;
    }
    if (pressedInGroup_ >= 0 && !dragMoved_) {
        selection_.only(pressedInGroup_);
        actions.repaint = true;
    }
    pressedInGroup_ = -1;
    for (int32_t index : selection_.indices())
        scaledPage_->realign(static_cast<size_t>(index));
    if (selection_.size() != 1 || scaledPage_->cornersOrdered(static_cast<size_t>(selected())))
        return;
    aboutToChange();
    scaledPage_->orderCorners(static_cast<size_t>(selected()));
    actions.repaint = true;
}

// A drag ends where it is; a band adds nothing.
void CanvasEditor::abandonPress(CanvasActions& actions) {
    if (dragZone_ != ZONE_NONE)
        endDrag(actions);
    else if (bandActive())
        dropBand(actions);
}

// A band whose release never came adds nothing.
void CanvasEditor::dropBand(CanvasActions& actions) {
    band_ = Rect{-1, -1, -1, -1};
    selectingBand_ = false;
    actions.releaseCapture = true;
    actions.repaint = true;
}

void CanvasEditor::endBand(int32_t pointerX, int32_t pointerY, CanvasActions& actions) {
    const int32_t x = onPageX(pointerX), y = onPageY(pointerY);
    if (selectingBand_) {
        // Every region the band touches, in page order.
        const Rect swept = cornersInOrder(Rect{band_.left, band_.top, x, y});
        std::vector<int32_t> touched;
        const std::vector<Region>& regions = scaledPage_->regions();
        for (size_t i = 0; i < regions.size(); ++i) {
            const Rect r = cornersInOrder(regions[i].coords);
            if (r.left <= swept.right && swept.left <= r.right && r.top <= swept.bottom && swept.top <= r.bottom)
                touched.push_back(static_cast<int32_t>(i));
        }
        selection_.add(touched);
        dropBand(actions);
        return;
    }
    int64_t width = std::llabs(static_cast<int64_t>(band_.left) - x);
    int64_t height = std::llabs(static_cast<int64_t>(band_.top) - y);
    if (width >= kMinBand && height >= kMinBand) {
        aboutToChange();
        scaledPage_->addRegion(Region{cornersInOrder(Rect{band_.left, band_.top, x, y}), Comando()});
    }
    band_ = Rect{-1, -1, -1, -1};
    actions.releaseCapture = true;
    actions.repaint = true;
}

CanvasActions CanvasEditor::rightDown(int32_t x, int32_t y) {
    CanvasActions actions;
    if (scaledPage_)
        openCommandDialog(hitTest(x, y), actions);
    return actions;
}

void CanvasEditor::openCommandDialog(int32_t index, CanvasActions& actions) {
    if (!scaledPage_ || index < 0)
        return;
    selection_.only(index);
    actions.repaint = true;
    actions.commandDialog = index;
}

bool CanvasEditor::selectedRegion(Region& region) const {
    if (!scaledPage_ || selection_.empty())
        return false;
    region = scaledPage_->page().regiones.at(static_cast<size_t>(selected()));
    return true;
}

std::vector<Region> CanvasEditor::selectedRegions() const {
    std::vector<Region> regions;
    if (scaledPage_)
        for (int32_t index : selection_.indices())
            regions.push_back(scaledPage_->page().regiones.at(static_cast<size_t>(index)));
    return regions;
}

bool CanvasEditor::selectionBounds(Rect& box) const {
    if (!scaledPage_ || selection_.empty())
        return false;
    std::vector<Rect> rects;
    for (int32_t index : selection_.indices())
        rects.push_back(scaledPage_->pictureCoords(static_cast<size_t>(index)));
    box = RegionGroup::bounds(rects);
    return true;
}

CanvasActions CanvasEditor::placeSelection(const Rect& box) {
    CanvasActions actions;
    Rect was;
    if (!selectionBounds(was) || mode_ != ModoEdicion::NORMAL)
        return actions;
    beginGesture();
    const int64_t dx = static_cast<int64_t>(box.left) - was.left, dy = static_cast<int64_t>(box.top) - was.top;
    for (int32_t index : selection_.indices()) {
        const Rect& p = scaledPage_->pictureCoords(static_cast<size_t>(index));
        const Rect placed = selection_.size() == 1
                                ? box
                                : Rect{plus(p.left, dx), plus(p.top, dy), plus(p.right, dx), plus(p.bottom, dy)};
        actions.repaint = storePicture(static_cast<size_t>(index), placed) || actions.repaint;
    }
    return actions;
}

CanvasActions CanvasEditor::doubleClick(int32_t x, int32_t y) {
    CanvasActions actions;
    if (!scaledPage_ || mode_ != ModoEdicion::NORMAL)
        return actions;
    abandonPress(actions);
    const int32_t i = hitTest(x, y);
    if (i >= 0) {
        openCommandDialog(i, actions);
        return actions;
    }
    std::optional<Rect> button =
        ButtonDetection::fitAt(scaledPage_->page(), scaledPage_->toPicture(x), scaledPage_->toPicture(y));
    if (!button) {
        actions.nothingFitted = true;
        return actions;
    }
    beginGesture();
    aboutToChange();
    scaledPage_->addPictureRegion(Region{*button, Comando()});
    selection_.only(static_cast<int32_t>(scaledPage_->regions().size()) - 1);
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::pasteRegion(const Region& region) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    // The pasted region is selected: no drag may go on with it.
    abandonPress(actions);
    const Pagina& page = scaledPage_->page();
    Region pasted{pastePlacement(region.coords, page.pictureWidth(), page.pictureHeight(), page.regiones),
                  region.comando};
    beginGesture();
    aboutToChange();
    scaledPage_->addPictureRegion(pasted);
    selection_.only(static_cast<int32_t>(scaledPage_->regions().size()) - 1);
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::pasteRegions(const std::vector<Region>& regions) {
    if (regions.size() == 1)
        return pasteRegion(regions.front());
    CanvasActions actions;
    if (!scaledPage_ || regions.empty())
        return actions;
    abandonPress(actions);
    const Pagina& page = scaledPage_->page();
    std::vector<Rect> copied;
    for (const Region& region : regions)
        copied.push_back(region.coords);
    const std::vector<Rect> placed =
        RegionGroup::pasted(copied, page.pictureWidth(), page.pictureHeight(), page.regiones, kPasteStep);
    beginGesture();
    aboutToChange();
    selection_.clear();
    for (size_t i = 0; i < regions.size(); ++i) {
        scaledPage_->addPictureRegion(Region{placed[i], regions[i].comando});
        selection_.add({static_cast<int32_t>(scaledPage_->regions().size()) - 1});
    }
    actions.repaint = true;
    return actions;
}

void CanvasEditor::setRegionCommand(int32_t index, const Comando& comando) {
    // The dialog runs a message loop of its own: a command carried out
    // meanwhile may have removed the region.
    if (!scaledPage_ || index < 0 || static_cast<size_t>(index) >= scaledPage_->regions().size())
        return;
    if (scaledPage_->regions()[static_cast<size_t>(index)].comando == comando)
        return;
    beginGesture();
    aboutToChange();
    scaledPage_->setRegionCommand(static_cast<size_t>(index), comando);
}

CanvasActions CanvasEditor::command(int commandId) {
    CanvasActions actions;
    // Escape changes nothing itself; it may put back the drag under way, whose step it must know of.
    if (commandId == ID_KEY_ESCAPE) {
        escape(actions);
        return actions;
    }
    beginGesture();
    ModoEdicion chosen;
    if (modeForCommand(commandId, chosen))
        selectMode(commandId, actions);
    else if (commandId == ID_KEY_DELETE)
        deleteSelected(actions);
    else if (commandId == ID_SELECCIONAR_TODO)
        selectAll(actions);
    else if (RegionArrange::regionsNeeded(commandId) > 0)
        arrange(commandId, actions);
    else
        keyboardCommand(commandId, actions);
    return actions;
}

void CanvasEditor::selectMode(int commandId, CanvasActions& actions) {
    modeForCommand(commandId, mode_);
    actions.checkModeCommand = commandId;
    if (mode_ != ModoEdicion::NORMAL && selection_.size() > 1) {
        selection_.keepReference();
        actions.repaint = true;
    }
}

// The mode's change is worked out twice, on the canvas and in picture
// pixels, so that aligned or equalised edges match exactly in both.
void CanvasEditor::applyMode(int32_t index) {
    size_t target = static_cast<size_t>(index), reference = static_cast<size_t>(selected());
    Rect canvasRect = modeApplied(mode_, regionRect(index), regionRect(selected()));
    Rect pictureRect =
        modeApplied(mode_, scaledPage_->pictureCoords(target), scaledPage_->pictureCoords(reference));
    if (canvasRect == regionRect(index) && pictureRect == scaledPage_->pictureCoords(target))
        return;
    aboutToChange();
    scaledPage_->setRegionCoords(target, canvasRect, pictureRect);
}

// Arrows move the whole selection, one picture pixel or ten with Shift,
// at any scale; Ctrl and Ctrl+Shift change the reference alone.
void CanvasEditor::keyboardCommand(int commandId, CanvasActions& actions) {
    if (!scaledPage_ || selection_.empty() || mode_ != ModoEdicion::NORMAL)
        return;
    switch (commandId) {
    case ID_KEY_LEFT: moveSelection(-1, 0, actions); break;
    case ID_KEY_RIGHT: moveSelection(1, 0, actions); break;
    case ID_KEY_UP: moveSelection(0, -1, actions); break;
    case ID_KEY_DOWN: moveSelection(0, 1, actions); break;
    case ID_KEY_SHIFT_LEFT: moveSelection(-kShiftStep, 0, actions); break;
    case ID_KEY_SHIFT_RIGHT: moveSelection(kShiftStep, 0, actions); break;
    case ID_KEY_SHIFT_UP: moveSelection(0, -kShiftStep, actions); break;
    case ID_KEY_SHIFT_DOWN: moveSelection(0, kShiftStep, actions); break;
    default: editReference(commandId, actions); break;
    }
}

void CanvasEditor::moveSelection(int64_t dx, int64_t dy, CanvasActions& actions) {
    if (selection_.size() == 1) {
        const Rect& p = scaledPage_->pictureCoords(static_cast<size_t>(selected()));
        const Pagina& page = scaledPage_->page();
        const Rect moved{plus(p.left, dx), plus(p.top, dy), plus(p.right, dx), plus(p.bottom, dy)};
        if (storePicture(static_cast<size_t>(selected()),
                         keptInside(p, moved, page.recordedAncho(), page.recordedAlto())))
            actions.repaint = true;
        return;
    }
    std::vector<Rect> rects;
    for (int32_t index : selection_.indices())
        rects.push_back(scaledPage_->pictureCoords(static_cast<size_t>(index)));
    const Rect box = RegionGroup::bounds(rects);
    const Pagina& page = scaledPage_->page();
    dx = RegionGroup::offsetOnPage(box.left, box.right, dx, page.recordedAncho());
    dy = RegionGroup::offsetOnPage(box.top, box.bottom, dy, page.recordedAlto());
    if (dx == 0 && dy == 0)
        return;
    for (size_t k = 0; k < rects.size(); ++k) {
        const Rect& p = rects[k];
        storePicture(static_cast<size_t>(selection_.indices()[k]),
                     Rect{plus(p.left, dx), plus(p.top, dy), plus(p.right, dx), plus(p.bottom, dy)});
    }
    actions.repaint = true;
}

void CanvasEditor::editReference(int commandId, CanvasActions& actions) {
    const size_t index = static_cast<size_t>(selected());
    const Rect was = scaledPage_->pictureCoords(index);
    Rect r = was;
    switch (commandId) {
    case ID_KEY_CTRL_LEFT: r.left = plus(r.left, -1); break;
    case ID_KEY_CTRL_SHIFT_LEFT: r.right = plus(r.right, -1); break;
    case ID_KEY_CTRL_RIGHT: r.right = plus(r.right, 1); break;
    case ID_KEY_CTRL_SHIFT_RIGHT: r.left = plus(r.left, 1); break;
    case ID_KEY_CTRL_UP: r.top = plus(r.top, -1); break;
    case ID_KEY_CTRL_SHIFT_UP: r.bottom = plus(r.bottom, -1); break;
    case ID_KEY_CTRL_DOWN: r.bottom = plus(r.bottom, 1); break;
    case ID_KEY_CTRL_SHIFT_DOWN: r.top = plus(r.top, 1); break;
    default: return;
    }
    const Pagina& page = scaledPage_->page();
    r = keptInside(was, r, page.recordedAncho(), page.recordedAlto());
    // Shrinking stops at one pixel, on the canvas and in the picture: a
    // region with crossed corners could never be clicked again.
    if (isShrink(commandId) && !(atLeastOnePixel(r) && atLeastOnePixel(scaledPage_->toCanvas(r))))
        return;
    if (storePicture(index, r))
        actions.repaint = true;
}

// Canvas edges whose picture edge stayed are left alone: converting them
// anew could shift them by the rounding.
bool CanvasEditor::storePicture(size_t index, const Rect& picture) {
    const Rect& was = scaledPage_->pictureCoords(index);
    if (picture == was)
        return false;
    Rect canvasRect = scaledPage_->regions()[index].coords;
    if (picture.left != was.left)
        canvasRect.left = scaledPage_->toCanvas(picture.left);
    if (picture.top != was.top)
        canvasRect.top = scaledPage_->toCanvas(picture.top);
    if (picture.right != was.right)
        canvasRect.right = scaledPage_->toCanvas(picture.right);
    if (picture.bottom != was.bottom)
        canvasRect.bottom = scaledPage_->toCanvas(picture.bottom);
    aboutToChange();
    scaledPage_->setRegionCoords(index, canvasRect, picture);
    return true;
}

void CanvasEditor::deleteSelected(CanvasActions& actions) {
    if (!scaledPage_ || selection_.empty() || mode_ != ModoEdicion::NORMAL)
        return;
    aboutToChange();
    // From the last index down, so that the ones still to go keep theirs.
    std::vector<int32_t> doomed = selection_.indices();
    std::sort(doomed.rbegin(), doomed.rend());
    for (int32_t index : doomed)
        scaledPage_->removeRegion(static_cast<size_t>(index));
    selection_.clear();
    actions.repaint = true;
}

void CanvasEditor::selectAll(CanvasActions& actions) {
    if (!scaledPage_ || mode_ != ModoEdicion::NORMAL)
        return;
    abandonPress(actions);
    selection_.clear();
    for (size_t i = 0; i < scaledPage_->regions().size(); ++i)
        selection_.add({static_cast<int32_t>(i)});
    actions.repaint = true;
}

// A drag goes back to where it began, a band draws or selects nothing;
// with neither under way the selection goes.
void CanvasEditor::escape(CanvasActions& actions) {
    if (!scaledPage_)
        return;
    if (dragZone_ != ZONE_NONE) {
        const std::vector<int32_t>& indices = selection_.indices();
        for (size_t k = 0; k < indices.size() && k < startCanvas_.size(); ++k)
            if (startCanvas_[k] != regionRect(indices[k]) ||
                startPicture_[k] != scaledPage_->pictureCoords(static_cast<size_t>(indices[k])))
                scaledPage_->setRegionCoords(static_cast<size_t>(indices[k]), startCanvas_[k], startPicture_[k]);
        dragMoved_ = true;  // the press was no click
        actions.changeWithdrawn = changeAnnounced_;
        changeAnnounced_ = false;
        endDrag(actions);
        actions.repaint = true;
    } else if (bandActive()) {
        dropBand(actions);
    } else if (!selection_.empty()) {
        selection_.clear();
        actions.repaint = true;
    }
}

// One rule in picture pixels; the canvas follows.
void CanvasEditor::arrange(int commandId, CanvasActions& actions) {
    if (!scaledPage_ || mode_ != ModoEdicion::NORMAL || selection_.size() < RegionArrange::regionsNeeded(commandId))
        return;
    std::vector<Rect> rects;
    for (int32_t index : selection_.indices())
        rects.push_back(scaledPage_->pictureCoords(static_cast<size_t>(index)));
    const std::vector<Rect> arranged = RegionArrange::arranged(commandId, rects);
    for (size_t k = 0; k < arranged.size(); ++k)
        if (storePicture(static_cast<size_t>(selection_.indices()[k]), arranged[k]))
            actions.repaint = true;
}

void CanvasEditor::aboutToChange() {
    if (changeAnnounced_)
        return;
    changeAnnounced_ = true;
    if (beforeChange_)
        beforeChange_();
}

void CanvasEditor::canvasSize(int32_t& width, int32_t& height) const {
    width = kMinWidth;
    height = kMinHeight;
    if (!scaledPage_)
        return;
    const uint32_t factor = static_cast<uint32_t>(scaledPage_->pictureFactor());
    width = clampedSize(scaledPage_->picture().width() * factor, kMinWidth);
    height = clampedSize(scaledPage_->picture().height() * factor, kMinHeight);
}

void CanvasEditor::paintPlan(PaintPlan& plan) const {
    plan.outlines.clear();
    plan.thick.clear();
    plan.guides.clear();
    plan.labels.clear();
    plan.hasInverted = false;
    plan.info = plan.bits = nullptr;
    plan.width = plan.height = 0;
    plan.factor = 1;
    if (!scaledPage_)
        return;
    const Imagen& picture = scaledPage_->picture();
    plan.info = picture.info();
    plan.bits = picture.bits();
    plan.width = picture.width();
    plan.height = picture.height();
    plan.factor = scaledPage_->pictureFactor();
    const std::vector<Region>& regions = scaledPage_->regions();
    for (size_t i = 0; i < regions.size(); ++i)
        plan.outlines.push_back(scaledPage_->shownRect(i));
    if (labels_) {
        plan.labels.reserve(regions.size());
        for (size_t i = 0; i < regions.size(); ++i)
            plan.labels.push_back({plan.outlines[i], CommandDescription::label(regions[i].comando)});
    }
    plan.guides = guides_;
    for (int32_t index : selection_.indices()) {
        if (index == selected()) {
            plan.hasInverted = true;
            plan.inverted = plan.outlines[static_cast<size_t>(index)];
        } else {
            plan.thick.push_back(plan.outlines[static_cast<size_t>(index)]);
        }
    }
}

#include "CanvasEditor.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "base/resource.h"
#include "ui/ButtonDetection.h"

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

CanvasActions CanvasEditor::setPage(Pagina* page, double scale, const std::vector<std::string>& pageNames) {
    CanvasActions actions;
    // A page shown during a press ("Deshacer" in the middle of a drag) ends
    // the press: the pointer it captured goes back to every window.
    actions.releaseCapture = dragZone_ != ZONE_NONE || bandActive();
    lastX_ = lastY_ = -1;
    band_ = Rect{-1, -1, -1, -1};
    selected_ = -1;
    mode_ = ModoEdicion::NORMAL;
    dragZone_ = ZONE_NONE;
    pageNames_ = pageNames;
    scaledPage_.reset();
    if (page)
        scaledPage_ = std::make_unique<PaginaEscalada>(*page, scale);

    actions.checkModeCommand = modeInfo(ModoEdicion::NORMAL).commandId;
    // A page of the same size as the last one would not be redrawn by the resize.
    actions.repaint = true;
    return actions;
}

CanvasActions CanvasEditor::selectRegion(int32_t index) {
    CanvasActions actions;
    if (!scaledPage_ || index < 0 || static_cast<size_t>(index) >= scaledPage_->regions().size())
        return actions;
    selected_ = index;
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
        return (index == selected_ || selected_ == -1) ? CanvasCursor::Arrow : CanvasCursor::Mode;
    switch (dragZone_ != ZONE_NONE ? dragZone_ : zoneAt(index, x, y)) {
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

CanvasActions CanvasEditor::leftDown(int32_t x, int32_t y, bool ctrl) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
    // A press means the button went up somewhere: a drag whose release went
    // outside the canvas ends here instead of carrying on into this press.
    if (dragZone_ != ZONE_NONE)
        endDrag(actions);
    beginGesture();
    int32_t i = hitTest(x, y);
    if (i < 0) {
        selected_ = -1;
        if (mode_ == ModoEdicion::NORMAL) {
            band_ = Rect{onPageX(x), onPageY(y), onPageX(x), onPageY(y)};
            actions.capture = true;
        } else {
            actions.repaint = true;
        }
        return actions;
    }
    if (ctrl) {
        openCommandDialog(i, actions);
        return actions;
    }
    actions.cursor = cursorFor(i, x, y);
    if (selected_ < 0) {
        selected_ = i;
        if (mode_ == ModoEdicion::NORMAL)
            beginDrag(x, y, actions);
    } else if (mode_ != ModoEdicion::NORMAL) {
        applyMode(i);
    } else {
        selected_ = i;
        beginDrag(x, y, actions);
    }
    actions.repaint = true;
    return actions;
}

// The pointer is captured, as for the rubber band, so that the release ends
// the drag wherever it happens.
void CanvasEditor::beginDrag(int32_t x, int32_t y, CanvasActions& actions) {
    if (selected_ < 0)
        return;
    pressTime_ = clock_();
    lastX_ = x;
    lastY_ = y;
    dragZone_ = zoneAt(selected_, x, y);
    band_.left = band_.right = -1;
    actions.capture = true;
}

CanvasActions CanvasEditor::mouseMove(int32_t x, int32_t y, bool leftHeld) {
    CanvasActions actions;
    if (!scaledPage_)
        return actions;
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
    if (selected_ < 0 || lastX_ < 0)
        return;
    // Unsigned difference: right across the wrap of the tick count too.
    uint32_t held = clock_() - pressTime_;
    if (held <= dragDelay_)
        return;
    Rect r = regionRect(selected_);
    switch (dragZone_) {
    case ZONE_MOVE:
        r.left = plus(r.left, static_cast<int64_t>(x) - lastX_);
        r.right = plus(r.right, static_cast<int64_t>(x) - lastX_);
        r.top = plus(r.top, static_cast<int64_t>(y) - lastY_);
        r.bottom = plus(r.bottom, static_cast<int64_t>(y) - lastY_);
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
    if (storeEdit(r))
        actions.repaint = true;
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
    return keptInside(regionRect(selected_), edited, scaledPage_->pageWidth(), scaledPage_->pageHeight());
}

// The picture rectangle is kept on the page as well: rounding between the
// two kinds of pixels must not put a picture edge a pixel past the page.
bool CanvasEditor::storeEdit(const Rect& edited) {
    const size_t index = static_cast<size_t>(selected_);
    const Rect canvasRect = keptOnPage(edited);
    const Pagina& page = scaledPage_->page();
    const Rect pictureRect = keptInside(scaledPage_->pictureCoords(index), scaledPage_->pictureFor(index, canvasRect),
                                        page.recordedAncho(), page.recordedAlto());
    if (canvasRect == regionRect(selected_) && pictureRect == scaledPage_->pictureCoords(index))
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
void CanvasEditor::endDrag(CanvasActions& actions) {
    lastX_ = -1;
    dragZone_ = ZONE_NONE;
    actions.releaseCapture = true;
    if (selected_ < 0 || scaledPage_->cornersOrdered(static_cast<size_t>(selected_)))
        return;
    aboutToChange();
    scaledPage_->orderCorners(static_cast<size_t>(selected_));
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
    actions.releaseCapture = true;
    actions.repaint = true;
}

void CanvasEditor::endBand(int32_t pointerX, int32_t pointerY, CanvasActions& actions) {
    const int32_t x = onPageX(pointerX), y = onPageY(pointerY);
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
    selected_ = index;
    actions.repaint = true;
    actions.commandDialog = index;
}

bool CanvasEditor::selectedRegion(Region& region) const {
    if (!scaledPage_ || selected_ < 0)
        return false;
    region = scaledPage_->page().regiones.at(static_cast<size_t>(selected_));
    return true;
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
    selected_ = static_cast<int32_t>(scaledPage_->regions().size()) - 1;
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
    selected_ = static_cast<int32_t>(scaledPage_->regions().size()) - 1;
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
    beginGesture();
    ModoEdicion chosen;
    if (modeForCommand(commandId, chosen))
        selectMode(commandId, actions);
    else if (commandId == ID_KEY_DELETE)
        deleteSelected(actions);
    else
        keyboardCommand(commandId, actions);
    return actions;
}

void CanvasEditor::selectMode(int commandId, CanvasActions& actions) {
    modeForCommand(commandId, mode_);
    actions.checkModeCommand = commandId;
}

// The mode's change is worked out twice, on the canvas and in picture
// pixels, so that aligned or equalised edges match exactly in both.
void CanvasEditor::applyMode(int32_t index) {
    size_t target = static_cast<size_t>(index), reference = static_cast<size_t>(selected_);
    Rect canvasRect = modeApplied(mode_, regionRect(index), regionRect(selected_));
    Rect pictureRect =
        modeApplied(mode_, scaledPage_->pictureCoords(target), scaledPage_->pictureCoords(reference));
    if (canvasRect == regionRect(index) && pictureRect == scaledPage_->pictureCoords(target))
        return;
    aboutToChange();
    scaledPage_->setRegionCoords(target, canvasRect, pictureRect);
}

void CanvasEditor::keyboardCommand(int commandId, CanvasActions& actions) {
    if (!scaledPage_ || selected_ < 0 || mode_ != ModoEdicion::NORMAL)
        return;
    Rect r = regionRect(selected_);
    switch (commandId) {
    case ID_KEY_LEFT: r.left = plus(r.left, -1); r.right = plus(r.right, -1); break;
    case ID_KEY_CTRL_LEFT: r.left = plus(r.left, -1); break;
    case ID_KEY_CTRL_SHIFT_LEFT: r.right = plus(r.right, -1); break;
    case ID_KEY_RIGHT: r.left = plus(r.left, 1); r.right = plus(r.right, 1); break;
    case ID_KEY_CTRL_RIGHT: r.right = plus(r.right, 1); break;
    case ID_KEY_CTRL_SHIFT_RIGHT: r.left = plus(r.left, 1); break;
    case ID_KEY_UP: r.top = plus(r.top, -1); r.bottom = plus(r.bottom, -1); break;
    case ID_KEY_CTRL_UP: r.top = plus(r.top, -1); break;
    case ID_KEY_CTRL_SHIFT_UP: r.bottom = plus(r.bottom, -1); break;
    case ID_KEY_DOWN: r.top = plus(r.top, 1); r.bottom = plus(r.bottom, 1); break;
    case ID_KEY_CTRL_DOWN: r.bottom = plus(r.bottom, 1); break;
    case ID_KEY_CTRL_SHIFT_DOWN: r.top = plus(r.top, 1); break;
    default: return;
    }
    // Shrinking stops at one pixel, on the canvas and in the picture: a
    // region with crossed corners could never be clicked again.
    size_t index = static_cast<size_t>(selected_);
    if (isShrink(commandId) && !(atLeastOnePixel(r) && atLeastOnePixel(scaledPage_->pictureFor(index, r))))
        return;
    if (storeEdit(r))
        actions.repaint = true;
}

void CanvasEditor::deleteSelected(CanvasActions& actions) {
    if (!scaledPage_ || selected_ < 0 || mode_ != ModoEdicion::NORMAL)
        return;
    aboutToChange();
    scaledPage_->removeRegion(static_cast<size_t>(selected_));
    selected_ = -1;
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
    width = clampedSize(scaledPage_->picture().width(), kMinWidth);
    height = clampedSize(scaledPage_->picture().height(), kMinHeight);
}

void CanvasEditor::paintPlan(PaintPlan& plan) const {
    plan.outlines.clear();
    plan.hasInverted = false;
    plan.info = plan.bits = nullptr;
    plan.width = plan.height = 0;
    if (!scaledPage_)
        return;
    const Imagen& picture = scaledPage_->picture();
    plan.info = picture.info();
    plan.bits = picture.bits();
    plan.width = picture.width();
    plan.height = picture.height();
    for (const Region& region : scaledPage_->regions())
        plan.outlines.push_back(region.coords);
    if (selected_ >= 0) {
        plan.hasInverted = true;
        plan.inverted = regionRect(selected_);
    }
}

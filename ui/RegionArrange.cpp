#include "ui/RegionArrange.h"

#include <algorithm>
#include <numeric>

#include "base/resource.h"

namespace {

int64_t width(const Rect& r) {
    return static_cast<int64_t>(r.right) - r.left;
}

int64_t height(const Rect& r) {
    return static_cast<int64_t>(r.bottom) - r.top;
}

// Twice the centre, so that odd sizes need no rounding until the move.
int64_t doubleCentreX(const Rect& r) {
    return static_cast<int64_t>(r.left) + r.right;
}

int64_t doubleCentreY(const Rect& r) {
    return static_cast<int64_t>(r.top) + r.bottom;
}

Rect movedBy(const Rect& r, int64_t dx, int64_t dy) {
    return Rect{saturated(r.left + dx), saturated(r.top + dy), saturated(r.right + dx), saturated(r.bottom + dy)};
}

// Rounded toward minus infinity, for gaps that may be negative.
int64_t floorDivided(int64_t value, int64_t by) {
    int64_t quotient = value / by;
    return (value % by != 0 && (value < 0) != (by < 0)) ? quotient - 1 : quotient;
}

}  // namespace

size_t RegionArrange::regionsNeeded(int commandId) {
    switch (commandId) {
    case ID_ORGANIZAR_IZQUIERDA:
    case ID_ORGANIZAR_DERECHA:
    case ID_ORGANIZAR_SUPERIOR:
    case ID_ORGANIZAR_INFERIOR:
    case ID_ORGANIZAR_CENTRO_H:
    case ID_ORGANIZAR_CENTRO_V:
    case ID_ORGANIZAR_ANCHO:
    case ID_ORGANIZAR_ALTO:
    case ID_ORGANIZAR_TAMANO:
        return 2;
    case ID_ORGANIZAR_DISTRIBUIR_H:
    case ID_ORGANIZAR_DISTRIBUIR_V:
        return 3;
    default:
        return 0;
    }
}

std::vector<Rect> RegionArrange::arranged(int commandId, const std::vector<Rect>& rects) {
    const size_t needed = regionsNeeded(commandId);
    if (needed == 0 || rects.size() < needed)
        return rects;
    if (commandId == ID_ORGANIZAR_DISTRIBUIR_H || commandId == ID_ORGANIZAR_DISTRIBUIR_V)
        return distributed(rects, commandId == ID_ORGANIZAR_DISTRIBUIR_H);
    std::vector<Rect> result = rects;
    for (size_t i = 1; i < result.size(); ++i)
        result[i] = aligned(commandId, cornersInOrder(rects[i]), cornersInOrder(rects[0]));
    return result;
}

Rect RegionArrange::aligned(int commandId, const Rect& t, const Rect& r) {
    Rect n = t;
    switch (commandId) {
    case ID_ORGANIZAR_IZQUIERDA: return movedBy(t, static_cast<int64_t>(r.left) - t.left, 0);
    case ID_ORGANIZAR_DERECHA: return movedBy(t, static_cast<int64_t>(r.right) - t.right, 0);
    case ID_ORGANIZAR_SUPERIOR: return movedBy(t, 0, static_cast<int64_t>(r.top) - t.top);
    case ID_ORGANIZAR_INFERIOR: return movedBy(t, 0, static_cast<int64_t>(r.bottom) - t.bottom);
    case ID_ORGANIZAR_CENTRO_H: return movedBy(t, floorDivided(doubleCentreX(r) - doubleCentreX(t), 2), 0);
    case ID_ORGANIZAR_CENTRO_V: return movedBy(t, 0, floorDivided(doubleCentreY(r) - doubleCentreY(t), 2));
    case ID_ORGANIZAR_ANCHO: n.right = saturated(t.left + width(r)); return n;
    case ID_ORGANIZAR_ALTO: n.bottom = saturated(t.top + height(r)); return n;
    case ID_ORGANIZAR_TAMANO:
        n.right = saturated(t.left + width(r));
        n.bottom = saturated(t.top + height(r));
        return n;
    default: return t;
    }
}

std::vector<Rect> RegionArrange::distributed(const std::vector<Rect>& rects, bool across) {
    std::vector<Rect> result(rects.size());
    std::transform(rects.begin(), rects.end(), result.begin(), cornersInOrder);
    auto start = [across](const Rect& r) -> int64_t { return across ? r.left : r.top; };
    auto length = [across](const Rect& r) { return across ? width(r) : height(r); };
    // Neighbours in the order of their centres; equal centres keep the selection's order.
    std::vector<size_t> order(result.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return (across ? doubleCentreX(result[a]) : doubleCentreY(result[a])) <
               (across ? doubleCentreX(result[b]) : doubleCentreY(result[b]));
    });
    const Rect& first = result[order.front()];
    const Rect& last = result[order.back()];
    int64_t space = start(last) - (start(first) + length(first));
    for (size_t k = 1; k + 1 < order.size(); ++k)
        space -= length(result[order[k]]);
    const int64_t gaps = static_cast<int64_t>(order.size()) - 1;
    const int64_t gap = floorDivided(space, gaps);
    const int64_t spare = space - gap * gaps;
    int64_t at = start(first) + length(first);
    for (size_t k = 1; k + 1 < order.size(); ++k) {
        at += gap + (static_cast<int64_t>(k) - 1 < spare ? 1 : 0);
        Rect& r = result[order[k]];
        r = across ? movedBy(r, at - r.left, 0) : movedBy(r, 0, at - r.top);
        at += length(r);
    }
    return result;
}

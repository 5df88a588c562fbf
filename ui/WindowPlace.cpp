#include "ui/WindowPlace.h"

#include "model/Settings.h"

namespace {

// Far beyond any arrangement of screens; anything larger was not ours.
const int32_t kFarthest = 1000000;

}  // namespace

bool parseCoordinate(const std::string& text, int32_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    const size_t first = negative ? 1 : 0;
    if (text.size() == first || text.size() - first > 7)
        return false;
    int32_t magnitude = 0;
    for (size_t i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (magnitude > kFarthest)
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

bool loadWindowPlace(Settings& store, WindowPlace& place) {
    std::string x, y;
    WindowPlace read;
    if (!store.readText(setting::kVentanaX, x) || !store.readText(setting::kVentanaY, y) ||
        !parseCoordinate(x, read.x) || !parseCoordinate(y, read.y))
        return false;
    std::string width, height;
    if (!store.readText(setting::kVentanaAncho, width) || !store.readText(setting::kVentanaAlto, height) ||
        !parseCoordinate(width, read.width) || !parseCoordinate(height, read.height) || read.width <= 0 ||
        read.height <= 0)
        read.width = read.height = 0;
    place = read;
    return true;
}

void storeWindowPlace(Settings& store, const WindowPlace& place) {
    store.writeText(setting::kVentanaX, std::to_string(place.x));
    store.writeText(setting::kVentanaY, std::to_string(place.y));
    // Once chosen, a size is kept for every later run: none to overwrite.
    if (place.width <= 0 || place.height <= 0)
        return;
    store.writeText(setting::kVentanaAncho, std::to_string(place.width));
    store.writeText(setting::kVentanaAlto, std::to_string(place.height));
}

// The buttons of a page's picture as regions: those "Detectar botones"
// adds, at the sensitivity the user chose (kept in the per-user settings),
// and the one a double-click fits. All in picture pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ButtonFinder.h"
#include "model/Region.h"

class Pagina;
class Settings;

class ButtonDetection {
public:
    // A found button that overlaps a region this much (intersection over
    // union) is taken as already there.
    static constexpr double kCovered = 0.5;

    explicit ButtonDetection(Settings& settings);

    ButtonSensitivity sensitivity() const;
    void setSensitivity(ButtonSensitivity sensitivity);
    // The menu item of a sensitivity, and back; false for another id.
    static int commandFor(ButtonSensitivity sensitivity);
    static bool sensitivityFor(int commandId, ButtonSensitivity& sensitivity);

    // The buttons of `page`'s picture that no region of it covers yet.
    std::vector<Rect> newButtons(Pagina& page) const;
    // The button under (x, y) of `page`'s picture; none when nothing there
    // looks like one.
    static std::optional<Rect> fitAt(Pagina& page, int32_t x, int32_t y);

    // What the status bar says after a search, and after a double-click
    // that found nothing to fit.
    static std::string foundText(size_t count);
    static std::string nothingToFitText();

private:
    Settings& settings_;
};

#include "ui/ButtonDetection.h"

#include "base/resource.h"
#include "model/Pagina.h"
#include "model/RgbPicture.h"
#include "model/Settings.h"

namespace {

bool covered(const Rect& button, const std::vector<Region>& regions) {
    for (const Region& region : regions)
        if (ButtonFinder::overlap(button, cornersInOrder(region.coords)) >= ButtonDetection::kCovered)
            return true;
    return false;
}

RgbPicture pictureOf(Pagina& page) {
    std::shared_ptr<const Imagen> picture = page.picture();
    return picture ? RgbPicture::of(*picture) : RgbPicture();
}

}  // namespace

ButtonDetection::ButtonDetection(Settings& settings) : settings_(settings) {}

ButtonSensitivity ButtonDetection::sensitivity() const {
    uint32_t stored = 0;
    if (!settings_.readNumber(setting::kSensibilidadBotones, stored) ||
        stored > static_cast<uint32_t>(ButtonSensitivity::High))
        return ButtonSensitivity::Medium;
    return static_cast<ButtonSensitivity>(stored);
}

void ButtonDetection::setSensitivity(ButtonSensitivity sensitivity) {
    settings_.writeNumber(setting::kSensibilidadBotones, static_cast<uint32_t>(sensitivity));
}

int ButtonDetection::commandFor(ButtonSensitivity sensitivity) {
    return ID_SENSIBILIDAD_BAJA + static_cast<int>(sensitivity);
}

bool ButtonDetection::sensitivityFor(int commandId, ButtonSensitivity& sensitivity) {
    if (commandId < ID_SENSIBILIDAD_BAJA || commandId > ID_SENSIBILIDAD_ALTA)
        return false;
    sensitivity = static_cast<ButtonSensitivity>(commandId - ID_SENSIBILIDAD_BAJA);
    return true;
}

std::vector<Rect> ButtonDetection::newButtons(Pagina& page) const {
    const RgbPicture picture = pictureOf(page);
    std::vector<Rect> fresh;
    for (const Rect& button : ButtonFinder(picture).all(sensitivity()))
        if (!covered(button, page.regiones))
            fresh.push_back(button);
    return fresh;
}

std::optional<Rect> ButtonDetection::fitAt(Pagina& page, int32_t x, int32_t y) {
    const RgbPicture picture = pictureOf(page);
    return ButtonFinder::fitAround(picture, x, y);
}

std::string ButtonDetection::foundText(size_t count) {
    if (count == 0)
        return "No se encontraron botones nuevos";
    if (count == 1)
        return "Se encontr\xF3 1 bot\xF3n";
    return "Se encontraron " + std::to_string(count) + " botones";
}

std::string ButtonDetection::nothingToFitText() {
    return "No hay ning\xFAn bot\xF3n bajo el puntero";
}

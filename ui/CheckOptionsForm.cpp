#include "ui/CheckOptionsForm.h"

#include "base/Trim.h"
#include "base/resource.h"
#include "model/Settings.h"

namespace {

// Larger than any picture the editor takes on either side.
constexpr uint32_t kLargestSize = 9999;

const char kMinButtonSizeSetting[] = "TamanoMinimoBoton";

bool parseSize(const std::string& text, uint32_t& size) {
    if (text.empty() || text.size() > 4)
        return false;
    uint32_t value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            return false;
        value = value * 10 + static_cast<uint32_t>(digit - '0');
    }
    size = value;
    return value >= 1 && value <= kLargestSize;
}

}  // namespace

CheckOptions CheckOptionsForm::remembered(Settings& settings) {
    CheckOptions options;
    uint32_t size = 0;
    if (settings.readNumber(kMinButtonSizeSetting, size) && size >= 1 && size <= kLargestSize)
        options.minButtonSize = size;
    return options;
}

FormCheck CheckOptionsForm::accept(const std::string& text) {
    uint32_t size = 0;
    if (!parseSize(trim(text), size))
        return FormCheck::refuse("El tama\xF1o m\xEDnimo de los botones debe ser un n\xFAmero entero de 1 a " +
                                     std::to_string(kLargestSize) + " p\xEDxeles",
                                 IDC_OPCIONES_TAMANO_MINIMO);
    options.minButtonSize = size;
    return FormCheck::ok();
}

void CheckOptionsForm::remember(Settings& settings) const {
    settings.writeNumber(kMinButtonSizeSetting, options.minButtonSize);
}

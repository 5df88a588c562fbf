#include "ui/CheckOptionsForm.h"

#include "base/Trim.h"
#include "base/resource.h"
#include "model/CheckSettings.h"

namespace {

// Digits only: a sign, a point or a letter is refused, not cut off.
bool parseSize(const std::string& text, uint32_t& size) {
    if (text.empty() || text.size() > 9)
        return false;
    uint32_t value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            return false;
        value = value * 10 + static_cast<uint32_t>(digit - '0');
    }
    size = value;
    return minButtonSizeAllowed(value);
}

}  // namespace

FormCheck CheckOptionsForm::accept(const std::string& text) {
    uint32_t size = 0;
    if (!parseSize(trim(text), size))
        return FormCheck::refuse("El tama\xF1o m\xEDnimo de los botones debe ser un n\xFAmero entero de 1 a " +
                                     std::to_string(kLargestMinButtonSize) + " p\xEDxeles",
                                 IDC_OPCIONES_TAMANO_MINIMO);
    options.minButtonSize = size;
    return FormCheck::ok();
}

void CheckOptionsForm::remember(Settings& settings) const {
    writeCheckOptions(settings, options);
}

#include "CheckSettings.h"

#include "Settings.h"

bool minButtonSizeAllowed(uint32_t size) {
    return size >= 1 && size <= kLargestMinButtonSize;
}

CheckOptions readCheckOptions(Settings& settings) {
    CheckOptions options;
    uint32_t size = 0;
    if (settings.readNumber(setting::kTamanoMinimoBoton, size) && minButtonSizeAllowed(size))
        options.minButtonSize = size;
    return options;
}

bool writeCheckOptions(Settings& settings, const CheckOptions& options) {
    return minButtonSizeAllowed(options.minButtonSize) &&
           settings.writeNumber(setting::kTamanoMinimoBoton, options.minButtonSize);
}

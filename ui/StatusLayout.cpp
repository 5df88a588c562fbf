#include "ui/StatusLayout.h"

#include <algorithm>

StatusLayout::StatusLayout(int32_t modeText, int32_t selectionText, int32_t margin)
    : modeWidth_(modeText + margin), selectionWidth_(selectionText + margin), margin_(margin) {}

std::array<int32_t, StatusLayout::kPartCount> StatusLayout::partEnds(int32_t barWidth) const {
    const int32_t width = std::max(barWidth, 0);
    const int32_t selection = std::min(selectionWidth_, width);
    const int32_t mode = std::min(modeWidth_, width - selection);
    return {mode, mode + selection, width};
}

bool StatusLayout::messageFits(int32_t textWidth, int32_t barWidth) const {
    const std::array<int32_t, kPartCount> ends = partEnds(barWidth);
    return textWidth + margin_ <= ends[kMessage] - ends[kSelection];
}

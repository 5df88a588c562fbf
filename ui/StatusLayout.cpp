#include "ui/StatusLayout.h"

#include <algorithm>

StatusLayout::StatusLayout(int32_t modeText, int32_t selectionText, int32_t margin, int32_t zoomText)
    : modeWidth_(modeText + margin),
      selectionWidth_(selectionText + margin),
      margin_(margin),
      zoomWidth_(zoomText < 0 ? 0 : zoomText + margin) {}

std::array<int32_t, StatusLayout::kPartCount> StatusLayout::partEnds(int32_t barWidth) const {
    const int32_t whole = std::max(barWidth, 0);
    // The zoom takes at most half of what the other fixed parts leave, so
    // that a narrow bar still has room for a message.
    const int32_t zoom = std::min(zoomWidth_, std::max(0, (whole - modeWidth_ - selectionWidth_) / 2));
    const int32_t width = whole - zoom;
    const int32_t selection = std::min(selectionWidth_, width);
    const int32_t mode = std::min(modeWidth_, width - selection);
    return {mode, mode + selection, width, whole};
}

bool StatusLayout::messageFits(int32_t textWidth, int32_t barWidth) const {
    const std::array<int32_t, kPartCount> ends = partEnds(barWidth);
    return textWidth + margin_ <= ends[kMessage] - ends[kSelection];
}

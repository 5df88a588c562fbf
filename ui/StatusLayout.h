// The parts of the status bar under the canvas, left to right: the edit
// mode, the selected region, a message and the zoom. Each fixed part is as wide as the
// longest text it can show plus its margin; the message takes what is left.
// On a bar too narrow for both fixed parts the mode gives way first (the
// window's title names it too). Portable: the bar measures its texts in
// pixels at its DPI and hands the widths in.
#pragma once

#include <array>
#include <cstdint>

class StatusLayout {
public:
    enum Part { kMode, kSelection, kMessage, kZoom, kPartCount };

    StatusLayout() = default;
    // `modeText` and `selectionText`: the longest text of each fixed part;
    // `margin`: what a part takes besides its text (edges, indent, gap).
    // `zoomText`: the longest zoom text; that part keeps to the right end
    // and gives way first, to no more than the message keeps.
    StatusLayout(int32_t modeText, int32_t selectionText, int32_t margin, int32_t zoomText = -1);

    // The right edge of each part on a bar `barWidth` wide.
    std::array<int32_t, kPartCount> partEnds(int32_t barWidth) const;
    // Whether a message `textWidth` wide shows whole in its part there.
    bool messageFits(int32_t textWidth, int32_t barWidth) const;

private:
    int32_t modeWidth_ = 0;
    int32_t selectionWidth_ = 0;
    int32_t margin_ = 0;
    int32_t zoomWidth_ = 0;
};

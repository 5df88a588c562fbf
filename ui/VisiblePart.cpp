#include "ui/VisiblePart.h"

#include <algorithm>
#include <cstring>

namespace {

const int32_t kOutside = -1;

// The picture column (or row) each screen column shows, kOutside past it.
void sourceIndices(int32_t origin, int32_t count, int32_t factor, uint32_t limit, std::vector<int32_t>& indices) {
    indices.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const int64_t at = (static_cast<int64_t>(origin) + i) / factor;
        indices[static_cast<size_t>(i)] = at < static_cast<int64_t>(limit) ? static_cast<int32_t>(at) : kOutside;
    }
}

bool onGridLine(int32_t origin, int32_t i, int32_t factor) {
    return (static_cast<int64_t>(origin) + i) % factor == 0;
}

}  // namespace

uint32_t VisiblePart::gridShade(uint32_t pixel) {
    uint32_t shaded = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int32_t channel = static_cast<int32_t>((pixel >> shift) & 0xFF);
        shaded |= static_cast<uint32_t>(channel + (0x80 - channel) / 4) << shift;
    }
    return shaded;
}

void VisiblePart::fill(const PixelRows& source, int32_t factor, int32_t originX, int32_t originY, int32_t width,
                       int32_t height, bool grid, std::vector<uint32_t>& out) {
    width = std::max(0, width);
    height = std::max(0, height);
    factor = std::max(1, factor);
    originX = std::max(0, originX);
    originY = std::max(0, originY);
    out.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kBackground);
    if (!source.bits)
        return;
    std::vector<int32_t> columns, rows;
    sourceIndices(originX, width, factor, source.width, columns);
    sourceIndices(originY, height, factor, source.height, rows);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t row = rows[static_cast<size_t>(y)];
        if (row == kOutside)
            break;
        uint32_t* line = out.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        // A screen row that shows the same picture row as the one above is a
        // copy of it, unless either is a grid line.
        const bool gridRows = grid && (onGridLine(originY, y, factor) || onGridLine(originY, y - 1, factor));
        if (y > 0 && rows[static_cast<size_t>(y) - 1] == row && !gridRows) {
            std::memcpy(line, line - width, static_cast<size_t>(width) * sizeof(uint32_t));
            continue;
        }
        const size_t bottomUp = source.height - 1 - static_cast<uint32_t>(row);
        const uint8_t* pixels = source.bits + bottomUp * source.pitch;
        for (int32_t x = 0; x < width; ++x) {
            const int32_t column = columns[static_cast<size_t>(x)];
            if (column == kOutside)
                break;
            uint32_t pixel;
            std::memcpy(&pixel, pixels + static_cast<size_t>(column) * 4, sizeof pixel);
            line[x] = pixel & 0xFFFFFF;
        }
        if (!grid)
            continue;
        const bool wholeRow = onGridLine(originY, y, factor);
        for (int32_t x = 0; x < width && columns[static_cast<size_t>(x)] != kOutside; ++x)
            if (wholeRow || onGridLine(originX, x, factor))
                line[x] = gridShade(line[x]);
    }
}

#include "ui/WindowLayout.h"

#include <cstdlib>
#include <initializer_list>

Extent pictureRoom(const CanvasSurroundings& around, Extent work) {
    Extent room;
    room.width = work.width - around.frame.width - around.canvasBorder.width - around.paneWidth;
    room.height = work.height - around.frame.height - around.toolbarHeight - around.statusHeight -
                  around.canvasBorder.height;
    return room;
}

Extent clientSizeFor(const CanvasSurroundings& around, Extent canvasClient) {
    Extent client;
    client.width = canvasClient.width + around.canvasBorder.width + around.paneWidth;
    client.height = canvasClient.height + around.canvasBorder.height + around.toolbarHeight + around.statusHeight;
    return client;
}

Extent windowSizeFor(const CanvasSurroundings& around, Extent canvasClient) {
    const Extent client = clientSizeFor(around, canvasClient);
    return Extent{client.width + around.frame.width, client.height + around.frame.height};
}

Extent correctedWindowSize(Extent outer, Extent wanted, Extent got) {
    return Extent{outer.width + wanted.width - got.width, outer.height + wanted.height - got.height};
}

int32_t toolbarIconSize(uint32_t dpi) {
    const int64_t wanted = 16 * static_cast<int64_t>(dpi);  // in 96ths of a pixel
    int32_t best = 16;
    for (int32_t size : {24, 32})
        if (std::llabs(size * 96 - wanted) <= std::llabs(best * 96 - wanted))
            best = size;
    return best;
}

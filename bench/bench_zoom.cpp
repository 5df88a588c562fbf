// A 1280 x 800 page zoomed: one repaint's picture (the visible part enlarged
// into a client-sized buffer) and one change of zoom, at 100, 400 and 800 %.
// A repaint must stay well under a 16.7 ms frame, and what the view holds
// (counter view_bytes: its picture plus the client buffer) must not grow
// with the zoom.
#include <benchmark/benchmark.h>

#include <FreeImage.h>

#include <malloc.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/StripedPicture.h"
#include "model/Pagina.h"
#include "ui/CanvasEditor.h"
#include "ui/ViewMapping.h"
#include "ui/VisiblePart.h"

namespace {

const int kWidth = 1280;
const int kHeight = 800;
// The canvas of a maximised window on a 1366 x 768 laptop, about.
const int kClientWidth = 1340;
const int kClientHeight = 600;

uint32_t readClock() {
    return 0;
}

// Bytes the heap holds now, small blocks and mapped ones alike.
double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

struct ZoomedPage {
    explicit ZoomedPage(int32_t percent) : canvas(readClock, 250) {
        page.setImagen(kWidth, kHeight, stripedPicture(kWidth, kHeight));
        for (int i = 0; i < 100; ++i)
            page.addRegion(Region{Rect{(i % 10) * 128, (i / 10) * 80, (i % 10) * 128 + 100, (i / 10) * 80 + 60}, {}});
        canvas.setPage(&page, 1.0, {});
        canvas.setZoom(percent / 100.0, percent >= 100);
        view.setPicture(kWidth, kHeight, 1.0);
        view.setViewSize(kClientWidth, kClientHeight);
        view.zoomAround(percent, kClientWidth / 2, kClientHeight / 2);
    }
    // The client area's picture, as the window's paint makes it.
    void paint(std::vector<uint32_t>& buffer) {
        canvas.paintPlan(plan);
        FIBITMAP* bitmap = canvas.scaledPage()->picture().bitmap();
        PixelRows rows;
        rows.bits = static_cast<const uint8_t*>(plan.bits);
        rows.width = plan.width;
        rows.height = plan.height;
        rows.pitch = FreeImage_GetPitch(bitmap);
        VisiblePart::fill(rows, plan.factor, view.originX(), view.originY(), kClientWidth, kClientHeight,
                          plan.factor >= 4, buffer);
    }
    Pagina page;
    CanvasEditor canvas;
    ViewMapping view;
    PaintPlan plan;
};

void BM_RepaintVisiblePart(benchmark::State& state) {
    const int32_t percent = static_cast<int32_t>(state.range(0));
    const double before = heapInUse();
    ZoomedPage zoomed(percent);
    std::vector<uint32_t> buffer;
    zoomed.paint(buffer);
    // The page's own decoded picture is in the cache before the zoom too.
    state.counters["heap_after_first_paint"] = heapInUse() - before;
    for (auto _ : state) {
        zoomed.paint(buffer);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.counters["view_bytes"] = static_cast<double>(zoomed.canvas.scaledPage()->picture().memorySize() +
                                                       buffer.capacity() * sizeof(uint32_t));
}
BENCHMARK(BM_RepaintVisiblePart)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);

// Ctrl+wheel: the view made at the new zoom, then the first repaint.
void BM_ZoomChange(benchmark::State& state) {
    const int32_t percent = static_cast<int32_t>(state.range(0));
    ZoomedPage zoomed(100);
    std::vector<uint32_t> buffer;
    for (auto _ : state) {
        zoomed.canvas.setZoom(percent / 100.0, true);
        zoomed.paint(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_ZoomChange)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The page canvas's portable work on a crowded page: 1000 regions on a
// 1920 x 1080 picture. One pointer-move step of a drag (hit test, pointer
// shape, drag step, write-through to the page) should stay well under 1 ms,
// one repaint's preparation (outline list plus copying the picture rows)
// well under a 16.7 ms frame.
#include <benchmark/benchmark.h>

#include <FreeImage.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/StripedPicture.h"
#include "model/Pagina.h"
#include "ui/CanvasEditor.h"

namespace {

const int kWidth = 1920;
const int kHeight = 1080;
const int kColumns = 40;  // 40 x 25 = 1000 regions of 40 x 36 pixels
const int kRows = 25;
const int kCellWidth = kWidth / kColumns;
const int kCellHeight = kHeight / kRows;

uint32_t benchClock = 0;

uint32_t readBenchClock() {
    return benchClock;
}


// The picture and a grid of regions with a gap of 4 pixels between them.
void fillPage(Pagina& page) {
    page.nombre = "Inicio";
    page.setImagen(kWidth, kHeight, stripedPicture(kWidth, kHeight));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            Region region;
            region.coords = Rect{column * kCellWidth, row * kCellHeight, column * kCellWidth + kCellWidth - 4,
                                 row * kCellHeight + kCellHeight - 4};
            // A code to a sector and a jump: the longest label there is.
            region.comando = Comando{"Living", "luz" + std::to_string(column), "Luces", "bt", "00:11:22:33:44:55"};
            page.addRegion(region);
        }
    }
}

struct CrowdedCanvas {
    CrowdedCanvas() : canvas(readBenchClock, 250) {
        fillPage(page);
        canvas.setPage(&page, 1.0, {"Inicio"});
    }
    Pagina page;
    CanvasEditor canvas;
};

// The centre of the last region, the one a hit test reaches last.
void lastRegionCentre(int& x, int& y) {
    x = (kColumns - 1) * kCellWidth + kCellWidth / 2;
    y = (kRows - 1) * kCellHeight + kCellHeight / 2;
}

void BM_DragStepOnLastRegion(benchmark::State& state) {
    CrowdedCanvas crowded;
    int x, y;
    lastRegionCentre(x, y);
    crowded.canvas.leftDown(x, y, false);
    benchClock += 1000;  // past the hold delay
    int offset = 1;
    for (auto _ : state) {
        // Back and forth by one pixel: the region stays under the pointer.
        CanvasActions actions = crowded.canvas.mouseMove(x + offset, y, true);
        benchmark::DoNotOptimize(actions);
        offset = 1 - offset;
    }
    if (crowded.page.regiones.back().coords.left < (kColumns - 1) * kCellWidth)
        state.SkipWithError("the drag did not move the region");
}
BENCHMARK(BM_DragStepOnLastRegion);

// A group of 100 of the 1000 regions dragged with snapping on: the group
// moves as one and its lines are looked up among the other 900's.
void BM_GroupDragStepSnapping(benchmark::State& state) {
    CrowdedCanvas crowded;
    crowded.canvas.setSnapping(true);
    std::vector<int32_t> group;
    for (int32_t i = 0; i < 100; ++i)
        group.push_back(i);
    crowded.canvas.selectRegions(group);
    const int x = kCellWidth / 2, y = kCellHeight / 2;
    crowded.canvas.leftDown(x, y, false);
    benchClock += 1000;
    int offset = 13;
    bool moved = false;
    for (auto _ : state) {
        CanvasActions actions = crowded.canvas.mouseMove(x + offset, y + offset, true);
        moved = moved || actions.repaint;
        benchmark::DoNotOptimize(actions);
        offset = 13 - offset;
    }
    if (!moved || crowded.canvas.selection().size() != 100)
        state.SkipWithError("the group did not move");
}
BENCHMARK(BM_GroupDragStepSnapping);

void BM_ResizeStepOnLastRegion(benchmark::State& state) {
    CrowdedCanvas crowded;
    int x, y;
    lastRegionCentre(x, y);
    int right = (kColumns - 1) * kCellWidth + kCellWidth - 4;
    crowded.canvas.leftDown(right, y, false);  // right edge
    benchClock += 1000;
    int offset = 0;
    for (auto _ : state) {
        CanvasActions actions = crowded.canvas.mouseMove(right + offset, y, true);
        benchmark::DoNotOptimize(actions);
        offset = 1 - offset;
    }
}
BENCHMARK(BM_ResizeStepOnLastRegion);

void BM_HitTestMiss(benchmark::State& state) {
    CrowdedCanvas crowded;
    for (auto _ : state)
        benchmark::DoNotOptimize(crowded.canvas.hitTest(kWidth - 2, kHeight - 2));
}
BENCHMARK(BM_HitTestMiss);

void BM_KeyboardMove(benchmark::State& state) {
    CrowdedCanvas crowded;
    int x, y;
    lastRegionCentre(x, y);
    crowded.canvas.leftDown(x, y, false);
    crowded.canvas.leftUp(x, y);
    int command = 2773;  // right, then left
    for (auto _ : state) {
        benchmark::DoNotOptimize(crowded.canvas.command(command));
        command = command == 2773 ? 2771 : 2773;
    }
}
BENCHMARK(BM_KeyboardMove);

void BM_RepaintOutlineList(benchmark::State& state) {
    CrowdedCanvas crowded;
    PaintPlan plan;
    for (auto _ : state) {
        crowded.canvas.paintPlan(plan);
        benchmark::DoNotOptimize(plan.outlines.data());
    }
    state.counters["outlines"] = static_cast<double>(plan.outlines.size());
}
BENCHMARK(BM_RepaintOutlineList);

// The outline list with the label of every region, made afresh each repaint
// while labels are on.
void BM_RepaintLabelTexts(benchmark::State& state) {
    CrowdedCanvas crowded;
    crowded.canvas.setLabels(true);
    PaintPlan plan;
    for (auto _ : state) {
        crowded.canvas.paintPlan(plan);
        benchmark::DoNotOptimize(plan.labels.data());
    }
    state.counters["labels"] = static_cast<double>(plan.labels.size());
}
BENCHMARK(BM_RepaintLabelTexts)->Unit(benchmark::kMicrosecond);

// Outline list plus one copy of every picture row, as a device copy would read them.
void BM_RepaintWithPictureRows(benchmark::State& state) {
    CrowdedCanvas crowded;
    PaintPlan plan;
    FIBITMAP* bitmap = crowded.canvas.scaledPage()->picture().bitmap();
    size_t bytes = static_cast<size_t>(FreeImage_GetPitch(bitmap)) * FreeImage_GetHeight(bitmap);
    std::vector<unsigned char> device(bytes);
    for (auto _ : state) {
        crowded.canvas.paintPlan(plan);
        std::memcpy(device.data(), plan.bits, bytes);
        benchmark::DoNotOptimize(device.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_RepaintWithPictureRows);

// Showing the page: rescaling the picture and converting the regions.
void BM_SetPageHalfScale(benchmark::State& state) {
    Pagina page;
    fillPage(page);
    CanvasEditor canvas(readBenchClock, 250);
    for (auto _ : state)
        benchmark::DoNotOptimize(canvas.setPage(&page, 0.5, {"Inicio"}));
}
BENCHMARK(BM_SetPageHalfScale)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

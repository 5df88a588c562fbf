// The button detection on a full 1280 x 800 page of generated buttons (a
// noisy background with outlined buttons, the slowest kind to cut into
// areas): finding every button should stay under 150 ms, the fit under a
// double-click under 30 ms. Both include the copy of the decoded picture
// into plain bytes, as the editor does it.
#include <benchmark/benchmark.h>

#include <FreeImage.h>

#include "model/ButtonFinder.h"
#include "model/ButtonPageMaker.h"
#include "model/Imagen.h"
#include "model/RgbPicture.h"

namespace {

const ButtonPage& page() {
    static const ButtonPage made =
        ButtonPageMaker({PageBackground::Noisy, ButtonStyle::Outlined}, 2).make(1280, 800);
    return made;
}

// The page as the decoder hands it over: 24 bits, rows bottom up.
const Imagen& decoded() {
    static Imagen* picture = [] {
        const RgbPicture& rgb = page().picture;
        FIBITMAP* bitmap = FreeImage_Allocate(rgb.width(), rgb.height(), 24);
        for (int32_t y = 0; y < rgb.height(); ++y) {
            BYTE* row = FreeImage_GetScanLine(bitmap, rgb.height() - 1 - y);
            for (int32_t x = 0; x < rgb.width(); ++x, row += 3) {
                row[FI_RGBA_RED] = rgb.at(x, y)[0];
                row[FI_RGBA_GREEN] = rgb.at(x, y)[1];
                row[FI_RGBA_BLUE] = rgb.at(x, y)[2];
            }
        }
        return new Imagen(bitmap);
    }();
    return *picture;
}

void BM_FindAllButtons(benchmark::State& state) {
    for (auto _ : state) {
        const RgbPicture picture = RgbPicture::of(decoded());
        benchmark::DoNotOptimize(ButtonFinder(picture).all(ButtonSensitivity::Medium));
    }
    state.SetLabel(std::to_string(page().buttons.size()) + " buttons");
}
BENCHMARK(BM_FindAllButtons)->Unit(benchmark::kMillisecond);

void BM_FitUnderADoubleClick(benchmark::State& state) {
    const Rect& button = page().buttons.back();
    for (auto _ : state) {
        const RgbPicture picture = RgbPicture::of(decoded());
        benchmark::DoNotOptimize(
            ButtonFinder::fitAround(picture, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
    }
}
BENCHMARK(BM_FitUnderADoubleClick)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

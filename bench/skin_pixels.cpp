// module: skin_core
// Skinned elements blend images onto and paint gradients into their 32-bit
// cache bitmaps on every repaint; a maximised form's cache is full-HD.
#include "skin/core/gradients/Gradients.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/ImageBlend.h"

#include "ui/graphics/Bitmap.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Pixels of varied colour and alpha, so no blend takes a shortcut.
void FillPattern(TBitmap& bitmap) {
    for (int y = 0; y < kHeight; ++y) {
        std::uint32_t* row = PixelRow(bitmap, y);
        for (int x = 0; x < kWidth; ++x) row[x] = std::uint32_t(x * 2654435761u ^ y * 40503u) | 0x20000000u;
    }
}

void BM_BlendImage32(benchmark::State& state) {
    TBitmap source(kWidth, kHeight, TPixelFormat::pf32bit), dest(kWidth, kHeight, TPixelFormat::pf32bit);
    FillPattern(source);
    FillPattern(dest);
    const TRect all(0, 0, kWidth, kHeight);
    const int transparency = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BlendImage32(all, all, dest, false, transparency, kNoTint, false, DefaultParentCache, source);
        benchmark::DoNotOptimize(PixelRow(dest, 0)[0]);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BlendImage32)->Arg(0)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_BlendBitmapAt(benchmark::State& state) {
    TBitmap source(kWidth, kHeight, TPixelFormat::pf32bit), dest(kWidth, kHeight, TPixelFormat::pf32bit);
    FillPattern(source);
    FillPattern(dest);
    for (auto _ : state) {
        BlendBitmapAt(dest, source, 128, TPoint{0, 0}, TRect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(PixelRow(dest, 0)[0]);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BlendBitmapAt)->Unit(benchmark::kMillisecond);

void BM_PaintGradient(benchmark::State& state) {
    TBitmap bitmap(kWidth, kHeight, TPixelFormat::pf32bit);
    TSkGradArray steps;
    const char* texts[] = {"15397362;16777215;87;0;0;16777215;15791607;12;0;0;15791607;15791607;0;0;0",
                           "15397362;16777215;87;1;0;16777215;15791607;12;1;0;15791607;15791607;0;1;0",
                           "255;0;0;2;0;65280;0;0;0;0;16711680;0;0;0;0;65535;0;0;0;0;16776960;0;0;0;0"};
    ParseGradientData(texts[state.range(0)], steps);
    for (auto _ : state) {
        PaintGradient(bitmap, TRect(0, 0, kWidth, kHeight), steps);
        benchmark::DoNotOptimize(PixelRow(bitmap, kHeight - 1)[kWidth - 1]);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
// 0 vertical bands, 1 horizontal bands, 2 four triangles.
BENCHMARK(BM_PaintGradient)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

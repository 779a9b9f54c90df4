// module: platform
// Every window repaint fills and copies full-screen 32-bit bitmaps: the chart
// buffer is blitted to the window, and forms fill their backgrounds.
#include "platform/gdi/AlphaBlending.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"

#include <benchmark/benchmark.h>

using namespace platform;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A memory DC holding a full-HD top-down 32-bit DIB section.
class Screen {
public:
    Screen() {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Screen() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kWidth) * kHeight * 4);
}

}  // namespace

static void BM_FillRect1080p(benchmark::State& state) {
    Screen screen;
    HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));
    RECT all{0, 0, kWidth, kHeight};
    for (auto _ : state) benchmark::DoNotOptimize(FillRect(screen.Dc(), &all, brush));
    DeleteObject(brush);
    SetBytes(state);
}
BENCHMARK(BM_FillRect1080p)->Unit(benchmark::kMillisecond);

static void BM_PatBltInvert1080p(benchmark::State& state) {
    Screen screen;
    for (auto _ : state) benchmark::DoNotOptimize(PatBlt(screen.Dc(), 0, 0, kWidth, kHeight, DSTINVERT));
    SetBytes(state);
}
BENCHMARK(BM_PatBltInvert1080p)->Unit(benchmark::kMillisecond);

static void BM_BitBltCopy1080p(benchmark::State& state) {
    Screen source, dest;
    for (auto _ : state) benchmark::DoNotOptimize(BitBlt(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCCOPY));
    SetBytes(state);
}
BENCHMARK(BM_BitBltCopy1080p)->Unit(benchmark::kMillisecond);

static void BM_BitBltAnd1080p(benchmark::State& state) {
    Screen source, dest;
    for (auto _ : state) benchmark::DoNotOptimize(BitBlt(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCAND));
    SetBytes(state);
}
BENCHMARK(BM_BitBltAnd1080p)->Unit(benchmark::kMillisecond);

static void BM_AlphaBlend1080p(benchmark::State& state) {
    Screen source, dest;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    for (auto _ : state)
        benchmark::DoNotOptimize(AlphaBlend(dest.Dc(), 0, 0, kWidth, kHeight, source.Dc(), 0, 0, kWidth, kHeight, blend));
    SetBytes(state);
}
BENCHMARK(BM_AlphaBlend1080p)->Unit(benchmark::kMillisecond);

// module: chart
// A million line segments through the chart canvas into a full-HD buffer,
// short ones joined end to end as a line series of a million points draws them.
#include "chart/ChartCanvas3D.h"

#include "platform/DeviceContexts.h"

#include <benchmark/benchmark.h>

static void BM_MillionSegmentsThroughTheCanvas(benchmark::State& state) {
    TChartCanvas3D canvas;
    platform::HDC screen = platform::CreateCompatibleDC(nullptr);
    canvas.PrepareDrawing(screen, nullptr, false, TRect{0, 0, 1920, 1080});
    TChartPen pen;
    canvas.SelectPenColor(pen, 0x0000FF);
    for (auto _ : state) {
        canvas.MoveTo(0, 540);
        for (int i = 0; i < 1000000; ++i) canvas.LineTo(i % 1920, 540 + (i * 37) % 401 - 200);
    }
    platform::DeleteDC(screen);
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_MillionSegmentsThroughTheCanvas)->Unit(benchmark::kMillisecond);

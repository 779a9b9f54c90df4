// module: chart
// A million line segments through the chart canvas into a full-HD buffer,
// short ones joined end to end as a line series of a million points draws them.
#include "chart/canvas/ChartCanvas3D.h"

#include "ui/graphics/Bitmap.h"

#include <benchmark/benchmark.h>

static void BM_MillionSegmentsThroughTheCanvas(benchmark::State& state) {
    TChartCanvas3D canvas;
    TBitmap screen(1920, 1080);
    canvas.PrepareDrawing(screen.Canvas(), nullptr, clWhite, false, TRect{0, 0, 1920, 1080});
    TChartPen pen;
    canvas.SelectPenColor(pen, 0x0000FF);
    for (auto _ : state) {
        canvas.MoveTo(0, 540);
        for (int i = 0; i < 1000000; ++i) canvas.LineTo(i % 1920, 540 + (i * 37) % 401 - 200);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_MillionSegmentsThroughTheCanvas)->Unit(benchmark::kMillisecond);

#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"

namespace {

class FlatChart : public TCustomChart {
public:
    FlatChart() { SetView3D(false); }

protected:
    void DrawPanelBackground(const TRect&) override {}
};

}  // namespace

// A whole frame of a chart with one line series of a million points, drawn
// into the canvas' full-HD buffer: every visible point is drawn, none thinned
// per pixel column.
static void BM_FrameOfAMillionPointLineSeries(benchmark::State& state) {
    TChartCanvas3D canvas;
    FlatChart chart;
    chart.SetCanvas(&canvas);
    TLineSeries series;
    series.SetParentChart(&chart);
    series.BeginUpdate();
    for (int i = 0; i < 1000000; ++i) series.AddPointXY(i * 0.01, (i % 1000) * 0.1);
    series.EndUpdate();
    TBitmap screen(1920, 1080);
    for (auto _ : state) chart.RenderTo(screen.Canvas(), TRect{0, 0, 1920, 1080});
    series.SetParentChart(nullptr);
}
BENCHMARK(BM_FrameOfAMillionPointLineSeries)->Unit(benchmark::kMillisecond);

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

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

class FlatChart : public TCustomChart {
public:
    FlatChart() { SetView3D(false); }

protected:
    void DrawPanelBackground(const TRect&) override {}
};

}  // namespace

namespace {

constexpr int kFramePoints = 1000000;
constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;
// The viewer shows up to this many series at once.
constexpr int kViewerSeries = 14;

// A sawtooth of a thousand points a period, shifted up and along by `series`.
double SawtoothValue(int i, int series) {
    return ((i + 71 * series) % 1000) * 0.1 + series * 10.0;
}

void FrameOfLineSeries(benchmark::State& state, int seriesCount) {
    TChartCanvas3D canvas;
    FlatChart chart;
    chart.SetCanvas(&canvas);
    std::vector<std::unique_ptr<TLineSeries>> series;
    for (int s = 0; s < seriesCount; ++s) {
        auto line = std::make_unique<TLineSeries>();
        line->SetParentChart(&chart);
        line->BeginUpdate();
        for (int i = 0; i < kFramePoints; ++i) line->AddPointXY(i * 0.01, SawtoothValue(i, s));
        line->EndUpdate();
        series.push_back(std::move(line));
    }
    TBitmap screen(kFrameWidth, kFrameHeight);
    for (auto _ : state) chart.RenderTo(screen.Canvas(), TRect{0, 0, kFrameWidth, kFrameHeight});
    for (auto& line : series) line->SetParentChart(nullptr);
    state.SetItemsProcessed(state.iterations() * seriesCount * std::int64_t{kFramePoints});
}

}  // namespace

// A whole frame of a chart with one line series of a million points, drawn
// into the canvas' full-HD buffer.
static void BM_FrameOfAMillionPointLineSeries(benchmark::State& state) {
    FrameOfLineSeries(state, 1);
}
BENCHMARK(BM_FrameOfAMillionPointLineSeries)->Unit(benchmark::kMillisecond);

// The viewer's fullest frame: fourteen series of a million points each.
static void BM_FrameOfFourteenMillionPointLineSeries(benchmark::State& state) {
    FrameOfLineSeries(state, kViewerSeries);
}
BENCHMARK(BM_FrameOfFourteenMillionPointLineSeries)->Unit(benchmark::kMillisecond);

// The anchor: a well-kept 2D library drawing the one-series frame's polyline
// (a million points across the full-HD buffer, 1-pixel lines without
// antialiasing) after clearing the buffer.
static void BM_CairoMillionPointPolylineWithoutAntialiasing(benchmark::State& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kFrameWidth, kFrameHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
    std::vector<std::pair<double, double>> points(kFramePoints);
    for (int i = 0; i < kFramePoints; ++i)
        points[i] = {std::floor(i * (kFrameWidth - 1.0) / (kFramePoints - 1)) + 0.5,
                     std::floor((kFrameHeight - 1) - SawtoothValue(i, 0) * (kFrameHeight - 1) / 99.9) + 0.5};
    for (auto _ : state) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 1, 0, 0);
        cairo_move_to(cr, points[0].first, points[0].second);
        for (int i = 1; i < kFramePoints; ++i) cairo_line_to(cr, points[i].first, points[i].second);
        cairo_stroke(cr);
        cairo_surface_flush(surface);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    state.SetItemsProcessed(state.iterations() * std::int64_t{kFramePoints});
}
BENCHMARK(BM_CairoMillionPointPolylineWithoutAntialiasing)->Unit(benchmark::kMillisecond);

// module: chart
// The chart's drawing pass without pixels: what the engine itself costs to lay
// out and draw two axes, and to draw a line series of a million points (the
// positions of every visible point and at most one line call each: a segment
// that ends where the previous one did is not drawn, but points are not
// thinned per pixel column).
#include "chart/canvas/Canvas3D.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/LineSeries.h"

#include <benchmark/benchmark.h>

namespace {

// Counts what it is asked to draw.
class CountingCanvas : public TCanvas3D {
public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { ++lines; }
    void TextOut(int, int, const std::string&) override { ++texts; }
    void TextOutRotated(int, int, const std::string&, int) override { ++texts; }
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    TPoint ChartToScreen(int x, int y, int) override { return {x, y}; }
    void FillRect(const TRect&) override {}
    void Rectangle(int, int, int, int) override {}
    void Polygon(const TPoint*, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Pie(int, int, int, int, int, int, int, int) override {}
    void Draw(int, int, TGraphic*) override {}
    void StretchDraw(const TRect&, TGraphic*) override {}
    TColor GetPixel(int, int) override { return clWhite; }
    void SetPixel(int, int, TColor) override {}
    TColor QueryBackColor() override { return clWhite; }
    void AssignBackColor(TColor) override {}
    int QueryBackMode() override { return TRANSPARENT_MODE; }
    void AssignBackMode(int) override {}
    void FillGradient(const TRect&, TColor, TColor, TGradientDirection, int, int, int) override {}
    void ClipToRoundRect(const TRect&, int) override {}
    void ClipToEllipse(const TRect&, bool) override {}
    void ClipToPolygon(const TPoint*, int, bool) override {}
    void ClipToRect(const TRect&) override {}
    void RemoveClip() override {}
    long long lines = 0;
    long long texts = 0;
};

class Panel : public TCustomAxisPanel {
public:
    Panel() {
        SetView3D(false);
        SetCanvas(&canvas);
    }
    bool SeriesColorIsFree(TColor, bool, TChartSeries*) override { return true; }
    int GetAxisWallSize(const TChartAxis*) override { return 0; }
    CountingCanvas canvas;

protected:
    void DrawPanelBackground(const TRect&) override {}
    void DrawTitlesPass(bool) override {}
    void ComputePlotRect3D() override {}
    void DrawAllWalls() override {}
};

}  // namespace

static void BM_LayOutAndDrawTwoAxes(benchmark::State& state) {
    Panel chart;
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->SetLabelStyle(talValue);
        axis->SetLimits(0, 600);
        axis->SetTickOnLabelsOnly(false);
        axis->MinorGrid().Show();
    }
    chart.BottomAxis()->Title().SetCaption("Time");
    chart.LeftAxis()->Title().SetCaption("Altitude");
    for (auto _ : state) {
        chart.SetPlotRect(TRect{0, 0, 1200, 700});
        chart.DrawContents(TRect{0, 0, 1200, 700});
    }
    state.counters["texts"] = benchmark::Counter(static_cast<double>(chart.canvas.texts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LayOutAndDrawTwoAxes);

static void BM_DrawLineSeriesOfAMillionPoints(benchmark::State& state) {
    Panel chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.BeginUpdate();
    for (int i = 0; i < 1000000; ++i) series.AddPointXY(i * 0.01, (i % 1000) * 0.1);
    series.EndUpdate();
    chart.SetPlotRect(TRect{0, 0, 1200, 700});
    chart.DrawContents(TRect{0, 0, 1200, 700});
    for (auto _ : state) {
        series.ComputeVisibleRange();
        series.DrawAllPoints();
    }
    state.counters["lines"] = benchmark::Counter(static_cast<double>(chart.canvas.lines), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DrawLineSeriesOfAMillionPoints)->Unit(benchmark::kMillisecond);

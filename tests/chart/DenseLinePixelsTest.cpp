// A line through many points a pixel column, as a flight log's curves are,
// drawn by the series and, for comparison, one line a pair of points in the
// same pen and order: the two pictures must match pixel for pixel. With VELZAR_DUMP_DIR
// set the pictures are written there as dense_line_<case>.png.

#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/series/LineSeries.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;
constexpr TColor kLineColor = 0x00A000;  // green
constexpr TColor kOtherColor = 0xC00000;  // blue

struct DensePoint {
    double x;
    double y;
    bool null;
    TColor color;
};

// A noisy random walk between 10 and 90 that ends on a steady climb, so the
// last column ends on a top the line never went on from.
std::vector<DensePoint> NoisySignal(int count) {
    std::mt19937 random(20240611);
    std::normal_distribution<double> noise(0, 4);
    std::vector<DensePoint> points;
    double level = 50;
    const int climb = count - 300;
    for (int i = 0; i < count; ++i) {
        level = std::clamp(level + noise(random) * 0.2, 20.0, 80.0);
        const double y = i < climb ? std::clamp(level + noise(random), 10.0, 90.0)
                                   : std::min(90.0, points[climb - 1].y + (i - climb) * 0.1);
        points.push_back({static_cast<double>(i), y, false, clDefault});
    }
    return points;
}

// The same with null points and stretches of another colour breaking the line.
std::vector<DensePoint> BrokenSignal(int count) {
    std::vector<DensePoint> points = NoisySignal(count);
    for (int i = 0; i < count; ++i) {
        if (i % 997 == 500 || i % 1409 == 3) points[i].null = true;
        if ((i / 1500) % 2 == 1) points[i].color = kOtherColor;
    }
    return points;
}

// Flat stretches and values on a coarse grid, so that many points sit on the
// same row or exactly where one row meets the next.
std::vector<DensePoint> SteppedSignal(int count) {
    std::vector<DensePoint> points = NoisySignal(count);
    for (int i = 0; i < count; ++i) {
        DensePoint& p = points[i];
        p.y = (i / 4000) % 3 == 1 ? 37.5 : std::round(p.y * 8) / 8;
    }
    return points;
}

// A slow wave: within a column the line mostly only climbs or only falls, so
// it ends the column on its top or its bottom.
std::vector<DensePoint> WaveSignal(int count) {
    std::vector<DensePoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({static_cast<double>(i), 50 + 35 * std::sin(i * 0.0007) + (i % 7 == 0 ? 0.3 : 0), false,
                          clDefault});
    return points;
}

// A level line with short spikes up and down at several periods, so that
// columns begin and end on a spike and visit it again or not in between.
std::vector<DensePoint> SpikySignal(int count) {
    std::vector<DensePoint> points;
    for (int i = 0; i < count; ++i) {
        double y = 50;
        if (i % 173 < 2 || i % 229 == 0 || i % 211 == 5) y = 80;
        if (i % 157 == 0 || i % 191 < 3) y = 20;
        points.push_back({static_cast<double>(i), y, false, clDefault});
    }
    return points;
}

// Times far from zero in small steps that go back now and then.
std::vector<DensePoint> WanderingSignal(int count) {
    std::vector<DensePoint> points = NoisySignal(count);
    for (int i = 0; i < count; ++i) points[i].x = 1.0e9 + i * 1.0e-4 - (i % 500 < 40 ? (i % 500) * 2.0e-4 : 0);
    return points;
}

class DenseChart : public WhiteChart {
public:
    DenseChart(TChartCanvas3D& canvas, const std::vector<DensePoint>& points, int penWidth, TPenEndStyle ends,
               bool backwards) {
        SetView3D(false);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        Legend().SetVisible(false);
        series.SetParentChart(this);
        series.SetSeriesColor(kLineColor);
        series.LinePen().SetWidth(penWidth);
        series.LinePen().SetEndStyle(ends);
        // the points stay in the order given, also where the time goes back
        series.XValues().SetOrder(loNone);
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (points[i].null)
                series.AddNullPointXY(points[i].x, points[i].y);
            else
                series.AddPointXY(points[i].x, points[i].y, "", points[i].color);
        }
        // a few columns of room on either side, so the chart's clip cuts nothing off
        const auto [first, last] = std::minmax_element(points.begin(), points.end(),
                                                       [](const DensePoint& a, const DensePoint& b) { return a.x < b.x; });
        const double room = (last->x - first->x) / 50;
        BottomAxis()->SetLimits(first->x - room, last->x + room);
        LeftAxis()->SetLimits(0, 100);
        // an inverted time axis draws the points from the last to the first
        BottomAxis()->SetInverted(backwards);
    }
    ~DenseChart() override { series.SetParentChart(nullptr); }

    // Hides the series' own line and draws one line a pair of points after
    // the chart, as the line series joins its points: each line in the colour
    // of the point it ends at, none from or to a null point.
    void DrawPairwiseInstead() {
        pairPen_.Assign(series.LinePen());
        series.LinePen().Hide();
        OnAfterDraw = [this](TObject*) {
            TChartCanvas* canvas = Canvas();
            canvas->Brush().SetStyle(TBrushStyle::bsClear);
            // in the series' order: backwards along an inverted axis
            const int n = series.Count();
            const bool backwards = BottomAxis()->Inverted();
            for (int k = 1; k < n; ++k) {
                const int i = backwards ? n - 1 - k : k;
                const int before = backwards ? i + 1 : i - 1;
                if (series.PointIsNull(i) || series.PointIsNull(before)) continue;
                const TPoint from{series.PointScreenX(before), series.PointScreenY(before)};
                const TPoint to{series.PointScreenX(i), series.PointScreenY(i)};
                if (from == to) continue;
                canvas->SelectPenColor(pairPen_, series.PointColorAt(i));
                canvas->Line(from, to);
            }
        };
    }

    TLineSeries series;

private:
    TChartPen pairPen_;
};

void Render(DenseChart& chart, PixelCanvas& window) {
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    chart.RenderTo(&onWindow, TRect{0, 0, kWidth, kHeight});
}

int Differences(const PixelCanvas& a, const PixelCanvas& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.RawAt(x, y) != b.RawAt(x, y);
    return n;
}

}  // namespace

TEST(DenseLinePixels, SeriesMatchesOneLineAPairOfPoints) {
    const struct {
        int width;
        TPenEndStyle ends;
        const char* name;
    } pens[] = {
        {1, esRound, "thin"},         {2, esRound, "w2_round"}, {2, esSquare, "w2_square"}, {2, esFlat, "w2_flat"},
        {3, esRound, "w3_round"},     {3, esSquare, "w3_square"}, {3, esFlat, "w3_flat"},
    };
    const struct {
        std::vector<DensePoint> points;
        const char* name;
        bool twoColours;
        bool backwards;
    } signals[] = {
        {NoisySignal(100000), "noisy", false, false},
        {NoisySignal(100000), "noisy_backwards", false, true},
        {BrokenSignal(20000), "broken", true, false},
        {SteppedSignal(100000), "stepped", false, false},
        {SteppedSignal(100000), "stepped_backwards", false, true},
        {WaveSignal(100000), "wave", false, false},
        {WaveSignal(100000), "wave_backwards", false, true},
        {WanderingSignal(60000), "wandering", false, false},
        {SpikySignal(100000), "spiky", false, false},
        {SpikySignal(100000), "spiky_backwards", false, true},
    };
    for (const auto& signal : signals)
        for (const auto& pen : pens) {
            const std::string name = std::string(signal.name) + "_" + pen.name;
            PixelCanvas drawn(kWidth, kHeight), pairwise(kWidth, kHeight);
            {
                TChartCanvas3D canvas;
                DenseChart chart(canvas, signal.points, pen.width, pen.ends, signal.backwards);
                Render(chart, drawn);
            }
            {
                TChartCanvas3D canvas;
                DenseChart chart(canvas, signal.points, pen.width, pen.ends, signal.backwards);
                chart.DrawPairwiseInstead();
                Render(chart, pairwise);
            }
            drawn.Dump("dense_line_" + name);
            pairwise.Dump("dense_line_" + name + "_pairwise");
            const platform::COLORREF green = ColorToRGB(kLineColor);
            // the curve crosses most of the plot's columns
            EXPECT_GT(drawn.Count(green), kWidth / 2) << name;
            if (signal.twoColours) {
                EXPECT_GT(drawn.Count(ColorToRGB(kOtherColor)), kWidth / 4) << name;
            }
            EXPECT_EQ(Differences(drawn, pairwise), 0) << name;
        }
}

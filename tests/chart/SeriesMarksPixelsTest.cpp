// A line series with its marks drawn to pixels: boxes above the points in
// the mark colour with a frame, the value inside, the callout line from the
// point up to the box. With VELZAR_DUMP_DIR set the picture is written there
// as series_marks.png.

#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

namespace {

class MarksPictureChart : public WhiteChart {
public:
    explicit MarksPictureChart(TChartCanvas3D& canvas) {
        SetView3D(false);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        series.SetSeriesColor(0xFF0000);  // blue
        series.SetParentChart(this);
        const double heights[] = {120, 340, 560, 410, 230, 90};
        for (int x = 0; x < 6; ++x) series.AddPointXY(x, heights[x]);
        series.Marks().SetVisible(true);
        series.Marks().SetStyle(smsValue);
    }
    ~MarksPictureChart() override { series.SetParentChart(nullptr); }
    TLineSeries series;
};

}  // namespace

TEST(SeriesMarksPixels, BoxesAboveThePointsWithTheirCallouts) {
    PixelCanvas window(480, 320);
    TChartCanvas3D canvas;
    MarksPictureChart chart(canvas);
    chart.series.Marks().Arrow().SetColor(clBlack);
    chart.series.Marks().SetArrowLength(12);
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    chart.RenderTo(&onWindow, TRect{0, 0, 480, 320});
    window.Dump("series_marks");

    const auto box = static_cast<platform::COLORREF>(ColorToRGB(clInfoBk));
    const auto ink = platform::RGB(0, 0, 0);
    int cut = 0;
    for (int i = 0; i < chart.series.Count(); ++i) {
        const TSeriesMarkPosition* p = chart.series.Marks().Positions().Get(i);
        ASSERT_NE(p, nullptr) << i;
        const int px = chart.series.PointScreenX(i), py = chart.series.PointScreenY(i);
        // the box stands 12 pixels above its point, centred on it
        EXPECT_EQ(p->ArrowStart, (TPoint{px, py})) << i;
        EXPECT_EQ(p->BoxTopLeft.Y + p->BoxHeight - 1, py - 12) << i;
        EXPECT_EQ(p->BoxTopLeft.X, px - p->BoxWidth / 2) << i;
        // the callout: black between the point and the box
        EXPECT_EQ(window.At(px, py - 6), ink) << i;
        // the fill shows inside, the frame on the edge, the text in ink; the
        // margin keeps room for the callout only, so the highest box may be cut
        const int left = p->BoxTopLeft.X, top = p->BoxTopLeft.Y;
        if (top < 0 || left < 0 || left + p->BoxWidth > window.Width()) {
            ++cut;
            continue;
        }
        EXPECT_EQ(window.At(left + 2, top + 2), box) << i;
        EXPECT_EQ(window.At(left, top + p->BoxHeight / 2), ink) << i;
        int letters = 0;
        for (int y = top + 1; y < top + p->BoxHeight - 1; ++y)
            for (int x = left + 1; x < left + p->BoxWidth - 1; ++x) {
                const platform::COLORREF c = window.At(x, y);  // smoothed letters: count the dark ones
                letters += (c & 0xFF) < 128 && ((c >> 8) & 0xFF) < 128 && ((c >> 16) & 0xFF) < 128;
            }
        EXPECT_GT(letters, 10) << i;
    }
    EXPECT_LE(cut, 1);
    // a click on a box finds its mark
    const TSeriesMarkPosition* third = chart.series.Marks().Positions().Get(2);
    const TChartClickedPart part = chart.FindClickedPart({third->BoxTopLeft.X + 3, third->BoxTopLeft.Y + 3}, false);
    EXPECT_EQ(part.Part, cpSeriesMarks);
    EXPECT_EQ(part.PointIndex, 2);
    EXPECT_EQ(part.ASeries, &chart.series);
}

// Which series stands in front in a 3D chart: the depth order the drawing
// cycle settles on, seen on the pixels of a whole drawing.

#include "ChartPixelSurface.h"

#include "chart/axes/ChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A white 3D chart of two equal flat lines, red first and blue second, each
// a ribbon through its depth, without walls, axes or legend.
class DepthChart : public TChart {
public:
    DepthChart() {
        SetBounds(0, 0, kWidth, kHeight);
        SetView3D(true);
        SetView3DWalls(false);
        SetAxisVisible(false);
        SetColor(clWhite);
        SetBevelOuter(TPanelBevel::bvNone);
        Legend().SetVisible(false);
        SetChart3DPercent(60);
        LeftAxis()->SetLimits(0, 10);
        for (TLineSeries* s : {&red, &blue}) {
            s->SetParentChart(this);
            s->AddPointXY(0, 5);
            s->AddPointXY(10, 5);
        }
        red.SetSeriesColor(clRed);
        blue.SetSeriesColor(clBlue);
    }
    ~DepthChart() override {
        red.SetParentChart(nullptr);
        blue.SetParentChart(nullptr);
    }
    std::unique_ptr<TBitmap> Picture() {
        auto bitmap = std::make_unique<TBitmap>(kWidth, kHeight);
        RenderTo(bitmap->Canvas(), TRect{0, 0, kWidth, kHeight});
        return bitmap;
    }
    static constexpr int kWidth = 300, kHeight = 200;
    TLineSeries red, blue;
};

int RedOf(TColor c) { return c & 0xFF; }
int BlueOf(TColor c) { return (c >> 16) & 0xFF; }
int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
bool Reddish(TColor c) { return RedOf(c) > 90 && BlueOf(c) < 60 && GreenOf(c) < 60; }
bool Bluish(TColor c) { return BlueOf(c) > 90 && RedOf(c) < 60 && GreenOf(c) < 60; }

}  // namespace

TEST(SeriesDepthOrder, TheFirstSeriesStandsBehindUnlessOrderedOtherwise) {
    const struct Case {
        const char* what;
        int redZOrder, blueZOrder;
        bool depthInverted;
        int redPlace, bluePlace;  // internal Z orders after the drawing
    } cases[] = {
        {"automatic", -1, -1, false, 1, 0},
        {"explicit, red in front", 1, 0, false, 0, 1},
        {"explicit, red behind", 0, 3, false, 3, 0},
        {"depth axis inverted", -1, -1, true, 0, 1},
        {"inverted, explicit", 2, 0, true, 2, 0},
    };
    for (const Case& c : cases) {
        DepthChart chart;
        // a drawing before leaves its places behind; the next one must not keep them
        chart.Picture();
        chart.red.SetZOrder(c.redZOrder);
        chart.blue.SetZOrder(c.blueZOrder);
        chart.DepthAxis()->SetInverted(c.depthInverted);
        auto picture = chart.Picture();
        EXPECT_EQ(chart.red.InternalZOrder(), c.redPlace) << c.what;
        EXPECT_EQ(chart.blue.InternalZOrder(), c.bluePlace) << c.what;
        const int depth = chart.SeriesDepthWidth();
        ASSERT_GT(depth, 0) << c.what;
        EXPECT_EQ(chart.red.StartZ(), depth * c.redPlace) << c.what;
        EXPECT_EQ(chart.blue.StartZ(), depth * c.bluePlace) << c.what;

        // deeper lies higher on the screen: the series further back has its top edge higher
        auto at = [&picture](int x, int y) { return picture->Canvas()->Pixels(x, y); };
        const TRect red = InkBounds(DepthChart::kWidth, DepthChart::kHeight, at, Reddish);
        const TRect blue = InkBounds(DepthChart::kWidth, DepthChart::kHeight, at, Bluish);
        ASSERT_LT(red.Left, red.Right) << c.what << ": no red drawn";
        ASSERT_LT(blue.Left, blue.Right) << c.what << ": no blue drawn";
        if (c.redPlace > c.bluePlace)
            EXPECT_LT(red.Top, blue.Top) << c.what;
        else
            EXPECT_GT(red.Top, blue.Top) << c.what;
        DumpChartPixels(std::string("depth-order-") + std::to_string(&c - cases), DepthChart::kWidth,
                        DepthChart::kHeight, at);
    }
}

TEST(SeriesDepthOrder, AFlatChartPutsEverySeriesInFront) {
    DepthChart chart;
    chart.Picture();  // in depth first: places 1 and 0
    ASSERT_EQ(chart.red.InternalZOrder(), 1);
    chart.SetView3D(false);
    chart.Picture();
    EXPECT_EQ(chart.red.InternalZOrder(), 0);
    EXPECT_EQ(chart.blue.InternalZOrder(), 0);
    EXPECT_EQ(chart.red.StartZ(), 0);
}

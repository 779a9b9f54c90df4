// Pointers of every style and callouts drawn by a chart to pixels, flat and
// in 3D. With VELZAR_DUMP_DIR set the pictures are written there as
// pointers_flat.png and pointers_3d.png.

#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/Callout.h"
#include "chart/series/LineSeries.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <string>

using platform::RGB;

namespace {

constexpr TSeriesPointerStyle Styles[] = {psRectangle, psCircle,  psTriangle,     psDownTriangle, psCross,
                                          psDiagCross, psStar,    psDiamond,      psSmallDot,     psLeftTriangle,
                                          psRightTriangle, psHexagon};

class PointerChart : public WhiteChart {
public:
    explicit PointerChart(TChartCanvas3D& canvas, bool view3D) {
        SetView3D(view3D);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        Legend().SetVisible(false);
        series.SetParentChart(this);
        series.SetSeriesColor(0x0000C0);  // dark red
        for (int i = 0; i < 12; ++i) series.AddPointXY(i, i % 2 ? 30 : 70);
        series.Pointer().Show();
        series.Pointer().SetHorizSize(9);
        series.Pointer().SetVertSize(9);
        series.Pointer().Shadow().SetVisible(true);
        series.Pointer().Shadow().SetSmooth(false);
        series.Pointer().Shadow().SetColor(clGray);
        series.Pointer().Gradient().SetVisible(true);
        series.Pointer().Gradient().SetStartColor(clYellow);
        series.OnGetPointerStyle = [](TChartSeries*, int i) { return Styles[i]; };
        LeftAxis()->SetLimits(0, 100);
        callout.SetArrowHead(ahSolid);
        callout.Arrow().SetColor(clBlue);
        callout.Arrow().SetWidth(2);
        OnAfterDraw = [this](TObject*) {
            // from the first point up to where its mark box would stand
            callout.PaintCallout(clRed, TPoint{series.PointScreenX(0), series.PointScreenY(0)}, series.StartZ(),
                                 TPoint{series.PointScreenX(0), series.PointScreenY(0) - 60});
        };
    }
    ~PointerChart() override { series.SetParentChart(nullptr); }
    TLineSeries series;
    TCallout callout{&series};
};

int CountAround(const PixelCanvas& picture, int cx, int cy, int radius, platform::COLORREF colour) {
    int n = 0;
    for (int y = cy - radius; y <= cy + radius; ++y)
        for (int x = cx - radius; x <= cx + radius; ++x)
            if (x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height()) n += picture.At(x, y) == colour;
    return n;
}

}  // namespace

TEST(SeriesPointerPixels, EveryStyleWithShadowGradientAndACallout) {
    for (bool view3D : {false, true}) {
        PixelCanvas window(640, 360);
        TChartCanvas3D canvas;
        PointerChart chart(canvas, view3D);
        TCanvas onWindow;
        onWindow.SetHandle(window.Dc());
        chart.RenderTo(&onWindow, TRect{0, 0, 640, 360});
        window.Dump(view3D ? "pointers_3d" : "pointers_flat");
        if (view3D) continue;
        // each filled shape shows its gradient's yellow end near its centre
        // and the grey shadow below-right of the square
        const int x0 = chart.series.PointScreenX(0), y0 = chart.series.PointScreenY(0);
        EXPECT_GT(CountAround(window, x0 + 11, y0 + 11, 1, RGB(128, 128, 128)), 0);
        for (int i : {0, 1, 7, 11}) {
            const int x = chart.series.PointScreenX(i), y = chart.series.PointScreenY(i);
            int warm = 0;
            for (int dy = -8; dy <= 8; ++dy)
                for (int dx = -8; dx <= 8; ++dx) {
                    const platform::COLORREF c = window.At(x + dx, y + dy);
                    warm += platform::GetRValue(c) > 150 && platform::GetGValue(c) > 100 && platform::GetBValue(c) < 80;
                }
            EXPECT_GT(warm, 5) << "style " << Styles[i];
        }
        // the callout's blue line runs up from the first point
        EXPECT_GT(CountAround(window, x0, y0 - 40, 2, RGB(0, 0, 255)), 0);
    }
}

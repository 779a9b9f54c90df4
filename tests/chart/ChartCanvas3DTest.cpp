#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

using platform::RGB;

namespace {

// A flat chart drawn through the device-context canvas into a test bitmap.
class PixelChart : public WhiteChart {
public:
    explicit PixelChart(TChartCanvas3D& canvas) {
        SetView3D(false);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        SetMarginLeft(5);
        SetMarginTop(5);
        SetMarginRight(10);
        SetMarginBottom(10);
        Frame().SetColor(clBlack);
    }
};

}  // namespace

TEST(ChartCanvas3D, LinesAndTextReachThePixels) {
    PixelCanvas target(60, 40);
    TCanvas onTarget;
    onTarget.SetHandle(target.Dc());
    TChartCanvas3D canvas;
    canvas.SetBuffered(false);
    canvas.PrepareDrawing(&onTarget, nullptr, clWhite, false, TRect{0, 0, 60, 40});
    TChartPen pen;
    canvas.SelectPenColor(pen, 0x0000FF);
    canvas.Line(5, 10, 50, 10);
    EXPECT_EQ(target.At(5, 10), RGB(255, 0, 0));
    EXPECT_EQ(target.At(49, 10), RGB(255, 0, 0));
    EXPECT_EQ(target.At(50, 10), RGB(255, 255, 255));  // the end point is left out
    EXPECT_EQ(target.At(5, 11), RGB(255, 255, 255));

    pen.SetWidth(3);
    canvas.SelectPenColor(pen, 0x00FF00);
    canvas.VerticalLine(30, 15, 35);
    EXPECT_EQ(target.At(29, 25), RGB(0, 255, 0));
    EXPECT_EQ(target.At(31, 25), RGB(0, 255, 0));

    canvas.ClipToRect(TRect{0, 0, 20, 40});
    canvas.SelectPenColor(pen, 0xFF0000);
    canvas.HorizontalLine(0, 60, 30);
    canvas.RemoveClip();
    EXPECT_EQ(target.At(10, 30), RGB(0, 0, 255));
    EXPECT_EQ(target.At(45, 30), RGB(255, 255, 255));  // clipped away

    const int before = target.Count(RGB(0, 0, 0));
    canvas.TextOut(2, 0, "W");
    EXPECT_GT(target.Count(RGB(0, 0, 0)), before);
    EXPECT_GT(canvas.TextWidth("WWW"), canvas.TextWidth("W"));
    target.Dump("chart_canvas_lines");
}

TEST(ChartCanvas3D, BufferIsPresentedAndRepaintedUntilInvalidated) {
    PixelCanvas window(50, 30);
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    TChartCanvas3D canvas;
    canvas.SetTargetCanvas(&onWindow);
    EXPECT_FALSE(canvas.RepaintFromBuffer());  // nothing drawn yet
    const TRect r = canvas.PrepareDrawing(&onWindow, nullptr, clWhite, false, TRect{0, 0, 50, 30});
    EXPECT_EQ(r, (TRect{0, 0, 50, 30}));
    canvas.Brush().SetColor(0x0000FF);
    canvas.FillRect(r);
    EXPECT_EQ(window.At(10, 10), RGB(255, 255, 255));  // still off screen
    canvas.PresentBuffer(&onWindow, &onWindow, TRect{0, 0, 50, 30});
    EXPECT_EQ(window.At(10, 10), RGB(255, 0, 0));
    window.Fill(RGB(255, 255, 255));
    EXPECT_TRUE(canvas.RepaintFromBuffer());
    EXPECT_EQ(window.At(10, 10), RGB(255, 0, 0));
    canvas.Invalidate();
    EXPECT_FALSE(canvas.RepaintFromBuffer());
}

TEST(ChartCanvas3D, ChartWithFourSeriesAndACustomAxis) {
    PixelCanvas window(640, 400);
    TChartCanvas3D canvas;
    PixelChart chart(canvas);
    TLineSeries curves[4];
    const TColor colours[4] = {0x0000FF, 0x008000, 0xFF0000, 0x800080};
    for (int k = 0; k < 4; ++k) {
        curves[k].SetParentChart(&chart);
        curves[k].SetSeriesColor(colours[k]);
        curves[k].LinePen().SetWidth(2);
        for (int i = 0; i <= 200; ++i) curves[k].AddPointXY(i * 0.05, std::sin(i * 0.05 + k) * (k + 1));
    }
    TChartAxis* altitude = chart.CustomAxes().Add();
    altitude->SetStartPosition(0);
    altitude->SetEndPosition(40);
    altitude->SetPositionUnits(muPixels);
    altitude->SetPositionPercent(60);
    altitude->Title().SetCaption("Alt");
    curves[3].SetCustomVertAxis(altitude);
    chart.BottomAxis()->Title().SetCaption("Time");
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    chart.RenderTo(&onWindow, TRect{0, 0, 640, 400});
    window.Dump("chart_four_series_custom_axis");

    for (int k = 0; k < 4; ++k) {
        const platform::COLORREF c = RGB(colours[k] & 0xFF, (colours[k] >> 8) & 0xFF, (colours[k] >> 16) & 0xFF);
        EXPECT_GT(window.Count(c), 200) << k;  // every curve is on screen
    }
    // the fourth curve stays in the upper 40 % of the plot, on its own axis
    const TRect plot = chart.PlotRect();
    const platform::COLORREF purple = RGB(0x80, 0, 0x80);
    for (int y = plot.Top + plot.Height() * 45 / 100; y < 400; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_NE(window.At(x, y), purple) << x << "," << y;
    EXPECT_EQ(window.At(plot.Left, plot.Top + 1), RGB(0, 0, 0));  // the back wall's frame
    for (auto& c : curves) c.SetParentChart(nullptr);
}

TEST(ChartCanvas3D, MonochromeSwitchMakesTheBufferStaleAndRepaints) {
    PixelCanvas window(20, 20);
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    int repaints = 0;
    TView3DOptions options([&] { ++repaints; });
    TChartCanvas3D canvas;
    canvas.PrepareDrawing(&onWindow, &options, clWhite, false, TRect{0, 0, 20, 20});
    canvas.PresentBuffer(&onWindow, &onWindow, TRect{0, 0, 20, 20});
    ASSERT_FALSE(canvas.BufferStale());
    canvas.SetMonochrome(false);  // unchanged: nothing happens
    EXPECT_FALSE(canvas.BufferStale());
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_TRUE(canvas.BufferStale());
    EXPECT_EQ(repaints, 1);
    EXPECT_FALSE(canvas.RepaintFromBuffer());
}

TEST(ChartCanvas3D, WideTextMeasuresAsTheSameText) {
    TChartCanvas3D canvas;
    EXPECT_EQ(canvas.TextWidthW(L"Высота"), canvas.TextWidth("Высота"));
    EXPECT_EQ(canvas.TextHeightW(L"W"), canvas.TextHeight("W"));
    EXPECT_GT(canvas.TextWidthW(L"WW"), canvas.TextWidthW(L"W"));
}

TEST(ChartCanvas3D, PointOverloadsDrawTheSameLine) {
    PixelCanvas target(20, 20);
    TCanvas onTarget;
    onTarget.SetHandle(target.Dc());
    TChartCanvas3D canvas;
    canvas.SetBuffered(false);
    canvas.PrepareDrawing(&onTarget, nullptr, clWhite, false, TRect{0, 0, 20, 20});
    canvas.SelectPenColor(TChartPen(), clBlack);
    canvas.MoveTo(TPoint{2, 5});
    canvas.LineTo(TPoint{12, 5});
    canvas.LineAtDepth(TPoint{2, 9}, TPoint{12, 9}, 0);
    EXPECT_EQ(target.At(2, 5), RGB(0, 0, 0));
    EXPECT_EQ(target.At(11, 5), RGB(0, 0, 0));
    EXPECT_EQ(target.At(12, 5), RGB(255, 255, 255));
    EXPECT_EQ(target.At(11, 9), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Handle(), target.Dc());
}

namespace {

// A canvas drawing straight into a test bitmap.
struct DirectCanvas {
    PixelCanvas target{40, 30};
    TCanvas onTarget;
    TChartCanvas3D canvas;

    DirectCanvas() {
        onTarget.SetHandle(target.Dc());
        canvas.SetBuffered(false);
        canvas.PrepareDrawing(&onTarget, nullptr, clWhite, false, TRect{0, 0, 40, 30});
    }
    platform::HGDIOBJ SelectedPen() const { return platform::GetCurrentObject(target.Dc(), platform::OBJ_PEN); }
};

}  // namespace

TEST(ChartCanvas3D, KeepsItsPlatformPenWhileThePenLooksTheSame) {
    DirectCanvas d;
    TChartPen pen;
    // A series sets its pen and then its colour before every line.
    d.canvas.SelectPenColor(pen, 0x0000FF);
    d.canvas.Line(2, 2, 30, 2);
    const platform::HGDIOBJ first = d.SelectedPen();
    d.canvas.SelectPenColor(pen, 0x0000FF);
    d.canvas.Line(2, 4, 30, 4);
    EXPECT_EQ(d.SelectedPen(), first);
    EXPECT_EQ(d.target.At(20, 4), RGB(255, 0, 0));

    struct Change {
        const char* what;
        void (*apply)(TChartPen&);
    } changes[] = {
        {"width", [](TChartPen& p) { p.SetWidth(3); }},
        {"style", [](TChartPen& p) { p.SetStyle(TPenStyle::psDash); }},
        {"mode", [](TChartPen& p) { p.SetMode(TPenMode::pmNot); }},
    };
    int row = 8;
    for (const Change& c : changes) {
        TChartPen changed;
        c.apply(changed);
        const platform::HGDIOBJ before = d.SelectedPen();
        d.canvas.SelectPenColor(changed, 0x0000FF);
        d.canvas.Line(2, row, 30, row);
        EXPECT_NE(d.SelectedPen(), before) << c.what;
        row += 6;
    }
    // The colour alone changes the pixels.
    d.canvas.SelectPenColor(pen, 0x00FF00);
    d.canvas.Line(2, 27, 30, 27);
    EXPECT_EQ(d.target.At(20, 27), RGB(0, 255, 0));
}

TEST(ChartCanvas3D, PutsItsPenBackAfterOthersDrewOnTheContext) {
    DirectCanvas d;
    TChartPen pen;
    d.canvas.SelectPenColor(pen, 0x0000FF);
    d.canvas.Line(2, 2, 30, 2);
    // An after-draw handler draws on the same context with its own tools.
    platform::SelectObject(d.target.Dc(), platform::GetStockObject(platform::BLACK_PEN));
    platform::SetROP2(d.target.Dc(), platform::R2_NOT);
    d.canvas.SelectPenColor(pen, 0x0000FF);
    d.canvas.Line(2, 6, 30, 6);
    EXPECT_EQ(d.target.At(20, 6), RGB(255, 0, 0));
}

// The legend drawn to pixels on each side of a chart, and its check boxes
// clicked through the window system. With VELZAR_DUMP_DIR set the pictures
// are written there as legend_left.png, legend_right.png, legend_top.png and
// legend_bottom.png.

#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/legend/ChartLegend.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/forms/Form.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::RGB;

namespace {

constexpr TColor Colors[] = {0x0000FF, 0x008000, 0xFF0000};  // red, green, blue as 0x00BBGGRR
const char* const Titles[] = {"Altitude", "Speed", "Voltage"};

void AddFlightSeries(TCustomChart& chart, std::vector<std::unique_ptr<TLineSeries>>& series) {
    for (int i = 0; i < 3; ++i) {
        series.push_back(std::make_unique<TLineSeries>());
        TLineSeries& s = *series.back();
        s.SetTitle(Titles[i]);
        s.SetSeriesColor(Colors[i]);
        s.SetParentChart(&chart);
        for (int x = 0; x <= 10; ++x) s.AddPointXY(x, (i + 1) * x);
    }
}

class PictureChart : public WhiteChart {
public:
    explicit PictureChart(TChartCanvas3D& canvas) {
        SetView3D(false);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int side = 0; side < 4; ++side) SetMargin(side, 10);
        Title().SetText({"Flight"});
        AddFlightSeries(*this, series);
        series[1]->Pointer().SetVisible(true);  // its symbol is a pointer over a line
    }
    ~PictureChart() override {
        for (auto& s : series) s->SetParentChart(nullptr);
    }
    std::vector<std::unique_ptr<TLineSeries>> series;
};

bool Meets(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

int CountIn(const PixelCanvas& picture, const TRect& r, platform::COLORREF colour) {
    int n = 0;
    for (int y = std::max(r.Top, 0); y < r.Bottom; ++y)
        for (int x = std::max(r.Left, 0); x < r.Right; ++x) n += picture.At(x, y) == colour;
    return n;
}

}  // namespace

TEST(ChartLegendPixels, ALegendOnEachSideKeepsClearOfThePlot) {
    const std::pair<TLegendAlignment, const char*> sides[] = {
        {laLeft, "legend_left"}, {laRight, "legend_right"}, {laTop, "legend_top"}, {laBottom, "legend_bottom"}};
    for (const auto& [side, name] : sides) {
        PixelCanvas window(480, 320);
        TChartCanvas3D canvas;
        PictureChart chart(canvas);
        chart.Legend().SetAlignment(side);
        chart.Legend().SetCheckBoxes(true);
        chart.series[2]->SetActive(false);
        TCanvas onWindow;
        onWindow.SetHandle(window.Dc());
        chart.RenderTo(&onWindow, TRect{0, 0, 480, 320});
        window.Dump(name);

        const TRect box = chart.Legend().ShapeRect;
        EXPECT_FALSE(Meets(box, chart.PlotRect())) << name;
        // each active series' symbol shows in its colour inside the box; the
        // switched-off one keeps its row and symbol
        for (int i = 0; i < 3; ++i) {
            const TRect symbol = chart.Legend().Items().GetItem(i).SymbolRect();
            EXPECT_TRUE(Meets(symbol, box)) << name << " " << i;
            EXPECT_GT(CountIn(window, {symbol.Left, symbol.Top, symbol.Right + 1, symbol.Bottom + 1},
                              static_cast<platform::COLORREF>(Colors[i])),
                      3)
                << name << " " << i;
        }
        // the check boxes: the first two ticked, the third empty
        auto ink = [&](int row) {
            const TLegendItem& item = chart.Legend().Items().GetItem(row);
            int n = 0;
            const int x0 = item.SymbolRect().Left - 22, y0 = item.Top();
            for (int y = y0; y < y0 + 16; ++y)
                for (int x = x0; x < x0 + 20; ++x) n += window.At(x, y) == RGB(0, 0, 0);
            return n;
        };
        EXPECT_GT(ink(0), ink(2) + 4) << name;
        EXPECT_GT(ink(1), ink(2) + 4) << name;
    }
}

namespace {

// A shown chart window with a right legend of check boxes.
class ChartLegendWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 500, 420);
        chart = new TChart(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(0, 0, 440, 340);
        chart->SetView3D(false);
        chart->Legend().SetCheckBoxes(true);
        AddFlightSeries(*chart, series);
        form->Show();
        Pump();
    }
    void TearDown() override {
        series.clear();
        form.reset();
        Pump();
    }
    static void Pump() { platform::testing::PumpMessages(); }
    void Click(int x, int y) {
        const TPoint p = chart->ClientToScreen({x, y});
        platform::testing::MoveMouse(p.X, p.Y);
        Pump();
        platform::testing::PressMouse(0);
        Pump();
        platform::testing::ReleaseMouse(0);
        Pump();
    }
    // Inside the check box of a row, as the last drawing placed it.
    TPoint RowPoint(int row) {
        TChartLegend& legend = chart->Legend();
        return {legend.ShapeRect.Left + 9, legend.Items().GetItem(row).Top() + 6};
    }
    std::vector<bool> Active() const {
        std::vector<bool> out;
        for (auto& s : series) out.push_back(s->Active());
        return out;
    }

    std::unique_ptr<TForm> form;
    TChart* chart = nullptr;
    std::vector<std::unique_ptr<TLineSeries>> series;
};

}  // namespace

TEST_F(ChartLegendWindow, ClickingARowSwitchesItsSeries) {
    const TPoint second = RowPoint(1);
    ASSERT_EQ(chart->Legend().HitAt(second.X, second.Y), 1);
    Click(second.X, second.Y);
    EXPECT_EQ(Active(), (std::vector<bool>{true, false, true}));
    // the chart drew again: the switched-off series keeps its row
    const TPoint again = RowPoint(1);
    EXPECT_EQ(chart->Legend().HitAt(again.X, again.Y), 1);
    Click(again.X, again.Y);
    EXPECT_EQ(Active(), (std::vector<bool>{true, true, true}));
}

TEST_F(ChartLegendWindow, RadioBoxesLeaveOneSeriesAndTheEventMayTakeTheClick) {
    chart->Legend().SetCheckBoxesStyle(cbsRadio);
    EXPECT_EQ(Active(), (std::vector<bool>{true, false, false}));
    Pump();
    const TPoint third = RowPoint(2);
    Click(third.X, third.Y);
    EXPECT_EQ(Active(), (std::vector<bool>{false, false, true}));

    int clicks = 0;
    chart->OnClickLegend = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++clicks; };
    Pump();
    const TPoint first = RowPoint(0);
    Click(first.X, first.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Active(), (std::vector<bool>{true, false, false}));  // the boxes still switch
    EXPECT_EQ(chart->FindClickedPart({first.X, first.Y}, true).Part, cpLegend);
}

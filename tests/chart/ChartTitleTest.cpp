#include "ChartTestPanel.h"

#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A flat chart on a fixed-pitch canvas (7 pixels a letter, 13 a line) whose
// plot starts as (10, 10, 290, 190).
class TitleChart : public TCustomChart {
public:
    TitleChart() {
        SetView3D(false);
        Legend().SetVisible(false);
        SetCanvas(&canvas);
        SetAxisVisible(false);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 10);
        series.SetParentChart(this);
        series.AddPointXY(0, 0);
        OnBeforeDrawSeries = [this](TCustomAxisPanel*) { textsBeforeSeries = canvas.texts.size(); };
    }
    ~TitleChart() override { series.SetParentChart(nullptr); }
    void Draw() {
        canvas.texts.clear();
        RenderTo(ControlCanvas(), TRect{0, 0, 300, 200});
    }
    // Where the line was written, or (-1, -1).
    TPoint TextAt(const std::string& line) const {
        for (const auto& t : canvas.texts)
            if (t.text == line) return {t.x, t.y};
        return {-1, -1};
    }
    FixedPitchCanvas canvas;
    TLineSeries series;
    std::size_t textsBeforeSeries = 0;

protected:
    void DrawPanelBackground(const TRect&) override {}
};

constexpr int H = 13;  // line height
constexpr int W = 7;   // width of "W"

}  // namespace

TEST(ChartTitles, TheRoomATitleTakesDependsOnItsFrame) {
    struct Case {
        const char* what;
        void (*setUp)(TChartTitle&);
        int frame;
        int extra;
    };
    const Case cases[] = {
        {"default pen: one pixel", [](TChartTitle&) {}, 1, 0},
        {"hidden pen", [](TChartTitle& t) { t.Frame().SetVisible(false); }, 0, 0},
        {"pen of the default-colour marker", [](TChartTitle& t) { t.Frame().SetColor(clDefault); }, 0, 0},
        {"wide pen", [](TChartTitle& t) { t.Frame().SetWidth(3); }, 3, 0},
        {"bevel instead of the pen", [](TChartTitle& t) {
             t.Frame().SetWidth(3);
             t.SetBevel(TPanelBevel::bvRaised);
             t.SetBevelWidth(2);
         }, 2, 0},
        {"a filled box adds its shadow", [](TChartTitle& t) {
             t.SetTransparent(false);
             t.Shadow().SetVisible(true);
             t.Shadow().SetVertSize(4);
         }, 1, 4},
        {"a transparent box does not", [](TChartTitle& t) {
             t.Shadow().SetVisible(true);
             t.Shadow().SetVertSize(4);
         }, 1, 0},
    };
    for (const Case& c : cases) {
        TitleChart chart;
        chart.Title().SetText({"Flight", "3"});
        c.setUp(chart.Title());
        chart.Draw();
        // the frame above the text, below it and before the margin
        EXPECT_EQ(chart.PlotRect().Top, 10 + 3 * c.frame + 2 * H + 5 + c.extra) << c.what;
        EXPECT_EQ(chart.Title().TitleRect().Top, 10) << c.what;
        EXPECT_EQ(chart.TextAt("Flight").Y, 10 + c.frame) << c.what;
        EXPECT_EQ(chart.TextAt("3").Y, 10 + c.frame + H) << c.what;
    }
}

TEST(ChartTitles, TitlesStackInTheOrderTheyAreDrawn) {
    TitleChart chart;
    chart.Title().SetText({"Top"});
    chart.SubTitle().SetText({"Second"});
    chart.Foot().SetText({"Bottom", "Above"});
    chart.SubFoot().SetText({"Sub"});
    chart.Foot().SetVertMargin(0);
    chart.Draw();
    EXPECT_LT(chart.TextAt("Top").Y, chart.TextAt("Second").Y);
    // the foot's first line is its lowest; the sub-foot stands above the foot
    EXPECT_GT(chart.TextAt("Bottom").Y, chart.TextAt("Above").Y);
    // the box grows by the frame below the plot's bottom; the text stays inside the frame
    EXPECT_EQ(chart.Foot().TitleRect(), (TRect{150 - 25, 190 - 2 * H - 1, 150 + 25, 191}));
    EXPECT_EQ(chart.TextAt("Bottom").Y, 191 - 1 - H);
    EXPECT_EQ(chart.TextAt("Above").Y, 191 - 1 - 2 * H);
    // the foot gives up its lines and margin (none here): the sub-foot stands on what is left
    EXPECT_EQ(chart.SubFoot().TitleRect().Bottom, 190 - 2 * H + 1);
    EXPECT_EQ(chart.TextAt("Sub").Y, 190 - 2 * H - H);
    EXPECT_EQ(chart.PlotRect().Bottom, 190 - 2 * H - H - 5);
    EXPECT_EQ(chart.Foot().Font().Color(), clRed);
    EXPECT_EQ(chart.Title().Font().Color(), clBlue);
}

TEST(ChartTitles, AlignmentPlacesTheLinesInTheFrame) {
    struct Case {
        TAlignment alignment;
        int left, right;
        int xLong, xShort;
    };
    // "Altitude" is 56 pixels, "km" 14; with the frame and a letter the box is 64 wide
    const Case cases[] = {
        {TAlignment::taLeftJustify, 9, 9 + 64, 9 + W / 2, 9 + W / 2},
        {TAlignment::taRightJustify, 291 - 64, 291, 291 - 56 - W / 2, 291 - 14 - W / 2},
        {TAlignment::taCenter, 150 - 32, 150 + 32, 150 - 28, 150 - 7},
    };
    for (const Case& c : cases) {
        TitleChart chart;
        chart.Title().SetText({"Altitude", "km"});
        chart.Title().SetAlignment(c.alignment);
        chart.Draw();
        const TRect r = chart.Title().TitleRect();
        EXPECT_EQ(r.Left, c.left) << static_cast<int>(c.alignment);
        EXPECT_EQ(r.Right, c.right) << static_cast<int>(c.alignment);
        EXPECT_EQ(chart.TextAt("Altitude").X, c.xLong) << static_cast<int>(c.alignment);
        EXPECT_EQ(chart.TextAt("km").X, c.xShort) << static_cast<int>(c.alignment);
    }
    TitleChart wide;  // as wide as the plot and its frame
    wide.Title().SetText({"km"});
    wide.Title().SetAdjustFrame(false);
    wide.Draw();
    EXPECT_EQ(wide.Title().TitleRect().Left, 9);
    EXPECT_EQ(wide.Title().TitleRect().Right, 291);
}

TEST(ChartTitles, ACustomPlacedTitleKeepsItsPlaceAndIsDrawnOverTheSeries) {
    TitleChart chart;
    chart.Title().SetText({"Hi"});
    chart.Foot().SetText({"Placed"});
    chart.Foot().SetLeft(40);
    EXPECT_TRUE(chart.Foot().CustomPosition());  // an edge set by hand
    chart.Foot().SetTop(50);
    chart.Draw();
    EXPECT_EQ(chart.PlotRect().Bottom, 190);  // it takes no room
    // as wide as its text, centred on where it stood: 7 + 1 + 42 = 50 from 40
    EXPECT_EQ(chart.Foot().TitleRect(), (TRect{40, 50, 90, 63}));
    EXPECT_EQ(chart.Foot().Left(), 40);
    EXPECT_EQ(chart.Foot().Top(), 50);
    // the placed title was written before the series, the custom one after them
    ASSERT_EQ(chart.textsBeforeSeries, 1u);
    EXPECT_EQ(chart.canvas.texts[0].text, "Hi");
    EXPECT_EQ(chart.canvas.texts.back().text, "Placed");
}

TEST(ChartTitles, ATitleWithoutLinesOrHiddenTakesNoRoom) {
    TitleChart chart;
    chart.Title().SetText({});
    chart.Draw();
    EXPECT_EQ(chart.PlotRect().Top, 10);
    EXPECT_TRUE(chart.canvas.texts.empty());
    chart.Title().SetText({"Shown"});
    chart.Title().SetVisible(false);
    chart.Draw();
    EXPECT_EQ(chart.PlotRect().Top, 10);
    EXPECT_FALSE(chart.Title().HitAt(150, 12));
}

TEST(ChartTitles, AFixedPlotKeepsItsRectangle) {
    TitleChart chart;
    chart.SetFixedPlotRect(true);
    chart.SetPlotRect(TRect{20, 30, 250, 170});
    chart.Title().SetText({"Fixed"});
    chart.Draw();
    EXPECT_EQ(chart.PlotRect(), (TRect{20, 30, 250, 170}));
    EXPECT_EQ(chart.TextAt("Fixed").Y, 31);
}

// The legend's rows, texts, check-box clicks and layout on a canvas that
// measures 7 pixels a character and 13 a line.

#include "chart/core/ChartExceptions.h"
#include "chart/legend/ChartLegend.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesGroups.h"
#include "ui/core/MemoryStream.h"

#include "tests/chart/ChartTestPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A chart without axes or margins, so the plot is the whole drawing at
// first; the legend keeps its frame (one pixel) but casts no shadow.
class LegendChart : public TCustomChart {
public:
    LegendChart() {
        SetView3D(false);
        SetCanvas(&canvas);
        SetAxisVisible(false);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 0);
        Legend().Shadow().SetVisible(false);
        Legend().Symbol().Shadow().SetVisible(false);
    }
    ~LegendChart() override {
        for (auto& s : series) s->SetParentChart(nullptr);
    }
    TLineSeries& Add(const std::string& title) {
        series.push_back(std::make_unique<TLineSeries>());
        TLineSeries& s = *series.back();
        s.SetTitle(title);
        s.SetParentChart(this);
        s.AddPointXY(0, 1);
        s.AddPointXY(1, 2);
        return s;
    }
    void Draw(int width, int height) {
        canvas.texts.clear();
        canvas.rectangles.clear();
        canvas.segments.clear();
        RenderTo(ControlCanvas(), TRect{0, 0, width, height});
    }
    std::vector<std::string> Written() const {
        std::vector<std::string> out;
        for (const auto& t : canvas.texts) out.push_back(t.text);
        return out;
    }
    const FixedPitchCanvas::Text* Find(const std::string& text) const {
        for (const auto& t : canvas.texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    FixedPitchCanvas canvas;
    std::vector<std::unique_ptr<TLineSeries>> series;

protected:
    void DrawPanelBackground(const TRect&) override {}
};

using Texts = std::vector<std::string>;

}  // namespace

TEST(ChartLegend, OneSeriesListsItsValuesAndTwoListTheSeries) {
    LegendChart chart;
    TLineSeries& a = chart.Add("Alpha");
    a.Clear();
    a.AddPointXY(0, 5, "five");
    a.AddPointXY(1, 7, "");
    TChartLegend& legend = chart.Legend();
    chart.Draw(500, 300);
    EXPECT_EQ(legend.InternalStyle(), lsValues);
    // ltsLeftValue: the value, then the label in a second column
    EXPECT_EQ(chart.Written(), (Texts{"5", "five", "7"}));
    EXPECT_EQ(chart.Find("5")->align, TA_RIGHT);  // values line up on the right
    EXPECT_EQ(chart.Find("five")->align, TA_LEFT);

    chart.Add("Beta");
    chart.Draw(500, 300);
    EXPECT_EQ(legend.InternalStyle(), lsSeries);
    EXPECT_EQ(chart.Written(), (Texts{"Alpha", "Beta"}));

    chart.series[1]->SetActive(false);
    legend.SetCheckBoxes(true);  // with check boxes every series has a row, active or not
    chart.Draw(500, 300);
    EXPECT_EQ(legend.InternalStyle(), lsSeries);
    EXPECT_EQ(legend.ItemCount(), 2);
    EXPECT_EQ(chart.Written(), (Texts{"Alpha", "Beta"}));

    legend.SetLegendStyle(lsLastValues);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"7", "2"}));
}

TEST(ChartLegend, TextsSplitIntoTwoColumnsAndTheEventHasTheLastWord) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    chart.Add("three");
    std::vector<TLegendStyle> styles;
    chart.OnGetLegendText = [&](TCustomAxisPanel*, TLegendStyle style, int index, std::string& text) {
        styles.push_back(style);
        if (index == 0) text = "A\x06" "BB";
        if (index == 1) text = "P\x06Q\x06R";
    };
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"A", "BB", "P", "Q", "three"}));
    EXPECT_EQ(styles, (std::vector<TLegendStyle>{lsSeries, lsSeries, lsSeries}));
    // the second column starts after the widest first column ("three") and a blank
    const int s = 7;
    EXPECT_EQ(chart.Find("BB")->x - chart.Find("A")->x, 5 * 7 + s);
    EXPECT_EQ(chart.Find("Q")->x, chart.Find("BB")->x);
}

TEST(ChartLegend, FirstValueSkipsRowsAndRefusesNegatives) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    chart.Add("three");
    TChartLegend& legend = chart.Legend();
    EXPECT_THROW(legend.SetFirstValue(-1), LegendException);
    EXPECT_EQ(legend.FirstValue(), 0);
    legend.SetFirstValue(1);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"two", "three"}));
    EXPECT_NO_THROW(legend.SetFirstValue(0));
    legend.SetInverted(true);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"three", "two", "one"}));
}

TEST(ChartLegend, CheckBoxClicksToggleOrPickASeries) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    chart.Add("three").SetShowInLegend(false);
    chart.Add("four");
    TChartLegend& legend = chart.Legend();
    EXPECT_FALSE(legend.ClickCheckBox(0));  // no check boxes: nothing happens
    EXPECT_TRUE(chart.series[0]->Active());

    legend.SetCheckBoxes(true);
    legend.ResolveStyle();
    EXPECT_FALSE(legend.ClickCheckBox(-1));
    EXPECT_TRUE(legend.ClickCheckBox(2));  // row 2 is "four": "three" has no row
    EXPECT_FALSE(chart.series[3]->Active());
    EXPECT_TRUE(chart.series[2]->Active());
    legend.ClickCheckBox(2);
    EXPECT_TRUE(chart.series[3]->Active());

    // radio boxes: the first series of the legend stays, the others go off
    legend.SetCheckBoxesStyle(cbsRadio);
    auto active = [&] {
        std::vector<bool> out;
        for (auto& s : chart.series) out.push_back(s->Active());
        return out;
    };
    EXPECT_EQ(active(), (std::vector<bool>{true, false, true, false}));
    legend.ClickCheckBox(1);
    EXPECT_EQ(active(), (std::vector<bool>{false, true, true, false}));
}

TEST(ChartLegend, ItemsSetFromOutsideAreKeptByLaterDrawings) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    TChartLegend& legend = chart.Legend();
    chart.Draw(500, 300);
    ASSERT_EQ(legend.Items().Count(), 2);
    const TLegendItem& second = legend.Items().GetItem(1);
    EXPECT_EQ(second.Text(), "two");
    const FixedPitchCanvas::Text* drawn = chart.Find("two");
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(second.Left(), drawn->x);
    EXPECT_EQ(second.Top(), drawn->y);

    legend.Items().GetItem(0).SetText("mine");
    EXPECT_TRUE(legend.Items().Custom());
    chart.series[1]->SetTitle("renamed");
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"mine", "two"}));
}

TEST(ChartLegend, ARightLegendStandsInsideTheFrameAndTakesItsRoom) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    TChartLegend& legend = chart.Legend();
    chart.Draw(500, 300);
    const TRect& r = legend.ShapeRect;
    // F 1: right at 500 - (F + 1); T = 35 + 7 - 1, W = T + 12 + symbol (20 % of W) + 2
    EXPECT_EQ(r.Right, 498);
    EXPECT_EQ(r.Right - r.Left, 41 + 12 + 11 + 2);
    EXPECT_EQ(r.Top, 30);  // TopPos 10 % of 300
    // two rows of 13, 2 and a tenth of a row above and below
    EXPECT_EQ(r.Bottom - r.Top, 2 * 13 + 2 + 2);
    // HorizMargin 0: 3 % of the 500-pixel plot between the legend and the plot
    EXPECT_EQ(chart.PlotRect().Right, r.Left - 15);

    legend.SetHorizMargin(20);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.PlotRect().Right, legend.ShapeRect.Left - 20);

    legend.SetAlignment(laLeft);
    legend.SetHorizMargin(0);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.ShapeRect.Left, 2);
    EXPECT_EQ(chart.PlotRect().Left, legend.ShapeRect.Right + 15);
    EXPECT_EQ(chart.PlotRect().Right, 500);

    legend.SetResizeChart(false);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.PlotRect().Left, 0);
}

TEST(ChartLegend, TopAndBottomLegendsTakeTheirRoomFromThePlot) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laTop);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.ShapeRect.Top, 2);
    EXPECT_EQ(legend.RowCount(), 1);
    EXPECT_EQ(legend.ColumnCount(), 2);
    EXPECT_EQ(chart.PlotRect().Top, legend.ShapeRect.Bottom + 4 * 300 / 100);

    legend.SetAlignment(laBottom);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.ShapeRect.Bottom, 298);
    EXPECT_EQ(chart.PlotRect().Bottom, legend.ShapeRect.Top - 12);
}

TEST(ChartLegend, AVerticalLegendShowsOnlyTheRowsThatFit) {
    LegendChart chart;
    for (int i = 0; i < 10; ++i) chart.Add("S" + std::to_string(i));
    TChartLegend& legend = chart.Legend();
    chart.Draw(500, 100);
    // below the top at 10: (100 - 2 - 10) div 13 rows
    EXPECT_EQ(legend.RowCount(), 6);
    EXPECT_EQ(legend.LastValue(), 5);
    EXPECT_EQ(chart.Written(), (Texts{"S0", "S1", "S2", "S3", "S4", "S5"}));
    const int x = (legend.ShapeRect.Left + legend.ShapeRect.Right) / 2;
    const int top = legend.TitleBottom();
    EXPECT_EQ(legend.HitAt(x, top + 5 * 13 + 5), 5);
    EXPECT_EQ(legend.HitAt(x, top + 6), 0);
    EXPECT_EQ(legend.HitAt(x, top + 6 * 13 + 5), -1);  // below the last row shown
    EXPECT_EQ(legend.HitAt(legend.ShapeRect.Left - 1, top + 6), -1);
}

TEST(ChartLegend, AHorizontalLegendFillsColumnsUpToItsRowLimit) {
    struct Case {
        int maxRows, rows, lastValue;
    };
    // seven items 2 characters wide: T 20, symbol 4, a column 32 wide; a
    // 120-pixel plot has room for (120 - 2 - 8) div 32 = 3 columns
    for (const Case& c : {Case{10, 3, 6}, Case{2, 2, 5}}) {
        LegendChart chart;
        for (int i = 0; i < 7; ++i) chart.Add("S" + std::to_string(i));
        TChartLegend& legend = chart.Legend();
        legend.SetAlignment(laTop);
        legend.SetMaxNumRows(c.maxRows);
        chart.Draw(120, 300);
        EXPECT_EQ(legend.ColumnCount(), 3) << c.maxRows;
        EXPECT_EQ(legend.RowCount(), c.rows) << c.maxRows;
        EXPECT_EQ(legend.LastValue(), c.lastValue) << c.maxRows;
        EXPECT_EQ(static_cast<int>(chart.Written().size()), c.lastValue + 1) << c.maxRows;
        // the second row, second column is item 4
        const int cw = (legend.ShapeRect.Right - legend.ShapeRect.Left) / 3;
        EXPECT_EQ(legend.HitAt(legend.ShapeRect.Left + cw + 5, legend.TitleBottom() + 13 + 5), 4) << c.maxRows;
    }
}

TEST(ChartLegend, TopPosPlacesAHorizontalLegendAcrossTheChart) {
    LegendChart chart;
    chart.Add("S1");
    chart.Add("S2");
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laTop);
    legend.SetTopPos(0);
    chart.Draw(500, 300);
    const TRect centred = legend.ShapeRect;
    // W = 2 columns x (20 + 4 + 6) + 6 + 4
    EXPECT_EQ(centred.Right - centred.Left, 70);
    EXPECT_EQ((centred.Left + centred.Right) / 2, 250);

    legend.SetTopPos(10);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.ShapeRect.Left - centred.Left, 43);  // a tenth of 500 - 70
}

TEST(ChartLegend, AnInvisibleLegendDrawsNothingAndTakesNoRoom) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    chart.Legend().SetVisible(false);
    chart.Draw(500, 300);
    EXPECT_TRUE(chart.Written().empty());
    EXPECT_EQ(chart.PlotRect(), (TRect{0, 0, 500, 300}));
    EXPECT_EQ(chart.FindClickedPart({470, 40}, false).Part, cpChartRect);
}

TEST(ChartLegend, TheRectangleEventMovesTheBoxAndTheRoomFollows) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    chart.OnGetLegendRect = [](TCustomChart*, TRect& r) {
        r.Left -= 50;
        r.Right -= 50;
    };
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Legend().ShapeRect.Right, 448);
    EXPECT_EQ(chart.PlotRect().Right, chart.Legend().ShapeRect.Left - 15);
    // the rows moved with the box
    ASSERT_NE(chart.Find("Alpha"), nullptr);
    EXPECT_GT(chart.Find("Alpha")->x, chart.Legend().ShapeRect.Left);
    EXPECT_LT(chart.Find("Alpha")->x + 5 * 7, 448);
}

TEST(ChartLegend, ACustomPositionKeepsItsPlaceAndLeavesThePlotAlone) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    TChartLegend& legend = chart.Legend();
    legend.SetLeft(100);
    legend.SetTop(40);
    EXPECT_TRUE(legend.CustomPosition());
    std::vector<std::string> order;
    chart.series[0]->AfterDrawValues = [&](TChartSeries*) { order.push_back("series"); };
    chart.Draw(500, 300);
    EXPECT_EQ(chart.PlotRect(), (TRect{0, 0, 500, 300}));
    EXPECT_EQ(legend.Left(), 100);
    EXPECT_EQ(legend.Top(), 40);
    // drawn over the series, and found before them by a click
    ASSERT_NE(chart.Find("Alpha"), nullptr);
    EXPECT_GT(chart.Find("Alpha")->x, 100);
    const TChartClickedPart part = chart.FindClickedPart({110, legend.TitleBottom() + 13 + 5}, false);
    EXPECT_EQ(part.Part, cpLegend);
    EXPECT_EQ(part.PointIndex, 1);

    legend.SetPositionUnits(muPercent);
    legend.SetLeftPercent(50);
    chart.SetBounds(0, 0, 500, 300);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.Left(), 250);
}

TEST(ChartLegend, FormDataHoldsWhatDiffersAndReadsBack) {
    auto bytes = [](TChart& chart) {
        TMemoryStream stream;
        stream.WriteComponent(&chart);
        return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size()));
    };
    TChart plain;
    for (const char* name : {"Legend.Alignment", "Legend.ColorWidth", "Legend.TopPos", "Legend.Symbol.", "Legend.Visible",
                             "Legend.CustomPosition", "Legend.DividingLines.Visible", "Legend.Title.Text",
                             "Legend.Title.Transparent", "Legend.Title.Visible", "Legend.Shadow."})
        EXPECT_EQ(bytes(plain).find(name), std::string::npos) << name;

    // the legend as the viewer's form sets it
    TChart chart;
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laTop);
    legend.SetColorWidth(25);
    legend.Font().SetStyle(TFontStyles{TFontStyle::fsBold});
    legend.SetHorizMargin(9);
    legend.SetLeftPercent(6);
    legend.SetLegendStyle(lsSeries);
    legend.Symbol().SetWidthUnits(lcsPixels);
    legend.SetTopPos(0);
    legend.SetVertMargin(4);
    legend.SetVisible(false);
    legend.Title().SetText({"Curves"});
    legend.Shadow().SetSpread(0);
    legend.Title().SetTextAlignment(TAlignment::taCenter);
    TMemoryStream stream;
    stream.WriteComponent(&chart);
    const std::string written(stream.Memory(), static_cast<std::size_t>(stream.Size()));
    EXPECT_NE(written.find("Legend.Symbol.WidthUnits"), std::string::npos);
    EXPECT_EQ(written.find("Legend.MaxNumRows"), std::string::npos);

    TChart read;
    stream.SetPosition(0);
    stream.ReadComponent(&read);
    TChartLegend& back = read.Legend();
    EXPECT_EQ(back.Alignment(), laTop);
    EXPECT_EQ(back.Symbol().Width(), 25);
    EXPECT_EQ(back.Symbol().WidthUnits(), lcsPixels);
    EXPECT_TRUE(back.Font().Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(back.HorizMargin(), 9);
    EXPECT_EQ(back.LeftPercent(), 6);
    EXPECT_EQ(back.LegendStyle(), lsSeries);
    EXPECT_EQ(back.TopPos(), 0);
    EXPECT_EQ(back.VertMargin(), 4);
    EXPECT_FALSE(back.Visible());
    ASSERT_EQ(back.Title().Text().Count(), 1);
    EXPECT_EQ(back.Title().Text().Strings(0), "Curves");
    EXPECT_EQ(back.Title().TextAlignment(), TAlignment::taCenter);
    EXPECT_TRUE(back.Title().Transparent());
    EXPECT_EQ(back.Shadow().Spread(), 0);
}

TEST(ChartLegend, APagedValueLegendListsTheCurrentPage) {
    LegendChart chart;
    TLineSeries& s = chart.Add("only");
    s.Clear();
    for (int i = 0; i < 10; ++i) s.AddPointXY(i, 100 + i);
    chart.Legend().SetTextStyle(ltsValue);
    chart.Pages().SetMaxPointsPerPage(4);
    chart.Pages().SetCurrent(2);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Legend().FirstValue(), 4);
    EXPECT_EQ(chart.Written(), (Texts{"104", "105", "106", "107"}));

    chart.Legend().SetCurrentPage(false);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Legend().FirstValue(), 0);
    EXPECT_EQ(chart.Written().front(), "100");
}

TEST(ChartLegend, GroupRowsSwitchTheirGroups) {
    LegendChart chart;
    TLineSeries& a = chart.Add("a");
    TLineSeries& b = chart.Add("b");
    TLineSeries& c = chart.Add("c");
    TSeriesGroup* first = chart.SeriesGroups().Add();
    first->SetName("Motion");
    first->Add(&a);
    first->Add(&b);
    TSeriesGroup* second = chart.SeriesGroups().Add();
    second->SetName("Power");
    second->Add(&c);
    TChartLegend& legend = chart.Legend();
    legend.SetLegendStyle(lsSeriesGroups);
    legend.SetCheckBoxes(true);
    chart.Draw(500, 300);
    EXPECT_EQ(chart.Written(), (Texts{"Motion", "Power"}));
    EXPECT_EQ(legend.SymbolWidth(), 0);  // group rows have no symbol

    legend.ClickCheckBox(0);
    EXPECT_FALSE(a.Active());
    EXPECT_FALSE(b.Active());
    legend.ClickCheckBox(0);
    EXPECT_TRUE(a.Active());
    legend.SetCheckBoxesStyle(cbsRadio);
    legend.ClickCheckBox(1);
    EXPECT_EQ(first->Active(), gaNo);
    EXPECT_EQ(second->Active(), gaYes);
}

TEST(ChartLegend, SymbolWidthFollowsItsUnitsAndRowsTakeTheSeriesColour) {
    LegendChart chart;
    chart.Add("Alpha").SetSeriesColor(clRed);
    chart.Add("Beta").SetSeriesColor(clGreen);
    TChartLegend& legend = chart.Legend();
    legend.SetFontSeriesColor(true);
    std::vector<TColor> colours;
    // the text colour of each row, as the canvas font holds it when written
    legend.Symbol().OnDraw = [&](TLegendSymbol*, TChartSeries*, int, const TRect&) {
        colours.push_back(chart.canvas.Font().Color());
    };
    chart.Draw(500, 300);
    EXPECT_EQ(colours, (std::vector<TColor>{clRed, clGreen}));
    EXPECT_EQ(legend.SymbolWidth(), 11);  // 20 % of the text width T + 12 = 53

    legend.Symbol().SetWidthUnits(lcsPixels);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.SymbolWidth(), 20);
    legend.Symbol().SetSquared(true);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.SymbolWidth(), 13 - 5);
    const TRect symbol = legend.Items().GetItem(0).SymbolRect();
    EXPECT_EQ(symbol.Right - symbol.Left, 8);
    legend.Symbol().SetVisible(false);
    chart.Draw(500, 300);
    EXPECT_EQ(legend.SymbolWidth(), 0);
}

TEST(ChartLegend, DividingLinesRunBetweenRows) {
    LegendChart chart;
    chart.Add("Alpha");
    chart.Add("Beta");
    chart.Add("Gamma");
    TChartLegend& legend = chart.Legend();
    legend.DividingLines().SetVisible(true);
    legend.DividingLines().SetColor(clFuchsia);
    chart.Draw(500, 300);
    std::vector<int> ys;
    for (const auto& seg : chart.canvas.segments)
        if (seg.color == clFuchsia) {
            EXPECT_EQ(seg.y0, seg.y1);
            EXPECT_EQ(seg.x0, legend.ShapeRect.Left + 1);
            EXPECT_EQ(seg.x1, legend.ShapeRect.Right - 1);
            ys.push_back(seg.y0);
        }
    // a line above the second and the third row; rows are one pixel taller for it
    ASSERT_EQ(ys.size(), 2u);
    EXPECT_EQ(ys[1] - ys[0], 14);
}

TEST(ChartLegend, AnInvertedRowLimitedLegendKeepsEachTextWithItsRow) {
    LegendChart chart;
    for (int i = 0; i < 7; ++i) chart.Add("S" + std::to_string(i));
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laTop);
    legend.SetMaxNumRows(2);
    legend.SetInverted(true);
    chart.Draw(120, 300);
    EXPECT_EQ(chart.Written(), (Texts{"S5", "S4", "S3", "S2", "S1", "S0"}));
    // each text stands where its row's item says
    for (int v = 0; v <= 5; ++v) {
        const FixedPitchCanvas::Text* t = chart.Find("S" + std::to_string(v));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->x, legend.Items().GetItem(v).Left()) << v;
    }
}

TEST(ChartLegend, ATitleSitsAboveTheRowsAndWidensTheBox) {
    LegendChart chart;
    chart.Add("A");
    chart.Add("B");
    TChartLegend& legend = chart.Legend();
    legend.Title().SetText({"Flight data"});
    chart.Draw(500, 300);
    EXPECT_TRUE(legend.DrawTitle());
    const FixedPitchCanvas::Text* title = chart.Find("Flight data");
    ASSERT_NE(title, nullptr);
    const TRect& r = legend.ShapeRect;
    // a transparent title one line high: rows start below it and 2 pixels
    EXPECT_EQ(legend.TitleBottom(), r.Top + 13 + 2);
    EXPECT_EQ(title->y, r.Top + 2 + 1);
    EXPECT_EQ(title->x, r.Left + 2 + 7 / 2);
    // the title is wider than the rows: the box takes its width ("W" and the line)
    EXPECT_EQ(r.Right - r.Left, 11 * 7 + 7);
    EXPECT_GT(chart.Find("A")->y, legend.TitleBottom());
    EXPECT_EQ(r.Bottom - r.Top, 2 * 13 + 2 + 2 + 13 + 4);
}

TEST(ChartLegend, ASymbolInTheLegendColourIsOutlined) {
    LegendChart chart;
    // plain series draw their symbols as rectangles
    TChartSeries white, navy;
    white.SetSeriesColor(clWhite);
    navy.SetSeriesColor(clNavy);
    for (TChartSeries* s : {&white, &navy}) {
        s->SetParentChart(&chart);
        s->AddPointXY(0, 1);
    }
    TChartLegend& legend = chart.Legend();
    legend.SetColor(clWhite);
    chart.Draw(500, 300);
    std::vector<std::pair<int, TColor>> symbols;  // row, fill (clNone: outline only)
    for (int row = 0; row < 2; ++row) {
        const TRect symbol = legend.Items().GetItem(row).SymbolRect();
        for (const auto& r : chart.canvas.rectangles)
            if (r.r == symbol) symbols.emplace_back(row, r.brush);
    }
    // the white one is drawn again without its fill so that it shows
    EXPECT_EQ(symbols, (std::vector<std::pair<int, TColor>>{{0, clWhite}, {0, clNone}, {1, clNavy}}));
    for (TChartSeries* s : {&white, &navy}) s->SetParentChart(nullptr);
}

TEST(ChartLegend, HtmlRowsAreMeasuredAndWrittenWithoutTheirTags) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    chart.OnGetLegendText = [](TCustomAxisPanel*, TLegendStyle, int index, std::string& text) {
        if (index == 0) text = "<b>Alpha</b>";
    };
    TChartLegend& legend = chart.Legend();
    legend.SetTextFormat(ttfHtml);
    chart.Draw(500, 300);
    const Texts written = chart.Written();
    EXPECT_NE(std::find(written.begin(), written.end(), "Alpha"), written.end());
    EXPECT_EQ(std::find(written.begin(), written.end(), "<b>Alpha</b>"), written.end());
    // as wide as for the plain text: 5 letters, not the 12 with the tags
    EXPECT_EQ(legend.ShapeRect.Right - legend.ShapeRect.Left, 41 + 12 + 11 + 2);
}

TEST(ChartLegend, ThePositionEventMovesARowAndContinuousSymbolsTouch) {
    LegendChart chart;
    chart.Add("one");
    chart.Add("two");
    chart.Add("three");
    TChartLegend& legend = chart.Legend();
    chart.OnGetLegendPos = [](TCustomChart*, int index, int& x, int& y, int& xColor) {
        if (index != 1) return;
        x += 100;
        y += 50;
        xColor += 100;
    };
    chart.Draw(500, 300);
    const TLegendItem& first = legend.Items().GetItem(0);
    const TLegendItem& second = legend.Items().GetItem(1);
    EXPECT_EQ(second.Left(), first.Left() + 100);
    EXPECT_EQ(second.Top(), first.Top() + 13 + 50);
    EXPECT_EQ(second.SymbolRect().Left, first.SymbolRect().Left + 100);

    chart.OnGetLegendPos = nullptr;
    legend.Symbol().SetContinuous(true);
    chart.Draw(500, 300);
    const int y0 = legend.Items().GetItem(0).Top();
    const TRect a = legend.Items().GetItem(0).SymbolRect();
    const TRect b = legend.Items().GetItem(1).SymbolRect();
    const TRect c = legend.Items().GetItem(2).SymbolRect();
    EXPECT_EQ(a.Top, y0 + 2);          // the first starts as a plain one
    EXPECT_EQ(a.Bottom, y0 + 13 + 1);  // and reaches the next row
    EXPECT_EQ(b.Top, y0 + 13);
    EXPECT_EQ(b.Bottom, c.Top + 1);
    EXPECT_EQ(c.Bottom, y0 + 2 * 13 + 13 + 1 - 3);  // the last ends as a plain one
}

TEST(ChartLegend, OddSettingsDrawNoRowsInsteadOfFailing) {
    struct Case {
        const char* what;
        std::function<void(TChartLegend&)> set;
        TLegendAlignment side;
    } cases[] = {
        {"rows with no height", [](TChartLegend& l) { l.SetVertSpacing(-20); }, laRight},
        {"rows with no height across", [](TChartLegend& l) { l.SetVertSpacing(-20); }, laTop},
        {"a negative row limit", [](TChartLegend& l) { l.SetMaxNumRows(-1); }, laBottom},
        {"first row past the last", [](TChartLegend& l) { l.SetFirstValue(100); }, laLeft},
    };
    for (const Case& c : cases) {
        LegendChart chart;
        chart.Add("one");
        chart.Add("two");
        TChartLegend& legend = chart.Legend();
        legend.SetAlignment(c.side);
        c.set(legend);
        chart.Draw(500, 300);
        EXPECT_TRUE(chart.Written().empty()) << c.what;
        EXPECT_EQ(chart.PlotRect(), (TRect{0, 0, 500, 300})) << c.what;
        EXPECT_EQ(legend.HitAt(450, 40), -1) << c.what;
    }
}

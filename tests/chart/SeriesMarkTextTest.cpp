#include "ChartTestPanel.h"

#include "chart/series/ChartSeries.h"

#include <gtest/gtest.h>

TEST(SeriesMarkText, TextsByStyle) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.SetTitle("Alt");
    s.AddPointXY(10, 1, "a");
    s.AddPointXY(20, 3);
    const struct {
        TSeriesMarksStyle style;
        bool multiLine;
        int index;
        const char* text;
    } cases[] = {
        {smsLabel, false, 0, "a"},
        {smsLabel, false, 1, "3"},  // no label: the value
        {smsValue, false, 0, "1"},
        {smsPercent, false, 1, "75 %"},
        {smsLabelPercent, false, 0, "a 25 %"},
        {smsLabelValue, true, 0, "a\r1"},
        {smsPercentTotal, false, 1, "75 % of 4"},
        {smsPercentTotal, true, 1, "75 %\rof 4"},
        {smsXValue, false, 1, "20"},
        {smsXY, false, 1, "20 3"},
        {smsSeriesTitle, false, 1, "Alt"},
        {smsPointIndex, false, 1, "1"},
        {smsPercentRelative, false, 0, "100 %"},
        {smsPercentRelative, false, 1, "300 %"},
    };
    for (const auto& c : cases) {
        s.Marks().SetStyle(c.style);
        s.Marks().SetMultiLine(c.multiLine);
        EXPECT_EQ(s.GetMarkText(c.index), c.text) << c.style;
    }
}

TEST(SeriesMarkText, RelativePercentOfAZeroFirstValueIsEmpty) {
    TChartSeries s;
    s.AddPointY(0);
    s.AddPointY(5);
    s.Marks().SetStyle(smsPercentRelative);
    EXPECT_EQ(s.GetMarkText(1), "");
    EXPECT_EQ(s.GetMarkText(0), "100 %");
}

TEST(SeriesMarkText, PercentOfAZeroSumIsAHundred) {
    TChartSeries s;
    s.AddPointY(0);
    s.Marks().SetStyle(smsPercent);
    EXPECT_EQ(s.GetMarkText(0), "100 %");
    EXPECT_EQ(s.LegendItemText(0, ltsPercent), "100 %");
}

TEST(SeriesMarkText, HandlerHasTheLastWord) {
    TChartSeries s;
    s.AddPointY(2);
    s.OnGetMarkText = [](TChartSeries*, int index, std::string& text) { text += "#" + std::to_string(index); };
    s.Marks().SetStyle(smsValue);
    EXPECT_EQ(s.GetMarkText(0), "2#0");
}

TEST(SeriesMarkText, LegendItemTexts) {
    TChartSeries s;
    s.AddPointXY(1, -2, "low");
    s.AddPointXY(2, 6);
    const struct {
        TLegendTextStyle style;
        int index;
        const char* text;
    } cases[] = {{ltsPlain, 0, "low"},          {ltsLeftValue, 0, "-2\x06low"}, {ltsRightValue, 0, "low\x06-2"},
                 {ltsLeftValue, 1, "6"},        {ltsPercent, 0, "-25 %"},       {ltsXAndValue, 1, "2\x06" "6"},
                 {ltsXAndPercent, 1, "2\x06" "75 %"}};
    for (const auto& c : cases) EXPECT_EQ(s.LegendItemText(c.index, c.style), c.text) << c.style;
}

TEST(SeriesMarkText, MarkLabelsOnAnAxis) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 100});
    TChartSeries s;
    s.SetParentChart(&chart);
    s.Marks().SetStyle(smsValue);
    for (int i = 0; i < 3; ++i) s.AddPointXY(i, i * 10);
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetLabelStyle(talMark);
    bottom.SetLimits(0, 2);
    chart.Layout(chart.PlotRect());
    bottom.ComputeLabels();
    std::vector<std::string> texts;
    for (const auto& e : bottom.LabelEntries()) texts.push_back(e.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "10", "20"}));
    EXPECT_EQ(bottom.WidestLabel(), 0);  // hidden marks take no room
    s.Marks().SetVisible(true);
    EXPECT_EQ(bottom.WidestLabel(), 14);
}

#include "ChartTestPanel.h"

#include "ui/core/CalendarDates.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/DateTimeSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const TChartAxis& axis) {
    std::vector<std::string> texts;
    for (const auto& e : axis.LabelEntries()) texts.push_back(e.Text);
    return texts;
}

// A value axis of the chart over pixels 0..length with a fixed range.
void Fix(TChartAxis& axis, bool horizontal, int length, double minimum, double maximum) {
    axis.SetLabelStyle(talValue);
    axis.SetHorizontal(horizontal);
    axis.SetLimits(minimum, maximum);
    axis.SetPixelSpan(0, length);
    axis.SetEffectiveRange(minimum, maximum);
}

}  // namespace

TEST(ChartAxisLabels, NextNiceStep) {
    const struct {
        double x, step;
    } cases[] = {{1, 2}, {2, 5}, {4.9, 5}, {5, 10}, {0.3, 0.5}, {20, 50}, {0.05, 0.1}, {999, 1000}, {1e-7, 2e-7}};
    for (const auto& c : cases) EXPECT_NEAR(TChartAxis::NextNiceStep(c.x), c.step, c.step * 1e-12) << c.x;
    EXPECT_EQ(TChartAxis::NextNiceStep(INFINITY), 1);
}

TEST(ChartAxisLabels, IncrementForACountOfLabels) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, true, 400, 0, 100);
    EXPECT_EQ(axis.IncrementForLabelCount(4), 50);  // 100 / 5 = 20 gives 5 labels > 4
    EXPECT_EQ(axis.IncrementForLabelCount(10), 10);
    EXPECT_EQ(axis.IncrementForLabelCount(0), 1e-12);
    axis.SetLabelsSeparation(0);
    EXPECT_NEAR(axis.IncrementForLabelCount(4), 20, 1e-12);  // no growing without a separation
}

TEST(ChartAxisLabels, IncrementsForRangesAndLengths) {
    // Labels measured at 7 pixels a character and 13 a line, separation 10 %.
    const struct {
        bool horizontal;
        int length;
        double minimum, maximum;
        double increment;
    } cases[] = {
        {true, 500, 0, 100, 10},     // widest "12,5": 28 px + 3 -> 16 labels
        {false, 400, 0, 1, 0.05},    // 13 px a label -> 29 labels
        {false, 100, 0, 1000, 200},  // 7 labels
        {false, 1000, 0, 1000, 20},  // 71 labels
        {true, 0, 0, 100, 100},      // no room: one label
        {false, 300, 5, 5, 1},       // a zero range
        {false, 200, -1, 1, 0.2},    // 14 labels
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        TChartAxis axis(&chart);
        Fix(axis, c.horizontal, c.length, c.minimum, c.maximum);
        EXPECT_NEAR(axis.LabelStep(), c.increment, c.increment * 1e-9)
            << c.length << " px, " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(axis.Increment(), 0);  // the trial with increment 1 leaves no trace
    }
}

TEST(ChartAxisLabels, AStepOfTwoOrMoreIsTriedAgainWithIncrementOne) {
    // "1 000,5" alone would allow 7 labels and a step of 200; tried again with
    // increment 1 the limits become 0 and 1000, whose labels fit 10 times
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, true, 400, 0, 1000.5);
    EXPECT_EQ(axis.LabelStep(), 100);
    EXPECT_EQ(axis.Increment(), 0);
}

TEST(ChartAxisLabels, LabelsAlternateHalveTheStep) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 100, 0, 1000);
    axis.SetLabelsAlternate(true);
    EXPECT_EQ(axis.LabelStep(), 100);
}

TEST(ChartAxisLabels, DateTimeIncrementWalksTheStepTable) {
    const struct {
        int length;
        double range;  // days
        double increment;
    } cases[] = {
        {500, 1, 2.0 / 24},              // "12:00" labels, 13 of them: two hours
        {500, 1.0 / 24, 5.0 / 1440},     // an hour: five minutes
        {500, 30.0 / 86400, 5 / 86400.0},  // half a minute: five seconds
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        TChartSeries s;
        s.SetParentChart(&chart);
        s.XValues().SetDateTime(true);
        s.AddPointXY(0, 0);
        TChartAxis& axis = *chart.BottomAxis();
        Fix(axis, true, c.length, 0, c.range);
        axis.ComputeLabels();
        EXPECT_NEAR(axis.IncrementInUse(), c.increment, 1e-12) << c.range;
        EXPECT_EQ(axis.DateTimeStepIndex(), NoDateTimeStep);  // calendar steps need a fixed increment
    }
}

TEST(ChartAxisLabels, ValueLabelsRunDownFromTheTop) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 500, 0, 10);
    axis.SetIncrement(2);
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"10", "8", "6", "4", "2", "0"}));
    EXPECT_EQ(axis.LabelEntries().front().Position, 0);
    EXPECT_EQ(axis.LabelEntries().back().Position, 500);
    EXPECT_TRUE(axis.TickPositions().empty());  // ticks on labels only
    axis.SetTickOnLabelsOnly(false);
    axis.ComputeLabels();
    EXPECT_EQ(axis.TickPositions(), (std::vector<int>{0, 100, 200, 300, 400, 500}));
}

TEST(ChartAxisLabels, LabelTextsForKnownRanges) {
    const struct {
        double minimum, maximum, increment;
        const char* format;
        std::vector<std::string> texts;
    } cases[] = {
        {0, 1, 0.25, "#,##0.###", {"1", "0,75", "0,5", "0,25", "0"}},
        {-1000, 1000, 1000, "#,##0.###", {"1 000", "0", "-1 000"}},
        {0.3, 0.9, 0.2, "0.0", {"0,8", "0,6", "0,4"}},
        {5, 5 + 1e-11, 1, "0", {"5"}},  // a range too small for two labels
        {1234.5, 1234.5, 0, "0.00", {"1234,50"}},
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        TChartAxis axis(&chart);
        Fix(axis, false, 400, c.minimum, c.maximum);
        axis.SetIncrement(c.increment);
        axis.SetAxisValuesFormat(c.format);
        axis.ComputeLabels();
        EXPECT_EQ(Texts(axis), c.texts) << c.minimum << ".." << c.maximum;
    }
}

TEST(ChartAxisLabels, TooManyLabelsGiveNone) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 400, 0, 1e6);
    axis.SetIncrement(1);
    axis.SetLabelsSeparation(0);
    axis.ComputeLabels();
    EXPECT_TRUE(axis.LabelEntries().empty());
}

TEST(ChartAxisLabels, HugeValuesWithATinyStepEnd) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 400, 1e17, 1e17 + 64);
    axis.SetIncrement(1);  // vanishes against values this large
    axis.SetLabelsSeparation(0);
    axis.ComputeLabels();
    EXPECT_LE(axis.LabelEntries().size(), 65u);
    EXPECT_FALSE(axis.LabelEntries().empty());
}

TEST(ChartAxisLabels, MultiLineLabelsBreakAtBlanks) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetLabelsMultiLine(true);
    axis.SetAxisValuesFormat("0 \"m\"");
    EXPECT_EQ(axis.ValueLabelText(12), "12\rm");
    int lines = 0;
    EXPECT_EQ(chart.WidestLineWidth("12\rm", lines), 14);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(chart.WidestLineWidth("ab\r", lines), 14);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(chart.WidestLineWidth("", lines), 0);
    EXPECT_EQ(lines, 0);
}

TEST(ChartAxisLabels, TheChartMayRewriteLabels) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 400, 0, 2);
    axis.SetIncrement(1);
    chart.OnGetAxisLabel = [](TChartAxis*, TChartSeries* series, int index, std::string& text) {
        if (!series && index == -1) text = "<" + text + ">";
    };
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"<2>", "<1>", "<0>"}));
}

TEST(ChartAxisLabels, DateTimeLabels) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.XValues().SetDateTime(true);
    s.AddPointXY(0, 0);
    TChartAxis& axis = *chart.BottomAxis();
    const double day = CalendarDateToDays(2021, 3, 17);
    Fix(axis, true, 600, day, day + 0.5);
    axis.SetIncrement(DateTimeStepValues[dtTwoHours]);
    axis.SetDateTimeFormat("hh:nn");
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"12:00", "10:00", "08:00", "06:00", "04:00", "02:00", "00:00"}));
    EXPECT_EQ(axis.ValueLabelText(-1), "");

    // calendar steps start at the 1st of a month
    Fix(axis, true, 600, CalendarDateToDays(2021, 1, 10), CalendarDateToDays(2021, 6, 20));
    axis.SetIncrement(DateTimeStepValues[dtOneMonth]);
    axis.SetDateTimeFormat("dd.mm");
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"01.06", "01.05", "01.04", "01.03", "01.02"}));
}

TEST(ChartAxisLabels, LogarithmicLabelsFromZero) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetLabelStyle(talValue);
    axis.SetLimits(0, 1000);
    axis.SetLogarithmic(true);
    axis.SetPixelSpan(0, 400);
    axis.SetEffectiveRange(0, 1000);
    axis.ComputeLabels();
    EXPECT_EQ(axis.EffectiveMinimum(), 0.1);
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"0,1", "1", "10", "100", "1 000"}));
    EXPECT_EQ(axis.LabelEntries().front().Position, 400);
    EXPECT_EQ(axis.LabelEntries().back().Position, 0);
}

TEST(ChartAxisLabels, CustomNextLabels) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 400, 0, 10);
    axis.SetIncrement(5);
    chart.OnGetNextAxisLabel = [](TChartAxis*, int, double&, bool& stop) { stop = true; };
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"10", "5", "0"}));  // stopped at once: the usual labels

    std::vector<int> calls;
    chart.OnGetNextAxisLabel = [&calls](TChartAxis*, int index, double& value, bool& stop) {
        calls.push_back(index);
        stop = false;
        value = index * 3.0;
    };
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"0", "3", "6", "9"}));  // 12 lies outside and ends it
    EXPECT_EQ(calls.size(), 5u);

    calls.clear();
    chart.OnGetNextAxisLabel = [&calls](TChartAxis*, int index, double& value, bool& stop) {
        calls.push_back(index);
        stop = false;
        value = 1;  // never leaves the range
    };
    axis.ComputeLabels();
    EXPECT_EQ(calls.size(), 2001u);
}

TEST(ChartAxisLabels, TextLabelsSkipThoseThatWouldOverlap) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 80, 100});
    TChartSeries s;
    s.SetParentChart(&chart);
    const char* labels[] = {"aaaa", "bb", "cccc", "d", "e"};  // 28, 14, 28, 7, 7 px wide
    for (int i = 0; i < 5; ++i) s.AddPointXY(i * 5, 1, labels[i]);
    TChartAxis& axis = *chart.BottomAxis();
    axis.SetLimits(0, 20);
    axis.ComputeEffectiveRange();
    axis.ComputePixelSpan();
    axis.SetTickOnLabelsOnly(false);
    EXPECT_EQ(axis.EffectiveLabelStyle(), talText);
    axis.ComputeLabels();
    // at 0, 20, 40, 60, 80 px; halves with 10 % room: 14 (the first), 8, 16, 4, 4
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"aaaa", "cccc", "d", "e"}));
    EXPECT_EQ(axis.TickPositions(), (std::vector<int>{0, 20, 40, 60, 80}));  // skipped labels keep their tick
}

TEST(ChartAxisLabels, TextLabelOverlapAtItsBoundary) {
    // "aaaa" is 28 px: the first label keeps half of that (14), later ones
    // half of it with 10 % room, (28 + 5) div 2 = 16; a label may touch the
    // previous one's half but not reach into it
    const struct {
        double second, third;  // 4 px a unit
        std::vector<std::string> texts;
    } cases[] = {
        {7.5, 15.5, {"aaaa", "bbbb", "cccc"}},  // at 30 px: 30 - 16 = 0 + 14; at 62: 62 - 16 = 30 + 16
        {7.25, 15.5, {"aaaa", "cccc"}},         // at 29 px it reaches the first; the third clears the first
        {7.5, 15.25, {"aaaa", "bbbb"}},         // at 61 px the third reaches the second
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 0, 80, 100});
        TChartSeries s;
        s.SetParentChart(&chart);
        s.AddPointXY(0, 1, "aaaa");
        s.AddPointXY(c.second, 1, "bbbb");
        s.AddPointXY(c.third, 1, "cccc");
        TChartAxis& axis = *chart.BottomAxis();
        axis.SetLimits(0, 20);
        axis.ComputeEffectiveRange();
        axis.ComputePixelSpan();
        axis.ComputeLabels();
        EXPECT_EQ(Texts(axis), c.texts) << c.second << ", " << c.third;
    }
}

TEST(ChartAxisLabels, ItemsReplaceTheAutomaticLabels) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    Fix(axis, false, 400, 0, 10);
    axis.Items().AddText(2, "two");
    axis.Items().AddValue(7.5);
    axis.Items().AddText(20, "outside");
    EXPECT_FALSE(axis.Items().Automatic());
    axis.ComputeLabels();
    EXPECT_EQ(Texts(axis), (std::vector<std::string>{"two", "7,5"}));
}

TEST(ChartAxisLabels, AutomaticStyleFollowsTheSeries) {
    ChartTestPanel chart;
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talNone);
    TChartSeries s;
    s.SetParentChart(&chart);
    s.AddPointXY(1, 1);
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talValue);
    s.AddPointXY(2, 2, "two");
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talText);
    EXPECT_EQ(chart.LeftAxis()->EffectiveLabelStyle(), talValue);  // labels run along X only
    EXPECT_EQ(chart.RightAxis()->EffectiveLabelStyle(), talNone);
}

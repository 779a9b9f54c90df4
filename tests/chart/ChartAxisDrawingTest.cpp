#include "ChartTestPanel.h"

#include "chart/axes/AxisItems.h"
#include "chart/axes/ChartAxis.h"
#include "ui/core/Rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using Segment = FixedPitchCanvas::Segment;

// A value axis of the chart over its rectangle with a fixed range.
TChartAxis& ValueAxis(ChartTestPanel& chart, TChartAxis* axis, double minimum, double maximum) {
    axis->SetLabelStyle(talValue);
    axis->SetLimits(minimum, maximum);
    axis->ComputePixelSpan();
    axis->ComputeEffectiveRange();
    (void)chart;
    return *axis;
}

std::vector<std::string> Texts(const FixedPitchCanvas& canvas) {
    std::vector<std::string> t;
    for (const auto& x : canvas.texts) t.push_back(x.text);
    return t;
}

}  // namespace

TEST(ChartAxisDrawing, LabelBandAtZeroAndNinetyDegrees) {
    // labels "0" .. "100": 13 px high, the widest 21 px plus a blank of 7
    const struct {
        bool bottom;
        int angle;
        bool alternate;
        int labelsSize;
        int band;
    } cases[] = {
        {true, 0, false, 0, 13},  {true, 90, false, 0, 28},  {false, 0, false, 0, 28}, {false, 90, false, 0, 13},
        // alternate labels halve the step too: "12,5" is the widest then
        {true, 0, true, 0, 26},   {false, 0, true, 0, 70},   {true, 90, false, 50, 50}, {false, 270, false, 0, 13},
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 0, 500, 400});
        TChartAxis& axis = ValueAxis(chart, c.bottom ? chart.BottomAxis() : chart.LeftAxis(), 0, 100);
        axis.SetLabelsAngle(c.angle);
        axis.SetLabelsAlternate(c.alternate);
        axis.SetLabelsSize(c.labelsSize);
        EXPECT_EQ(axis.LabelAreaSize(), c.band) << c.bottom << " " << c.angle << " " << c.alternate;
    }
}

TEST(ChartAxisDrawing, BandsShrinkTheChartRectangle) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 500, 400});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 100);
    bottom.Title().SetCaption("Time");
    TRect r{0, 0, 500, 400};
    bottom.ReserveBands(r, true);
    // title 13 (along the axis), labels 13, line 2 + 1 and ticks 4
    EXPECT_EQ(r, (TRect{0, 0, 500, 367}));
    EXPECT_EQ(bottom.TitlePosition(), 387);
    EXPECT_EQ(bottom.LabelPosition(), 374);

    TChartAxis& left = ValueAxis(chart, chart.LeftAxis(), 0, 100);
    left.Title().SetCaption("Altitude");  // at 90 degrees, along the axis
    left.ReserveBands(r, true);
    EXPECT_EQ(r.Left, 13 + 28 + 7);
    EXPECT_EQ(left.TitlePosition(), 13);
    EXPECT_EQ(left.LabelPosition(), 41);

    // a hidden axis pen leaves the ticks' room only
    left.Axis().Hide();
    EXPECT_EQ(left.LineAndTicksSize(), 4);
    left.MinorTicks().Hide();
    left.SetMinorTickLength(9);
    EXPECT_EQ(left.LineAndTicksSize(), 4);
    left.MinorTicks().Show();
    EXPECT_EQ(left.LineAndTicksSize(), 9);
}

TEST(ChartAxisDrawing, PositionOffsetMovesTheAxisLineIntoThePlot) {
    const struct {
        TChartUnits units;
        double offset;
        int line;
    } cases[] = {{muPixels, 10, 290}, {muPercent, 10, 270}, {muPercent, 0, 300}};
    for (const auto& c : cases) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 0, 400, 300});
        TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 10);
        bottom.SetPositionUnits(c.units);
        bottom.SetPositionPercent(c.offset);
        bottom.PaintAxis(true);
        EXPECT_EQ(bottom.AxisPosition(), c.line);
        const auto& s = chart.canvas.segments;
        EXPECT_NE(std::find(s.begin(), s.end(), Segment{0, c.line, 400, c.line}), s.end());
    }
}

TEST(ChartAxisDrawing, LabelsTicksAndGridOfABottomAxis) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(1);
    TRect r = chart.PlotRect();
    bottom.ReserveBands(r, false);
    bottom.PaintAxis(true);
    EXPECT_EQ(Texts(chart.canvas), (std::vector<std::string>{"4", "3", "2", "1", "0"}));
    EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{400, 300, 200, 100, 0}));
    const auto& t = chart.canvas.texts[1];
    EXPECT_EQ(t.x, 300);
    EXPECT_EQ(t.y, 307);  // the label band, below the line and ticks
    EXPECT_EQ(t.align, TA_CENTER | TA_TOP);
    const auto& s = chart.canvas.segments;
    auto has = [&s](Segment x) { return std::find(s.begin(), s.end(), x) != s.end(); };
    EXPECT_TRUE(has({0, 300, 400, 300}));   // the line
    EXPECT_TRUE(has({300, 301, 300, 305}));  // a tick, 1 below the line, 4 long
    EXPECT_TRUE(has({300, 1, 300, 300}));    // a grid line inside the plot
    EXPECT_FALSE(has({400, 1, 400, 300}));   // none on the plot's edges
    EXPECT_FALSE(has({0, 1, 0, 300}));
}

TEST(ChartAxisDrawing, VerticalLabelsOnTheBottomAxisHangBelowIt) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(2);
    bottom.SetLabelsAngle(90);
    TRect r = chart.PlotRect();
    bottom.ReserveBands(r, false);
    bottom.PaintAxis(true);
    ASSERT_EQ(chart.canvas.texts.size(), 3u);
    const auto& t = chart.canvas.texts[1];  // "2" at x 200
    EXPECT_EQ(t.align, TA_RIGHT);
    EXPECT_EQ(t.angle, 90);
    // centred on its tick: half a font height to the left, then a line step back for one line
    EXPECT_EQ(t.x, 200 - 6 - static_cast<int>(Round(13 * 0.5 * 2)) + 13);
}

TEST(ChartAxisDrawing, MultiLineLabelsGrowAwayFromThePlot) {
    for (bool top : {false, true}) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 100, 400, 300});
        TChartAxis& axis = ValueAxis(chart, top ? chart.TopAxis() : chart.BottomAxis(), 0, 4);
        axis.SetIncrement(4);
        axis.SetAxisValuesFormat("0\r\"m\"");
        TRect r = chart.PlotRect();
        axis.ReserveBands(r, false);
        axis.PaintAxis(true);
        ASSERT_EQ(chart.canvas.texts.size(), 4u);
        const auto& first = chart.canvas.texts[0];
        const auto& second = chart.canvas.texts[1];
        EXPECT_EQ(second.y - first.y, 13);
        if (top)
            EXPECT_EQ(second.y, axis.LabelPosition());  // the last line ends at the band
        else
            EXPECT_EQ(first.y, axis.LabelPosition());  // the first line starts at the band
    }
}

TEST(ChartAxisDrawing, OnDrawLabelMaySuppressTheTextButNotTheTick) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(1);
    bottom.OnDrawLabel = [](TChartAxis*, int&, int&, int&, std::string& text, bool& draw) {
        if (text == "2") draw = false;
        if (text == "3") text = "three";
    };
    bottom.PaintAxis(true);
    EXPECT_EQ(Texts(chart.canvas), (std::vector<std::string>{"4", "three", "1", "0"}));
    EXPECT_EQ(bottom.TickPositions().size(), 5u);
}

TEST(ChartAxisDrawing, AlternateLabelsStepOutward) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(1);
    bottom.SetLabelsAlternate(true);
    TRect r = chart.PlotRect();
    bottom.ReserveBands(r, false);
    bottom.PaintAxis(true);
    ASSERT_EQ(chart.canvas.texts.size(), 9u);  // the step halves: 4, 3,5, 3 ...
    EXPECT_EQ(chart.canvas.texts[0].y, 307);
    EXPECT_EQ(chart.canvas.texts[1].y, 320);
    EXPECT_EQ(chart.canvas.texts[1].text, "3,5");
    EXPECT_EQ(chart.canvas.texts[2].y, 307);
}

TEST(ChartAxisDrawing, GridLinesCentredAndEveryN) {
    const struct {
        bool centred;
        int every;
        std::vector<int> lines;
    } cases[] = {{false, 1, {300, 200, 100}}, {true, 1, {350, 250, 150, 50}}, {false, 2, {200}}};
    for (const auto& c : cases) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 0, 400, 300});
        TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
        bottom.SetIncrement(1);
        bottom.Ticks().Hide();
        bottom.MinorTicks().Hide();
        bottom.Axis().Hide();
        bottom.SetGridCentered(c.centred);
        bottom.Grid().SetDrawEvery(c.every);
        bottom.PaintAxis(true);
        std::vector<int> lines;
        for (const auto& s : chart.canvas.segments) lines.push_back(s.x0);
        EXPECT_EQ(lines, c.lines) << c.centred << " " << c.every;
        EXPECT_EQ(chart.canvas.segments.front().color, clGray);
    }
}

TEST(ChartAxisDrawing, MinorTicksFillEveryInterval) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(1);
    bottom.SetStartPosition(25);  // pixels 100 .. 400, ticks 400, 325, 250, 175, 100
    bottom.ComputePixelSpan();
    bottom.Ticks().Hide();
    bottom.Axis().Hide();
    bottom.Grid().Hide();
    bottom.SetMinorTickCount(2);
    bottom.PaintAxis(true);
    std::set<int> marks;
    for (const auto& s : chart.canvas.segments) {
        marks.insert(s.x0);
        EXPECT_EQ(s.y1 - s.y0, 2);  // minor tick length
    }
    EXPECT_EQ(marks, (std::set<int>{125, 150, 200, 225, 275, 300, 350, 375}));
}

TEST(ChartAxisDrawing, TitleIsWrittenAndHit) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(4);
    bottom.Title().SetCaption("Time");
    TRect r{0, 0, 400, 300};
    bottom.ReserveBands(r, false);
    bottom.PaintAxis(true);
    const auto title = std::find_if(chart.canvas.texts.begin(), chart.canvas.texts.end(),
                                    [](const auto& t) { return t.text == "Time"; });
    ASSERT_NE(title, chart.canvas.texts.end());
    EXPECT_EQ(title->x, 200);
    EXPECT_EQ(title->y, bottom.TitlePosition());
    EXPECT_TRUE(bottom.Title().HitTest(200, bottom.TitlePosition() + 5));
    EXPECT_FALSE(bottom.Title().HitTest(100, bottom.TitlePosition() + 5));
    bottom.Title().SetVisible(false);
    EXPECT_FALSE(bottom.Title().HitTest(200, bottom.TitlePosition() + 5));
}

// The title's box is a framed shape: filled with its gradient, outlined with
// its pen, and only when it is not transparent.
TEST(ChartAxisDrawing, TheTitleBoxIsAFramedShape) {
    for (bool transparent : {true, false}) {
        ChartTestPanel chart;
        chart.SetPlotRect(TRect{0, 0, 400, 300});
        TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
        bottom.SetIncrement(4);
        TChartAxisTitle& title = bottom.Title();
        title.SetCaption("Time");
        title.SetTransparent(transparent);
        title.Gradient().SetVisible(true);
        title.Pen().SetColor(0x0000FF);
        TRect r{0, 0, 400, 300};
        bottom.ReserveBands(r, false);
        bottom.PaintAxis(true);
        // "Time" is 28 wide and 13 high, centred on 200, with half a "W" beside
        EXPECT_EQ(title.ShapeRect, (TRect{200 - 14 - 3, bottom.TitlePosition(), 200 + 14 + 3,
                                          bottom.TitlePosition() + 13})) << transparent;
        const bool filled = std::count(chart.canvas.fills.begin(), chart.canvas.fills.end(), title.ShapeRect) > 0;
        const bool outlined = std::any_of(chart.canvas.rectangles.begin(), chart.canvas.rectangles.end(),
                                          [&](const auto& box) { return box.r == title.ShapeRect && box.pen == 0x0000FFu; });
        EXPECT_EQ(filled, !transparent);
        EXPECT_EQ(outlined, !transparent);
        EXPECT_TRUE(title.HitTest(200, bottom.TitlePosition() + 5));
    }
}

TEST(ChartAxisDrawing, LabelBoxesAroundTheirTexts) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TChartAxis& bottom = ValueAxis(chart, chart.BottomAxis(), 0, 4);
    bottom.SetIncrement(1);
    TRect r = chart.PlotRect();
    bottom.ReserveBands(r, false);
    bottom.PaintAxis(true);
    // every automatic label is kept as a transparent item with where it stood
    ASSERT_EQ(bottom.Items().Count(), 5);
    EXPECT_TRUE(bottom.Items().Automatic());
    EXPECT_TRUE(chart.canvas.rectangles.empty());
    // "3" at 300 on the band at 307: 7 wide, 13 high, half a "W" (3) beside
    EXPECT_EQ(bottom.Items().GetItem(1).ShapeRect, (TRect{300 - 3 - 3, 307, 300 + 4 + 3, 320}));

    // a box that is not transparent is filled behind its text
    bottom.Items().Clear();
    TAxisItem& item = bottom.Items().AddText(2, "AB");
    item.SetTransparent(false);
    item.SetColor(0x00FFFF);
    bottom.Items().AddText(3, "C");  // transparent: no box drawn
    chart.canvas.texts.clear();
    bottom.PaintAxis(true);
    EXPECT_EQ(Texts(chart.canvas), (std::vector<std::string>{"AB", "C"}));
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].r, (TRect{200 - 7 - 3, 307, 200 + 7 + 3, 320}));
    EXPECT_EQ(chart.canvas.rectangles[0].brush, 0x00FFFFu);
    EXPECT_EQ(bottom.Items().GetItem(0).ShapeRect, chart.canvas.rectangles[0].r);
}

#include "ChartTestPanel.h"

#include "chart/series/Callout.h"
#include "chart/series/ChartFunction.h"
#include "chart/series/CustomLineSeries.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/MarksCallout.h"
#include "ui/core/Filer.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes `from` as form data and reads it into `into`.
void RoundTrip(TChartSeries& from, TChartSeries& into) {
    TMemoryStream stream;
    stream.WriteComponent(&from);
    stream.SetPosition(0);
    stream.ReadComponent(&into);
}

// Whether property `name` itself (not one ending in it) is in the form data,
// where each name follows its length.
bool Written(TChartSeries& s, const std::string& name) {
    TMemoryStream stream;
    stream.WriteComponent(&s);
    return std::string(stream.Bytes()).find(static_cast<char>(name.size()) + name) != std::string::npos;
}

}  // namespace

TEST(SeriesStreaming, PseudoPropertiesAndPointsRoundTrip) {
    ChartTestPanel chart;
    TChartAxis* altitude = chart.CustomAxes().Add();
    TChartAxis* other = chart.CustomAxes().Add();
    TLineSeries from, into;
    from.SetParentChart(&chart);
    into.SetParentChart(&chart);
    from.SetIdentifier("alt");
    from.SetStyle(0x25);
    from.SetCustomVertAxis(other);
    from.SetTitle("Altitude");
    from.AddPointXY(0.5, 10, "start");
    from.AddPointXY(1.5, 20);
    from.SetHasOwnData(true);

    RoundTrip(from, into);
    EXPECT_EQ(into.Identifier(), "alt");
    EXPECT_EQ(into.Style(), 0x25);
    EXPECT_EQ(into.GetVertAxis(), other);
    EXPECT_EQ(into.Title(), "Altitude");
    ASSERT_EQ(into.Count(), 2);
    EXPECT_EQ(into.XValueAt(1), 1.5);
    EXPECT_EQ(into.PointLabel(0), "start");
    EXPECT_TRUE(into.HasOwnData());
    EXPECT_NE(altitude, other);
    from.SetParentChart(nullptr);
    into.SetParentChart(nullptr);
}

TEST(SeriesStreaming, WhatIsWrittenOnlyWhenItDiffers) {
    TLineSeries s;
    struct Case {
        const char* name;
        bool before;
    } cases[] = {{"Identifier", false}, {"Style", false},      {"SeriesColor", false}, {"ValueFormat", false},
                 {"PercentFormat", false}, {"Data", false}, {"DataSources", false}};
    for (const Case& k : cases) EXPECT_EQ(Written(s, k.name), k.before) << k.name;

    s.SetIdentifier("x");
    s.SetStyle(1);
    s.SetSeriesColor(0x00FF00);
    s.SetValueFormat("0.0");
    s.AddPointY(1);
    EXPECT_FALSE(Written(s, "Data"));  // points that came from code stay out
    s.SetSaveDataAlways(true);
    for (const char* name : {"Identifier", "Style", "SeriesColor", "ValueFormat", "Data"})
        EXPECT_TRUE(Written(s, name)) << name;
    EXPECT_FALSE(Written(s, "PercentFormat"));
    s.SetSaveDataAlways(false);
    s.SetHasOwnData(true);
    EXPECT_TRUE(Written(s, "Data"));
    s.SetSaveDataNever(true);
    EXPECT_FALSE(Written(s, "Data"));
}

TEST(SeriesStreaming, DataSourcesAreFoundByNameOnceLoaded) {
    TComponent form(nullptr);
    auto* a = new TChartSeries(&form);
    auto* b = new TChartSeries(&form);
    auto* sum = new TChartSeries(&form);
    a->SetName("SeriesA");
    b->SetName("SeriesB");
    sum->SetName("Sum");
    sum->AppendDataSource(a);
    sum->AppendDataSource(b);
    auto* copy = new TChartSeries(&form);
    copy->SetName("Copy");
    RoundTrip(*sum, *copy);
    ASSERT_EQ(copy->DataSources().Count(), 2);
    EXPECT_EQ(copy->DataSources()[0], a);
    EXPECT_EQ(copy->DataSources()[1], b);
    EXPECT_EQ(a->LinkedSeries().size(), 2u);
}

TEST(SeriesStreaming, AssignCopiesSettingsAxesAndPoints) {
    ChartTestPanel chart;
    TChartAxis* custom = chart.CustomAxes().Add();
    TLineSeries from, to;
    from.SetParentChart(&chart);
    to.SetParentChart(&chart);
    from.SetTitle("Speed");
    from.SetSeriesColor(0x0000FF);
    from.SetValueFormat("0.00");
    from.SetCustomVertAxis(custom);
    from.SetDepth(7);
    from.RecalcOptions().OnClear = false;
    from.XValues().SetDateTime(true);
    from.AddPointXY(1, 10, "a", 0x00FF00);
    from.AddPointXY(2, 20);
    from.SetHasOwnData(true);

    to.Assign(&from);
    EXPECT_EQ(to.Title(), "Speed");
    EXPECT_EQ(to.SeriesColor(), 0x0000FFu);
    EXPECT_EQ(to.ValueFormat(), "0.00");
    EXPECT_EQ(to.GetVertAxis(), custom);
    EXPECT_EQ(to.Depth(), 7);
    EXPECT_FALSE(to.RecalcOptions().OnClear);
    EXPECT_TRUE(to.XValues().DateTime());
    ASSERT_EQ(to.Count(), 2);
    EXPECT_EQ(to.PointLabel(0), "a");
    EXPECT_EQ(to.PointColorStored(0), 0x00FF00u);
    EXPECT_TRUE(to.HasOwnData());

    // a series fed by another series passes its source on, not its points
    TLineSeries fed, copy;
    fed.SetParentChart(&chart);
    copy.SetParentChart(&chart);
    fed.SetDataSource(&from);
    copy.Assign(&fed);
    EXPECT_EQ(copy.DataSource(), &from);
    EXPECT_EQ(copy.Count(), from.Count());
    for (TLineSeries* s : {&from, &to, &fed, &copy}) s->SetParentChart(nullptr);
}

TEST(SeriesStreaming, ACopiedFunctionFollowsTheSource) {
    TChartSeries from, to;
    auto* f = new TChartFunction;
    f->SetPeriod(2);
    f->SetPeriodAlign(paFirst);
    from.AttachFunction(f);
    to.Assign(&from);
    ASSERT_NE(to.FunctionType(), nullptr);
    EXPECT_NE(to.FunctionType(), from.FunctionType());
    EXPECT_EQ(to.FunctionType()->Period(), 2);
    EXPECT_EQ(to.FunctionType()->PeriodAlign(), paFirst);
    EXPECT_EQ(to.FunctionType()->ParentSeries(), &to);
}

TEST(SeriesStreaming, AChartIsTheSeriesParentInFormData) {
    ChartTestPanel chart;
    TLineSeries s;
    EXPECT_TRUE(s.HasParent());
    EXPECT_EQ(s.GetParentComponent(), nullptr);
    TComponent notAChart(nullptr);
    s.SetParentComponent(&notAChart);  // only a chart takes series
    EXPECT_EQ(s.ParentChart(), nullptr);
    s.SetParentComponent(&chart);
    EXPECT_EQ(s.ParentChart(), &chart);
    EXPECT_EQ(s.GetParentComponent(), &chart);
    EXPECT_EQ(chart.SeriesCount(), 1);
    s.SetParentChart(nullptr);
}

TEST(SeriesStreaming, ACustomAxisTheChartLacksLeavesTheStandardAxis) {
    ChartTestPanel written, reading;
    written.CustomAxes().Add();
    TChartAxis* second = written.CustomAxes().Add();
    reading.CustomAxes().Add();  // only one custom axis here
    TLineSeries from, into;
    from.SetParentChart(&written);
    into.SetParentChart(&reading);
    from.SetCustomVertAxis(second);
    RoundTrip(from, into);
    EXPECT_EQ(into.CustomVertAxis(), nullptr);
    EXPECT_EQ(into.GetVertAxis(), reading.LeftAxis());
    from.SetParentChart(nullptr);
    into.SetParentChart(nullptr);
}

TEST(SeriesStreaming, LineSeriesSettingsInFormData) {
    TLineSeries from;
    TMemoryStream plain;
    plain.WriteComponent(&from);
    for (const char* name : {"ClickableLine", "Stairs", "TreatNulls", "Stacked", "LineHeight", "Transparency",
                             "LineBrush", "Cursor", "ColorSource", "XLabelsSource"})
        EXPECT_EQ(std::string(plain.Bytes()).find(name), std::string::npos) << name;

    from.Brush().SetColor(clYellow);  // a colour makes a clear brush solid: first
    from.SetClickableLine(false);
    from.SetColorEachLine(false);
    from.SetDark3D(false);
    from.SetInvertedStairs(true);
    from.SetLineBrush(TBrushStyle::bsClear);
    from.SetLineHeight(5);
    from.LinePen().SetWidth(2);
    from.OutLine().SetWidth(3);
    from.Shadow().SetHorizSize(4);
    from.Gradient().SetStartColor(clBlue);
    from.SetStacked(cssStack100);
    from.SetStairs(true);
    from.SetTransparency(30);
    from.SetTreatNulls(tnSkip);
    from.SetCursor(crCross);
    from.SetColorSource("Colour");
    from.SetXLabelsSource("Text");
    TLineSeries into;
    RoundTrip(from, into);
    EXPECT_FALSE(into.ClickableLine());
    EXPECT_FALSE(into.ColorEachLine());
    EXPECT_FALSE(into.Dark3D());
    EXPECT_TRUE(into.InvertedStairs());
    EXPECT_EQ(into.LineBrush(), TBrushStyle::bsClear);
    EXPECT_EQ(into.LineHeight(), 5);
    EXPECT_EQ(into.LinePen().Width(), 2);
    EXPECT_EQ(into.OutLine().Width(), 3);
    EXPECT_EQ(into.Shadow().HorizSize(), 4);
    EXPECT_EQ(into.Gradient().StartColor(), clBlue);
    EXPECT_EQ(into.Stacked(), cssStack100);
    EXPECT_TRUE(into.Stairs());
    EXPECT_EQ(into.Transparency(), 30);
    EXPECT_EQ(into.TreatNulls(), tnSkip);
    EXPECT_EQ(into.Cursor(), crCross);
    EXPECT_EQ(into.ColorSource(), "Colour");
    EXPECT_EQ(into.XLabelsSource(), "Text");
    EXPECT_EQ(into.Brush().Color(), clYellow);
}

TEST(SeriesStreaming, PointerSettingsInFormData) {
    TLineSeries from;
    from.Pointer().Show();
    from.Pointer().SetStyle(psDiamond);
    from.Pointer().SetHorizSize(6);
    from.Pointer().SetDraw3D(false);
    from.Pointer().SetTransparency(40);
    from.Pointer().Shadow().SetVisible(true);
    from.Pointer().Gradient().SetVisible(true);
    from.Pointer().Brush().SetColor(clLime);
    TLineSeries into;
    EXPECT_FALSE(into.Pointer().Visible());
    RoundTrip(from, into);
    EXPECT_TRUE(into.Pointer().Visible());
    EXPECT_EQ(into.Pointer().Style(), psDiamond);
    EXPECT_EQ(into.Pointer().HorizSize(), 6);
    EXPECT_EQ(into.Pointer().VertSize(), 4);
    EXPECT_FALSE(into.Pointer().Draw3D());
    EXPECT_EQ(into.Pointer().Transparency(), 40);
    EXPECT_TRUE(into.Pointer().Shadow().Visible());
    EXPECT_TRUE(into.Pointer().Gradient().Visible());
    EXPECT_EQ(into.Pointer().Brush().Color(), clLime);

    // a copy takes a callout's own settings with the pointer's
    TMarksCallout a(nullptr), b(nullptr);
    a.SetLength(12);
    a.SetDistance(3);
    a.SetArrowHead(ahLine);
    a.SetStyle(psCircle);
    b.Assign(static_cast<const TPersistent*>(&a));
    EXPECT_EQ(b.Length(), 12);
    EXPECT_EQ(b.Distance(), 3);
    EXPECT_EQ(b.ArrowHead(), ahLine);
    EXPECT_EQ(b.Style(), psCircle);
}

TEST(SeriesStreaming, ValueListsAndTheDataSourceArePublished) {
    TComponent form(nullptr);
    auto* source = new TChartSeries(&form);
    auto* from = new TLineSeries(&form);
    EXPECT_EQ(GetObjectProp(*from, "DataSource"), nullptr);
    SetObjectProp(*from, "DataSource", source);
    EXPECT_EQ(from->DataSource(), source);
    EXPECT_EQ(GetObjectProp(*from, "DataSource"), source);

    from->XValues().SetDateTime(true);
    from->YValues().SetValueSource("Altitude");
    auto* into = new TLineSeries(&form);
    RoundTrip(*from, *into);
    EXPECT_TRUE(into->XValues().DateTime());
    EXPECT_FALSE(into->YValues().DateTime());
    EXPECT_EQ(into->YValues().ValueSource(), "Altitude");
    EXPECT_EQ(into->XValues().Name(), "X");
    EXPECT_EQ(into->XValues().Order(), loAscending);
}

namespace {

// Series data of an older kind, whose Y values carried a multiplier.
class OlderSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    double multiplier = 1;
    void DefineProperties(TFiler& filer) override {
        TLineSeries::DefineProperties(filer);
        filer.DefineProperty(
            "YValues.Multiplier", nullptr, [this](TWriter& w) { w.WriteFloat(multiplier); }, true);
    }
};

}  // namespace

TEST(SeriesStreaming, AnOlderMultiplierIsReportedUnlessOneAndNeverWritten) {
    for (double multiplier : {1.0, 2.5}) {
        SCOPED_TRACE(multiplier);
        OlderSeries older;
        older.multiplier = multiplier;
        std::vector<std::string> shown;
        Application->SetMessageBoxFunction([&](const std::string& text, const std::string& caption, unsigned) {
            EXPECT_EQ(caption, "");
            shown.push_back(text);
            return 0;
        });
        TLineSeries loaded;
        RoundTrip(older, loaded);
        Application->SetMessageBoxFunction(nullptr);
        if (multiplier == 1) {
            EXPECT_TRUE(shown.empty());
        } else {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0], "Error: Multiplier property is obsolete.\rModify the chart definitions (enable "
                                "Multiplier) and recompile.");
        }
        EXPECT_FALSE(Written(loaded, "Multiplier"));
    }
}

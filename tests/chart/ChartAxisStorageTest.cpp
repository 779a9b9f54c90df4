#include "ChartTestPanel.h"

#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartDepthAxis.h"
#include "chart/core/ChartExceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/TypeInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

bool Stored(const TChartAxis& axis, const char* name) { return PropInfoOf(axis, name).IsStored(axis); }

}  // namespace

TEST(ChartAxisStorage, OnlyWhatDiffersFromTheAxisOwnDefaultIsStored) {
    ChartTestPanel chart;
    TChartAxis* custom = chart.CustomAxes().Add();
    struct Case {
        const char* what;
        std::function<TChartAxis*()> setUp;
        const char* property;
        bool stored;
    } cases[] = {
        {"fresh bottom", [&] { return chart.BottomAxis(); }, "AxisValuesFormat", false},
        {"own format", [&] { chart.LeftAxis()->SetAxisValuesFormat("0"); return chart.LeftAxis(); }, "AxisValuesFormat", true},
        {"automatic maximum", [&] { return chart.BottomAxis(); }, "Maximum", false},
        {"only minimum manual", [&] { chart.TopAxis()->SetAutomaticMinimum(false); return chart.TopAxis(); }, "Maximum", false},
        {"only minimum manual", [&] { return chart.TopAxis(); }, "Minimum", true},
        {"limits set", [&] { chart.RightAxis()->SetLimits(1, 2); return chart.RightAxis(); }, "Maximum", true},
        {"base 10", [&] { return chart.BottomAxis(); }, "LogarithmicBase", false},
        {"base 2", [&] { chart.BottomAxis()->SetLogarithmicBase(2); return chart.BottomAxis(); }, "LogarithmicBase", true},
        {"standard side", [&] { return chart.LeftAxis(); }, "Horizontal", false},
        {"custom side", [&] { return custom; }, "Horizontal", true},
        {"custom side", [&] { return custom; }, "OtherSide", true},
        {"start 0", [&] { return custom; }, "StartPosition", false},
        {"end 100", [&] { return custom; }, "EndPosition", false},
        {"end 40", [&] { custom->SetEndPosition(40); return custom; }, "EndPosition", true},
        {"front axis at 0", [&] { return chart.BottomAxis(); }, "ZPosition", false},
        {"top axis at 100", [&] { return chart.TopAxis(); }, "ZPosition", false},
        {"top axis at 50", [&] { chart.TopAxis()->SetZPosition(50); return chart.TopAxis(); }, "ZPosition", true},
        {"front axis at 0.01", [&] { chart.LeftAxis()->SetZPosition(0); return chart.LeftAxis(); }, "ZPosition", false},
        {"front axis at 5", [&] { chart.LeftAxis()->SetZPosition(5); return chart.LeftAxis(); }, "ZPosition", true},
        {"depth axis anywhere", [&] { chart.DepthAxis()->SetZPosition(30); return chart.DepthAxis(); }, "ZPosition", false},
        {"hidden depth axis", [&] { return chart.DepthAxis(); }, "Visible", false},
        {"hidden bottom axis", [&] { chart.BottomAxis()->SetVisible(false); return chart.BottomAxis(); }, "Visible", true},
        {"no increment", [&] { return chart.LeftAxis(); }, "Increment", false},
        {"increment", [&] { chart.LeftAxis()->SetIncrement(0.05); return chart.LeftAxis(); }, "Increment", true},
    };
    for (const Case& k : cases) {
        TChartAxis* axis = k.setUp();
        EXPECT_EQ(Stored(*axis, k.property), k.stored) << k.what << " " << k.property;
    }
    // a title angle is stored against the default the chart gave that axis
    EXPECT_FALSE(PropInfoOf(chart.LeftAxis()->Title(), "Angle").IsStored(chart.LeftAxis()->Title()));
    chart.BottomAxis()->Title().SetAngle(90);
    EXPECT_TRUE(PropInfoOf(chart.BottomAxis()->Title(), "Angle").IsStored(chart.BottomAxis()->Title()));
}

TEST(ChartAxisStorage, PublishedSettingsGoThroughTheSetters) {
    ChartTestPanel chart;
    TChartAxis& axis = *chart.LeftAxis();
    SetEnumProp(axis, "LabelStyle", "talValue");
    EXPECT_EQ(axis.LabelStyle(), talValue);
    SetOrdProp(axis, "LabelsAngle", 450);
    EXPECT_EQ(axis.LabelsAngle(), 90);
    EXPECT_THROW(SetFloatProp(axis, "Increment", -1), AxisException);
    EXPECT_EQ(axis.Increment(), 0);
    EXPECT_EQ(GetStrProp(*GetObjectProp(axis, "Title"), "Caption"), "");
}

TEST(ChartAxisStorage, AxisClassesAreKnownByName) {
    for (const char* name : {"TChartAxis", "TChartDepthAxis", "TChartAxisTitle"}) {
        const TClassInfo* info = GetClass(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->Name(), name);
    }
    EXPECT_TRUE(GetClass("TChartDepthAxis")->InheritsFrom(TChartAxis::StaticClass()));
}

namespace {

// Form data of one chart's axes: the top and the bottom one.
class AxesHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    AxesHolder() : TComponent(nullptr) {}
    ChartTestPanel Chart;
};

const TClassInfo& AxesHolder::StaticClass() {
    static const TClassInfo info =
        TPublished<AxesHolder>("AxesHolder", TComponent::StaticClass())
            .Object("Top", &TChartAxis::StaticClass, [](AxesHolder& h) { return h.Chart.TopAxis(); }, nullptr)
            .Object("Bottom", &TChartAxis::StaticClass,
                    [](AxesHolder& h) { return h.Chart.BottomAxis(); }, nullptr)
            .Build();
    return info;
}

std::string Written(TComponent& component) {
    TMemoryStream stream;
    stream.WriteComponent(&component);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

}  // namespace

// The axis pens are in form data with only what differs from each pen's own
// defaults: the grid of the top axis starts at the back, the axis line is 2 wide.
TEST(ChartAxisStorage, AxisPensAreWrittenAndReadBack) {
    AxesHolder fresh;
    const std::string plain = Written(fresh);
    for (const char* name : {"ZPosition", "LineMode", "DrawEvery", "Width"})
        EXPECT_EQ(plain.find(name), std::string::npos) << name;

    AxesHolder written;
    TChartAxis& bottom = *written.Chart.BottomAxis();
    bottom.Axis().SetLineMode(lmCylinder);
    bottom.Axis().SetWidth(5);
    bottom.Grid().SetZPosition(40);
    bottom.Grid().SetDrawEvery(3);
    bottom.Ticks().SetColor(clRed);
    bottom.MinorGrid().Show();
    written.Chart.TopAxis()->Grid().SetZPosition(30);
    TMemoryStream stream;
    stream.WriteComponent(&written);
    stream.SetPosition(0);

    AxesHolder read;
    stream.ReadComponent(&read);
    TChartAxis& b = *read.Chart.BottomAxis();
    EXPECT_EQ(b.Axis().LineMode(), lmCylinder);
    EXPECT_EQ(b.Axis().Width(), 5);
    EXPECT_EQ(b.Grid().ZPosition(), 40);
    EXPECT_EQ(b.Grid().DrawEvery(), 3);
    EXPECT_EQ(b.Ticks().Color(), clRed);
    EXPECT_TRUE(b.MinorGrid().Visible());
    EXPECT_EQ(read.Chart.TopAxis()->Grid().ZPosition(), 30);
}

TEST(ChartAxisStorage, ATitleBoxKeepsItsGradientAndShadow) {
    AxesHolder fresh;
    const std::string plain = Written(fresh);
    EXPECT_EQ(plain.find("Title.Gradient"), std::string::npos);
    EXPECT_EQ(plain.find("Title.Shadow"), std::string::npos);

    AxesHolder written;
    TChartAxisTitle& title = written.Chart.BottomAxis()->Title();
    title.Gradient().SetVisible(true);
    title.Gradient().SetStartColor(clRed);
    title.Shadow().SetHorizSize(4);
    TMemoryStream stream;
    stream.WriteComponent(&written);
    stream.SetPosition(0);

    AxesHolder read;
    stream.ReadComponent(&read);
    TChartAxisTitle& back = read.Chart.BottomAxis()->Title();
    ASSERT_TRUE(back.HasGradient());
    EXPECT_TRUE(back.Gradient().Visible());
    EXPECT_EQ(back.Gradient().StartColor(), clRed);
    ASSERT_TRUE(back.HasShadow());
    EXPECT_EQ(back.Shadow().HorizSize(), 4);
    EXPECT_FALSE(read.Chart.TopAxis()->Title().HasGradient());
}

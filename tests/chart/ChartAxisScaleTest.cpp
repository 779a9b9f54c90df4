#include "ChartTestPanel.h"

#include "chart/axes/ChartAxis.h"
#include "chart/core/ChartExceptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An axis of the test panel laid out over pixels start..end with a given range.
struct AxisCase {
    bool horizontal;
    bool inverted;
    bool logarithmic;
    double minimum, maximum;
    double value;
    int pixel;
};

void Layout(TChartAxis& axis, const AxisCase& c) {
    axis.SetHorizontal(c.horizontal);
    axis.SetInverted(c.inverted);
    axis.SetLimits(c.minimum, c.maximum);
    if (c.logarithmic) axis.SetLogarithmic(true);
    axis.SetPixelSpan(100, 600);
    axis.SetEffectiveRange(c.minimum, c.maximum);
}

}  // namespace

TEST(ChartAxisScale, ValueToPixelAndBack) {
    const AxisCase cases[] = {
        // horizontal, inverted, log, min, max, value, pixel
        {true, false, false, 0, 10, 5, 350},
        {true, true, false, 0, 10, 5, 350},
        {true, false, false, 0, 10, 2, 200},
        {true, true, false, 0, 10, 2, 500},
        {false, false, false, 0, 10, 2, 500},
        {false, true, false, 0, 10, 2, 200},
        {true, false, false, -5, 5, -5, 100},
        {false, false, false, -5, 5, 5, 100},
        {true, false, true, 1, 1000, 10, 267},
        {true, false, true, 1, 1000, 1000, 600},
        {true, true, true, 1, 1000, 10, 433},
        {false, false, true, 1, 1000, 100, 267},
        {false, true, true, 1, 1000, 100, 433},
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        TChartAxis axis(&chart);
        Layout(axis, c);
        EXPECT_EQ(axis.ValueToScreen(c.value), c.pixel)
            << "h" << c.horizontal << " i" << c.inverted << " log" << c.logarithmic << " v" << c.value;
        const double back = axis.ScreenToValue(c.pixel);
        EXPECT_NEAR(back, c.value, c.logarithmic ? c.value * 0.02 : 1e-9)
            << "h" << c.horizontal << " i" << c.inverted << " log" << c.logarithmic << " p" << c.pixel;
    }
}

TEST(ChartAxisScale, ZeroSpanAndZeroLength) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetHorizontal(true);
    axis.SetPixelSpan(100, 600);
    axis.SetEffectiveRange(4, 4);
    EXPECT_TRUE(axis.RangeIsZero());
    for (double v : {-100.0, 4.0, 1e9}) EXPECT_EQ(axis.ValueToScreen(v), 350);
    axis.SetPixelSpan(300, 300);
    axis.SetEffectiveRange(0, 10);
    EXPECT_EQ(axis.ScreenToValue(300), 0);  // no length, no value
}

TEST(ChartAxisScale, FarValuesArePinnedToTheClampLimit) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetHorizontal(true);
    axis.SetPixelSpan(100, 600);
    axis.SetEffectiveRange(0, 10);
    EXPECT_EQ(axis.ValueToScreen(1e12), 67108863);
    EXPECT_EQ(axis.ValueToScreen(-1e12), -67108863);
    EXPECT_EQ(axis.ValueToScreen(std::nan("")), 0);
}

TEST(ChartAxisScale, LogarithmicNonPositiveValuesSitAtTheLowEnd) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetHorizontal(true);
    axis.SetLimits(1, 100);
    axis.SetLogarithmic(true);
    axis.SetPixelSpan(0, 200);
    axis.SetEffectiveRange(1, 100);
    EXPECT_EQ(axis.ValueToScreen(0), 0);
    EXPECT_EQ(axis.ValueToScreen(-3), 0);
    axis.SetInverted(true);
    EXPECT_EQ(axis.ValueToScreen(0), 200);
    EXPECT_EQ(axis.ScreenToValue(0), 100);
    EXPECT_EQ(axis.ScreenToValue(200), 1);
}

TEST(ChartAxisScale, PixelSpanFromTheChartRectangle) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{40, 20, 540, 420});
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetStartPosition(10);
    bottom.SetEndPosition(90);
    bottom.SetLimits(0, 100);
    bottom.ComputeEffectiveRange();
    bottom.ComputePixelSpan();
    EXPECT_EQ(bottom.StartPixel(), 90);
    EXPECT_EQ(bottom.EndPixel(), 490);
    EXPECT_EQ(bottom.CentrePixel(), 290);
    EXPECT_EQ(bottom.ValueToScreen(50), 290);
    TChartAxis& left = *chart.LeftAxis();
    left.SetLimits(0, 1);
    left.ComputeEffectiveRange();
    left.ComputePixelSpan();
    EXPECT_EQ(left.StartPixel(), 20);
    EXPECT_EQ(left.EndPixel(), 420);
    EXPECT_EQ(left.ValueToScreen(1), 20);

    // margins keep pixels free at both ends by widening the range
    left.ApplyPixelMargins(TRect{0, 40, 0, 40});
    EXPECT_NEAR(left.EffectiveMaximum(), 1.125, 1e-12);
    EXPECT_NEAR(left.EffectiveMinimum(), -0.125, 1e-12);
    EXPECT_EQ(left.ValueToScreen(1), 60);
    EXPECT_EQ(left.ValueToScreen(0), 380);
}

TEST(ChartAxisScale, SettingLimitsAndTheirErrors) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetLimits(0, 5);
    try {
        axis.SetMinimum(10);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
    }
    try {
        axis.SetMaximum(-1);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
    }
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 5);
    chart.SetReading(true);
    axis.SetMinimum(10);  // a form being read sets both in any order
    EXPECT_EQ(axis.Minimum(), 10);
    chart.SetReading(false);

    axis.SetAutomatic(true);
    axis.SetLimits(10, 5);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 10);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetLimits(3, 3);
    EXPECT_EQ(axis.Maximum(), 3 + 1e-10);

    const struct {
        void (*set)(TChartAxis&);
        const char* message;
    } errors[] = {
        {[](TChartAxis& a) { a.SetIncrement(-1); }, "Axis increment must be >= 0"},
        {[](TChartAxis& a) { a.SetIncrement(std::nan("")); }, "Axis increment must be >= 0"},
        {[](TChartAxis& a) { a.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be <> 1 and > 0"},
        {[](TChartAxis& a) { a.SetLogarithmicBase(0); }, "Axis Logarithmic Base should be <> 1 and > 0"},
        {[](TChartAxis& a) { a.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0"},
    };
    for (const auto& e : errors) {
        try {
            e.set(axis);
            ADD_FAILURE() << e.message;
        } catch (const AxisException& x) {
            EXPECT_STREQ(x.what(), e.message);
        }
    }
    EXPECT_EQ(axis.Increment(), 0);
    EXPECT_EQ(axis.LogarithmicBase(), 10);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);
}

TEST(ChartAxisScale, LogarithmicNeedsNonNegativeNumbers) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    s.AddPointXY(1, -5);
    s.AddPointXY(2, 5);
    try {
        chart.LeftAxis()->SetLogarithmic(true);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Logarithmic Axis Min and Max values should be >= 0");
    }
    EXPECT_FALSE(chart.LeftAxis()->Logarithmic());
    s.XValues().SetDateTime(true);
    try {
        chart.BottomAxis()->SetLogarithmic(true);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "DateTime Axis cannot be Logarithmic");
    }
}

TEST(ChartAxisScale, AutomaticFlagsMoveTogether) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
    chart.SetLoading(true);
    axis.SetAutomaticMaximum(false);
    axis.SetAutomatic(true);  // while loading the two flags stay as streamed
    EXPECT_FALSE(axis.AutomaticMaximum());
    chart.SetLoading(false);
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST(ChartAxisScale, AnglesKeepTheirSignModulo360) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetLabelsAngle(450);
    EXPECT_EQ(axis.LabelsAngle(), 90);
    axis.SetLabelsAngle(-90);
    EXPECT_EQ(axis.LabelsAngle(), -90);
    axis.SetZPosition(0);
    EXPECT_EQ(axis.ZPosition(), 0.01);
}

TEST(ChartAxisScale, AutomaticRangeComesFromTheSeriesOnTheAxis) {
    ChartTestPanel chart;
    TChartSeries a, b, hidden, custom;
    for (TChartSeries* s : {&a, &b, &hidden, &custom}) s->SetParentChart(&chart);
    a.AddPointXY(0, 5);
    a.AddPointXY(10, 7);
    b.AddPointXY(-3, -2);
    b.AddPointXY(4, 3);
    hidden.AddPointXY(100, 1000);
    hidden.SetActive(false);
    TChartAxis* own = chart.CustomAxes().Add();
    custom.SetCustomVertAxis(own);
    custom.AddPointXY(1, 50);
    custom.AddPointXY(2, 60);

    TChartAxis& left = *chart.LeftAxis();
    left.ComputeEffectiveRange();
    EXPECT_EQ(left.EffectiveMinimum(), -2);
    EXPECT_EQ(left.EffectiveMaximum(), 7);  // the hidden series does not count
    own->ComputeEffectiveRange();
    EXPECT_EQ(own->EffectiveMinimum(), 50);
    EXPECT_EQ(own->EffectiveMaximum(), 60);
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.ComputeEffectiveRange();
    EXPECT_EQ(bottom.EffectiveMinimum(), -3);
    EXPECT_EQ(bottom.EffectiveMaximum(), 10);

    // an axis whose series are all hidden still takes its range from them
    a.SetActive(false);
    b.SetActive(false);
    custom.SetActive(false);
    left.ComputeEffectiveRange();
    EXPECT_EQ(left.EffectiveMaximum(), 1000);

    // a fixed range is kept
    left.SetLimits(0, 1);
    left.ComputeEffectiveRange();
    EXPECT_EQ(left.EffectiveMaximum(), 1);
}

TEST(ChartAxisScale, ShiftRangeMovesOnlyTowardsData) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    for (int i = 0; i <= 10; ++i) s.AddPointXY(i, i);
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetLimits(0, 10);
    bottom.ShiftRange(2, true);  // no data beyond 10
    EXPECT_EQ(bottom.Maximum(), 10);
    bottom.ShiftRange(-2, true);  // nor below 0
    EXPECT_EQ(bottom.Minimum(), 0);
    bottom.ShiftRange(-2, false);
    EXPECT_EQ(bottom.Minimum(), -2);
    EXPECT_EQ(bottom.Maximum(), 8);
    bottom.ShiftRange(1, true);  // data at 10 lies beyond 8
    EXPECT_EQ(bottom.Maximum(), 9);
}

TEST(ChartAxisScale, LinkedCustomAxesFollowTheirMaster) {
    ChartTestPanel chart;
    TChartAxis* follower = chart.CustomAxes().Add();
    chart.CustomAxes().SetMaster(follower, chart.LeftAxis());
    chart.LeftAxis()->SetLimits(-1, 4);
    EXPECT_EQ(follower->Minimum(), -1);
    EXPECT_EQ(follower->Maximum(), 4);
}

TEST(ChartAxisScale, DeletedCustomAxisSendsItsSeriesBack) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    auto axis = std::make_unique<TChartAxis>(&chart);
    s.SetCustomVertAxis(axis.get());
    EXPECT_EQ(s.GetVertAxis(), axis.get());
    axis.reset();
    EXPECT_EQ(s.VertAxis(), aLeftAxis);
    EXPECT_EQ(s.GetVertAxis(), chart.LeftAxis());
}

// The values a pixel holds, as a dense line finds its columns and rows by
// them: each edge maps to the pixel and the next double beyond it does not.
TEST(ChartAxisScale, ValuesOnAPixelAreExactlyThoseMappedThere) {
    const struct {
        bool across;
        bool inverted;
        double minimum, maximum;
        int start, end;
    } scales[] = {
        {true, false, 0, 10, 100, 600},       {true, true, 0, 10, 100, 600},
        {false, false, -5, 5, 40, 1000},      {false, true, -5, 5, 40, 1000},
        {true, false, 1.0e9, 1.0e9 + 7, 0, 1919},  // far from zero: pixels a few doubles apart are still apart
        {false, false, 0, 3.0e-300, 0, 1079},  // tiny values
        {true, false, 0, 1000, 300, 300 + 2000},  // more pixels than whole values
    };
    for (const auto& s : scales) {
        ChartTestPanel chart;
        TChartAxis axis(&chart);
        axis.SetInverted(s.inverted);
        axis.SetPixelSpan(s.start, s.end);
        axis.SetEffectiveRange(s.minimum, s.maximum);
        const auto map = [&](double v) { return s.across ? axis.ValueToScreenX(v) : axis.ValueToScreenY(v); };
        int checked = 0;
        for (int k = 0; k <= 997; ++k) {
            const double known = s.minimum + (s.maximum - s.minimum) * k / 997.0;
            const int pixel = map(known);
            double low = 0, high = 0;
            const bool found =
                s.across ? axis.ValuesOnPixelX(pixel, known, low, high) : axis.ValuesOnPixelY(pixel, known, low, high);
            ASSERT_TRUE(found) << s.minimum << " " << k;
            EXPECT_LE(low, known);
            EXPECT_GE(high, known);
            EXPECT_EQ(map(low), pixel) << s.minimum << " " << k;
            EXPECT_EQ(map(high), pixel) << s.minimum << " " << k;
            EXPECT_NE(map(std::nextafter(low, -HUGE_VAL)), pixel) << s.minimum << " " << k;
            EXPECT_NE(map(std::nextafter(high, HUGE_VAL)), pixel) << s.minimum << " " << k;
            ++checked;
        }
        EXPECT_EQ(checked, 998);
    }
}

TEST(ChartAxisScale, ValuesOnAPixelAtTheEndsAndOffTheStraightScale) {
    ChartTestPanel chart;
    TChartAxis axis(&chart);
    axis.SetPixelSpan(0, 500);
    axis.SetEffectiveRange(0, 10);
    double low = 0, high = 0;
    // a value that is not on the pixel, and one that is no number
    EXPECT_FALSE(axis.ValuesOnPixelX(17, 5.0, low, high));
    EXPECT_FALSE(axis.ValuesOnPixelX(0, std::nan(""), low, high));
    // the pinned far pixel holds every value out to infinity
    ASSERT_TRUE(axis.ValuesOnPixelX(TChartAxis::ClampLimit, 1e300, low, high));
    EXPECT_EQ(high, HUGE_VAL);
    EXPECT_EQ(axis.ValueToScreenX(low), TChartAxis::ClampLimit);
    EXPECT_NE(axis.ValueToScreenX(std::nextafter(low, 0.0)), TChartAxis::ClampLimit);
    // a flat range puts everything on the centre
    axis.SetEffectiveRange(4, 4);
    EXPECT_FALSE(axis.ValuesOnPixelX(250, 4.0, low, high));
    axis.SetEffectiveRange(1, 100);
    axis.SetLimits(1, 100);
    axis.SetLogarithmic(true);
    EXPECT_FALSE(axis.ValuesOnPixelX(axis.ValueToScreenX(10.0), 10.0, low, high));
}

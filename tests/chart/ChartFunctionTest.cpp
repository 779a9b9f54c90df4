#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/series/ChartFunction.h"
#include "chart/series/ChartSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sums the Y values of a period (or of the whole source).
class SumFunction : public TChartFunction {
public:
    double ComputeRange(TChartSeries* source, int first, int last) override {
        if (first < 0) {
            first = 0;
            last = source->Count() - 1;
        }
        double sum = 0;
        for (int i = first; i <= last; ++i) sum += source->YValueAt(i);
        return sum;
    }
};

class TwoPointSeries : public TChartSeries {
public:
    TwoPointSeries() { allowSinglePoint_ = false; }
};

std::vector<std::pair<double, double>> Points(TChartSeries& s) {
    std::vector<std::pair<double, double>> v;
    for (int i = 0; i < s.Count(); ++i) v.emplace_back(s.XValueAt(i), s.YValueAt(i));
    return v;
}

}  // namespace

TEST(ChartFunction, PeriodsOfPoints) {
    const struct {
        double period;
        TFunctionPeriodAlign align;
        std::vector<std::pair<double, double>> points;
    } cases[] = {
        // 12 source points X = 0..11, Y = 1 each; an incomplete last period gives nothing
        {5, paCenter, {{2, 5}, {7, 5}}},
        {5, paFirst, {{0, 5}, {5, 5}}},
        {5, paLast, {{4, 5}, {9, 5}}},
        {6, paCenter, {{2.5, 6}, {8.5, 6}}},
        {12, paFirst, {{0, 12}}},
        {13, paFirst, {}},
    };
    for (const auto& c : cases) {
        TChartSeries source, result;
        for (int i = 0; i < 12; ++i) source.AddPointXY(i, 1);
        auto* f = new SumFunction;
        f->SetPeriod(c.period);
        f->SetPeriodAlign(c.align);
        result.AttachFunction(f);
        result.AddAllFrom(&source);
        EXPECT_EQ(Points(result), c.points) << c.period << " " << c.align;
    }
}

TEST(ChartFunction, APeriodBelowHalfAPointStillMovesOn) {
    TChartSeries source, result;
    for (int i = 0; i < 4; ++i) source.AddPointXY(i, i);
    auto* f = new SumFunction;
    f->SetPeriod(0.3);  // rounds to no points at all
    result.AttachFunction(f);
    result.AddAllFrom(&source);
    EXPECT_EQ(Points(result), (std::vector<std::pair<double, double>>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(ChartFunction, PeriodsOfRange) {
    TChartSeries source, result;
    for (double x : {0.0, 1.0, 2.5, 7.0, 8.0}) source.AddPointXY(x, 1);
    auto* f = new SumFunction;
    f->SetPeriodStyle(psRange);
    f->SetPeriodAlign(paFirst);
    f->SetPeriod(3);
    result.AttachFunction(f);
    result.AddAllFrom(&source);
    // [0,3): 3 points; [3,6): empty, a zero; [6,9): 2 points
    EXPECT_EQ(Points(result), (std::vector<std::pair<double, double>>{{0, 3}, {3, 0}, {6, 2}}));
}

TEST(ChartFunction, ARangePeriodTooSmallForTheValuesEnds) {
    TChartSeries source, result;
    source.AddPointXY(1e17, 1);
    source.AddPointXY(1e17 + 64, 1);
    auto* f = new SumFunction;
    f->SetPeriodStyle(psRange);
    f->SetPeriod(1);  // vanishes against 1e17
    result.AttachFunction(f);
    result.AddAllFrom(&source);
    EXPECT_EQ(result.Count(), 0);
}

TEST(ChartFunction, WholeSourceGivesOnePointOrALevelLine) {
    TChartSeries source, single;
    TwoPointSeries level;
    for (int i = 0; i < 5; ++i) source.AddPointXY(i * 2, 3);
    single.AttachFunction(new SumFunction);
    single.AddAllFrom(&source);
    EXPECT_EQ(Points(single), (std::vector<std::pair<double, double>>{{4, 15}}));
    level.AttachFunction(new SumFunction);
    level.AddAllFrom(&source);
    EXPECT_EQ(Points(level), (std::vector<std::pair<double, double>>{{0, 15}, {8, 15}}));
}

TEST(ChartFunction, PeriodMustNotBeNegative) {
    SumFunction f;
    f.SetPeriod(2);
    try {
        f.SetPeriod(-1);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Function Period should be >= 0");
    }
    EXPECT_EQ(f.Period(), 2);
}

TEST(ChartFunction, ALinkedSeriesWithAFunctionRecomputesInsteadOfCopying) {
    ChartTestPanel chart;
    TChartSeries source, result;
    source.SetParentChart(&chart);
    result.SetParentChart(&chart);
    auto* f = new SumFunction;
    f->SetPeriod(2);
    result.AttachFunction(f);
    source.AddLinkedSeries(&result);
    source.BeginUpdate();
    for (int i = 0; i < 4; ++i) source.AddPointXY(i, i);
    source.EndUpdate();
    EXPECT_EQ(Points(result), (std::vector<std::pair<double, double>>{{0.5, 1}, {2.5, 5}}));
    source.AddPointXY(4, 4);  // an added point is not copied into a calculated series
    EXPECT_EQ(result.Count(), 2);
}

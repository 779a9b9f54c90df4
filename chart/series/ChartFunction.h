#pragma once
// The base of calculated series: a function computes its series' points from
// source series, over the whole source or period by period.

#include <memory>
#include <vector>

class TChartSeries;
class TCustomAxisPanel;
class TChartValueList;

enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
enum TFunctionPeriodStyle { psNumPoints, psRange };

class TChartFunction {
public:
    TChartFunction() = default;
    virtual ~TChartFunction() = default;
    TChartFunction(const TChartFunction&) = delete;
    TChartFunction& operator=(const TChartFunction&) = delete;
    virtual void Assign(const TChartFunction& source);
    // A function of the same kind with the same settings, for a copied series.
    virtual std::unique_ptr<TChartFunction> Clone() const;

    double Period() const { return period_; }
    // Raises ChartException for a period that is not >= 0.
    void SetPeriod(double value);
    TFunctionPeriodAlign PeriodAlign() const { return periodAlign_; }
    void SetPeriodAlign(TFunctionPeriodAlign value);
    TFunctionPeriodStyle PeriodStyle() const { return periodStyle_; }
    void SetPeriodStyle(TFunctionPeriodStyle value);
    bool Suspended() const { return suspended_; }
    void SetSuspended(bool value) { suspended_ = value; }

    TChartSeries* ParentSeries() const { return parent_; }
    void SetParentSeries(TChartSeries* series);
    // Called by the series as it takes or drops the function.
    void StoreParentSeries(TChartSeries* series) { parent_ = series; }

    // Recomputes the parent's points from the source.
    void FeedPoints(TChartSeries* source);
    void AddPoint(bool sourceYMandatory, double position, double value);
    virtual void AddFunctionPoint(TChartSeries* source, int first, int last, double position);
    virtual void ComputeWhole(TChartSeries* source, TChartValueList& list);
    virtual void ComputeByPeriod(TChartSeries* source, TChartValueList& list);
    virtual void ComputeAll(TChartSeries* source, TChartValueList& list);
    // Where a concrete function computes its value; first = last = -1 is the whole source.
    virtual double ComputeRange(TChartSeries* source, int first, int last);
    virtual double ComputeFromSources(const std::vector<TChartSeries*>& sources, int index);
    // Every series of the chart takes its gallery preview look.
    virtual void PrepareGallery(TCustomAxisPanel& chart);

protected:
    void Recalculate();

private:
    double period_ = 0;
    TFunctionPeriodAlign periodAlign_ = paCenter;
    TFunctionPeriodStyle periodStyle_ = psNumPoints;
    TChartSeries* parent_ = nullptr;
    bool suspended_ = false;
};

#include "chart/series/ChartFunction.h"

#include "chart/axes/ChartAxis.h"
#include "chart/axes/DateTimeSteps.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/Rounding.h"

#include <algorithm>

void TChartFunction::Assign(const TChartFunction& source) {
    period_ = source.period_;
    periodStyle_ = source.periodStyle_;
    periodAlign_ = source.periodAlign_;
}

std::unique_ptr<TChartFunction> TChartFunction::Clone() const {
    auto copy = std::make_unique<TChartFunction>();
    copy->Assign(*this);
    return copy;
}

void TChartFunction::SetPeriod(double value) {
    if (!(value >= 0)) throw ChartException(ChartConst::FunctionPeriodNegative);
    if (period_ == value) return;
    period_ = value;
    Recalculate();
}

void TChartFunction::SetPeriodAlign(TFunctionPeriodAlign value) {
    if (periodAlign_ == value) return;
    periodAlign_ = value;
    Recalculate();
}

void TChartFunction::SetPeriodStyle(TFunctionPeriodStyle value) {
    if (periodStyle_ == value) return;
    periodStyle_ = value;
    Recalculate();
}

void TChartFunction::Recalculate() {
    if (!suspended_ && parent_) parent_->RefreshFromSource();
}

void TChartFunction::SetParentSeries(TChartSeries* series) {
    if (parent_ == series) return;
    if (parent_) parent_->ReleaseFunction();
    if (series) series->AttachFunction(this);
}

double TChartFunction::ComputeRange(TChartSeries*, int, int) { return 0; }

double TChartFunction::ComputeFromSources(const std::vector<TChartSeries*>&, int) { return 0; }

void TChartFunction::AddPoint(bool sourceYMandatory, double position, double value) {
    if (sourceYMandatory)
        parent_->AddPointXY(position, value, "", clDefault);
    else
        parent_->AddPointXY(value, position, "", clDefault);
}

void TChartFunction::AddFunctionPoint(TChartSeries* source, int first, int last, double position) {
    AddPoint(source->YMandatory(), position, ComputeRange(source, first, last));
}

void TChartFunction::FeedPoints(TChartSeries* source) {
    if (suspended_ || !source || !parent_) return;
    const std::vector<TChartSeries*>& sources = parent_->SourceSeries();
    if (sources.size() > 1) {
        TChartSeries* widest = source;
        for (TChartSeries* s : sources)
            if (s->Count() > widest->Count()) widest = s;
        for (int i = 0; i < widest->Count(); ++i) {
            double position = widest->NotMandatoryValueList()[i];
            double value = ComputeFromSources(sources, i);
            if (!widest->YMandatory()) std::swap(position, value);
            parent_->AddPointXY(position, value, widest->PointLabel(i), clDefault);
        }
    } else if (source->Count() > 0) {
        ComputeAll(source, source->NotMandatoryValueList());
    }
}

void TChartFunction::ComputeAll(TChartSeries* source, TChartValueList& list) {
    if (period_ != 0)
        ComputeByPeriod(source, list);
    else
        ComputeWhole(source, list);
}

void TChartFunction::ComputeWhole(TChartSeries* source, TChartValueList& list) {
    const double v = ComputeRange(source, -1, -1);
    if (parent_->AllowSinglePoint()) {
        const double middle = list.LowestValue() + list.ValueRange() * 0.5;
        if (parent_->YMandatory())
            parent_->AddPointXY(middle, v, "", clDefault);
        else
            parent_->AddPointXY(v, middle, "", clDefault);
    } else {
        AddPoint(source->YMandatory(), list.LowestValue(), v);
        AddPoint(source->YMandatory(), list.HighestValue(), v);
    }
}

void TChartFunction::ComputeByPeriod(TChartSeries* source, TChartValueList& list) {
    const int n = source->Count();
    const int step = NearestDateTimeStep(period_);
    const TChartAxis* axis = parent_->GetHorizAxis();
    // a period below half a point would round to none; every period takes one at least
    const int pointsPerPeriod = static_cast<int>(std::clamp<long long>(Round(period_), 1, n + 1LL));
    int e = 0;
    double t = list[0];
    while (e <= n - 1) {
        int last;
        double startPosition, endPosition;
        bool holdsPoints = true;
        if (periodStyle_ == psNumPoints) {
            last = e + pointsPerPeriod - 1;
            startPosition = list[e];
            endPosition = last < n ? list[last] : 0;
        } else {
            startPosition = t;
            const double before = t;
            if (axis)
                axis->IncrementValue(t, period_, step);
            else
                StepDateTime(false, true, t, period_, step);
            // a period that vanishes against the values could never move on
            if (!(t > before)) break;
            endPosition = t - period_ * 0.001;
            holdsPoints = list[e] < t;
            last = e - 1;
            while (last + 1 < n && list[last + 1] < t) ++last;
        }
        if (last < n) {
            const double position = periodAlign_ == paFirst  ? startPosition
                                    : periodAlign_ == paLast ? endPosition
                                                             : (startPosition + endPosition) / 2;
            if (holdsPoints)
                AddFunctionPoint(source, e, last, position);
            else
                AddPoint(source->YMandatory(), position, 0);
        }
        if (holdsPoints) e = last + 1;
    }
}

void TChartFunction::PrepareGallery(TCustomAxisPanel& chart) {
    for (int i = 0; i < chart.SeriesCount(); ++i) chart.SeriesAt(i)->SetupForGallery(true);
}

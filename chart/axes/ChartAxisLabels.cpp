// The label side of an axis: increment, label texts and the label loops.

#include "chart/axes/ChartAxis.h"

#include "chart/axes/DateTimeSteps.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/text/TextRoutines.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/FloatFormatting.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double SmallestIncrement = 1e-12;
constexpr int MostValueLabels = 10000;
constexpr int MostCustomLabels = 2000;

}  // namespace

double TChartAxis::NextNiceStep(double x) {
    if (std::isinf(x)) return 1;
    // scale into [1, 10) without recursion; the result is 1, 2, 5 x 10^k above x
    double scale = 1;
    while (x >= 10) {
        x /= 10;
        scale *= 10;
    }
    while (x < 1) {
        x *= 10;
        scale /= 10;
    }
    const double step = x < 2 ? 2 : (x < 5 ? 5 : 10);
    return step * scale;
}

int TChartAxis::LabelExtent(double value) {
    if (!chart_) return 0;
    int lines = 0;
    const int width = chart_->WidestLineWidth(ValueLabelText(value), lines);
    const bool linesAcross = horizontal_ ? (labelsAngle_ == 90 || labelsAngle_ == 270)
                                         : (labelsAngle_ == 0 || labelsAngle_ == 180);
    if (linesAcross) return chart_->FontHeight() * lines;
    return width;
}

double TChartAxis::IncrementForLabelSize(int size) {
    int n = 1;
    if (size > 0 && iAxisSize_ > 0) {
        const double room =
            labelsSeparation_ > 0 ? size + static_cast<double>(Round(labelsSeparation_ * 0.01 * size)) : size;
        n = static_cast<int>(Round(iAxisSize_ / room));
    }
    return IncrementForLabelCount(n);
}

double TChartAxis::IncrementForLabelCount(int n) {
    if (n < 1) return iAxisDateTime_ ? DateTimeStepValues[dtOneMicroSecond] : SmallestIncrement;
    return iAxisDateTime_ ? DateTimeIncrement(n) : NumericIncrement(n);
}

double TChartAxis::DateTimeIncrement(int n) {
    double inc = std::max(DateTimeStepValues[dtOneMicroSecond], increment_);
    if (iRange_ / inc > 1000000) inc = iRange_ / 1000000;
    while (Round(iRange_ / inc) > n) {
        if (inc >= DateTimeStepValues[dtOneYear])
            inc *= 2;
        else if (inc >= DateTimeStepValues[dtOneSecond])
            inc = NextLargerDateTimeStep(inc);
        else
            inc = NextNiceStep(inc);
    }
    return std::max(DateTimeStepValues[dtOneMicroSecond], inc);
}

bool TChartAxis::IndexRunsAlong(const TChartSeries* series) const {
    // the series' index dimension (not-mandatory X) runs along a horizontal axis
    return series->YMandatory() == horizontal_;
}

double TChartAxis::NumericIncrement(int n) {
    double inc;
    if (increment_ > 0) {
        inc = increment_;
    } else if (iRangeZero_) {
        inc = 1;
    } else {
        inc = std::fabs(iRange_) / (n + 1);
        if (logarithmic_)
            inc = std::pow(logarithmicBase_, static_cast<double>(Round(std::log(inc) / std::log(logarithmicBase_))));
        if (iRange_ >= 1.1 && chart_)
            for (int i = 0; i < chart_->SeriesCount(); ++i) {
                TChartSeries* series = chart_->SeriesAt(i);
                if (series->Active() && IndexRunsAlong(series) && series->IsBoundToAxis(this) &&
                    series->Count() <= n) {
                    inc = std::max(inc, 1.0);
                    break;
                }
            }
    }
    if (labelsSeparation_ > 0) {
        long long k = n + 1;
        while (true) {
            const double q = iRange_ / inc;
            bool grow;
            if (std::fabs(q) < 2147483647.0) {
                k = Round(q);
                grow = k > n;
            } else {
                grow = true;
            }
            if (!grow) break;
            // a step that can no longer grow would never end the search
            const double next = logarithmic_ ? inc * logarithmicBase_ : NextNiceStep(inc);
            if (!(next > inc)) break;
            inc = next;
            if (inc > iRange_ || std::isinf(inc)) break;
        }
    }
    if (std::isinf(inc)) return iRange_;
    return std::max(SmallestIncrement, inc);
}

double TChartAxis::ComputeLabelStep() {
    double low = iMinimum_;
    double high = iMaximum_;
    if (roundFirstLabel_ && increment_ != 0) {
        low = increment_ * static_cast<double>(Round(iMinimum_));
        high = increment_ * std::trunc(iMaximum_);
    }
    double mid = (low + high) / 2;
    // look for a middle value with decimals; halving ends at the subnormals
    for (int i = 0; i < 1100 && mid != 0 && mid == std::trunc(mid); ++i) mid /= 2;
    int size = std::max({LabelExtent(low), LabelExtent(mid), LabelExtent(high)});
    if (increment_ != 0) size = std::max({size, LabelExtent(high - increment_), LabelExtent(low + increment_)});
    return IncrementForLabelSize(size);
}

double TChartAxis::LabelStep() {
    double inc = ComputeLabelStep();
    if (!labelsAlternate_ && increment_ == 0 && inc >= 2) {
        increment_ = 1;
        struct Restore {
            double& field;
            ~Restore() { field = 0; }
        } restore{increment_};
        inc = ComputeLabelStep();
    }
    if (labelsAlternate_) inc = logarithmic_ ? inc / logarithmicBase_ : inc / 2;
    return inc;
}

std::string TChartAxis::ValueLabelText(double value) {
    std::string text;
    if (!iAxisDateTime_) {
        text = FormatFloat(axisValuesFormat_, value);
    } else if (value >= 0) {
        text = DateTimeToString(dateTimeFormat_.empty() ? DateTimeFormatFor(iRange_) : dateTimeFormat_, value);
    }
    if (chart_ && chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(this, nullptr, -1, text);
    if (labelsMultiLine_) text = ReplaceChar(text, ' ', '\r');
    return text;
}

TAxisLabelStyle TChartAxis::AutoLabelStyle() {
    TAxisLabelStyle result = talNone;
    if (!chart_) return result;
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* series = chart_->SeriesAt(i);
        if (!series->Active() || !series->IsBoundToAxis(this)) continue;
        result = talValue;
        if (IndexRunsAlong(series))
            for (const std::string& label : series->Labels().Items())
                if (!label.empty()) return talText;
    }
    return result;
}

TAxisLabelStyle TChartAxis::EffectiveLabelStyle() {
    return labelStyle_ == talAuto ? AutoLabelStyle() : labelStyle_;
}

void TChartAxis::StepValue(double& value, bool up) const {
    const bool calendar = exactDateTime_ && iAxisDateTime_ && stepIndex_ >= dtHalfMonth;
    StepDateTime(calendar, up, value, incrementInUse_, stepIndex_);
}

void TChartAxis::IncrementValue(double& value, double amount, int stepIndex) const {
    const bool calendar = exactDateTime_ && ValuesAreDateTime() && stepIndex >= dtHalfMonth;
    StepDateTime(calendar, true, value, amount, stepIndex);
}

// ---- label loops ----

void TChartAxis::AddLabel(int position, double value, const std::string& text, int item) {
    labelEntries_.push_back(TAxisLabelEntry{position, value, text, item});
}

void TChartAxis::ComputeLabels() {
    labelEntries_.clear();
    ticks_.clear();
    tickValues_.clear();
    previousTextHalf_ = -1;
    iAxisDateTime_ = ValuesAreDateTime();
    if (!items_.Automatic()) {
        DrawItemLabels();
        return;
    }
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (style == talNone) return;
    incrementInUse_ = LabelStep();
    stepIndex_ = NoDateTimeStep;
    if (iAxisDateTime_ && exactDateTime_ && increment_ != 0) {
        stepIndex_ = NearestDateTimeStep(increment_);
        if (stepIndex_ != NoDateTimeStep)
            while (incrementInUse_ > DateTimeStepValues[stepIndex_] && stepIndex_ < dtOneYear) ++stepIndex_;
    }
    const bool calendarStep = stepIndex_ >= dtHalfMonth && stepIndex_ <= dtOneYear;
    if (!((incrementInUse_ > 0 || calendarStep) && iMaximum_ >= iMinimum_)) return;
    if (style == talValue) {
        if (chart_ && chart_->OnGetNextAxisLabel)
            DrawCustomNextLabels();
        else if (!logarithmic_ || increment_ != 0)
            DrawValueLabels();
        else
            DrawLogLabels();
    } else if (style == talText && depth_) {
        DrawSeriesTitleLabels();
    } else if (style == talText || style == talMark) {
        DrawTextLabels(style);
    }
}

void TChartAxis::DrawValueLabel(double value) {
    const int p = ValueToScreen(value);
    if (labelsOnAxis_ || (p > iStartPos_ && p < iEndPos_)) {
        if (!tickOnLabelsOnly_) RecordTick(p, value);
        if (labels_) AddLabel(p, value, ValueLabelText(value));
    }
}

void TChartAxis::DrawValueLabels() {
    const double inc = incrementInUse_;
    if (!(inc > 0) || std::fabs(iRange_ / inc) >= MostValueLabels) return;
    double s;
    if (exactDateTime_ && iAxisDateTime_ && stepIndex_ >= dtOneDay && stepIndex_ <= dtOneYear)
        s = TruncDateToStep(stepIndex_, iMaximum_);
    else if (FloatToStr(iMaximum_) != FloatToStr(iMinimum_) && roundFirstLabel_)
        s = std::trunc(iMaximum_ / inc) * inc;
    else
        s = iMaximum_;
    while (s > iMaximum_) {
        const double before = s;
        StepValue(s, false);
        if (!(s < before)) break;  // the step vanishes against s
    }
    if (iRangeZero_ || std::fabs(iMaximum_ - iMinimum_) < 1e-10 || FloatToStr(s) == FloatToStr(s - inc)) {
        DrawValueLabel(s);
        return;
    }
    const double bound = iMinimum_ >= 0 ? (iMinimum_ - 1e-12) / (1 + 1e-12) : iMinimum_;
    // the count is bounded by the 10,000 check above; the guard covers steps lost to rounding
    for (int guard = 0; s >= bound && guard <= MostValueLabels + 2; ++guard) {
        DrawValueLabel(s);
        const double before = s;
        StepValue(s, false);
        if (!(s < before)) break;
    }
}

void TChartAxis::DrawLogLabels() {
    if (iMinimum_ == iMaximum_) return;
    const double base = logarithmicBase_;
    if (base <= 1) return;
    auto logOf = [base](double v) { return std::log(v) / std::log(base); };
    double s;
    if (iMinimum_ > 0) {
        s = std::pow(base, static_cast<double>(Round(logOf(iMinimum_))));
    } else {
        iMinimum_ = iMinimum_ == 0 ? 0.1 : std::pow(base, static_cast<double>(Round(logOf(1e-10))));
        RecomputeScale();
        s = iMinimum_;
    }
    if (minorGrid_.Visible()) {
        double w = s;
        if (w >= iMinimum_) w = std::pow(base, logOf(iMinimum_) - 1);
        if (w < iMinimum_) RecordTick(ValueToScreen(w), w);
    }
    bool drawn = false;
    for (double v = s; v <= iMaximum_ && std::isfinite(v); v *= base)
        if (v >= iMinimum_) {
            DrawValueLabel(v);
            drawn = true;
        }
    if (!drawn) {
        const double step = std::pow(base, logOf(s) - 1);
        int count = 0;
        for (double v = s; v <= iMaximum_ && v + step > v && count < MostValueLabels; v += step)
            if (v >= iMinimum_) {
                DrawValueLabel(v);
                ++count;
            }
    }
    if (minorGrid_.Visible() && s > iMaximum_) RecordTick(ValueToScreen(s), s);
}

void TChartAxis::DrawCustomNextLabels() {
    double value = iMinimum_;
    bool stop = true;
    for (int index = 0; index <= MostCustomLabels; ++index) {
        chart_->OnGetNextAxisLabel(this, index, value, stop);
        if (stop) {
            if (index == 0) {
                if (!logarithmic_ || increment_ != 0)
                    DrawValueLabels();
                else
                    DrawLogLabels();
            }
            return;
        }
        if (value < iMinimum_ - 1e-7 || value > iMaximum_ + 1e-7) return;
        DrawValueLabel(value);
    }
}

void TChartAxis::DrawTextLabels(TAxisLabelStyle style) {
    std::vector<TChartSeries*> series;
    int first = -1;
    int last = -1;
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* s = chart_->SeriesAt(i);
        if (!s->Active() || !s->IsBoundToAxis(this)) continue;
        series.push_back(s);
        s->ComputeVisibleRange();
        if (s->FirstVisibleIndex() != -1 && (first == -1 || s->FirstVisibleIndex() < first))
            first = s->FirstVisibleIndex();
        last = std::max(last, s->LastVisibleIndex());
    }
    if (first == -1 || last == -1) return;
    bool along = horizontal_;
    if (labelsAngle_ == 90 || labelsAngle_ == 270) along = !along;
    for (int i = first; i <= last; ++i) {
        std::string text;
        double value = 0;
        bool found = false;
        for (TChartSeries* s : series) {
            if (i < s->FirstVisibleIndex() || i > s->LastVisibleIndex()) continue;
            std::string t = style == talMark ? s->GetMarkText(i) : s->PointLabel(i);
            if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(this, s, i, t);
            if (!t.empty()) {
                text = t;
                value = horizontal_ ? s->XValueAt(i) : s->YValueAt(i);
                found = true;
                break;
            }
        }
        if (!found || value < iMinimum_ || value > iMaximum_) continue;
        const int p = ValueToScreen(value);
        if (!tickOnLabelsOnly_) RecordTick(p, value);
        if (!labels_) continue;
        int lines = 0;
        const int width = chart_->WidestLineWidth(text, lines);
        const int e = along ? width : chart_->FontHeight() * lines;
        if (labelsSeparation_ != 0 && previousTextHalf_ >= 0) {
            const int h = (e + static_cast<int>(std::trunc(e * 0.02 * labelsSeparation_))) / 2;
            const bool clear = p < previousTextPosition_ ? previousTextPosition_ - previousTextHalf_ >= p + h
                                                         : p - h >= previousTextPosition_ + previousTextHalf_;
            if (!clear) continue;
            previousTextHalf_ = h;
        } else {
            previousTextHalf_ = e / 2;
        }
        previousTextPosition_ = p;
        AddLabel(p, value, text);
    }
}

void TChartAxis::DrawSeriesTitleLabels() {
    if (chart_->ActiveSeriesCount() <= 0) return;
    for (long long k = static_cast<long long>(std::trunc(iMinimum_)); k <= static_cast<long long>(std::trunc(iMaximum_));
         ++k) {
        const double value = iMaximum_ - k - 0.5;
        const int p = ValueToScreen(value);
        if (!tickOnLabelsOnly_) RecordTick(p, value);
        if (!labels_) continue;
        std::string text = chart_->LegendSeriesTitle(static_cast<int>(k), true);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(this, nullptr, static_cast<int>(k), text);
        AddLabel(p, value, text);
    }
}

void TChartAxis::DrawItemLabels() {
    for (int i = 0; i < items_.Count(); ++i) {
        const TAxisItem& item = items_.GetItem(i);
        if (item.Value() < minimum_ || item.Value() > maximum_) continue;
        const int p = ValueToScreen(item.Value());
        if (!tickOnLabelsOnly_) RecordTick(p, item.Value());
        if (item.Visible()) AddLabel(p, item.Value(), item.Text().empty() ? ValueLabelText(item.Value()) : item.Text(), i);
    }
}

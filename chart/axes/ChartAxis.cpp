#include "chart/axes/ChartAxis.h"

#include "chart/axes/DateTimeSteps.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

// ---- life ----

TChartAxis::TChartAxis(TCustomAxisPanel* chart, bool depth)
    : TCollectionItem(nullptr),
      chart_(chart),
      depth_(depth),
      axisValuesFormat_(ChartConst::DefaultValueFormat),
      items_(chart),
      axisPen_([this] { StoreAndRepaint(); }),
      grid_([this] { StoreAndRepaint(); }),
      minorGrid_([this] { StoreAndRepaint(); }),
      ticksPen_([this] { StoreAndRepaint(); }),
      ticksInner_([this] { StoreAndRepaint(); }),
      minorTicks_([this] { StoreAndRepaint(); }),
      title_(chart) {
    if (chart_) chart_->Axes().push_back(this);
}

namespace {
TCustomAxisPanel* ChartOwning(TCollection* collection) {
    return collection ? dynamic_cast<TCustomAxisPanel*>(collection->GetOwner()) : nullptr;
}
}  // namespace

TChartAxis::TChartAxis(TCollection* collection) : TChartAxis(ChartOwning(collection)) {
    // this axis is in the chart's list already: six before it are the standard ones
    if (collection && chart_ && chart_->Axes().size() > 6) SetCollection(collection);
}

TChartAxis::~TChartAxis() {
    if (!chart_) return;
    chart_->CustomAxes().ForgetMaster(this);
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* series = chart_->SeriesAt(i);
        if (series->CustomHorizAxis() == this) series->SetCustomHorizAxis(nullptr);
        if (series->CustomVertAxis() == this) series->SetCustomVertAxis(nullptr);
    }
    auto& axes = chart_->Axes();
    axes.erase(std::remove(axes.begin(), axes.end(), this), axes.end());
    chart_->SetAxisShown(this, false);
}

void TChartAxis::Assign(const TChartAxis& s) {
    axisPen_.Assign(s.axisPen_);
    axisPen_.SetLineMode(s.axisPen_.LineMode());
    items_.CopyFrom(s.items_);
    ticksPen_.Assign(s.ticksPen_);
    ticksInner_.Assign(s.ticksInner_);
    minorTicks_.Assign(s.minorTicks_);
    grid_.Assign(s.grid_);
    minorGrid_.Assign(s.minorGrid_);
    title_.Assign(s.title_);
    labelsAlign_ = s.labelsAlign_;
    labelsAlternate_ = s.labelsAlternate_;
    labelsAngle_ = s.labelsAngle_;
    labelsExponent_ = s.labelsExponent_;
    labelsMultiLine_ = s.labelsMultiLine_;
    labelsSeparation_ = s.labelsSeparation_;
    labelsSize_ = s.labelsSize_;
    labelStyle_ = s.labelStyle_;
    labelsOnAxis_ = s.labelsOnAxis_;
    labels_ = s.labels_;
    titleSize_ = s.titleSize_;
    tickLength_ = s.tickLength_;
    minorTickLength_ = s.minorTickLength_;
    minorTickCount_ = s.minorTickCount_;
    tickInnerLength_ = s.tickInnerLength_;
    axisValuesFormat_ = s.axisValuesFormat_;
    increment_ = s.increment_;
    maximum_ = s.maximum_;
    maximumOffset_ = s.maximumOffset_;
    maximumRound_ = s.maximumRound_;
    minimum_ = s.minimum_;
    minimumOffset_ = s.minimumOffset_;
    minimumRound_ = s.minimumRound_;
    automatic_ = s.automatic_;
    automaticMaximum_ = s.automaticMaximum_;
    automaticMinimum_ = s.automaticMinimum_;
    dateTimeFormat_ = s.dateTimeFormat_;
    logarithmic_ = s.logarithmic_;
    logarithmicBase_ = s.logarithmicBase_;
    inverted_ = s.inverted_;
    exactDateTime_ = s.exactDateTime_;
    roundFirstLabel_ = s.roundFirstLabel_;
    tickOnLabelsOnly_ = s.tickOnLabelsOnly_;
    depth_ = s.depth_;
    startPosition_ = s.startPosition_;
    endPosition_ = s.endPosition_;
    positionPercent_ = s.positionPercent_;
    positionUnits_ = s.positionUnits_;
    visible_ = s.visible_;
    horizontal_ = s.horizontal_;
    otherSide_ = s.otherSide_;
}

void TChartAxis::StoreAndRepaint() {
    if (chart_) chart_->Invalidate();
}

// ---- setters ----

void TChartAxis::SetAutomatic(bool value) {
    automatic_ = value;
    if (!chart_ || !chart_->Loading()) automaticMinimum_ = automaticMaximum_ = value;
    StoreAndRepaint();
}

void TChartAxis::SetAutomaticMaximum(bool value) {
    automaticMaximum_ = value;
    if (!value)
        automatic_ = false;
    else if (automaticMinimum_)
        automatic_ = true;
    StoreAndRepaint();
}

void TChartAxis::SetAutomaticMinimum(bool value) {
    automaticMinimum_ = value;
    if (!value)
        automatic_ = false;
    else if (automaticMaximum_)
        automatic_ = true;
    StoreAndRepaint();
}

void TChartAxis::SetAxisValuesFormat(const std::string& v) {
    if (StoreIfChanged(axisValuesFormat_, v)) StoreAndRepaint();
}
void TChartAxis::SetDateTimeFormat(const std::string& v) {
    if (StoreIfChanged(dateTimeFormat_, v)) StoreAndRepaint();
}
void TChartAxis::SetExactDateTime(bool v) {
    if (StoreIfChanged(exactDateTime_, v)) StoreAndRepaint();
}

void TChartAxis::SetIncrement(double value) {
    if (!(value >= 0)) throw AxisException(ChartConst::AxisIncrementNegative);
    if (StoreIfChanged(increment_, value)) StoreAndRepaint();
}

void TChartAxis::SetInverted(bool v) {
    if (StoreIfChanged(inverted_, v)) StoreAndRepaint();
}
void TChartAxis::SetHorizontal(bool v) {
    if (StoreIfChanged(horizontal_, v)) StoreAndRepaint();
}
void TChartAxis::SetOtherSide(bool v) {
    if (StoreIfChanged(otherSide_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabels(bool v) {
    if (StoreIfChanged(labels_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelsAlign(TAxisLabelAlign v) {
    if (StoreIfChanged(labelsAlign_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelsAlternate(bool v) {
    if (StoreIfChanged(labelsAlternate_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelsAngle(int v) {
    if (StoreIfChanged(labelsAngle_, v % 360)) StoreAndRepaint();
}
void TChartAxis::SetLabelsExponent(bool v) {
    if (StoreIfChanged(labelsExponent_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelsMultiLine(bool v) {
    if (StoreIfChanged(labelsMultiLine_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelsOnAxis(bool v) {
    if (StoreIfChanged(labelsOnAxis_, v)) StoreAndRepaint();
}

void TChartAxis::SetLabelsSeparation(int value) {
    if (value < 0) throw AxisException(ChartConst::LabelsSeparationNegative);
    if (StoreIfChanged(labelsSeparation_, value)) StoreAndRepaint();
}

void TChartAxis::SetLabelsSize(int v) {
    if (StoreIfChanged(labelsSize_, v)) StoreAndRepaint();
}
void TChartAxis::SetLabelStyle(TAxisLabelStyle v) {
    if (StoreIfChanged(labelStyle_, v)) StoreAndRepaint();
}

void TChartAxis::SetLogarithmic(bool value) {
    if (value && ValuesAreDateTime()) throw AxisException(ChartConst::DateTimeAxisLogarithmic);
    if (value) {
        ComputeEffectiveRange();
        if (iMinimum_ < 0 || iMaximum_ < 0) throw AxisException(ChartConst::LogarithmicAxisNegative);
    }
    if (StoreIfChanged(logarithmic_, value)) StoreAndRepaint();
}

void TChartAxis::SetLogarithmicBase(double value) {
    if (value == 1 || !(value > 0)) throw AxisException(ChartConst::AxisLogarithmicBase);
    if (StoreIfChanged(logarithmicBase_, value)) StoreAndRepaint();
}

void TChartAxis::SetMaximum(double value) {
    if ((!chart_ || !chart_->Reading()) && value < minimum_) throw AxisException(ChartConst::AxisMaximumBelowMinimum);
    if (StoreIfChanged(maximum_, value)) StoreAndRepaint();
}

void TChartAxis::SetMinimum(double value) {
    if ((!chart_ || !chart_->Reading()) && value > maximum_) throw AxisException(ChartConst::AxisMinimumAboveMaximum);
    if (StoreIfChanged(minimum_, value)) StoreAndRepaint();
}

void TChartAxis::SetMaximumOffset(int v) {
    if (StoreIfChanged(maximumOffset_, v)) StoreAndRepaint();
}
void TChartAxis::SetMinimumOffset(int v) {
    if (StoreIfChanged(minimumOffset_, v)) StoreAndRepaint();
}
void TChartAxis::SetMaximumRound(bool v) {
    if (StoreIfChanged(maximumRound_, v)) StoreAndRepaint();
}
void TChartAxis::SetMinimumRound(bool v) {
    if (StoreIfChanged(minimumRound_, v)) StoreAndRepaint();
}
void TChartAxis::SetMinorTickCount(int v) {
    if (StoreIfChanged(minorTickCount_, v)) StoreAndRepaint();
}
void TChartAxis::SetMinorTickLength(int v) {
    if (StoreIfChanged(minorTickLength_, v)) StoreAndRepaint();
}
void TChartAxis::SetStartPosition(double v) {
    if (StoreIfChanged(startPosition_, v)) StoreAndRepaint();
}
void TChartAxis::SetEndPosition(double v) {
    if (StoreIfChanged(endPosition_, v)) StoreAndRepaint();
}
void TChartAxis::SetPositionPercent(double v) {
    if (StoreIfChanged(positionPercent_, v)) StoreAndRepaint();
}
void TChartAxis::SetPositionUnits(TChartUnits v) {
    if (StoreIfChanged(positionUnits_, v)) StoreAndRepaint();
}
void TChartAxis::SetRoundFirstLabel(bool v) {
    if (StoreIfChanged(roundFirstLabel_, v)) StoreAndRepaint();
}
void TChartAxis::SetTickInnerLength(int v) {
    if (StoreIfChanged(tickInnerLength_, v)) StoreAndRepaint();
}
void TChartAxis::SetTickLength(int v) {
    if (StoreIfChanged(tickLength_, v)) StoreAndRepaint();
}
void TChartAxis::SetTickOnLabelsOnly(bool v) {
    if (StoreIfChanged(tickOnLabelsOnly_, v)) StoreAndRepaint();
}
void TChartAxis::SetTitleSize(int v) {
    if (StoreIfChanged(titleSize_, v)) StoreAndRepaint();
}
void TChartAxis::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) StoreAndRepaint();
}

void TChartAxis::SetZPosition(double value) {
    if (value == 0) value = 0.01;
    if (StoreIfChanged(zPosition_, value)) StoreAndRepaint();
}

// ---- limits ----

void TChartAxis::SetLimits(double minimum, double maximum) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (minimum > maximum) std::swap(minimum, maximum);
    minimum_ = minimum;
    maximum_ = maximum;
    if (maximum_ - minimum_ < 1e-10) maximum_ = minimum_ + 1e-10;
    StoreAndRepaint();
    if (chart_) chart_->ApplyLinkedRange(this);
}

void TChartAxis::RestoreScale(bool automatic, bool automaticMinimum, bool automaticMaximum, double minimum,
                              double maximum) {
    automatic_ = automatic;
    automaticMinimum_ = automaticMinimum;
    automaticMaximum_ = automaticMaximum;
    minimum_ = minimum;
    maximum_ = maximum;
    StoreAndRepaint();
}

void TChartAxis::ShiftRange(double offset, bool checkLimits) {
    if (checkLimits) {
        if (!chart_) return;
        const bool beyondTop = offset > 0 && chart_->ComputeAxisExtreme(this, false, horizontal_) > maximum_;
        const bool beyondBottom = offset < 0 && chart_->ComputeAxisExtreme(this, true, horizontal_) < minimum_;
        if (!beyondTop && !beyondBottom) return;
    }
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    maximum_ += offset;
    minimum_ += offset;
    StoreAndRepaint();
}

void TChartAxis::ReadAutomaticRange() {
    if (!chart_) return;
    if (automatic_ || automaticMaximum_) maximum_ = chart_->ComputeAxisExtreme(this, false, horizontal_);
    if (automatic_ || automaticMinimum_) minimum_ = chart_->ComputeAxisExtreme(this, true, horizontal_);
}

void TChartAxis::RecomputeScale() {
    iRange_ = iMaximum_ - iMinimum_;
    iRangeZero_ = iRange_ == 0;
    iAxisScale_ = iRangeZero_ ? 0 : iAxisSize_ / iRange_;
    if (logarithmic_) {
        iLogMin_ = iMinimum_ > 0 ? std::log(iMinimum_) : 0;
        iLogMax_ = iMaximum_ > 0 ? std::log(iMaximum_) : 0;
        iLogRange_ = iLogMax_ - iLogMin_;
        iAxisLogScale_ = iLogRange_ == 0 ? 0 : iAxisSize_ / iLogRange_;
    }
    if (chart_) {
        const int d = depth_ ? chart_->PlotRect().Height() : chart_->Depth3DWidth();
        iZPos_ = static_cast<int>(Round(zPosition_ * d * 0.01));
    }
}

void TChartAxis::ComputeEffectiveRange() {
    ReadAutomaticRange();
    iMaximum_ = maximum_;
    iMinimum_ = minimum_;
    iAxisDateTime_ = ValuesAreDateTime();
    RecomputeScale();
    if (iAxisSize_ == 0 || iRangeZero_) return;
    bool rounded = false;
    double inc = 0;
    if (maximumRound_ && (automatic_ || automaticMaximum_)) {
        inc = LabelStep();
        if (inc != 0) {
            iMaximum_ = inc * std::ceil(iMaximum_ / inc);
            rounded = true;
        }
    }
    if (minimumRound_ && (automatic_ || automaticMinimum_)) {
        if (inc == 0) inc = LabelStep();
        if (inc != 0) {
            iMinimum_ = inc * std::floor(iMinimum_ / inc);
            rounded = true;
        }
    }
    if (rounded) RecomputeScale();
}

void TChartAxis::ComputePixelSpan() {
    int base = 0;
    int size = 0;
    if (depth_) {
        size = chart_ ? chart_->Depth3DWidth() : 0;
    } else if (chart_) {
        const TRect r = chart_->PlotRect();
        base = horizontal_ ? r.Left : r.Top;
        size = horizontal_ ? r.Width() : r.Height();
    }
    iStartPos_ = base + static_cast<int>(Round(size * 0.01 * startPosition_));
    iEndPos_ = base + static_cast<int>(Round(size * 0.01 * endPosition_));
    iAxisSize_ = iEndPos_ - iStartPos_;
    iCenterPos_ = (iStartPos_ + iEndPos_) / 2;
    RecomputeScale();
}

void TChartAxis::ApplyPixelMargins(const TRect& margins) {
    const int m1 = horizontal_ ? margins.Left : margins.Top;
    const int m2 = horizontal_ ? margins.Right : margins.Bottom;
    const int s0 = iStartPos_;
    const int e0 = iEndPos_;
    iStartPos_ = s0 + m1;
    iEndPos_ = e0 - m2;
    iAxisSize_ = iEndPos_ - iStartPos_;
    const double atStart = ScreenToValue(s0);
    const double atEnd = ScreenToValue(e0);
    ComputePixelSpan();
    iMaximum_ = atStart;
    iMinimum_ = atEnd;
    if (iMinimum_ > iMaximum_) std::swap(iMinimum_, iMaximum_);
    RecomputeScale();
}

void TChartAxis::SetPixelSpan(int start, int end) {
    iStartPos_ = start;
    iEndPos_ = end;
    iAxisSize_ = end - start;
    iCenterPos_ = (start + end) / 2;
    RecomputeScale();
}

void TChartAxis::SetEffectiveRange(double minimum, double maximum) {
    iMinimum_ = minimum;
    iMaximum_ = maximum;
    RecomputeScale();
}

bool TChartAxis::ValuesAreDateTime() const {
    if (!chart_) return false;
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* series = chart_->SeriesAt(i);
        if (!series->Active()) continue;
        if (TChartValueList* list = series->ValueListForAxis(this)) return list->DateTime();
    }
    return false;
}

// ---- value <-> pixel ----

int TChartAxis::CurvedValueToScreenX(double x) const {
    if (depth_) {
        if (iRangeZero_) return iCenterPos_;
        return static_cast<int>(Round(inverted_ ? (iMaximum_ - x) * iAxisScale_ : (x - iMinimum_) * iAxisScale_));
    }
    if (iLogRange_ == 0) return iCenterPos_;
    if (x <= 0) return inverted_ ? iEndPos_ : iStartPos_;
    if (inverted_) return iStartPos_ + static_cast<int>(Round(iAxisLogScale_ * (iLogMax_ - std::log(x))));
    return iStartPos_ + static_cast<int>(Round(iAxisLogScale_ * (std::log(x) - iLogMin_)));
}

int TChartAxis::CurvedValueToScreenY(double x) const {
    if (iLogRange_ == 0) return iCenterPos_;
    if (x <= 0) return inverted_ ? iStartPos_ : iEndPos_;
    if (inverted_) return iEndPos_ - static_cast<int>(Round(iAxisLogScale_ * (iLogMax_ - std::log(x))));
    return iEndPos_ - static_cast<int>(Round(iAxisLogScale_ * (std::log(x) - iLogMin_)));
}

int TChartAxis::ValueToScreen(double value) const {
    return horizontal_ ? ValueToScreenX(value) : ValueToScreenY(value);
}

double TChartAxis::ScreenToValue(int p) const {
    if (!logarithmic_) {
        if (iAxisSize_ < 1) return 0;
        const double a = (inverted_ ? iEndPos_ - p : p - iStartPos_) * iRange_ / iAxisSize_;
        return horizontal_ ? iMinimum_ + a : iMaximum_ - a;
    }
    // which limit stands at the start pixel
    const bool minimumAtStart = horizontal_ != inverted_;
    if (p == iStartPos_) return minimumAtStart ? iMinimum_ : iMaximum_;
    if (p == iEndPos_) return minimumAtStart ? iMaximum_ : iMinimum_;
    if (iLogRange_ == 0 || iAxisSize_ == 0) return iMinimum_;
    const double c = (inverted_ ? iEndPos_ - p : p - iStartPos_) * iLogRange_ / iAxisSize_;
    return horizontal_ ? std::exp(iLogMin_ + c) : std::exp(iLogMax_ - c);
}

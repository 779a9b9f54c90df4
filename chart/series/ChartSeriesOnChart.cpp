// What a series does among the other series of its chart: depths it shares,
// the mouse over it, the chart's pages, and sample points for previews.

#include "chart/series/ChartSeries.h"

#include "chart/axes/ChartAxis.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ColorPalette.h"
#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <random>

namespace {

// The engine's one pseudo-random sequence for sample points.
std::mt19937& SampleRandom() {
    static std::mt19937 generator(std::random_device{}());
    return generator;
}

int RandomBelow(int k) { return std::uniform_int_distribution<int>(0, k - 1)(SampleRandom()); }

}  // namespace

std::vector<std::string> TChartSeries::ListSubGalleryStyles() const { return {ChartConst::StyleNormal}; }

void TChartSeries::SetupForGallery(bool enabled) {
    FillSampleValues(4);
    marks_.SetVisible(false);
    marks_.Font().SetSize(7);
    marks_.Callout().SetLength(4);
    marks_.SetDrawEvery(2);
    marks_.Font().SetSize(7);
    marks_.Callout().SetLength(4);
    marks_.SetDrawEvery(2);
    colorEachPoint_ = false;
    if (!enabled)
        SetSeriesColor(clSilver);
    else if (parentChart_)
        SetSeriesColor(parentChart_->GetPaletteColor(parentChart_->SeriesIndexOf(this) == 0 ? 0 : 3));
    else
        SetSeriesColor(DefaultColorAt(0));
}

void TChartSeries::SetGallery3D(bool value) {
    if (parentChart_) parentChart_->SetView3D(value);
}

bool TChartSeries::IsSameKind(const TChartSeries* a, const TChartSeries* b) {
    return a->ClassType().InheritsFrom(b->ClassType()) || b->ClassType().InheritsFrom(a->ClassType());
}

bool TChartSeries::SharesZOrder() const {
    if (!parentChart_ || !parentChart_->UseZOrder()) return false;
    for (int i = 0; i < parentChart_->SeriesCount(); ++i) {
        const TChartSeries* s = parentChart_->SeriesAt(i);
        if (s != this && s->Active() && s->HighestZ() == s->LowestZ() && s->EffectiveZOrder() == EffectiveZOrder())
            return true;
    }
    return false;
}

bool TChartSeries::IsDrawingVisible() const {
    if (!active_) return false;
    if (!parentChart_) return true;
    for (int i = 0; i < parentChart_->SeriesCount(); ++i) {
        const TChartSeries* s = parentChart_->SeriesAt(i);
        if (s == this) break;
        if (s->Active() && s->EffectiveZOrder() == EffectiveZOrder()) return false;
    }
    return true;
}

void TChartSeries::NotifySeriesTools(int event) {
    if (!parentChart_) return;
    // a tool may go inactive as it hears the event
    const std::vector<TChartTool*> tools = parentChart_->Tools();
    for (TChartTool* tool : tools)
        if (tool->Active && tool->Series == this) tool->ChartEvent(event);
}

void TChartSeries::DoBeforeDrawValues() {
    NotifySeriesTools(cteBeforeDrawSeries);
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    NotifySeriesTools(cteAfterDrawSeries);
    if (AfterDrawValues) AfterDrawValues(this);
}

bool TChartSeries::CheckMouseOver(int x, int y) {
    if (cursor_ == 0 && !OnMouseEnter && !OnMouseLeave) return false;
    if (ClickedIndex(x, y) != -1) {
        if (cursor_ != 0 && parentChart_) parentChart_->SetCursor(cursor_);
        if (!mouseInside_) {
            mouseInside_ = true;
            if (OnMouseEnter) OnMouseEnter(this);
        }
        return true;
    }
    if (mouseInside_) {
        mouseInside_ = false;
        if (OnMouseLeave) OnMouseLeave(this);
    }
    return false;
}

void TChartSeries::PageRange(int& first, int& last) const {
    const int count = Count();
    if (count == 0) {
        first = last = -1;
        return;
    }
    const int perPage = parentChart_ ? parentChart_->Pages().MaxPointsPerPage() : 0;
    if (perPage <= 0) {
        first = 0;
        last = count - 1;
        return;
    }
    first = perPage * (parentChart_->Pages().Current() - 1);
    if (first >= count) first = perPage * std::max(0, count / perPage - 1);
    last = first + perPage - 1;
    if (last >= count) last = first + count % perPage - 1;
}

void TChartSeries::SetColorSource(const std::string& value) {
    if (colorSource_ == value) return;
    colorSource_ = value;
    RefreshFromSource();
}

void TChartSeries::SetXLabelsSource(const std::string& value) {
    if (xLabelsSource_ == value) return;
    xLabelsSource_ = value;
    RefreshFromSource();
}

void TChartSeries::FillSampleValues(int count) {
    if (count < 0) throw ChartException(ChartConst::SampleValuesCount);
    if (count == 0) count = sampleCount_ > 0 ? sampleCount_ : SamplePointCount();
    Clear();
    SampleRandom().seed(static_cast<unsigned>(RandomBelow(7774444)));
    BeginUpdate();
    struct EndAtExit {
        TChartSeries* series;
        ~EndAtExit() { series->EndUpdate(); }
    } end{this};
    GenerateSamplePoints(count, false);
    SortByMandatory();
    hasOwnData_ = false;
}

void TChartSeries::GenerateSamplePoints(int count, bool mandatoryOnly) {
    double minY = 0, maxY = 1000, minX, maxX;
    bool fromChart = false;
    if (parentChart_ && effectiveHorizAxis_ && effectiveVertAxis_) {
        for (int i = 0; i < parentChart_->SeriesCount() && !fromChart; ++i) {
            const TChartSeries* s = parentChart_->SeriesAt(i);
            fromChart = s->Active() && s->Count() > 0;
        }
    }
    if (fromChart) {
        minY = parentChart_->LowestY(effectiveVertAxis_);
        maxY = parentChart_->HighestY(effectiveVertAxis_);
        minX = parentChart_->LowestX(effectiveHorizAxis_);
        maxX = parentChart_->HighestX(effectiveHorizAxis_);
        if (maxY == minY) maxY = minY != 0 ? 2 * minY : 1000;
        if (maxX == minX) maxX = minX != 0 ? 2 * minX : count - 1;
    } else if (xValues_->DateTime()) {
        // today, in days since 30 December 1899 (the Unix epoch is day 25569)
        minX = std::floor(static_cast<double>(std::time(nullptr)) / 86400) + 25569;
        maxX = minX + count - 1;
    } else {
        minX = 0;
        maxX = count - 1;
    }
    double stepX = maxX - minX;
    if (count > 1) stepX /= count - 1;
    const double difY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
    double y = RandomBelow(100) * difY * 0.01 + minY;
    double x = minX;
    for (int i = 0; i < count; ++i) {
        const double q = difY * 0.25;
        y = std::fabs(q * RandomBelow(100) * 0.01 + y - q * 0.5);
        if (mandatoryOnly) {
            Add(y);
        } else {
            AddPointXY(x, y);
            x += stepX;
        }
    }
}

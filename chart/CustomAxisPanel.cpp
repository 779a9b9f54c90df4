#include "chart/CustomAxisPanel.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"

#include <algorithm>

// ---- custom axes ----

TChartAxis* TChartCustomAxes::Add() {
    axes_.push_back(std::make_unique<TChartAxis>(chart_));
    masters_.push_back(nullptr);
    return axes_.back().get();
}

void TChartCustomAxes::SetMaster(TChartAxis* axis, TChartAxis* master) {
    for (std::size_t i = 0; i < axes_.size(); ++i)
        if (axes_[i].get() == axis) masters_[i] = master;
}

void TChartCustomAxes::ApplyLinkedRange(TChartAxis* master) {
    for (std::size_t i = 0; i < axes_.size(); ++i)
        // an axis linked to itself would never stop following
        if (masters_[i] == master && axes_[i].get() != master)
            axes_[i]->SetLimits(master->Minimum(), master->Maximum());
}

// ---- life ----

TCustomAxisPanel::TCustomAxisPanel() {
    auto make = [this](bool depth) -> TChartAxis* {
        if (depth)
            standardAxes_.push_back(std::make_unique<TChartDepthAxis>(this));
        else
            standardAxes_.push_back(std::make_unique<TChartAxis>(this));
        return standardAxes_.back().get();
    };
    bottomAxis_ = make(false);
    bottomAxis_->SetHorizontal(true);
    topAxis_ = make(false);
    topAxis_->SetHorizontal(true);
    topAxis_->SetOtherSide(true);
    topAxis_->SetZPosition(100);
    topAxis_->Grid().SetZPosition(100);
    leftAxis_ = make(false);
    leftAxis_->Title().SetDefaultAngle(90);
    rightAxis_ = make(false);
    rightAxis_->Title().SetDefaultAngle(270);
    rightAxis_->SetOtherSide(true);
    rightAxis_->SetZPosition(100);
    rightAxis_->Grid().SetZPosition(100);
    depthAxis_ = make(true);
    depthAxis_->SetOtherSide(true);
    depthTopAxis_ = make(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
    // the series belong to their owners; they only leave the chart
    while (!series_.empty()) series_.back()->SetParentChart(nullptr);
    customAxes_.Clear();
    standardAxes_.clear();
}

// ---- series ----

int TCustomAxisPanel::SeriesIndexOf(const TCustomChartSeries* series) const {
    for (int i = 0; i < SeriesCount(); ++i)
        if (series_[i] == series) return i;
    return -1;
}

void TCustomAxisPanel::AddSeries(TCustomChartSeries* element) {
    auto* series = dynamic_cast<TChartSeries*>(element);
    if (!series || SeriesIndexOf(series) >= 0) return;
    series->StoreParentChart(this);
    series->AttachedToChart();
    series_.push_back(series);
    AnnounceSeriesEvent(series, seAdd);
    if (OnAddSeries) OnAddSeries(series);
    Invalidate();
}

void TCustomAxisPanel::DeleteSeries(int index) {
    if (index < 0 || index >= SeriesCount()) return;
    TChartSeries* series = series_[index];
    AnnounceSeriesEvent(series, seRemove);
    series->DetachedFromChart();
    series_.erase(series_.begin() + index);
    if (OnRemoveSeries) OnRemoveSeries(series);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TCustomChartSeries* series) { DeleteSeries(SeriesIndexOf(series)); }

int TCustomAxisPanel::ActiveSeriesCount() const {
    return static_cast<int>(std::count_if(series_.begin(), series_.end(), [](TChartSeries* s) { return s->Active(); }));
}

std::string TCustomAxisPanel::LegendSeriesTitle(int index, bool onlyActive) const {
    int row = 0;
    for (TChartSeries* s : series_) {
        if (!s->ShowInLegend() || (onlyActive && !s->Active())) continue;
        if (row++ == index) {
            if (s->Title().empty()) return s->SeriesDisplayName();
            std::string title = s->Title();
            std::replace(title.begin(), title.end(), '\x06', ' ');
            return title;
        }
    }
    return std::string();
}

void TCustomAxisPanel::RefreshSeriesData(TChartSeries* series) {
    if (loading_) return;
    if (!series->SourceSeries().empty()) series->AddAllFrom(series->SourceSeries().front());
}

void TCustomAxisPanel::AnnounceSeriesEvent(TCustomChartSeries* series, std::uint8_t kind) {
    for (const auto& listener : SeriesEventListeners) listener(series, kind);
}

// ---- axes and extremes ----

bool TCustomAxisPanel::AxisWithoutActiveSeries(const TChartAxis* axis) const {
    return std::none_of(series_.begin(), series_.end(),
                        [axis](TChartSeries* s) { return s->Active() && s->IsBoundToAxis(axis); });
}

TChartSeries* TCustomAxisPanel::FirstSeriesOnAxis(const TChartAxis* axis) const {
    const bool noneActive = AxisWithoutActiveSeries(axis);
    for (TChartSeries* s : series_)
        if (s->IsBoundToAxis(axis) && (s->Active() || noneActive)) return s;
    return nullptr;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(const TChartAxis* axis) const {
    const bool noneActive = AxisWithoutActiveSeries(axis);
    TChartSeries* best = nullptr;
    for (TChartSeries* s : series_)
        if (s->IsBoundToAxis(axis) && (s->Active() || noneActive) && (!best || s->Count() > best->Count())) best = s;
    return best;
}

double TCustomAxisPanel::ComputeAxisExtreme(TChartAxis* axis, bool isMin, bool isX) {
    if (axis->IsDepthAxis()) {
        if (axis->EffectiveLabelStyle() == talValue) {
            bool first = true;
            double result = 0;
            for (TChartSeries* s : series_) {
                if (!s->Active()) continue;
                const double v = isMin ? s->LowestZ() : s->HighestZ();
                if (first || (isMin ? v < result : v > result)) result = v;
                first = false;
            }
            return result;
        }
        return isMin ? -0.5 : highestZOrder_ + 0.5;
    }
    const bool noneActive = AxisWithoutActiveSeries(axis);
    bool taken = false;
    double result = 0;
    for (TChartSeries* s : series_) {
        if ((!s->Active() && !noneActive) || s->Count() == 0) continue;
        if (isX) {
            if (s->HorizAxis() != aBothHorizAxis && s->GetHorizAxis() != axis) continue;
        } else if (s->VertAxis() != aBothVertAxis && s->GetVertAxis() != axis) {
            continue;
        }
        const double v = isX ? (isMin ? s->LowestX() : s->HighestX()) : (isMin ? s->LowestY() : s->HighestY());
        if (!taken || (isMin ? v < result : v > result)) result = v;
        taken = true;
    }
    return result;
}

// ---- colours ----

TColor TCustomAxisPanel::GetPaletteColor(int index) const {
    if (PaletteColors.empty()) return DefaultColorAt(index);
    return PaletteColors[static_cast<std::size_t>(index) % PaletteColors.size()];
}

TColor TCustomAxisPanel::NextFreeSeriesColor(bool checkBackground, TChartSeries* series) {
    const TColorArray& palette = PaletteColors.empty() ? DefaultColorPalette : PaletteColors;
    const int last = static_cast<int>(palette.size()) - 1;
    for (int i = 0; i <= last; ++i)
        if (SeriesColorIsFree(palette[i], checkBackground, series)) return palette[i];
    return last >= 0 ? palette[last] : clDefault;
}

// ---- text ----

int TCustomAxisPanel::WidestLineWidth(const std::string& text, int& lineCount) {
    lineCount = 0;
    int widest = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        ++lineCount;
        if (canvas_) widest = std::max(widest, canvas_->TextWidth(text.substr(start, end - start)));
        start = end + 1;
    }
    return widest;
}

int TCustomAxisPanel::FontHeight() { return canvas_ ? canvas_->FontLineHeight() : 0; }

int TCustomAxisPanel::WidestTextWidth() {
    int widest = 0;
    int lines = 0;
    for (TChartSeries* s : series_)
        for (const std::string& label : s->Labels().Items()) widest = std::max(widest, WidestLineWidth(label, lines));
    return widest;
}

bool TCustomAxisPanel::AxisIsVisible(const TChartAxis* axis) const {
    return std::find(shownAxes_.begin(), shownAxes_.end(), axis) != shownAxes_.end();
}

void TCustomAxisPanel::SetAxisShown(const TChartAxis* axis, bool shown) {
    shownAxes_.erase(std::remove(shownAxes_.begin(), shownAxes_.end(), axis), shownAxes_.end());
    if (shown) shownAxes_.push_back(axis);
}

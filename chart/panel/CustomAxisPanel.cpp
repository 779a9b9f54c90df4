#include "chart/panel/CustomAxisPanel.h"

#include "chart/axes/ChartDepthAxis.h"
#include "chart/canvas/ChartCanvas.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/series/ChartFunction.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/ChartSeriesSource.h"
#include "common/TextFormatting.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"

#include <algorithm>

// ---- life ----

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner) : TCustomChartPanelExtended(owner) {
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
    topAxis_->Grid().SetDefaultZPosition(100);
    leftAxis_ = make(false);
    leftAxis_->Title().SetDefaultAngle(90);
    rightAxis_ = make(false);
    rightAxis_->Title().SetDefaultAngle(270);
    rightAxis_->SetOtherSide(true);
    rightAxis_->SetZPosition(100);
    rightAxis_->Grid().SetDefaultZPosition(100);
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

void TCustomAxisPanel::DestroyAllSeries(const std::function<bool(const TChartSeries&)>& ofClass) {
    for (std::size_t i = 0; i < series_.size();) {
        TChartSeries* series = series_[i];
        if (ofClass && !ofClass(*series)) {
            ++i;
            continue;
        }
        series->SetParentChart(nullptr);
        delete series;
    }
}

void TCustomAxisPanel::DefineProperties(TFiler& filer) {
    TCustomChartPanelExtended::DefineProperties(filer);
    filer.DefineProperty(
        "MaxPointsPerPage", [this](TReader& r) { pages_.SetMaxPointsPerPage(static_cast<int>(r.ReadInteger())); },
        nullptr, false);
    filer.DefineProperty("Page", [this](TReader& r) { pages_.SetCurrent(static_cast<int>(r.ReadInteger())); }, nullptr,
                         false);
    filer.DefineProperty("ScaleLastPage", [this](TReader& r) { pages_.SetScaleLastPage(r.ReadBoolean()); }, nullptr,
                         false);
}

void TCustomAxisPanel::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TCustomChartPanelExtended::GetChildren(proc, root);
    for (TChartSeries* s : series_) proc(s);
}

void TCustomAxisPanel::Assign(const TPersistent* source) {
    if (auto* panel = dynamic_cast<const TCustomAxisPanel*>(source)) {
        chart3DPercent_ = panel->chart3DPercent_;
        axisBehind_ = panel->axisBehind_;
        axisVisible_ = panel->axisVisible_;
        bottomAxis_->Assign(*panel->bottomAxis_);
        clipPoints_ = panel->clipPoints_;
        PaletteColors = panel->PaletteColors;
        customAxes_.Assign(panel->customAxes_);
        leftAxis_->Assign(*panel->leftAxis_);
        depthAxis_->Assign(*panel->depthAxis_);
        depthTopAxis_->Assign(*panel->depthTopAxis_);
        pages_.Assign(panel->pages_);
        rightAxis_->Assign(*panel->rightAxis_);
        topAxis_->Assign(*panel->topAxis_);
        view3DWalls_ = panel->view3DWalls_;
    }
    TCustomChartPanel::Assign(source);
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

int TCustomAxisPanel::LargestPointCount() const {
    int largest = 0;
    for (TChartSeries* s : series_)
        if (s->Active()) largest = std::max(largest, s->Count());
    return largest;
}

TChartSeries* TCustomAxisPanel::SeriesOfLegendRow(int index, bool onlyActive) const {
    int row = 0;
    for (TChartSeries* s : series_) {
        if (!s->ShowInLegend() || (onlyActive && !s->Active())) continue;
        if (row++ == index) return s;
    }
    return nullptr;
}

std::string TCustomAxisPanel::LegendSeriesTitle(int index, bool onlyActive) const {
    TChartSeries* s = SeriesOfLegendRow(index, onlyActive);
    if (!s) return std::string();
    if (s->Title().empty()) return s->SeriesDisplayName();
    std::string title = s->Title();
    std::replace(title.begin(), title.end(), '\x06', ' ');
    return title;
}

void TCustomAxisPanel::CheckCircularSource(const TChartSeries* destination, TChartSeries* source) const {
    if (!source) return;
    // a chain of sources longer than the series there are must hold a cycle
    std::vector<TChartSeries*> pending{source};
    std::vector<TChartSeries*> seen;
    while (!pending.empty()) {
        TChartSeries* s = pending.back();
        pending.pop_back();
        if (std::find(seen.begin(), seen.end(), s) != seen.end()) continue;
        seen.push_back(s);
        for (TChartSeries* feeder : s->SourceSeries()) {
            if (feeder == destination) throw ChartException(ChartConst::CircularSeriesSources);
            pending.push_back(feeder);
        }
    }
}

namespace {

// Ends a series' update also when its calculation fails.
class SeriesUpdate {
public:
    explicit SeriesUpdate(TChartSeries& series) : series_(series) { series_.BeginUpdate(); }
    ~SeriesUpdate() { series_.EndUpdate(); }
    SeriesUpdate(const SeriesUpdate&) = delete;
    SeriesUpdate& operator=(const SeriesUpdate&) = delete;

private:
    TChartSeries& series_;
};

}  // namespace

void TCustomAxisPanel::RefreshSeriesData(TChartSeries* series) {
    if (series->IsLoading()) return;
    TComponent* source = series->DataSource();
    if (auto* feeder = dynamic_cast<TChartSeries*>(source)) {
        series->AddAllFrom(feeder);
    } else if (auto* outside = dynamic_cast<TChartSeriesSource*>(source)) {
        outside->Reload();
    } else if (TChartFunction* function = series->FunctionType(); !source && function && !function->Suspended()) {
        // the engine's functions compute only from sources: without one the series stays empty
        SeriesUpdate update(*series);
        series->Clear();
    } else if (!source && !function && !series->HasOwnData() && series->WantsSampleValues()) {
        series->FillSampleValues(series->SamplePointCount());
    }
}

bool TCustomAxisPanel::AcceptsDataSource(TChartSeries* series, TComponent* component) {
    if (series->AcceptsSource(component)) return true;
    auto* source = dynamic_cast<TChartSeriesSource*>(component);
    return source && source->IsAvailableFor(this);
}

void TCustomAxisPanel::DataSourceRemoved(TChartSeries* series, TComponent* component) {
    auto* source = dynamic_cast<TChartSeriesSource*>(component);
    if (source && source == series->DataSource()) source->AttachSeries(nullptr);
}

void TCustomAxisPanel::AnnounceSeriesEvent(TCustomChartSeries* series, std::uint8_t kind) {
    if (SuppressSeriesEvents) return;
    TChartSeriesEvent event;
    event.Event = kind;
    event.Series = series;
    AnnounceEvent(event);
}

// ---- axes and extremes ----

bool TCustomAxisPanel::AxisHasSeries(const TChartAxis* axis) const {
    for (TChartSeries* s : series_) {
        if (!s->Active()) continue;
        if (!s->UsesAxes()) return false;
        if (s->IsBoundToAxis(axis)) return true;
    }
    return ActiveSeriesCount() == 0;
}

bool TCustomAxisPanel::ComputeAxisVisible(const TChartAxis* axis) const {
    if (!axisVisible_ || !axis->Visible()) return false;
    if (axis->IsDepthAxis()) return view3D_;
    return AxisHasSeries(axis);
}

void TCustomAxisPanel::SetAxisVisible(bool value) {
    if (axisVisible_ == value) return;
    axisVisible_ = value;
    Invalidate();
}

void TCustomAxisPanel::SetClipPoints(bool value) {
    if (StoreIfChanged(clipPoints_, value)) Invalidate();
}

void TCustomAxisPanel::SetAxisBehind(bool value) {
    if (axisBehind_ == value) return;
    axisBehind_ = value;
    Invalidate();
}

void TCustomAxisPanel::SetView3DWalls(bool value) {
    if (view3DWalls_ == value) return;
    view3DWalls_ = value;
    Invalidate();
}

void TCustomAxisPanel::SetChart3DPercent(int value) {
    constexpr int lowest = 1, highest = 100;
    if (value < lowest || value > highest)
        throw Exception(FormatString(ChartConst::Chart3DPercentRange, {lowest, highest}));
    if (chart3DPercent_ == value) return;
    chart3DPercent_ = value;
    Invalidate();
}

// ---- depth ----

void TCustomAxisPanel::ComputeDepthSize() {
    if (!view3D_) {
        seriesDepthWidth_ = seriesDepthHeight_ = depth3DWidth_ = depth3DHeight_ = 0;
        return;
    }
    const double a = chart3DPercent_ * 0.001;
    const bool orthogonal = view3DOptions_.Orthogonal();
    seriesDepthWidth_ = RoundToInt(plotWidth_ * (orthogonal ? a : 2 * a));
    const double f = view3DOptions_.ObliqueSlope();
    if (f > 1) seriesDepthWidth_ = RoundToInt(seriesDepthWidth_ / f);
    seriesDepthHeight_ = RoundToInt(seriesDepthWidth_ * f);
    const int n = useZOrder_ ? std::max(1, highestZOrder_ + 1) : 1;
    depth3DHeight_ = n * seriesDepthHeight_;
    depth3DWidth_ = n * seriesDepthWidth_;
}

void TCustomAxisPanel::ComputeSeriesDrawOrderFlag() {
    seriesDrawOrderFlag_ = false;
    if (!view3D_) return;
    if (view3DOptions_.Orthogonal())
        seriesDrawOrderFlag_ = view3DOptions_.OrthoAngle() > 90;
    else
        seriesDrawOrderFlag_ = view3DOptions_.Rotation() < 180;
}

bool TCustomAxisPanel::IsPlaneReversed(int z) {
    if (!canvas_ || canvas_->SupportsRotation3D()) return false;
    const TRect& r = plotRect_;
    return !IsBackFace(canvas_->ChartToScreen(r.Left, r.Top, z), canvas_->ChartToScreen(r.Right, r.Top, z),
                       canvas_->ChartToScreen(r.Right, r.Bottom, z));
}

// ---- tools ----

void TCustomAxisPanel::Dispatch(TMessage& message) {
    TCustomChartPanelExtended::Dispatch(message);
    if (message.Msg == CM_MOUSELEAVE) AnnounceToolEvent(cteMouseLeave);
}

void TCustomAxisPanel::AnnounceToolEvent(int event) {
    for (TChartTool* tool : tools_)
        if (tool->Active) tool->ChartEvent(event);
}

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
    TChartSeries* first = FirstSeriesOnAxis(axis);
    const bool alongIndex = (!first || first->YMandatory()) ? isX : !isX;
    const int perPage = pages_.MaxPointsPerPage();
    if (perPage >= 1 && alongIndex) {
        TChartSeries* widest = GetAxisSeriesMaxPoints(axis);
        if (!widest || widest->Count() == 0) return 0;
        int firstIndex = perPage * (pages_.Current() - 1);
        const int count = widest->Count();
        if (firstIndex >= count) firstIndex = perPage * std::max(0, count / perPage - 1);
        int lastIndex = firstIndex + perPage - 1;
        if (lastIndex >= count) lastIndex = firstIndex + (count % perPage) - 1;
        TChartValueList& list = isX ? widest->XValues() : widest->YValues();
        if (isMin) return list[firstIndex];
        double max = list[lastIndex];
        const int d = lastIndex - firstIndex + 1;
        if (!pages_.ScaleLastPage() && d < perPage) {
            const double e = list[firstIndex];
            max = max != e ? e + perPage * (max - e) / d : e + static_cast<double>(perPage) / d;
        }
        return max;
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
        if (perPage >= 1 && pages_.AutoScale()) {
            // only the points of the current page count
            const int f = pages_.FirstValueIndex();
            if (f >= s->Count()) continue;
            TChartValueList& list = isX ? s->XValues() : s->YValues();
            const int end = std::min(f + perPage, s->Count());
            for (int i = f; i < end; ++i) {
                if (!taken || (isMin ? list[i] < result : list[i] > result)) result = list[i];
                taken = true;
            }
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

void TCustomAxisPanel::AssignSeriesColors() {
    for (TChartSeries* s : series_)
        if (!s->SeriesColorStored()) s->SetAutomaticColor(NextFreeSeriesColor(true, s));
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

void TCustomAxisPanel::Loaded() {
    TCustomChartPanelExtended::Loaded();
    seriesGroups_.ResolveNames(Owner());
}

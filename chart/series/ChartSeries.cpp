#include "chart/series/ChartSeries.h"

#include "chart/axes/ChartAxis.h"
#include "chart/canvas/Canvas3D.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ColorPalette.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartFunction.h"
#include "common/TextFormatting.h"

#include "chart/text/TextRoutines.h"
#include "ui/core/PublishedProperties.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

// ---- series: life ----

const TClassInfo& TChartSeries::StaticClass() {
    static const TClassInfo info = TPublished<TChartSeries>("TChartSeries", TCustomChartSeries::StaticClass())
        .Object("Brush", &TBrush::StaticClass, [](TChartSeries& s) { return &s.Brush(); }, nullptr)
        .Boolean("ColorEachPoint", &TChartSeries::ColorEachPoint, &TChartSeries::SetColorEachPoint, false)
        .String("ColorSource", &TChartSeries::ColorSource, &TChartSeries::SetColorSource)
        .Stored([](const TChartSeries& s) { return !s.ColorSource().empty(); })
        .Integer("Cursor", &TChartSeries::Cursor, &TChartSeries::SetCursor, 0)
        .Object("DataSource", &TComponent::StaticClass, &TChartSeries::DataSource, &TChartSeries::SetDataSource)
        .Integer("Depth", &TChartSeries::Depth, &TChartSeries::SetDepth, -1)
        .Enumeration("HorizAxis", HorizAxisInfo(), &TChartSeries::HorizAxis, &TChartSeries::SetHorizAxis, aBottomAxis)
        .Object("Marks", &TSeriesMarks::StaticClass,
                [](TChartSeries& s) { return &s.Marks(); }, nullptr)
        .String("PercentFormat", &TChartSeries::PercentFormat, &TChartSeries::SetPercentFormat)
        .Stored([](const TChartSeries& s) { return s.PercentFormat() != ChartConst::DefaultPercentFormat; })
        .Integer("SeriesColor", &TChartSeries::SeriesColor, &TChartSeries::SetSeriesColor)
        .Stored(&TChartSeries::SeriesColorStored)
        .String("ValueFormat", &TChartSeries::ValueFormat, &TChartSeries::SetValueFormat)
        .Stored([](const TChartSeries& s) { return s.ValueFormat() != ChartConst::DefaultValueFormat; })
        .Enumeration("VertAxis", VertAxisInfo(), &TChartSeries::VertAxis, &TChartSeries::SetVertAxis, aLeftAxis)
        .String("XLabelsSource", &TChartSeries::XLabelsSource, &TChartSeries::SetXLabelsSource)
        .Stored([](const TChartSeries& s) { return !s.XLabelsSource().empty(); })
        .Object("XValues", &TChartValueList::StaticClass,
                [](TChartSeries& s) { return &s.XValues(); }, nullptr)
        .Object("YValues", &TChartValueList::StaticClass,
                [](TChartSeries& s) { return &s.YValues(); }, nullptr)
        .Build();
    return info;
}

const TEnumInfo& HorizAxisInfo() {
    static const TEnumInfo info("THorizAxis", {"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"});
    return info;
}

const TEnumInfo& VertAxisInfo() {
    static const TEnumInfo info("TVertAxis", {"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"});
    return info;
}

TChartSeries::TChartSeries(TComponent* owner)
    : TCustomChartSeries(owner),
      valueFormat_(ChartConst::DefaultValueFormat),
      percentFormat_(ChartConst::DefaultPercentFormat) {
    xValues_ = new TChartValueList(this, ChartConst::XValuesName);  // owned by valueLists_
    xValues_->SetOrder(loAscending);
    notMandatory_ = xValues_;
    yValues_ = new TChartValueList(this, ChartConst::YValuesName);
    mandatory_ = yValues_;
}

TChartSeries::~TChartSeries() {
    Destroying();
    function_.reset();
    for (TChartSeries* source : SourceSeries()) std::erase(source->linkedSeries_, this);
    TComponent* first = dataSources_.First();
    if (first && first->Owner() == this) delete first;
    for (TComponent* component : dataSources_.Items())
        if (!dynamic_cast<TChartSeries*>(component)) RemoveFreeNotification(component);
    for (TChartSeries* linked : linkedSeries_) std::erase(linked->dataSources_.items_, this);
    linkedSeries_.clear();
    ClearLists();
    SetParentChart(nullptr);
}

void TChartSeries::AttachedToChart() {
    if (storedColor_ == clDefault && parentChart_) {
        automaticColor_ = parentChart_->NextFreeSeriesColor(true, nullptr);
        ColorChanged();
    }
    UpdateEffectiveAxes();
    marks_.SetParentPanel(parentChart_);
    RefreshFromSource();
}

void TChartSeries::DetachedFromChart() {
    if (parentChart_ && cursor_ != 0 && parentChart_->Cursor() == cursor_) parentChart_->SetCursor(parentChart_->SavedCursor);
    for (TChartSeries* source : SourceSeries()) std::erase(source->linkedSeries_, this);
    if (parentChart_) parentChart_->SeriesGroups().RemoveSeries(this);
    parentChart_ = nullptr;
    marks_.SetParentPanel(nullptr);
    UpdateEffectiveAxes();
}

std::string TChartSeries::SeriesDisplayName() const {
    if (!Name().empty() || !parentChart_) return Name();
    return ChartConst::SeriesTitleStem + std::to_string(parentChart_->SeriesIndexOf(this) + 1);
}

void TChartSeries::SetActive(bool value) {
    if (active_ == value) return;
    active_ = value;
    Repaint();
    if (parentChart_) parentChart_->AnnounceSeriesEvent(this, seChangeActive);
}

// ---- value lists and reading ----

TChartValueList* TChartSeries::ValueListByName(const std::string& name) {
    if (valueLists_.Count() <= 2) return mandatory_;
    auto upper = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string wanted = upper(name);
    for (int i = 2; i < valueLists_.Count(); ++i)
        if (upper(valueLists_[i]->Name()) == wanted) return valueLists_[i];
    return mandatory_;
}

TColor TChartSeries::PointColorStored(int index) const {
    if (!pointColors_ || index >= static_cast<int>(pointColors_->size())) return clDefault;
    return (*pointColors_)[index];
}

TColor TChartSeries::PointColorAt(int index) const {
    const TColor stored = PointColorStored(index);
    if (stored != clDefault) return stored;
    if (!colorEachPoint_) return SeriesColor();
    return parentChart_ ? parentChart_->GetPaletteColor(index) : DefaultColorAt(index);
}

// ---- adding ----

void TChartSeries::InsertPointColor(int index, TColor color) {
    if (pointColors_) {
        // a list shorter than the points reads clDefault beyond its end
        if (static_cast<int>(pointColors_->size()) < index) pointColors_->resize(index, clDefault);
        pointColors_->insert(pointColors_->begin() + index, color);
    } else if (color != clDefault) {
        // every other point (the new one is already counted) has no colour of its own
        pointColors_ = std::make_unique<std::vector<TColor>>(Count() - 1, clDefault);
        pointColors_->insert(pointColors_->begin() + index, color);
    }
}

int TChartSeries::AddPointXY(double x, double y, const std::string& label, TColor color) {
    xValues_->SetPendingValue(x);
    yValues_->SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
    const int index = xValues_->AddPendingValue();
    yValues_->InsertValue(index, y);
    for (int k = 2; k < valueLists_.Count(); ++k) valueLists_[k]->InsertValue(index, valueLists_[k]->PendingValue());
    InsertPointColor(index, color);
    labels_.InsertLabel(index, label);
    if (!Updating()) NotifyValueAdded(index);
    return index;
}

int TChartSeries::Add(double value, const std::string& label, TColor color) {
    return AddPointXY(xValues_->Count(), value, label, color);
}

int TChartSeries::AddPointY(double y, const std::string& label, TColor color) {
    return AddPointXY(xValues_->Count(), y, label, color);
}

int TChartSeries::AddNullPoint(const std::string& label) { return Add(0, label, clNone); }

int TChartSeries::AddNullPointXY(double x, double y, const std::string& label) {
    return AddPointXY(x, y, label, clNone);
}

// ---- removing ----

void TChartSeries::Clear() {
    firstVisible_ = lastVisible_ = -1;
    ClearLists();
    if (OnClearValues) OnClearValues(this);
    NotifyLinkedSeries(scClear, 0);
    if (active_ && parentChart_ && !IsDestroying()) Repaint();
}

void TChartSeries::ClearLists() {
    for (int k = 0; k < valueLists_.Count(); ++k) valueLists_[k]->Clear();
    pointColors_.reset();
    labels_.Clear();
    marks_.ClearMarkPositions();
}

void TChartSeries::Delete(int index) {
    if (index < 0 || index >= Count())
        throw ChartException(FormatString(ChartConst::SeriesDeleteOutOfBounds, {index, Count() - 1}));
    for (int k = 0; k < valueLists_.Count(); ++k) valueLists_[k]->DeleteValue(index);
    if (pointColors_ && index < static_cast<int>(pointColors_->size()))
        pointColors_->erase(pointColors_->begin() + index);
    labels_.DeleteLabel(index);
    marks_.PointDeleted(index);
    NotifyLinkedSeries(scDelete, index);
    if (active_) Repaint();
}

void TChartSeries::DeleteRange(int first, int n, bool renumber) {
    if (first >= Count() || n < 1) return;
    // never past the last point, so the lists stay aligned
    n = std::min(n, Count() - first);
    for (int k = 0; k < valueLists_.Count(); ++k) valueLists_[k]->DeleteRange(first, n);
    auto eraseFrom = [first, n](auto& list) {
        if (first < static_cast<int>(list.size()))
            list.erase(list.begin() + first, list.begin() + std::min<int>(first + n, list.size()));
    };
    if (pointColors_) {
        eraseFrom(*pointColors_);
        if (pointColors_->empty()) pointColors_.reset();
    }
    labels_.DeleteRange(first, n);
    marks_.PointsDeleted(first, n);
    NotifyLinkedSeries(scDelete, -1);
    if (active_) Repaint();
    if (renumber) notMandatory_->SetToIndexes();
}

void TChartSeries::SourceValueDeleted(TChartSeries* source, int index) {
    // a range deletion names no index: take the source's points afresh; an
    // index this series never received (it skipped inserts) is no error
    if (index < 0)
        AddAllFrom(source);
    else if (index < Count())
        Delete(index);
}

// ---- reordering ----

void TChartSeries::SwapPointsAt(int a, int b) {
    for (int k = 0; k < valueLists_.Count(); ++k) valueLists_[k]->SwapValues(a, b);
    if (pointColors_) {
        const int size = static_cast<int>(pointColors_->size());
        if (std::max(a, b) >= size) pointColors_->resize(std::max(a, b) + 1, clDefault);
        std::swap((*pointColors_)[a], (*pointColors_)[b]);
    }
    labels_.Exchange(a, b);
}

void TChartSeries::SortByMandatory() {
    if (mandatory_->Order() == loNone) return;
    mandatory_->SortPoints();
    if (notMandatory_->ValueSource().empty()) notMandatory_->SetToIndexes();
    Repaint();
}

// ---- notifications ----

void TChartSeries::NotifyValueAdded(int index) {
    if (OnAfterAdd) OnAfterAdd(this, index);
    NotifyLinkedSeries(scAdd, index);
    if (active_) Repaint();
}

void TChartSeries::NotifyLinkedSeries(TSeriesChange kind, int index) {
    if (Updating()) return;
    // a linked series may leave the list while it follows
    const std::vector<TChartSeries*> linked = linkedSeries_;
    for (TChartSeries* series : linked) {
        const TSeriesRecalcOptions& options = series->recalcOptions_;
        switch (kind) {
            case scClear:
                if (options.OnClear) series->Clear();
                break;
            case scAdd:
                if (options.OnInsert && !series->function_) series->AddSourcePoint(this, index);
                break;
            case scDelete:
                if (options.OnDelete && !series->function_) series->SourceValueDeleted(this, index);
                break;
            case scRefresh: series->AddAllFrom(this); break;
            case scModify:
                if (options.OnModify) series->AddAllFrom(this);
                break;
        }
    }
}

void TChartSeries::EndUpdate() {
    if (updateCount_ <= 0) return;
    if (--updateCount_ == 0) {
        NotifyLinkedSeries(scRefresh, 0);
        if (parentChart_) parentChart_->AnnounceSeriesEvent(this, seDataChanged);
    }
}

void TChartSeries::RefreshFromSource() {
    if (!Updating() && parentChart_) parentChart_->RefreshSeriesData(this);
}

// ---- linked series ----

void TChartSeries::AddLinkedSeries(TChartSeries* series) {
    if (series->dataSources_.IndexOf(this) < 0) series->AppendDataSource(this);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* series) { series->dataSources_.Remove(this); }

std::vector<TChartSeries*> TChartSeries::SourceSeries() const {
    std::vector<TChartSeries*> result;
    for (TComponent* component : dataSources_.Items())
        if (auto* series = dynamic_cast<TChartSeries*>(component)) result.push_back(series);
    return result;
}

int TChartSeries::AddSourceValues(TChartSeries* source, int index) {
    const int at = xValues_->AddValue(source->XValueAt(index));
    yValues_->InsertValue(at, source->YValueAt(index));
    for (int k = 2; k < valueLists_.Count(); ++k)
        valueLists_[k]->InsertValue(at, k < source->valueLists_.Count() ? (*source->valueLists_[k])[index] : 0.0);
    return at;
}

void TChartSeries::AddSourcePoint(TChartSeries* source, int index) {
    const int at = AddSourceValues(source, index);
    // a clDefault entry keeps an existing colour list aligned with the points
    InsertPointColor(at, source->PointColorStored(index));
    // an empty label still keeps an existing list aligned with the points
    labels_.InsertLabel(at, source->PointLabel(index));
    if (!Updating()) NotifyValueAdded(at);
}

void TChartSeries::AddAllFrom(TChartSeries* source) {
    BeginUpdate();
    struct EndAtExit {
        TChartSeries* series;
        ~EndAtExit() { series->EndUpdate(); }
    } end{this};
    Clear();
    if (function_) {
        xValues_->SetDateTime(source->xValues_->DateTime());
        yValues_->SetDateTime(source->yValues_->DateTime());
        function_->FeedPoints(source);
    } else if (CanBeFedBy(source)) {
        for (int i = 0; i < source->Count(); ++i) AddSourcePoint(source, i);
    }
}

void TChartSeries::AttachFunction(TChartFunction* function) {
    if (function_.get() == function) return;
    function_.reset(function);
    if (function_) {
        function_->StoreParentSeries(this);
        hasOwnData_ = false;
    }
    RefreshFromSource();
}

void TChartSeries::ReleaseFunction() {
    if (function_) function_->StoreParentSeries(nullptr);
    (void)function_.release();
}

// ---- colours ----

void TChartSeries::SetSeriesColor(TColor color) {
    if (storedColor_ == clDefault && color == automaticColor_) return;
    const bool changed = storedColor_ != color;
    storedColor_ = color;
    if (changed) Repaint();
    automaticColor_ = storedColor_;
    ColorChanged();
}

void TChartSeries::SetColorEachPoint(bool value) {
    if (colorEachPoint_ == value) return;
    colorEachPoint_ = value;
    Repaint();
}

void TChartSeries::ColorChanged() {
    if (parentChart_) parentChart_->AnnounceSeriesEvent(this, seChangeColor);
}

// ---- axes ----

void TChartSeries::SetHorizAxis(THorizAxis value) {
    if (horizAxis_ == value) return;
    horizAxis_ = value;
    if (value != aCustomHorizAxis) customHorizAxis_ = nullptr;
    UpdateEffectiveAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    if (vertAxis_ == value) return;
    vertAxis_ = value;
    if (value != aCustomVertAxis) customVertAxis_ = nullptr;
    UpdateEffectiveAxes();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis) {
    customHorizAxis_ = axis;
    horizAxis_ = axis ? aCustomHorizAxis : aBottomAxis;
    UpdateEffectiveAxes();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis) {
    customVertAxis_ = axis;
    vertAxis_ = axis ? aCustomVertAxis : aLeftAxis;
    UpdateEffectiveAxes();
    Repaint();
}

void TChartSeries::UpdateEffectiveAxes() {
    if (!parentChart_) {
        effectiveHorizAxis_ = effectiveVertAxis_ = nullptr;
        return;
    }
    if (horizAxis_ == aTopAxis)
        effectiveHorizAxis_ = parentChart_->TopAxis();
    else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_)
        effectiveHorizAxis_ = customHorizAxis_;
    else
        effectiveHorizAxis_ = parentChart_->BottomAxis();
    if (vertAxis_ == aRightAxis)
        effectiveVertAxis_ = parentChart_->RightAxis();
    else if (vertAxis_ == aCustomVertAxis && customVertAxis_)
        effectiveVertAxis_ = customVertAxis_;
    else
        effectiveVertAxis_ = parentChart_->LeftAxis();
}

bool TChartSeries::IsBoundToAxis(const TChartAxis* axis) const {
    if (!UsesAxes()) return false;
    if (axis->Horizontal()) return horizAxis_ == aBothHorizAxis || axis == effectiveHorizAxis_;
    return vertAxis_ == aBothVertAxis || axis == effectiveVertAxis_;
}

TChartValueList* TChartSeries::ValueListForAxis(const TChartAxis* axis) {
    if (!IsBoundToAxis(axis)) return nullptr;
    return axis->Horizontal() ? xValues_ : yValues_;
}

// ---- positions ----

int TChartSeries::PointScreenX(int index) { return effectiveHorizAxis_->ValueToScreenX(XValueAt(index)); }

int TChartSeries::PointScreenY(int index) { return effectiveVertAxis_->ValueToScreenY(YValueAt(index)); }

int TChartSeries::ValueScreenX(double value) const { return effectiveHorizAxis_->ValueToScreenX(value); }

int TChartSeries::ValueScreenY(double value) const { return effectiveVertAxis_->ValueToScreenY(value); }

double TChartSeries::ScreenXToValue(int pixel) const { return effectiveHorizAxis_->ScreenToValue(pixel); }

double TChartSeries::ScreenYToValue(int pixel) const { return effectiveVertAxis_->ScreenToValue(pixel); }

// ---- visible range ----

void TChartSeries::ComputeVisibleRange() {
    firstVisible_ = lastVisible_ = -1;
    const int n = Count();
    if (n < 1) return;
    const TChartValueList& list = *xValues_;
    if (!calcVisiblePoints_ || list.Order() == loNone || !effectiveHorizAxis_ || !parentChart_) {
        firstVisible_ = 0;
        lastVisible_ = n - 1;
        return;
    }
    const TChartAxis* axis = effectiveHorizAxis_;
    const TRect r = parentChart_->PlotRect();
    const bool inverted = axis->Inverted();
    const int startEdge = (inverted ? r.Right : r.Left) + axis->MinimumOffset();
    const int endEdge = (inverted ? r.Left : r.Right) - axis->MaximumOffset();
    const double start = axis->ScreenToValue(startEdge);
    const double end = axis->ScreenToValue(endEdge);
    int first = 0;
    while (list[first] < start) {
        if (++first > n - 1) return;
    }
    firstVisible_ = first;
    if (list.LastValue() <= end) {
        lastVisible_ = n - 1;
        return;
    }
    int last = first;
    while (list[last] < end && last < n - 1) ++last;
    if (!drawBetweenPoints_ && list[last] > end) --last;
    lastVisible_ = last;
}

// ---- drawing pass ----

bool TChartSeries::PointsDrawnForward() const {
    bool forward = !(effectiveHorizAxis_ && effectiveHorizAxis_->Inverted());
    if (parentChart_ && parentChart_->SeriesDrawOrderFlag()) forward = !forward;
    return forward;
}

void TChartSeries::DrawAllPoints() {
    if (firstVisible_ < 0 || lastVisible_ < 0) return;
    TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    // a canvas that keeps what it draws per item hears each point's index
    const bool grouped = canvas && canvas->SupportsItemIds;
    auto draw = [&](int i) {
        if (grouped) canvas->BeginGroup(std::to_string(i));
        DrawOnePoint(i);
        if (grouped) canvas->EndGroup();
    };
    if (PointsDrawnForward())
        for (int i = firstVisible_; i <= lastVisible_; ++i) draw(i);
    else
        for (int i = lastVisible_; i >= firstVisible_; --i) draw(i);
}

// ---- depth ----

void TChartSeries::SetZOrder(int value) {
    if (zOrder_ == value) return;
    zOrder_ = value;
    Repaint();
}

void TChartSeries::SetDepth(int value) {
    if (depth_ == value) return;
    depth_ = value;
    Repaint();
}

void TChartSeries::ComputeZOrder(int& highestZOrder) {
    if (zOrder_ == -1) {
        internalZOrder_ = parentChart_ && parentChart_->View3D() ? ++highestZOrder : 0;
    } else {
        // its own order, or an earlier drawing's place would stay
        internalZOrder_ = zOrder_;
        highestZOrder = std::max(highestZOrder, zOrder_);
    }
}

void TChartSeries::ComputeDepthPositions() {
    const int width = parentChart_ ? parentChart_->SeriesDepthWidth() : 0;
    startZ_ = width * internalZOrder_;
    endZ_ = startZ_ + (depth_ == -1 ? width : depth_);
    middleZ_ = (startZ_ + endZ_) / 2;
    marks_.ZPosition = middleZ_;
}

// A series as form data: the pseudo-properties it writes beside its
// published ones, and copying one series into another.

#include "chart/series/ChartSeries.h"

#include "chart/axes/ChartAxis.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartFunction.h"
#include "chart/text/TextRoutines.h"
#include "ui/core/Reader.h"
#include "ui/core/Stream.h"
#include "ui/core/Writer.h"

namespace {

// The axis' place among the chart's custom axes, -1 when it is none of them.
int CustomAxisIndex(TCustomAxisPanel* chart, const TChartAxis* axis) {
    if (!chart || !axis) return -1;
    for (int i = 0; i < chart->CustomAxes().Count(); ++i)
        if (chart->CustomAxes().GetAxis(i) == axis) return i;
    return -1;
}

TChartAxis* CustomAxisAt(TCustomAxisPanel* chart, std::int64_t index) {
    if (!chart || index < 0 || index >= chart->CustomAxes().Count()) return nullptr;
    return chart->CustomAxes().GetAxis(static_cast<int>(index));
}

}  // namespace

void TChartSeries::DefineProperties(TFiler& filer) {
    TCustomChartSeries::DefineProperties(filer);
    filer.DefineProperty(
        "Identifier", [this](TReader& r) { identifier_ = r.ReadString(); },
        [this](TWriter& w) { w.WriteString(identifier_); }, !identifier_.empty());
    filer.DefineProperty(
        "Style", [this](TReader& r) { SetStyle(static_cast<std::uint8_t>(r.ReadInteger() & 0x3F)); },
        [this](TWriter& w) { w.WriteInteger(style_); }, style_ != 0);
    filer.DefineProperty(
        "DataSources",
        [this](TReader& r) {
            pendingSourceNames_.clear();
            r.ReadListBegin();
            while (!r.EndOfList()) pendingSourceNames_.push_back(r.ReadString());
            r.ReadListEnd();
        },
        [this](TWriter& w) {
            w.WriteListBegin();
            for (TComponent* source : dataSources_.Items()) w.WriteString(source->Name());
            w.WriteListEnd();
        },
        dataSources_.Count() > 1);
    // an index the chart does not have leaves the series on its standard axis
    filer.DefineProperty(
        "CustomHorizAxis",
        [this](TReader& r) {
            if (TChartAxis* axis = CustomAxisAt(parentChart_, r.ReadInteger())) SetCustomHorizAxis(axis);
        },
        [this](TWriter& w) { w.WriteInteger(CustomAxisIndex(parentChart_, customHorizAxis_)); },
        CustomAxisIndex(parentChart_, customHorizAxis_) >= 0);
    filer.DefineProperty(
        "CustomVertAxis",
        [this](TReader& r) {
            if (TChartAxis* axis = CustomAxisAt(parentChart_, r.ReadInteger())) SetCustomVertAxis(axis);
        },
        [this](TWriter& w) { w.WriteInteger(CustomAxisIndex(parentChart_, customVertAxis_)); },
        CustomAxisIndex(parentChart_, customVertAxis_) >= 0);
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& stream) {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size() - stream.Position()));
            stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
            ReadData(bytes);
        },
        [this](TStream& stream) {
            const std::vector<std::uint8_t> bytes = WriteData();
            stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        },
        saveDataAlways_ || (hasOwnData_ && !saveDataNever_));
}

void TChartSeries::Loaded() {
    TCustomChartSeries::Loaded();
    if (!pendingSourceNames_.empty()) {
        dataSources_.Clear();
        for (const std::string& name : pendingSourceNames_)
            if (TComponent* component = Owner() ? Owner()->FindComponent(name) : nullptr) AppendDataSource(component);
        pendingSourceNames_.clear();
    }
    RefreshFromSource();
}

void TChartSeries::Assign(const TPersistent* source) {
    const auto* from = dynamic_cast<const TChartSeries*>(source);
    if (!from) {
        TCustomChartSeries::Assign(source);
        return;
    }
    auto& s = const_cast<TChartSeries&>(*from);
    SetActive(s.active_);
    brush_.Assign(s.brush_);
    pen_.Assign(s.pen_);
    SetTag(s.Tag());
    SetShowInLegend(s.showInLegend_);
    SetTitle(s.title_);
    style_ = s.style_;
    identifier_ = s.identifier_;

    if (TComponent* current = DataSource()) UnbindDataSource(current);
    xValues_->Assign(*s.xValues_);
    yValues_->Assign(*s.yValues_);
    for (int k = 2; k < valueLists_.Count() && k < s.valueLists_.Count(); ++k) valueLists_[k]->Assign(*s.valueLists_[k]);
    marks_.Assign(s.marks_);
    storedColor_ = s.storedColor_;
    automaticColor_ = s.automaticColor_;
    ColorChanged();
    colorEachPoint_ = s.colorEachPoint_;
    valueFormat_ = s.valueFormat_;
    percentFormat_ = s.percentFormat_;
    customHorizAxis_ = s.customHorizAxis_;
    customVertAxis_ = s.customVertAxis_;
    horizAxis_ = s.horizAxis_;
    vertAxis_ = s.vertAxis_;
    recalcOptions_ = s.recalcOptions_;
    depth_ = s.depth_;
    UpdateEffectiveAxes();

    if (s.function_ && !function_) AttachFunction(s.function_->Clone().release());
    hasOwnData_ = s.hasOwnData_;

    if (!s.DataSource() || s.hasOwnData_) {
        AddAllFrom(&s);
        // the colour list comes across as it is, or goes when the source has none
        if (s.pointColors_)
            pointColors_ = std::make_unique<std::vector<TColor>>(*s.pointColors_);
        else
            pointColors_.reset();
        labels_.CopyFrom(s.labels_);
    } else {
        // a source component feeds one series only; source series are shared
        for (TChartSeries* feeder : s.SourceSeries()) AppendDataSource(feeder);
    }
    RefreshFromSource();
    Repaint();
}

std::string SeriesTitleText(const TChartSeries& series) {
    if (series.Title().empty()) return series.SeriesDisplayName();
    return ReplaceChar(series.Title(), '\x06', ' ');
}

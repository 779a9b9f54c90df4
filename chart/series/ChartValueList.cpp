#include "chart/series/ChartValueList.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"

#include "chart/core/ChartConst.h"
#include "chart/core/EngineError.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/SortRange.h"

#include <algorithm>
#include <cmath>

TChartValueList::TChartValueList(TChartSeries* owner, const std::string& name) : name_(name), owner_(owner) {
    if (owner_) owner_->ValueLists().Add(this);
    Clear();
}

TChartValueList::~TChartValueList() = default;

const TEnumInfo& ChartListOrderInfo() {
    static const TEnumInfo info("TChartListOrder", {"loNone", "loAscending", "loDescending"});
    return info;
}

const TClassInfo& TChartValueList::StaticClass() {
    using L = TChartValueList;
    static const TClassInfo info = TPublished<L>("TChartValueList", TPersistent::StaticClass())
        .Boolean("DateTime", &L::DateTime, &L::SetDateTime)
        .Stored(&L::DateTimeStored)
        .String("Name", &L::Name, [](L& list, const std::string& name) { list.name_ = name; })
        .Enumeration("Order", ChartListOrderInfo(), &L::Order, &L::SetOrder)
        .String("ValueSource", &L::ValueSource, &L::SetValueSource)
        .Build();
    return info;
}

void TChartValueList::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineProperty(
        "Multiplier",
        [](TReader& reader) {
            // Scaled values are no longer kept: the loaded chart would show other numbers.
            if (reader.ReadFloat() != 1)
                ShowEngineError(ChartConst::MultiplierObsolete + '\r' + ChartConst::MultiplierObsoleteHelp);
        },
        nullptr, false);
}

void TChartValueList::Assign(const TPersistent* source) {
    if (auto* list = dynamic_cast<const TChartValueList*>(source))
        Assign(*list);
    else
        TPersistent::Assign(source);
}

void TChartValueList::Assign(const TChartValueList& source) {
    order_ = source.order_;
    dateTime_ = source.dateTime_;
    valueSource_ = source.valueSource_;
}

void TChartValueList::GrowWhenFull(int needed) {
    if (Capacity() < needed) values_.resize(values_.size() + ValueListGrowth, 0.0);
}

int TChartValueList::AddValue(double value) {
    pendingValue_ = value;
    return AddPendingValue();
}

int TChartValueList::AddPendingValue() {
    const double v = pendingValue_;
    const int n = count_;
    int index = n;
    if (order_ == loAscending && n > 0 && v < values_[n - 1]) {
        int k = n - 1;
        while (k >= 0 && values_[k] > v) --k;
        index = k + 1;
    } else if (order_ == loDescending && n > 0 && v > values_[n - 1]) {
        int k = n - 1;
        while (k >= 0 && values_[k] < v) --k;
        index = k + 1;
    }
    GrowWhenFull(n + 1);
    if (index < n) std::move_backward(values_.begin() + index, values_.begin() + n, values_.begin() + n + 1);
    values_[index] = v;
    ++count_;
    Changed();
    return index;
}

void TChartValueList::Clear() {
    count_ = 0;
    std::vector<double>().swap(values_);
    Changed();
}

void TChartValueList::InsertValue(int index, double value) {
    GrowWhenFull(count_ + 1);
    std::move_backward(values_.begin() + index, values_.begin() + count_, values_.begin() + count_ + 1);
    values_[index] = value;
    ++count_;
    Changed();
}

void TChartValueList::DeleteValue(int index) {
    --count_;
    if (index < count_) std::move(values_.begin() + index + 1, values_.begin() + count_ + 1, values_.begin() + index);
    Changed();
}

void TChartValueList::DeleteRange(int firstIndex, int n) {
    count_ -= n;
    if (firstIndex < count_)
        std::move(values_.begin() + firstIndex + n, values_.begin() + count_ + n, values_.begin() + firstIndex);
    Changed();
}

void TChartValueList::RecomputeStatistics() {
    if (Capacity() < count_) count_ = Capacity();
    if (count_ <= 0) {
        highest_ = lowest_ = sum_ = absoluteSum_ = 0;
    } else {
        highest_ = lowest_ = sum_ = values_[0];
        absoluteSum_ = std::fabs(values_[0]);
        for (int i = 1; i < count_; ++i) {
            const double x = values_[i];
            if (x < lowest_)
                lowest_ = x;
            else if (x > highest_)
                highest_ = x;
            sum_ += x;
            absoluteSum_ += std::fabs(x);
        }
    }
    statisticsStale_ = false;
}

double TChartValueList::HighestValue() {
    if (statisticsStale_) RecomputeStatistics();
    return highest_;
}

double TChartValueList::LowestValue() {
    if (statisticsStale_) RecomputeStatistics();
    return lowest_;
}

double TChartValueList::Total() {
    if (statisticsStale_) RecomputeStatistics();
    return sum_;
}

double TChartValueList::AbsoluteSum() {
    if (statisticsStale_) RecomputeStatistics();
    return absoluteSum_;
}

double TChartValueList::ValueRange() {
    if (statisticsStale_) RecomputeStatistics();
    return highest_ - lowest_;
}

void TChartValueList::SwapValues(int a, int b) {
    std::swap(values_[a], values_[b]);
    Changed();
    if (owner_) owner_->NotifyLinkedSeries(scModify, a);
}

void TChartValueList::SetToIndexes() {
    for (int i = 0; i < count_; ++i) values_[i] = i;
    Changed();
    if (owner_) owner_->NotifyLinkedSeries(scModify, 0);
}

int TChartValueList::CompareValues(int a, int b) const {
    int result = values_[a] < values_[b] ? -1 : (values_[a] > values_[b] ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::SortPoints() {
    if (order_ == loNone) return;
    auto compare = [this](int a, int b) { return CompareValues(a, b); };
    if (owner_)
        SortRange(0, count_ - 1, compare, [this](int a, int b) { owner_->SwapPointsAt(a, b); });
    else
        SortRange(0, count_ - 1, compare, [this](int a, int b) { SwapValues(a, b); });
}

void TChartValueList::Rotate() {
    if (count_ > 0) std::rotate(values_.begin(), values_.begin() + 1, values_.begin() + count_);
}

void TChartValueList::SetDateTime(bool value) {
    if (dateTime_ == value) return;
    dateTime_ = value;
    if (owner_) owner_->Repaint();
}

void TChartValueList::SetValueSource(const std::string& value) {
    if (valueSource_ == value) return;
    valueSource_ = value;
    if (owner_) owner_->RefreshFromSource();
}

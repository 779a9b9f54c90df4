#include "chart/filters/AmountFilter.h"

#include "chart/core/ChartConst.h"

#include "ui/core/PublishedProperties.h"

namespace {

constexpr int kPercentLimit = 100;
constexpr int kChannelLimit = 255;

}  // namespace

const TClassInfo& TAmountFilter::StaticClass() {
    static const TClassInfo info = TPublished<TAmountFilter>("TAmountFilter", TChartFilter::StaticClass())
                                       .Integer("Amount", &TAmountFilter::Amount, &TAmountFilter::SetAmount, 5)
                                       .Boolean("Percent", &TAmountFilter::Percent, &TAmountFilter::SetPercent, true)
                                       .Build();
    return info;
}

TAmountFilter::TAmountFilter(TCollection* collection) : TChartFilter(collection) {}

void TAmountFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    const int limit = percent_ ? kPercentLimit : kChannelLimit;
    creator.AddScrollBar("Amount", OnlyPositive() ? 0 : -limit, limit, [this] { return amount_; },
                         [this](int v) { amount_ = v; });
    creator.AddCheckBox(ChartConst::CaptionPercent, [this] { return percent_; }, [this](bool v) { percent_ = v; });
}

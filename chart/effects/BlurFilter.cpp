#include "chart/effects/BlurFilter.h"

#include "chart/core/ChartConst.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"

const TClassInfo& TBlurFilter::StaticClass() {
    static const TClassInfo info = TPublished<TBlurFilter>("TBlurFilter", TConvolveFilter::StaticClass())
                                       .Integer("Amount", &TBlurFilter::Amount, &TBlurFilter::SetAmount, 1)
                                       .Integer("Steps", &TBlurFilter::Steps, &TBlurFilter::SetSteps, 1)
                                       .Build();
    return info;
}

TBlurFilter::TBlurFilter(TCollection* collection) : TConvolveFilter(collection) {}

void TBlurFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    for (auto& row : weights_)
        for (float& w : row) w = 1;
    weights_[1][1] = static_cast<float>(amount_);
    BuildRowTable(bitmap);
    reuseLines_ = true;
    ScopeExit stopReusing([this] { reuseLines_ = false; });
    for (int i = 0; i < steps_; ++i) TConvolveFilter::Apply(bitmap, rect);
}

void TBlurFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TConvolveFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar("Steps", 1, 20, [this] { return steps_; }, [this](int v) { steps_ = v; });
    creator.AddScrollBar("Amount", 0, 50, [this] { return amount_; }, [this](int v) { amount_ = v; });
}

std::string TBlurFilter::DisplayName() const { return ChartConst::FilterBlur; }

#include "chart/marks/SeriesMarksMargins.h"

#include "chart/core/ChartCustomShape.h"
#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"

const TEnumInfo& MarginUnitsInfo() {
    static const TEnumInfo info("TMarginUnits", {"maPercentFont", "maPercentSize", "maPixels"});
    return info;
}

const TClassInfo& TMargins::StaticClass() {
    static const TClassInfo info = TPublished<TMargins>("TMargins", TPersistent::StaticClass())
        .Integer("Left", &TMargins::Left, &TMargins::SetLeft)
        .Stored(&TMargins::LeftStored)
        .Integer("Top", &TMargins::Top, &TMargins::SetTop, 5)
        .Integer("Right", &TMargins::Right, &TMargins::SetRight)
        .Stored(&TMargins::RightStored)
        .Integer("Bottom", &TMargins::Bottom, &TMargins::SetBottom, 5)
        .Enumeration("Units", MarginUnitsInfo(), &TMargins::Units, &TMargins::SetUnits, maPercentFont)
        .Build();
    return info;
}

TMargins::TMargins(TChartCustomShape* owner, int horizontalDefault)
    : owner_(owner), horizontalDefault_(horizontalDefault), left_(horizontalDefault), right_(horizontalDefault) {}

void TMargins::Assign(const TPersistent* source) {
    const auto* m = dynamic_cast<const TMargins*>(source);
    if (!m) {
        TPersistent::Assign(source);
        return;
    }
    SetLeft(m->left_);
    SetTop(m->top_);
    SetRight(m->right_);
    SetBottom(m->bottom_);
    SetUnits(m->units_);
}

void TMargins::Change(int& field, int value) {
    if (StoreIfChanged(field, value) && owner_) owner_->RepaintParent();
}

void TMargins::SetUnits(TMarginUnits value) {
    if (StoreIfChanged(units_, value) && owner_) owner_->RepaintParent();
}

TRect TMargins::ComputeMarginPixels(int width, int height, int lineHeight) {
    const auto percent = [](int value, double factor, int of) { return static_cast<int>(Round(value * factor * of)); };
    switch (units_) {
        case maPercentFont:
            Pixels = {percent(left_, 0.02, lineHeight), percent(top_, 0.02, lineHeight),
                      percent(right_, 0.02, lineHeight), percent(bottom_, 0.02, lineHeight)};
            break;
        case maPercentSize:
            Pixels = {percent(left_, 0.01, width), percent(top_, 0.01, height), percent(right_, 0.01, width),
                      percent(bottom_, 0.01, height)};
            break;
        case maPixels: Pixels = {left_, top_, right_, bottom_}; break;
    }
    return Pixels;
}

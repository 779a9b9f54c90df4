#include "chart/legend/LegendItems.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/legend/CustomChartLegend.h"

void TLegendItem::SetText(const std::string& value) {
    if (!StoreIfChanged(text_, value)) return;
    owner_->SetCustom(true);
    owner_->Legend()->RepaintParent();
}

void TLegendItem::SetText2(const std::string& value) {
    if (!StoreIfChanged(text2_, value)) return;
    owner_->SetCustom(true);
    owner_->Legend()->RepaintParent();
}

void TLegendItem::StoreRow(int left, int top, TAlignment align, const std::string& text, const std::string& text2) {
    left_ = left;
    top_ = top;
    align_ = align;
    text_ = text;
    text2_ = text2;
}

TLegendItem& TLegendItems::GetItem(int index) {
    if (index >= Count()) items_.resize(index + 1);
    if (!items_[index]) items_[index] = std::make_unique<TLegendItem>(this);
    return *items_[index];
}

TLegendItem* TLegendItems::Find(int index) const {
    return index >= 0 && index < Count() ? items_[index].get() : nullptr;
}

void TLegendItems::Clear() {
    items_.clear();
    legend_->RepaintParent();
}

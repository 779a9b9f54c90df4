#include "chart/axes/AxisItems.h"

TAxisItem::TAxisItem(TCustomChartPanel* panel, double value, const std::string& text)
    : TChartCustomShape(panel), value_(value), text_(text) {
    SetTransparent(true);
    TransparentDefault = true;
}

void TAxisItem::SetValue(double value) {
    if (value_ == value) return;
    value_ = value;
    RepaintParent();
}

void TAxisItem::SetText(const std::string& value) {
    if (text_ == value) return;
    text_ = value;
    RepaintParent();
}

TAxisItem& TAxisItems::AddValue(double value) { return AddText(value, std::string()); }

TAxisItem& TAxisItems::AddText(double value, const std::string& text) {
    automatic_ = false;
    return Record(value, text);
}

TAxisItem& TAxisItems::Record(double value, const std::string& text) {
    items_.push_back(std::make_unique<TAxisItem>(panel_, value, text));
    return *items_.back();
}

void TAxisItems::CopyFrom(const TAxisItems& other) {
    font_.Assign(&other.font_);
    items_.clear();
    for (const auto& item : other.items_) AddText(item->Value(), item->Text());
    automatic_ = other.automatic_;
}

void TAxisItems::Clear() { items_.clear(); }

#pragma once

#include "chart/canvas/ChartFont.h"
#include "chart/core/ChartCustomShape.h"

#include <memory>
#include <string>
#include <vector>

class TCustomChartPanel;

// A label the user put on the axis by hand, or (transparent) one the axis
// made itself, with the box it is written in.
class TAxisItem : public TChartCustomShape {
public:
    TAxisItem(TCustomChartPanel* panel, double value, const std::string& text);
    double Value() const { return value_; }
    void SetValue(double value);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);

private:
    double value_ = 0;
    std::string text_;
};

class TAxisItems {
public:
    explicit TAxisItems(TCustomChartPanel* panel = nullptr) : panel_(panel) {}
    bool Automatic() const { return automatic_; }
    TAxisItem& AddValue(double value);
    TAxisItem& AddText(double value, const std::string& text);
    // A label the axis wrote itself; the items stay automatic.
    TAxisItem& Record(double value, const std::string& text);
    void CopyFrom(const TAxisItems& other);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TAxisItem& GetItem(int index) { return *items_[index]; }
    const TAxisItem& GetItem(int index) const { return *items_[index]; }
    // The font of the labels the axis makes itself.
    TChartFont& Font() { return font_; }

private:
    TCustomChartPanel* panel_;
    bool automatic_ = true;
    std::vector<std::unique_ptr<TAxisItem>> items_;
    TChartFont font_;
};

#pragma once
// The legend's rows as last drawn: where each one is and what it says, so
// that a click finds its row and a program may set a row's text.

#include "chart/core/ChartTypes.h"

#include "ui/controls/TextAlignment.h"

#include <memory>
#include <string>
#include <vector>

class TCustomChartLegend;

class TLegendItems;

// Where a row was last drawn and what it said.
class TLegendItem {
public:
    explicit TLegendItem(TLegendItems* owner) : owner_(owner) {}
    TAlignment Align() const { return align_; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    const TRect& SymbolRect() const { return symbolRect_; }
    const std::string& Text() const { return text_; }
    // A text set from outside makes the legend keep its items.
    void SetText(const std::string& value);
    const std::string& Text2() const { return text2_; }
    void SetText2(const std::string& value);

    // The layout records the row here.
    void StoreRow(int left, int top, TAlignment align, const std::string& text, const std::string& text2);
    void StoreSymbolRect(const TRect& rect) { symbolRect_ = rect; }

private:
    TLegendItems* owner_;
    TAlignment align_ = TAlignment::taLeftJustify;
    int left_ = 0;
    int top_ = 0;
    TRect symbolRect_;
    std::string text_;
    std::string text2_;
};

// The legend's items by value index.
class TLegendItems {
public:
    explicit TLegendItems(TCustomChartLegend* legend) : legend_(legend) {}
    int Count() const { return static_cast<int>(items_.size()); }
    // Empty slots are added up to `index`; the item is made on first use.
    TLegendItem& GetItem(int index);
    // nullptr for a slot not made yet.
    TLegendItem* Find(int index) const;
    // Frees every item and repaints the legend.
    void Clear();
    // Items whose text was set from outside are kept from one layout to the next.
    bool Custom() const { return custom_; }
    void SetCustom(bool value) { custom_ = value; }
    TCustomChartLegend* Legend() const { return legend_; }

private:
    TCustomChartLegend* legend_;
    std::vector<std::unique_ptr<TLegendItem>> items_;
    bool custom_ = false;
};

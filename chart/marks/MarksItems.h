#pragma once

#include "chart/core/ChartCustomShape.h"
#include "ui/core/Persistent.h"
#include "ui/core/StringList.h"

#include <memory>
#include <vector>

class TSeriesMarks;

// One point's own box look and text.
class TMarksItem : public TPersistent, public TChartCustomShape {
    DECLARE_CLASS_INFO
public:
    explicit TMarksItem(TCustomChartPanel* panel = nullptr);
    void Assign(const TPersistent* source) override;
    // nullptr until lines are set.
    TStrings* Text() const { return text_.get(); }
    TStrings& Lines();
    // nullptr frees the lines.
    void SetText(const TStrings* lines);

private:
    std::unique_ptr<TStringList> text_;
};

// The items by point index; entries may be empty.
class TMarksItems {
public:
    explicit TMarksItems(TSeriesMarks& marks) : marks_(marks) {}
    int Count() const { return static_cast<int>(items_.size()); }
    // nullptr for an empty entry or beyond the list.
    TMarksItem* At(int index) const;
    // Grows the list up to `index` and makes the item when missing.
    TMarksItem& Get(int index);
    void Clear();
    void Delete(int index);
    void DeleteRange(int first, int count);

private:
    TSeriesMarks& marks_;
    std::vector<std::unique_ptr<TMarksItem>> items_;
};

#pragma once
// Where a point's mark box and its callout stand: the place computed by the
// last drawing, or one the user moved the mark to.

#include "chart/core/ChartTypes.h"

#include <optional>
#include <vector>

struct TSeriesMarkPosition {
    TPoint ArrowStart;  // at the point
    // A custom position still starts its callout at the computed point.
    bool ArrowAtPoint = false;
    TPoint ArrowEnd;  // at the box
    // Set by the user: replaces the computed place.
    bool IsCustom = false;
    int BoxHeight = 0;
    TPoint BoxTopLeft;
    int BoxWidth = 0;

    bool operator==(const TSeriesMarkPosition&) const = default;
};

// The positions by point index; entries may be empty.
class TSeriesMarksPositions {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // nullptr beyond the list or for an empty entry.
    TSeriesMarkPosition* Get(int index);
    const TSeriesMarkPosition* Get(int index) const;
    // The entry of `index`, grown to and made (not custom) when missing.
    TSeriesMarkPosition& Ensure(int index);
    void Append(const TSeriesMarkPosition& position) { items_.emplace_back(position); }
    void Clear() { items_.clear(); }
    bool ExistCustom() const;
    // Removing points: entries beyond the list are not there to remove.
    void Delete(int index);
    void DeleteRange(int first, int count);

private:
    bool Holds(int index) const { return index >= 0 && index < Count() && items_[index]; }

    std::vector<std::optional<TSeriesMarkPosition>> items_;
};

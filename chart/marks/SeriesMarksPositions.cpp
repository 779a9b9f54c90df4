#include "chart/marks/SeriesMarksPositions.h"

#include <algorithm>

TSeriesMarkPosition* TSeriesMarksPositions::Get(int index) {
    return Holds(index) ? &*items_[index] : nullptr;
}

const TSeriesMarkPosition* TSeriesMarksPositions::Get(int index) const {
    return Holds(index) ? &*items_[index] : nullptr;
}

TSeriesMarkPosition& TSeriesMarksPositions::Ensure(int index) {
    if (index >= Count()) items_.resize(index + 1);
    if (!items_[index]) items_[index].emplace();
    return *items_[index];
}

bool TSeriesMarksPositions::ExistCustom() const {
    return std::any_of(items_.begin(), items_.end(), [](const auto& p) { return p && p->IsCustom; });
}

void TSeriesMarksPositions::Delete(int index) {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void TSeriesMarksPositions::DeleteRange(int first, int count) {
    if (first < 0 || first >= Count() || count < 1) return;
    items_.erase(items_.begin() + first, items_.begin() + std::min(first + count, Count()));
}

#include "chart/series/PixelColumnSpan.h"

#include "chart/axes/ChartAxis.h"

#include <algorithm>
#include <cmath>

void PixelColumnSpan::Start(int y) {
    open_ = true;
    lowest_ = highest_ = last_ = y;
    leftLowest_ = leftHighest_ = false;
}

bool PixelColumnSpan::AddValues(const TChartAxis& axis, const double* values, int count, int step) {
    if (count <= 0) return true;
    // The straight scale keeps the order of values, so the rows' extremes
    // are those of the least and the greatest value.
    double least = values[0];
    double greatest = values[0];
    bool unordered = false;
    for (int k = 0, at = 0; k < count; ++k, at += step) {
        const double v = values[at];
        unordered |= std::isnan(v);
        least = v < least ? v : least;
        greatest = v > greatest ? v : greatest;
    }
    if (unordered) return false;
    const int a = axis.ValueToScreenY(least);
    const int b = axis.ValueToScreenY(greatest);
    const int lastRow = axis.ValueToScreenY(values[(count - 1) * step]);
    const int lowest = std::min({lowest_, a, b});
    const int highest = std::max({highest_, a, b});
    bool leavesLowest = false;
    bool leavesHighest = false;
    if (!LeavesRow(axis, values, count, step, lowest, std::min(a, b) == lowest, lastRow, leavesLowest) ||
        !LeavesRow(axis, values, count, step, highest, std::max(a, b) == highest, lastRow, leavesHighest))
        return false;
    // a new extreme starts its row afresh
    leftLowest_ = leavesLowest || (lowest == lowest_ && leftLowest_);
    leftHighest_ = leavesHighest || (highest == highest_ && leftHighest_);
    lowest_ = lowest;
    highest_ = highest;
    last_ = lastRow;
    return true;
}

bool PixelColumnSpan::LeavesRow(const TChartAxis& axis, const double* values, int count, int step, int row,
                                bool reached, int lastRow, bool& leaves) const {
    if (lastRow != row) {
        // ending elsewhere, it left the row if it was ever there
        leaves = reached || last_ == row;
        return true;
    }
    double low = 0;
    double high = 0;
    const int lastAt = (count - 1) * step;
    if (!axis.ValuesOnPixelY(row, values[lastAt], low, high)) return false;
    const auto onRow = [&](double v) { return v >= low && v <= high; };
    // it left the row only if it was there before its final stay
    int k = count - 1;
    while (k >= 0 && onRow(values[k * step])) --k;
    if (k < 0) {
        leaves = false;
        return true;
    }
    leaves = last_ == row;
    for (int j = 0; j < k && !leaves; ++j) leaves = onRow(values[j * step]);
    return true;
}

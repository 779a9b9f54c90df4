#pragma once
// How strongly each channel series is smoothed while a log loads: a factor N
// per chart series, used as S := (N x S + x) / (N + 1).

#include "viewer/analysis/ChartSeriesTable.h"

#include <array>
#include <cstdint>

inline constexpr int kSmoothingFactorCount = 30;
using SmoothingFactors = std::array<std::int32_t, kSmoothingFactorCount>;

// The numbers a series' own list offers, by item index ("1" ... "128").
inline constexpr std::array<std::int32_t, 9> kSeriesSmoothingNumbers{1, 2, 3, 4, 8, 16, 32, 64, 128};
// The common list's numbers: item 0 is "Выкл" (each series its own).
inline constexpr std::array<std::int32_t, 9> kCommonSmoothingNumbers{0, 2, 3, 4, 8, 16, 32, 64, 128};

// What the chart settings dialog says about smoothing: item indexes, -1 for
// a list without a selection.
struct SmoothingChoice {
    bool FilterOn = false;
    int CommonIndex = 0;
    // The own list of each channel series, by chart index.
    std::array<int, kSmoothingFactorCount> SeriesIndex{};
};

// Filtering off gives 1 everywhere, so each value is still averaged with the
// state before it. The common list on a number gives that number
// everywhere; on "Выкл" (or no selection) each series takes its own list's
// number, and a list without a selection counts as its first item.
SmoothingFactors SmoothingFactorsOf(const SmoothingChoice& choice);

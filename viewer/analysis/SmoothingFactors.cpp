#include "viewer/analysis/SmoothingFactors.h"

namespace {

template <std::size_t N>
bool IsItemOf(const std::array<std::int32_t, N>&, int index) {
    return index >= 0 && index < static_cast<int>(N);
}

}  // namespace

SmoothingFactors SmoothingFactorsOf(const SmoothingChoice& choice) {
    SmoothingFactors factors;
    factors.fill(1);
    if (!choice.FilterOn) return factors;
    if (IsItemOf(kCommonSmoothingNumbers, choice.CommonIndex) && choice.CommonIndex > 0) {
        factors.fill(kCommonSmoothingNumbers[choice.CommonIndex]);
        return factors;
    }
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        const int index = choice.SeriesIndex[series];
        factors[series] = IsItemOf(kSeriesSmoothingNumbers, index) ? kSeriesSmoothingNumbers[index] : 1;
    }
    return factors;
}

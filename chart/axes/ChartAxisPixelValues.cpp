#include "chart/axes/ChartAxis.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::uint64_t MaxStep = std::uint64_t{1} << 62;

// Doubles numbered in their order (-0 and +0 alike), so that a search can
// halve the doubles between two values.
std::int64_t Rank(double v) {
    const auto bits = std::bit_cast<std::int64_t>(v);
    return bits >= 0 ? bits : -(bits & std::numeric_limits<std::int64_t>::max());
}

double FromRank(std::int64_t rank) {
    return rank >= 0 ? std::bit_cast<double>(rank)
                     : std::bit_cast<double>(-rank | std::numeric_limits<std::int64_t>::min());
}

// The outermost value toward `outward` (-1 or +1) that `map` puts on
// `pixel`, found from `known`, a value it puts there, and `guess`, near the
// edge. The straight scale maps monotonically, so the values on one pixel are
// one unbroken run of doubles: gallop from the guess to bracket the edge,
// then halve.
template <class Map>
double FindEdge(const Map& map, int pixel, double known, double guess, int outward) {
    const std::int64_t limit = Rank(outward < 0 ? -HUGE_VAL : HUGE_VAL);
    const std::int64_t g = Rank(guess);
    std::int64_t in = Rank(known);  // maps onto the pixel
    std::int64_t out = 0;           // does not, once bracketed
    bool bracketed = false;
    if (!std::isnan(guess) && (outward < 0 ? g < in : g > in)) {
        if (map(FromRank(g)) == pixel) {
            in = g;
        } else {
            out = g;
            bracketed = true;
        }
    }
    // ranks far apart differ by more than an int64 holds: distances are unsigned
    const auto distance = [&](std::int64_t from, std::int64_t to) {
        return outward < 0 ? static_cast<std::uint64_t>(from) - static_cast<std::uint64_t>(to)
                           : static_cast<std::uint64_t>(to) - static_cast<std::uint64_t>(from);
    };
    const auto beyond = [&](std::int64_t from, std::uint64_t by) {
        return outward < 0 ? static_cast<std::int64_t>(static_cast<std::uint64_t>(from) - by)
                           : static_cast<std::int64_t>(static_cast<std::uint64_t>(from) + by);
    };
    for (std::uint64_t step = 1; !bracketed; step = step < MaxStep ? step * 2 : step) {
        const std::uint64_t room = distance(in, limit);
        if (room == 0) return FromRank(in);  // the pixel holds everything out to infinity
        const std::int64_t next = beyond(in, std::min(step, room));
        if (map(FromRank(next)) == pixel) {
            in = next;
        } else {
            out = next;
            bracketed = true;
        }
    }
    while (distance(in, out) > 1) {
        const std::int64_t middle = beyond(in, distance(in, out) / 2);
        if (map(FromRank(middle)) == pixel)
            in = middle;
        else
            out = middle;
    }
    return FromRank(in);
}

}  // namespace

bool TChartAxis::ValuesOnPixel(int pixel, double known, bool across, double& low, double& high) const {
    if (depth_ || logarithmic_ || iRangeZero_ || iAxisScale_ == 0 || !std::isfinite(iAxisScale_) ||
        !std::isfinite(iMinimum_) || std::isnan(known))
        return false;
    const auto map = [&](double v) { return across ? ValueToScreenX(v) : ValueToScreenY(v); };
    if (map(known) != pixel) return false;
    // Across without inversion, and up with it, the pixel is the start pixel plus the scaled value.
    const bool fromStart = across != inverted_;
    const bool rising = fromStart == (iAxisScale_ > 0);
    const auto valueAt = [&](double position) {
        return iMinimum_ + (fromStart ? position - iStartPos_ : iEndPos_ - position) / iAxisScale_;
    };
    low = FindEdge(map, pixel, known, valueAt(rising ? pixel - 0.5 : pixel + 0.5), -1);
    high = FindEdge(map, pixel, known, valueAt(rising ? pixel + 0.5 : pixel - 0.5), 1);
    return true;
}

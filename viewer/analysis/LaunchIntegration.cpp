#include "viewer/analysis/LaunchIntegration.h"

#include "common/TextFormatting.h"
#include "viewer/analysis/AnalysisNumbers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr long double kLaunchMg = 1200;
constexpr long double kOneGMg = 1000;
constexpr long double kStandardGravity = 9.80665;
constexpr long double kTicksPerSecond = 100;
constexpr std::int32_t kTicksPerMinute = 6000;
constexpr std::int32_t kTicksPerWholeSecond = 100;
constexpr std::int32_t kSecondsPerMinute = 60;
constexpr std::size_t kWindowLength = 3;

// The mean of the last three samples, the newest first.
class SampleWindow {
public:
    SampleWindow(std::span<const std::int32_t> samples, std::int32_t seedTick) {
        const auto last = static_cast<std::int32_t>(samples.size()) - 1;
        for (std::size_t j = 0; j < kWindowLength; ++j)
            values_[j] = samples[std::clamp(seedTick + static_cast<std::int32_t>(j), 0, last)];
    }
    long double Take(std::int32_t sample) {
        std::rotate(values_.rbegin(), values_.rbegin() + 1, values_.rend());
        values_[0] = sample;
        return static_cast<long double>(values_[0] + values_[1] + values_[2]) / kWindowLength;
    }

private:
    std::array<std::int64_t, kWindowLength> values_{};
};

}  // namespace

std::string LaunchTimeText(std::int32_t tick) {
    return std::to_string(tick / kTicksPerMinute) + ":" + IntToZeroPaddedText(tick / kTicksPerWholeSecond % kSecondsPerMinute, 2) +
           ":" + IntToZeroPaddedText(tick % kTicksPerWholeSecond, 2);
}

std::vector<std::string> LaunchIntegrationLines(std::span<const std::int32_t> accelerationMg, std::int32_t seedTick) {
    std::vector<std::string> lines;
    const auto ticks = static_cast<std::int32_t>(accelerationMg.size());
    if (ticks == 0) return lines;
    SampleWindow window(accelerationMg, seedTick);
    std::int32_t tick = 0;
    long double mean = 0;
    for (; tick < ticks; ++tick) {
        mean = window.Take(accelerationMg[tick]);
        if (mean >= kLaunchMg) break;
    }
    if (tick == ticks) return lines;
    lines.push_back("Index start = " + AnalysisNumberText(tick));
    lines.push_back("Time start :" + LaunchTimeText(tick));

    // The launch sample counts once: its mean is the first integrated.
    long double speed = 0, altitude = 0;
    while (true) {
        speed += (mean - kOneGMg) / kOneGMg * kStandardGravity / kTicksPerSecond;
        altitude += speed / kTicksPerSecond;
        if (mean < kOneGMg) {
            lines.push_back("Speed = " + AnalysisNumberText(speed) + "m/c");
            lines.push_back("Alt = " + AnalysisNumberText(altitude) + "m");
            lines.push_back("Index end = " + AnalysisNumberText(tick));
            lines.push_back("Time end :" + LaunchTimeText(tick));
            return lines;
        }
        if (++tick == ticks) return lines;
        mean = window.Take(accelerationMg[tick]);
    }
}

#include "viewer/analysis/MarkerIntegration.h"

#include "ui/core/Rounding.h"
#include "viewer/analysis/AnalysisNumbers.h"

#include <algorithm>
#include <array>

namespace {

constexpr double kUnitsPerG = 512;
// 512 / 9.80665: units of 1/512 g in one m/s².
constexpr long double kUnitsPerMetrePerSecondSquared = 52.20947010446992602L;
constexpr long double kTicksPerSecond = 100;
constexpr std::int32_t kWindowLength = 3;

std::int64_t Units(double g) { return Round(g * kUnitsPerG); }

}  // namespace

std::string MarkerIntegrationProblem(std::int32_t ticks, std::int32_t start, std::int32_t end) {
    if (ticks <= 0) return "Нет данных для расчёта: сначала откройте файл полёта.";
    if (end < start) return "Маркер конца стоит раньше маркера начала: поставьте его после начала.";
    if (start < 0 || end >= ticks) return "Маркеры стоят за пределами данных полёта.";
    return "";
}

MarkerIntegration IntegrateBetweenMarkers(const AccelerationAt& acceleration, std::int32_t ticks, std::int32_t start,
                                          std::int32_t end, double oneG) {
    // Newest first. The seeds are the samples that follow the start, in the
    // same units as every later sample; near the end of the data the last
    // sample stands in for those beyond it.
    std::array<std::int64_t, kWindowLength> window{};
    for (std::int32_t j = 0; j < kWindowLength; ++j) window[j] = Units(acceleration(std::min(start + j, ticks - 1)));
    MarkerIntegration result;
    long double sum = 0;
    for (std::int32_t tick = start; tick <= end; ++tick) {
        std::rotate(window.rbegin(), window.rbegin() + 1, window.rend());
        window[0] = Units(acceleration(tick));
        sum += window[0];
        const long double average = static_cast<long double>(window[0] + window[1] + window[2]) / kWindowLength;
        const long double metresPerSecondSquared = (average - oneG) / kUnitsPerMetrePerSecondSquared;
        result.Speed += metresPerSecondSquared / kTicksPerSecond;
        result.Distance += result.Speed / kTicksPerSecond;
    }
    result.Mean = sum / (end - start + 1);
    return result;
}

std::vector<std::string> MarkerIntegrationLines(const MarkerIntegration& result) {
    return {"Sred = " + AnalysisNumberText(result.Mean), "Speed = " + AnalysisNumberText(result.Speed) + "m/c",
            "Dist = " + AnalysisNumberText(result.Distance) + "m"};
}

// module: common
// The time and number texts are written for every row of the event list and
// every label of the time axis.
#include "common/FlightTime.h"
#include "common/TextFormatting.h"

#include <benchmark/benchmark.h>

static void BM_HundredthsToTimeText(benchmark::State& state) {
    std::int64_t t = 0;
    for (auto _ : state) benchmark::DoNotOptimize(HundredthsToTimeText(t++ % 600000));
}
BENCHMARK(BM_HundredthsToTimeText);

static void BM_FloatToCommaText(benchmark::State& state) {
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToCommaText(3, x));
        x += 0.37;
    }
}
BENCHMARK(BM_FloatToCommaText);

// module: ui
// Axis labels, mark texts and spin edits write their numbers through these.
#include "ui/core/FloatFormatting.h"
#include "ui/core/NumberConversion.h"

#include <benchmark/benchmark.h>

static void BM_FloatToStr(benchmark::State& state) {
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStr(x));
        x += 0.37;
    }
}
BENCHMARK(BM_FloatToStr);

static void BM_FloatToStrFNumber(benchmark::State& state) {
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStrF(x, TFloatFormat::ffNumber, 15, 3));
        x += 1234.567;
    }
}
BENCHMARK(BM_FloatToStrFNumber);

static void BM_FormatFloatMask(benchmark::State& state) {
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat("#,##0.###", x));
        x += 1234.567;
    }
}
BENCHMARK(BM_FormatFloatMask);

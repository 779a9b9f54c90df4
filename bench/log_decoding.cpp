// module: viewer loggen
// Opening a log decodes the whole file on the GUI thread without yielding, so
// decoding speed is what the user waits for.
#include "bench/MillionRecordLog.h"
#include "tests/support/TempFolder.h"
#include "viewer/log/PagedLogDecoder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DecodeMillionRecordLog(benchmark::State& state) {
    TempFolder folder;
    const std::string file = folder.Write("LOG001.log", MillionRecordLog());
    FlightTables tables;
    PagedLogDecoder decoder(tables, {true, AccelerometerRange::Range16g});
    for (auto _ : state) {
        LogLoadResult result = decoder.LoadPagedLog(file);
        if (tables.RecordCount - 1 != kRecords || !result.Messages.empty()) {
            state.SkipWithError("the log did not decode whole");
            break;
        }
        benchmark::DoNotOptimize(tables.FlightRecords[kRecords - 1]);
    }
    state.counters["records/s"] = benchmark::Counter(double(kRecords) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeMillionRecordLog)->Unit(benchmark::kMillisecond);

}  // namespace

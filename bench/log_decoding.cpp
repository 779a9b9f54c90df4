// module: viewer loggen
// Opening a log decodes the whole file on the GUI thread without yielding, so
// decoding speed is what the user waits for. The plain pass reads the same
// bytes once, the floor any decoder stands on.
#include "bench/MillionRecordLog.h"
#include "tests/support/TempFolder.h"
#include "viewer/log/PagedLogDecoder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <numeric>
#include <vector>

namespace {

bool DecodedWhole(const FlightTables& tables, const LogLoadResult& result) {
    return tables.RecordCount - 1 == kRecords && result.Messages.empty();
}

void BM_DecodeMillionRecordLog(benchmark::State& state) {
    TempFolder folder;
    const std::string file = folder.Write("LOG001.log", MillionRecordLog());
    FlightTables tables;
    PagedLogDecoder decoder(tables, {true, AccelerometerRange::Range16g});
    for (auto _ : state) {
        LogLoadResult result = decoder.LoadPagedLog(file);
        if (!DecodedWhole(tables, result)) {
            state.SkipWithError("the log did not decode whole");
            break;
        }
        benchmark::DoNotOptimize(tables.FlightRecords[kRecords - 1]);
    }
    state.counters["records/s"] = benchmark::Counter(double(kRecords) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeMillionRecordLog)->Unit(benchmark::kMillisecond);

std::vector<std::uint8_t> LogBytes() {
    const std::string log = MillionRecordLog();
    return {log.begin(), log.end()};
}

// The first log a program opens: its tables are new, no page of them touched.
void BM_DecodeInMemoryLogIntoNewTables(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = LogBytes();
    for (auto _ : state) {
        auto tables = std::make_unique<FlightTables>();
        PagedLogDecoder decoder(*tables, {true, AccelerometerRange::Range16g});
        LogLoadResult result = decoder.DecodeLog(bytes.data(), bytes.size());
        if (!DecodedWhole(*tables, result)) {
            state.SkipWithError("the log did not decode whole");
            break;
        }
        benchmark::DoNotOptimize(tables->FlightRecords[kRecords - 1]);
    }
}
BENCHMARK(BM_DecodeInMemoryLogIntoNewTables)->Unit(benchmark::kMillisecond);

// A later log: the tables of the earlier loads are reused.
void BM_DecodeInMemoryLogIntoUsedTables(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = LogBytes();
    FlightTables tables;
    PagedLogDecoder decoder(tables, {true, AccelerometerRange::Range16g});
    decoder.DecodeLog(bytes.data(), bytes.size());
    for (auto _ : state) {
        LogLoadResult result = decoder.DecodeLog(bytes.data(), bytes.size());
        if (!DecodedWhole(tables, result)) {
            state.SkipWithError("the log did not decode whole");
            break;
        }
        benchmark::DoNotOptimize(tables.FlightRecords[kRecords - 1]);
    }
}
BENCHMARK(BM_DecodeInMemoryLogIntoUsedTables)->Unit(benchmark::kMillisecond);

void BM_PlainPassOverTheLogBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = LogBytes();
    for (auto _ : state) {
        std::uint64_t sum = std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0});
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PlainPassOverTheLogBytes)->Unit(benchmark::kMillisecond);

}  // namespace

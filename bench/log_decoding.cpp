// module: viewer loggen
// Opening a log decodes the whole file on the GUI thread without yielding, so
// decoding speed is what the user waits for.
#include "tests/support/TempFolder.h"
#include "tools/loggen/LogFileBuilder.h"
#include "viewer/log/PagedLogDecoder.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kRecords = 1000000;

// A log of a million full records at 10 ms, with changing values so that
// every scale and sign branch is taken.
std::string MillionRecordLog() {
    LogFileBuilder log;
    log.AddHeaderPage(0x2A17C3E5, {});
    std::array<SensorRecordRaw, LogFileBuilder::kSensorRecordsPerPage> records{};
    std::uint16_t value = 0;
    for (int page = 0; page < kRecords / 5; ++page) {
        for (auto& record : records) {
            value = static_cast<std::uint16_t>(value * 25173u + 13849u);
            record.Roll = record.Pitch = record.Course = value;
            record.AccelerationX = record.AccelerationY = record.AccelerationZ = value;
            record.AngularRateX = record.AngularRateY = record.AngularRateZ = value;
            record.Acceleration100g = record.BaroAltitude = record.PowerVoltage = value;
            record.Event = static_cast<std::uint8_t>(value % 23);
        }
        log.AddSensorPage(LogFileBuilder::kOneTickRate, records);
    }
    return log.Bytes();
}

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

// Any bytes as a flight log: the decoder must stay inside the input and the
// tables, and its counters must agree with each other.
#include "viewer/log/PagedLogDecoder.h"

#include <cstdlib>

namespace {

class CheckingSteps : public LogRecordSteps {
public:
    void AppendRecordToChart(const WorkingRecord& record, std::int32_t recordCount, RecordRate) override {
        if (recordCount < 1 || recordCount > kFlightTableSlots) std::abort();
        if (record.Event < 0 || record.Event > 255) std::abort();
    }
    void AddEventRow(std::int32_t logTime, EventCode code) override {
        if (logTime < 0 || logTime > kFlightTableSlots || code <= 0 || code > 50) std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FlightTables* tables = new FlightTables();  // once: the tables are large
    static CheckingSteps steps;
    PagedLogDecoder decoder(*tables, {size % 2 == 1, size % 3 == 1 ? AccelerometerRange::Range100g
                                                                   : AccelerometerRange::Range16g});
    decoder.Attach(steps);
    LogLoadResult result = decoder.DecodeLog(data, size);
    if (tables->TickEventCount != tables->LogTime || tables->TickEventCount > kFlightTableSlots) std::abort();
    if (tables->RecordCount < 1 || tables->RecordCount > kFlightTableSlots + 1) std::abort();
    if (tables->BurnoutTick > tables->LogTime) std::abort();
    if (result.Header.has_value() != (size >= kLogPageSize)) std::abort();
    return 0;
}

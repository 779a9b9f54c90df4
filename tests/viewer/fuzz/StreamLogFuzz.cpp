// Any bytes as a stream log: the reader must stay inside the input and the
// tables, and what it reports must agree with what it stored.
#include "viewer/streamlog/StreamLogReader.h"

#include <cstdlib>

namespace {

class CheckingSteps : public StreamLogSteps {
public:
    void ShowProgress(int percent) override {
        if (percent < 0 || percent > 100) std::abort();
    }
    void AppendStreamRecord(const FlightRecord& record, const GpsFix&, bool) override {
        const std::int32_t servo = record[FlightField::Servo1];
        if (servo != 0 && servo != 100) std::abort();
        ++records;
    }
    std::int32_t records = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FlightTables* tables = new FlightTables();  // once: the tables are large
    CheckingSteps steps;
    StreamLoadOptions options;
    options.Compensate1G = size % 2 == 1;
    if (size % 3 == 1) options.Period = StreamPeriod{static_cast<std::int32_t>(size % 7), static_cast<std::int32_t>(size % 11)};
    StreamLogReader reader(*tables, options);
    reader.Attach(steps);
    const StreamLoadResult result = reader.DecodeStream({data, size});
    if (tables->RecordCount != result.RecordCount + 1 || result.RecordCount > kFlightTableSlots) std::abort();
    if (steps.records > result.RecordCount) std::abort();
    if (result.Errors.Total() > 14 * static_cast<std::int64_t>(steps.records)) std::abort();
    return 0;
}

#pragma once
// Steps that note every call the decoder makes, for tests.

#include "viewer/log/LogRecordSteps.h"

#include <string>
#include <vector>

struct EventRow {
    std::int32_t logTime;
    EventCode code;
    bool operator==(const EventRow&) const = default;
};

class RecordingSteps : public LogRecordSteps {
public:
    void ShowHeader(const LogHeaderPage& header) override {
        calls.push_back("header");
        identities.push_back(header.DeviceIdentity());
    }
    void ResetIntegration() override { calls.push_back("reset"); }
    void IntegrateAcceleration(std::int32_t mg, WorkingRecord&) override { integrated.push_back(mg); }
    void AppendRecordToChart(const WorkingRecord& record, std::int32_t recordCount, RecordRate rate) override {
        calls.push_back("record");
        chartRecordCounts.push_back(recordCount);
        chartRates.push_back(rate);
        chartAltitudes.push_back(record.BaroAltitude);
    }
    void AddEventRow(std::int32_t logTime, EventCode code) override { rows.push_back({logTime, code}); }

    std::vector<std::string> calls;
    std::vector<std::uint32_t> identities;
    std::vector<std::int32_t> integrated;
    std::vector<std::int32_t> chartRecordCounts;
    std::vector<RecordRate> chartRates;
    std::vector<std::int32_t> chartAltitudes;
    std::vector<EventRow> rows;
};

#pragma once
// What a window attaches to a log load: the steps every decoded record and
// event goes through (chart points, event rows, accelerometer integration).
// Every step does nothing unless overridden.

#include "viewer/log/FlightTables.h"
#include "viewer/log/LogHeaderPage.h"
#include "viewer/log/WorkingRecord.h"

#include <cstdint>

// How long one record lasts.
enum class RecordRate {
    OneTick,   // 10 ms
    TenTicks,  // 100 ms
};

class LogRecordSteps {
public:
    virtual ~LogRecordSteps() = default;

    // The header page, once per load, before any record.
    virtual void ShowHeader(const LogHeaderPage&) {}
    // At the start of every load, whether or not the file opens.
    virtual void ResetIntegration() {}
    // Once per sensor record with the acceleration the range input picks
    // (before the 1 g compensation); it may set the record's accelerometer
    // speed and altitude, which are then stored with it.
    virtual void IntegrateAcceleration(std::int32_t /*mg*/, WorkingRecord&) {}
    // After the record has been stored in slot recordCount - 1.
    virtual void AppendRecordToChart(const WorkingRecord&, std::int32_t /*recordCount*/, RecordRate) {}
    // A record with an event: the log time the event row shows.
    virtual void AddEventRow(std::int32_t /*logTime*/, EventCode) {}
};

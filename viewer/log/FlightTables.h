#pragma once
// The flight-data tables a log is decoded into: the records, one event code
// per 10 ms tick, and the counters of the load that filled them.

#include "viewer/log/FlightRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// An event code of a record or a tick; 0 is no event.
using EventCode = std::int32_t;

// Both tables have this many slots.
inline constexpr std::int32_t kFlightTableSlots = 1000001;

class FlightTables {
    struct UnmapTable {
        std::size_t bytes = 0;
        void operator()(void* table) const;
    };
    template <class T>
    static std::unique_ptr<T[], UnmapTable> MapTable(std::size_t count);

public:
    // Reserves both tables once, zeroed; their memory is only committed as a
    // load writes it, and a later load reuses what an earlier one touched.
    FlightTables();
    FlightTables(const FlightTables&) = delete;
    FlightTables& operator=(const FlightTables&) = delete;

    std::unique_ptr<FlightRecord[], UnmapTable> FlightRecords;
    // One more than the records a paged load has stored: it starts at 1 and
    // the next record goes into slot RecordCount - 1.
    std::int32_t RecordCount = 1;
    // The slots the last load stored, and no further: what is past them may
    // still hold an older, longer load.
    std::span<const FlightRecord> StoredRecords() const {
        return {FlightRecords.get(), static_cast<std::size_t>(RecordCount > 1 ? RecordCount - 1 : 0)};
    }
    // Ticks of 10 ms since the start of the log.
    std::int32_t LogTime = 0;
    std::unique_ptr<EventCode[], UnmapTable> TickEvents;
    std::int32_t TickEventCount = 0;
    // The log time after the last engine-burnout record; 0 when there is none.
    std::int32_t BurnoutTick = 0;
};

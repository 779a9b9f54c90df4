#pragma once
// Stream logs for the tests, written by the log generator's builder, and
// what decoding them into fresh tables gives.

#include "tests/support/TempFolder.h"
#include "tools/loggen/StreamLogBuilder.h"
#include "viewer/streamlog/StreamLogReader.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

inline std::span<const std::uint8_t> BytesOf(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// A sensor packet whose readings all stay at zero but the error flags.
inline SensorPacketRaw SensorWithFlags(std::uint32_t flags) {
    SensorPacketRaw packet;
    packet.ErrorFlags = flags;
    return packet;
}

inline GpsPacketRaw FixAt(std::int32_t latitude, std::int32_t longitude) {
    GpsPacketRaw fix;
    fix.Latitude = latitude;
    fix.Longitude = longitude;
    fix.Status = 3;
    return fix;
}

// Tables of their own and a reader over them.
struct StreamDecoding {
    explicit StreamDecoding(StreamLoadOptions options = {}) : reader(*tables, options) {}
    StreamLoadResult Decode(const std::string& bytes) { return reader.DecodeStream(BytesOf(bytes)); }
    const FlightRecord& Record(std::int32_t slot) const { return tables->FlightRecords[slot]; }

    std::unique_ptr<FlightTables> tables = std::make_unique<FlightTables>();
    StreamLogReader reader;
};

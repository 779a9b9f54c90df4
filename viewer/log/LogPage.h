#pragma once
// The layout of a flight-log file: 256-byte pages, the first a header page,
// every later one a data page. Multi-byte values are big-endian.

#include "settings/singlestage/EasyBlocks.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kLogPageSize = 256;

// One page as it stands in the file.
using LogPage = std::array<std::uint8_t, kLogPageSize>;

// Byte 0 of a data page: which records it holds; any other type holds none.
inline constexpr std::uint8_t kSensorPageType = 1;  // five SensorLogRecords
inline constexpr std::uint8_t kShortPageType = 2;   // twenty-five ShortLogRecords

// Byte 1 of a data page: 1 = a record covers one 10 ms tick, anything else ten.
inline constexpr std::uint8_t kOneTickRate = 1;
inline constexpr std::size_t kPageRateByte = 1;
inline constexpr std::size_t kPageRecordsStart = 6;

inline constexpr std::size_t kSensorRecordSize = 50;
inline constexpr std::size_t kSensorRecordsPerPage = 5;
inline constexpr std::size_t kShortRecordSize = 10;
inline constexpr std::size_t kShortRecordsPerPage = 25;

// Byte offsets within a SensorLogRecord.
namespace sensor_record {
inline constexpr std::size_t Roll = 0, Pitch = 2, Course = 4;
inline constexpr std::size_t AccelerationX = 6, AccelerationY = 8, AccelerationZ = 10;
inline constexpr std::size_t AngularRateX = 12, AngularRateY = 14, AngularRateZ = 16;
inline constexpr std::size_t Acceleration100g = 18, BaroAltitude = 20, PowerVoltage = 22;
inline constexpr std::size_t Status = 24, Event = 25;
}  // namespace sensor_record

// Byte offsets within a ShortLogRecord.
namespace short_record {
inline constexpr std::size_t BaroAltitude = 0, PowerVoltage = 2, Status = 4, Event = 5;
}  // namespace short_record

// Header page: the device identity and a snapshot of the single-stage
// controller's two settings blocks, in the blocks' own layout (sizes in
// settings/singlestage/EasyBlocks.h).
inline constexpr std::size_t kHeaderIdentityStart = 6;
inline constexpr std::size_t kEasyBlock1Start = 11;
inline constexpr std::size_t kEasyBlock2Start = 50;

inline std::uint32_t ReadBigEndian16(const std::uint8_t* bytes) {
    return (std::uint32_t(bytes[0]) << 8) | bytes[1];
}

inline std::uint32_t ReadBigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) | (std::uint32_t(bytes[2]) << 8) | bytes[3];
}

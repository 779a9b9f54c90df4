#pragma once
// The stream log's packets: a sensor record ('D') every 10 ms tick and a GPS
// fix ('G') before the record it belongs to. Values are big-endian; the
// packet's two last bytes (a check the reader does not verify) follow its
// fields.

#include "viewer/log/FlightRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::uint8_t kSensorPacketType = 'D';
inline constexpr std::uint8_t kGpsPacketType = 'G';
// The type byte and the fields; a shorter packet of the type is damaged.
inline constexpr std::size_t kSensorPacketFieldBytes = 43;
inline constexpr std::size_t kGpsPacketFieldBytes = 14;

// Offsets of the fields in a packet, the type byte being 0.
namespace sensor_packet {
inline constexpr std::size_t Roll = 1, Pitch = 3, Course = 5;
inline constexpr std::size_t AccelerationX = 7, AccelerationY = 9, AccelerationZ = 11;
inline constexpr std::size_t AngularRateX = 13, AngularRateY = 15, AngularRateZ = 17;
inline constexpr std::size_t GyroTemperature = 19, BaroAltitude = 21, BaroTemperature = 23;
inline constexpr std::size_t ElectronicsVoltage = 25, PowerVoltage = 27, Servo1 = 29;
inline constexpr std::size_t Status1 = 37, Status2 = 38, ErrorFlags = 39;
}  // namespace sensor_packet

namespace gps_packet {
inline constexpr std::size_t Latitude = 1, Longitude = 5, Status = 9, Speed = 10, Altitude = 12;
}  // namespace gps_packet

struct GpsFix {
    std::int32_t Latitude = 0;   // degrees x 100,000
    std::int32_t Longitude = 0;  // degrees x 100,000
    std::int32_t Status = 0;
    std::int32_t Speed = 0;      // km/h
    std::int32_t Altitude = 0;   // m
};

// Both take a packet of at least its field bytes.
// The record as the packet gives it: fields 0-17 and 21-23, the barometric
// altitude raw (0.1 m above the device's own zero) and the Z acceleration
// before any compensation; the others 0.
FlightRecord DecodeSensorPacket(std::span<const std::uint8_t> packet);
GpsFix DecodeGpsPacket(std::span<const std::uint8_t> packet);

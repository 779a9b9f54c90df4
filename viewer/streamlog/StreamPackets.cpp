#include "viewer/streamlog/StreamPackets.h"

#include "common/SignRule.h"
#include "ui/core/Rounding.h"
#include "viewer/log/LogPage.h"

namespace {

// 512 counts a g.
constexpr double kMilliGPerCount = 1.953125;
constexpr double kCountsPerDegreePerSecond = 16.38;
constexpr int kServoCount = 4;

}  // namespace

FlightRecord DecodeSensorPacket(std::span<const std::uint8_t> packet) {
    namespace at = sensor_packet;
    auto raw = [&packet](std::size_t offset) { return ReadBigEndian16(&packet[offset]); };
    auto signedAt = [&raw](std::size_t offset) { return SignExtend16(raw(offset)); };
    auto acceleration = [&signedAt](std::size_t offset) {
        return static_cast<std::int32_t>(Round(signedAt(offset) * kMilliGPerCount));
    };
    auto angularRate = [&signedAt](std::size_t offset) {
        return static_cast<std::int32_t>(Round(signedAt(offset) / kCountsPerDegreePerSecond));
    };
    FlightRecord r{};
    r[FlightField::Roll] = signedAt(at::Roll);
    r[FlightField::Pitch] = signedAt(at::Pitch);
    r[FlightField::Course] = signedAt(at::Course);
    r[FlightField::AccelerationX] = acceleration(at::AccelerationX);
    r[FlightField::AccelerationY] = acceleration(at::AccelerationY);
    r[FlightField::AccelerationZ] = acceleration(at::AccelerationZ);
    r[FlightField::AngularRateX] = angularRate(at::AngularRateX);
    r[FlightField::AngularRateY] = angularRate(at::AngularRateY);
    r[FlightField::AngularRateZ] = angularRate(at::AngularRateZ);
    r[FlightField::GyroTemperature] = signedAt(at::GyroTemperature);
    r[FlightField::BaroAltitude] = signedAt(at::BaroAltitude);
    r[FlightField::BaroTemperature] = signedAt(at::BaroTemperature);
    r[FlightField::ElectronicsVoltage] = static_cast<std::int32_t>(raw(at::ElectronicsVoltage));
    r[FlightField::PowerVoltage] = static_cast<std::int32_t>(raw(at::PowerVoltage));
    for (int servo = 0; servo < kServoCount; ++servo)
        r.Fields[static_cast<std::size_t>(FlightField::Servo1) + servo] = signedAt(at::Servo1 + 2 * servo);
    r[FlightField::Status1] = packet[at::Status1];
    r[FlightField::Status2] = packet[at::Status2];
    r[FlightField::ErrorFlags] = static_cast<std::int32_t>(ReadBigEndian32(&packet[at::ErrorFlags]));
    return r;
}

GpsFix DecodeGpsPacket(std::span<const std::uint8_t> packet) {
    namespace at = gps_packet;
    GpsFix fix;
    fix.Latitude = static_cast<std::int32_t>(ReadBigEndian32(&packet[at::Latitude]));
    fix.Longitude = static_cast<std::int32_t>(ReadBigEndian32(&packet[at::Longitude]));
    fix.Status = packet[at::Status];
    fix.Speed = static_cast<std::int32_t>(ReadBigEndian16(&packet[at::Speed]));
    fix.Altitude = static_cast<std::int32_t>(ReadBigEndian16(&packet[at::Altitude]));
    return fix;
}

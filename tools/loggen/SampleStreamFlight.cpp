#include "tools/loggen/SampleStreamFlight.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kGravity = 9.80665;  // m/s^2
constexpr double kTick = 0.01;        // s
constexpr std::int32_t kRecords = 3000;
constexpr std::int32_t kPadRecords = 200;
constexpr std::int32_t kBoostRecords = 150;
constexpr double kThrust = 5.0;          // g, as the accelerometer reads it
constexpr double kDescentSpeed = 15.0;   // m/s under the parachute
constexpr double kGroundAltitude = 150;  // m above the sea
constexpr double kCountsPerG = 512;
constexpr std::int32_t kFirstFixRecord = 100;
constexpr std::int32_t kRecordsPerFix = 10;
constexpr std::int32_t kStartLatitude = 5575123, kStartLongitude = 3761789;
constexpr std::uint8_t kFixStatus = 3;
constexpr StreamErrorSpan kGpsOutage{1200, 1299, kGpsErrorFlag};
constexpr StreamErrorSpan kPressureGlitch{2000, 2000, kPressureSensorErrorFlag};

std::int16_t Whole16(double value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -32767.0, 32767.0)));
}

std::uint32_t FlagsAt(std::int32_t record) {
    std::uint32_t flags = 0;
    for (const StreamErrorSpan& span : {kGpsOutage, kPressureGlitch})
        if (record >= span.First && record <= span.Last) flags |= span.Flags;
    return flags;
}

}  // namespace

SampleStreamFlight MakeSampleStreamFlight() {
    SampleStreamFlight flight;
    flight.Records = kRecords;
    flight.Errors = {kGpsOutage, kPressureGlitch};
    double altitude = 0, speed = 0;  // m, m/s
    std::int32_t fixes = 0;
    for (std::int32_t record = 0; record < kRecords; ++record) {
        // The accelerometer reads 1 g at rest and under the parachute, the
        // thrust while the motor burns, and nothing while coasting.
        double reading = 1.0;
        const bool boosting = record >= kPadRecords && record < kPadRecords + kBoostRecords;
        if (boosting) {
            reading = kThrust;
            speed += (kThrust - 1.0) * kGravity * kTick;
        } else if (record >= kPadRecords && speed > 0) {
            reading = 0.0;
            speed -= kGravity * kTick;
        } else if (altitude > 0) {
            speed = -kDescentSpeed;
        } else {
            speed = 0;
        }
        altitude = std::max(0.0, altitude + speed * kTick);
        const std::uint32_t flags = FlagsAt(record);
        if (record >= kFirstFixRecord && record % kRecordsPerFix == 0 && (flags & kGpsErrorFlag) == 0) {
            GpsPacketRaw fix;
            fix.Latitude = kStartLatitude + fixes;
            fix.Longitude = kStartLongitude + 2 * fixes;
            fix.Status = kFixStatus;
            fix.Speed = static_cast<std::uint16_t>(std::lround(std::abs(speed) * 3.6));
            fix.Altitude = static_cast<std::uint16_t>(std::lround(kGroundAltitude + altitude));
            flight.Log.AddGpsPacket(fix);
            flight.Fixes.push_back({record, fix.Latitude, fix.Longitude});
            ++fixes;
        }
        SensorPacketRaw sensor;
        sensor.Roll = Whole16(record % 3600);
        sensor.AccelerationZ = Whole16(reading * kCountsPerG);
        sensor.AngularRateZ = Whole16(record >= kPadRecords ? 16.38 * 30 : 0);
        sensor.GyroTemperature = 215;
        sensor.BaroAltitude = Whole16((kGroundAltitude + altitude) * 10);
        sensor.BaroTemperature = 198;
        sensor.ElectronicsVoltage = 4100;
        sensor.PowerVoltage = 8200;
        sensor.ErrorFlags = flags;
        flight.Log.AddSensorPacket(sensor);
    }
    return flight;
}

#pragma once
// One sample of a flight as the viewer keeps it: 29 signed 32-bit fields.

#include <array>
#include <cstddef>
#include <cstdint>

enum class FlightField : std::size_t {
    Roll,                  // 0.01 degree
    Pitch,                 // 0.01 degree
    Course,                // 0.01 degree
    AccelerationX,         // mg
    AccelerationY,         // mg
    AccelerationZ,         // mg
    AngularRateX,          // degree/s
    AngularRateY,          // degree/s
    AngularRateZ,          // degree/s
    GyroTemperature,       // 0.1 °C
    BaroAltitude,          // 0.1 m
    BaroTemperature,       // 0.1 °C
    ElectronicsVoltage,    // mV
    PowerVoltage,          // mV
    Servo1,                // 0.1 ms
    Servo2,
    Servo3,
    Servo4,
    AccelAltitude,         // mm, integrated from the accelerometer
    AccelSpeed,            // mm/s, integrated from the accelerometer
    Acceleration100g,      // mg
    Status1,
    Status2,
    ErrorFlags,
    Latitude,              // degrees x 100,000
    Longitude,             // degrees x 100,000
    GpsStatus,
    GpsSpeed,              // km/h
    GpsAltitude,           // m
    Count
};

inline constexpr std::size_t kFlightFieldCount = static_cast<std::size_t>(FlightField::Count);

struct FlightRecord {
    std::array<std::int32_t, kFlightFieldCount> Fields;

    std::int32_t& operator[](FlightField field) { return Fields[static_cast<std::size_t>(field)]; }
    std::int32_t operator[](FlightField field) const { return Fields[static_cast<std::size_t>(field)]; }
};

#pragma once
// Writes stream logs as the controller sends them: each packet framed by
// 0xC0 and its length, 0xC0 and 0xDB escaped, two check bytes after the
// fields; values big-endian.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A sensor record ('D'), raw as the controller sends it.
struct SensorPacketRaw {
    std::int16_t Roll = 0, Pitch = 0, Course = 0;                    // 0.1 degree
    std::int16_t AccelerationX = 0, AccelerationY = 0, AccelerationZ = 0;  // 512 counts a g
    std::int16_t AngularRateX = 0, AngularRateY = 0, AngularRateZ = 0;    // 16.38 counts a degree/s
    std::int16_t GyroTemperature = 0;                                // 0.1 °C
    std::int16_t BaroAltitude = 0;                                   // 0.1 m
    std::int16_t BaroTemperature = 0;                                // 0.1 °C
    std::uint16_t ElectronicsVoltage = 0, PowerVoltage = 0;          // mV
    std::int16_t Servo[4] = {};                                      // 0.1 ms
    std::uint8_t Status1 = 0, Status2 = 0;
    std::uint32_t ErrorFlags = 0;
};

// A GPS fix ('G').
struct GpsPacketRaw {
    std::int32_t Latitude = 0, Longitude = 0;  // degrees x 100,000
    std::uint8_t Status = 0;
    std::uint16_t Speed = 0;     // km/h
    std::uint16_t Altitude = 0;  // m
};

class StreamLogBuilder {
public:
    static constexpr std::uint8_t kFrameStart = 0xC0;
    static constexpr std::uint8_t kEscape = 0xDB;

    void AddSensorPacket(const SensorPacketRaw& packet);
    void AddGpsPacket(const GpsPacketRaw& packet);
    // Any packet bytes (type first), framed with the check bytes added.
    void AddPacket(std::span<const std::uint8_t> fields);
    // Raw bytes: garbage, a cut frame, a stray frame start.
    void AddBytes(std::string_view bytes) { bytes_.append(bytes); }

    const std::string& Bytes() const { return bytes_; }
    // Throws std::runtime_error when the file cannot be written whole.
    void WriteTo(const std::string& fileName) const;

    // The fields of a packet, type byte first, without framing.
    static std::string SensorFields(const SensorPacketRaw& packet);
    static std::string GpsFields(const GpsPacketRaw& packet);

private:
    void AddEscaped(std::uint8_t byte);

    std::string bytes_;
};

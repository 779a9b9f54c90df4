#include "tools/loggen/StreamLogBuilder.h"

#include "tools/loggen/FileBytes.h"


namespace {

constexpr std::uint8_t kEscapedFrameStart = 0xDC;
constexpr std::uint8_t kEscapedEscape = 0xDD;

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value >> 16));
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
}

}  // namespace

std::string StreamLogBuilder::SensorFields(const SensorPacketRaw& p) {
    std::string out = "D";
    for (std::int16_t value : {p.Roll, p.Pitch, p.Course, p.AccelerationX, p.AccelerationY, p.AccelerationZ,
                               p.AngularRateX, p.AngularRateY, p.AngularRateZ, p.GyroTemperature, p.BaroAltitude,
                               p.BaroTemperature})
        Put16(out, static_cast<std::uint16_t>(value));
    Put16(out, p.ElectronicsVoltage);
    Put16(out, p.PowerVoltage);
    for (std::int16_t servo : p.Servo) Put16(out, static_cast<std::uint16_t>(servo));
    out += static_cast<char>(p.Status1);
    out += static_cast<char>(p.Status2);
    Put32(out, p.ErrorFlags);
    return out;
}

std::string StreamLogBuilder::GpsFields(const GpsPacketRaw& p) {
    std::string out = "G";
    Put32(out, static_cast<std::uint32_t>(p.Latitude));
    Put32(out, static_cast<std::uint32_t>(p.Longitude));
    out += static_cast<char>(p.Status);
    Put16(out, p.Speed);
    Put16(out, p.Altitude);
    return out;
}

void StreamLogBuilder::AddSensorPacket(const SensorPacketRaw& packet) {
    const std::string fields = SensorFields(packet);
    AddPacket({reinterpret_cast<const std::uint8_t*>(fields.data()), fields.size()});
}

void StreamLogBuilder::AddGpsPacket(const GpsPacketRaw& packet) {
    const std::string fields = GpsFields(packet);
    AddPacket({reinterpret_cast<const std::uint8_t*>(fields.data()), fields.size()});
}

void StreamLogBuilder::AddEscaped(std::uint8_t byte) {
    if (byte == kFrameStart || byte == kEscape) {
        bytes_ += static_cast<char>(kEscape);
        bytes_ += static_cast<char>(byte == kFrameStart ? kEscapedFrameStart : kEscapedEscape);
    } else {
        bytes_ += static_cast<char>(byte);
    }
}

void StreamLogBuilder::AddPacket(std::span<const std::uint8_t> fields) {
    constexpr std::size_t kCheckBytes = 2;
    std::uint16_t check = 0;
    for (std::uint8_t byte : fields) check = static_cast<std::uint16_t>(check + byte);
    bytes_ += static_cast<char>(kFrameStart);
    AddEscaped(static_cast<std::uint8_t>(fields.size() + kCheckBytes));
    for (std::uint8_t byte : fields) AddEscaped(byte);
    AddEscaped(static_cast<std::uint8_t>(check >> 8));
    AddEscaped(static_cast<std::uint8_t>(check & 0xFF));
}

void StreamLogBuilder::WriteTo(const std::string& fileName) const { WriteFileBytes(fileName, bytes_); }

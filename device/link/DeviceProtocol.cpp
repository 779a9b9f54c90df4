#include "device/link/DeviceProtocol.h"

#include <algorithm>
#include <stdexcept>

DeviceRequest& DeviceRequest::Byte(std::uint8_t value) {
    Payload.push_back(value);
    return *this;
}

DeviceRequest& DeviceRequest::Word16(std::uint32_t value) {
    return Byte(static_cast<std::uint8_t>(value >> 8)).Byte(static_cast<std::uint8_t>(value));
}

DeviceRequest& DeviceRequest::Word24(std::uint32_t value) {
    return Byte(static_cast<std::uint8_t>(value >> 16)).Word16(value & 0xFFFF);
}

DeviceRequest& DeviceRequest::Word32(std::uint32_t value) {
    return Byte(static_cast<std::uint8_t>(value >> 24)).Word24(value & 0xFFFFFF);
}

DeviceRequest& DeviceRequest::Bytes(const std::uint8_t* data, std::size_t count) {
    Payload.insert(Payload.end(), data, data + count);
    return *this;
}

void DeviceRequest::WriteTo(std::array<std::uint8_t, kSendBufferSize>& buffer) const {
    if (Payload.size() > kMostPayload) throw std::length_error("request payload too long");
    buffer[0] = 0;
    buffer[1] = 0x03;
    buffer[2] = Length;
    buffer[3] = 0x12;
    buffer[4] = Command;
    buffer[5] = Sub;
    std::copy(Payload.begin(), Payload.end(), buffer.begin() + kPayloadOffset);
}

std::uint32_t DeviceAnswer::DataWord24(std::size_t i) const {
    return (std::uint32_t{Data(i)} << 16) | (std::uint32_t{Data(i + 1)} << 8) | Data(i + 2);
}

std::uint32_t DeviceAnswer::DataWord32(std::size_t i) const {
    return (std::uint32_t{Data(i)} << 24) | DataWord24(i + 1);
}

std::size_t DeviceAnswer::CopyData(std::uint8_t* out, std::size_t count) const {
    std::size_t start = base_ + 2;
    std::size_t available = start < buffer_.size() ? buffer_.size() - start : 0;
    std::size_t n = std::min(count, available);
    std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(start), n, out);
    return n;
}

#pragma once
// The messages between the HID layer and the controller emulator over its
// packet socket. A connection starts with List, Open or Watch:
//   List                          -> DeviceList u16 count, descriptions
//   Open u32 instance, u8 mode    -> Reply u32 error; then on a Requests connection
//     GetFeature u8 reportId      -> Reply u32 error, the whole feature report
//     SetFeature report           -> Reply u32 error
//     WriteOutput report          -> Reply u32 error
//   and on an InputReports connection the emulator sends Input report messages.
//   Watch                         -> Arrival/Removal u32 instance, path (the
//                                    devices present come first as arrivals)
// The emulator ends a device's connections when the device is unplugged.

#include "platform/hid/HidTransport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::hidemu {

enum Op : std::uint8_t {
    List = 0x01,
    Open = 0x02,
    Watch = 0x03,
    GetFeature = 0x10,
    SetFeature = 0x11,
    WriteOutput = 0x12,
    Reply = 0x80,
    DeviceList = 0x81,
    Input = 0x82,
    Arrival = 0x83,
    Removal = 0x84,
};

enum OpenMode : std::uint8_t { Requests = 0, InputReports = 1 };

class MessageWriter {
public:
    explicit MessageWriter(Op op) : bytes_(1, op) {}
    MessageWriter& U8(std::uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    MessageWriter& U16(std::uint16_t v) { return U8(std::uint8_t(v >> 8)).U8(std::uint8_t(v)); }
    MessageWriter& U32(std::uint32_t v) { return U16(std::uint16_t(v >> 16)).U16(std::uint16_t(v)); }
    MessageWriter& Bytes(const std::uint8_t* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) bytes_.push_back(data[i]);
        return *this;
    }
    MessageWriter& Bytes(const std::vector<std::uint8_t>& data) { return Bytes(data.data(), data.size()); }
    MessageWriter& Text(const std::string& text) {
        U16(static_cast<std::uint16_t>(text.size()));
        return Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    MessageWriter& Text16(const std::u16string& text) {
        U16(static_cast<std::uint16_t>(text.size()));
        for (char16_t c : text) U16(c);
        return *this;
    }
    const std::vector<std::uint8_t>& Message() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads past the end give zeros and clear Ok(), so a short message is refused
// rather than read beyond.
class MessageReader {
public:
    explicit MessageReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::uint8_t U8() {
        if (at_ >= bytes_.size()) {
            ok_ = false;
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint16_t U16() {
        std::uint16_t high = U8();
        return static_cast<std::uint16_t>(high << 8 | U8());
    }
    std::uint32_t U32() {
        std::uint32_t high = U16();
        return high << 16 | U16();
    }
    std::string Text() {
        std::size_t size = U16();
        if (bytes_.size() - at_ < size) {
            ok_ = false;
            at_ = bytes_.size();
            return {};
        }
        std::string text(bytes_.begin() + at_, bytes_.begin() + at_ + size);
        at_ += size;
        return text;
    }
    std::u16string Text16() {
        std::size_t size = U16();
        std::u16string text;
        for (std::size_t i = 0; i < size && ok_; ++i) text.push_back(U16());
        return text;
    }
    // Everything not read yet.
    std::vector<std::uint8_t> Rest() {
        std::vector<std::uint8_t> rest(bytes_.begin() + std::min(at_, bytes_.size()), bytes_.end());
        at_ = bytes_.size();
        return rest;
    }
    bool Ok() const { return ok_; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

inline void WriteDescription(MessageWriter& writer, const HidDeviceDescription& device) {
    writer.U32(device.instance).Text(device.path).U16(device.vendorId).U16(device.productId).U16(device.version);
    writer.Text16(device.product).U16(device.usagePage).U16(device.usage);
    writer.U16(device.inputLength).U16(device.outputLength).U16(device.featureLength);
}

inline HidDeviceDescription ReadDescription(MessageReader& reader) {
    HidDeviceDescription device;
    device.instance = reader.U32();
    device.path = reader.Text();
    device.vendorId = reader.U16();
    device.productId = reader.U16();
    device.version = reader.U16();
    device.product = reader.Text16();
    device.usagePage = reader.U16();
    device.usage = reader.U16();
    device.inputLength = reader.U16();
    device.outputLength = reader.U16();
    device.featureLength = reader.U16();
    return device;
}

}  // namespace platform::hidemu

#pragma once
// The controller's side of the conversation: transfer modes, the request
// frame with its command codes, and where an answer's fields stand.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// TransferMode values: which kind of device is current, and so its transfer path.
constexpr std::int32_t tmNone = 0;
constexpr std::int32_t tmFlightController = 1;  // feature reports both ways
constexpr std::int32_t tmDip = 2;               // output reports out, input reports back
constexpr std::int32_t tmBootloader = 3;        // feature reports both ways

// Product strings, exact and case-sensitive.
constexpr const char* kFlightControllerProduct = "Velzar flight controller";
constexpr const char* kDipProduct = "Velzar DIP";
constexpr const char* kBootloaderProduct = "Velzar mini bootloader";

constexpr std::size_t kSendBufferSize = 68;
constexpr std::size_t kReceiveBufferSize = 84;

// DeviceCommand: the command codes; each answer echoes its command.
enum DeviceCommand : std::uint8_t {
    cmdReadSettings = 1,
    cmdWriteSettings = 2,
    cmdLog = 7,
    cmdBoot = 0x32,
    cmdEnterBoot = 0xFE,
};

// Sub-commands of cmdLog.
enum : std::uint8_t { logInfo = 1, logFileInfo = 2, logData = 3, logClear = 4 };
// Sub-commands of cmdBoot.
enum : std::uint8_t { bootStatus = 0, bootErase = 2, bootData = 3, bootChecksum = 4, bootApply = 5, bootLeave = 8 };
// cmdEnterBoot's sub-command and payload byte.
constexpr std::uint8_t kEnterBootSub = 0xAA;
constexpr std::uint8_t kEnterBootKey = 0xBB;

// Length bytes of the frames.
constexpr std::uint8_t kLengthSettingsOrBoot = 0x2A;
constexpr std::uint8_t kLengthLogInfo = 3;
constexpr std::uint8_t kLengthFileInfoOrClear = 4;
constexpr std::uint8_t kLengthLogData = 8;

// A request frame as it stands in the send buffer: report ID 0, 0x03, the
// length byte, 0x12, command, sub-command or block, payload from byte 6 with
// multi-byte values big-endian.
struct DeviceRequest {
    static constexpr std::size_t kPayloadOffset = 6;
    static constexpr std::size_t kMostPayload = kSendBufferSize - kPayloadOffset;

    DeviceRequest(std::uint8_t length, std::uint8_t command, std::uint8_t sub)
        : Length(length), Command(command), Sub(sub) {}

    std::uint8_t Length;
    std::uint8_t Command;
    std::uint8_t Sub;
    std::vector<std::uint8_t> Payload;

    DeviceRequest& Byte(std::uint8_t value);
    DeviceRequest& Word16(std::uint32_t value);
    DeviceRequest& Word24(std::uint32_t value);
    DeviceRequest& Word32(std::uint32_t value);
    DeviceRequest& Bytes(const std::uint8_t* data, std::size_t count);

    // Writes the frame's bytes; the buffer's other bytes keep what they held.
    // Raises std::length_error for a payload that does not fit.
    void WriteTo(std::array<std::uint8_t, kSendBufferSize>& buffer) const;
};

// DeviceAnswer: the fields of the answer in the receive buffer. Modes 1 and 3
// read a feature report with its ID in byte 0; mode 2 an input report without it.
class DeviceAnswer {
public:
    DeviceAnswer(const std::array<std::uint8_t, kReceiveBufferSize>& buffer, std::int32_t mode)
        : buffer_(buffer), base_(mode == tmDip ? 2 : 3) {}

    std::uint8_t Command() const { return At(base_); }
    std::uint8_t Sub() const { return At(base_ + 1); }
    // Data byte i; 0 beyond the buffer.
    std::uint8_t Data(std::size_t i) const { return At(base_ + 2 + i); }
    std::uint32_t DataWord24(std::size_t i) const;
    std::uint32_t DataWord32(std::size_t i) const;
    // Copies up to `count` data bytes from data byte 0; gives how many fitted.
    std::size_t CopyData(std::uint8_t* out, std::size_t count) const;

private:
    std::uint8_t At(std::size_t i) const { return i < buffer_.size() ? buffer_[i] : 0; }
    const std::array<std::uint8_t, kReceiveBufferSize>& buffer_;
    std::size_t base_;
};

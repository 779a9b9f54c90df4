#pragma once
// One emulated controller as the program sees it over HID: the flight
// controller, the DIP controller or the bootloader, with its memories, its
// answer timing and the faults it is told to show.
//
// Requests arrive as feature reports (flight controller, bootloader) or
// output reports (DIP controller): report ID, then 0x03, length, 0x12,
// command, sub-command, payload. Answers are 0x03, length, command,
// sub-command, data after the report ID. A feature-report device latches
// each answer a set delay after its request; a get returns the answer
// latched last and consumes it, and a get with nothing new to give returns
// a report of zeros. The DIP controller sends each answer as an input report
// once its delay has passed.

#include "tools/emulator/LogMemory.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class DeviceKind { FlightController, Dip, Bootloader };

// "Velzar flight controller", "Velzar DIP", "Velzar mini bootloader".
const char* ProductStringOf(DeviceKind kind);

enum class FaultKind {
    NoAnswer,      // the request is ignored
    WrongCommand,  // the answer echoes another command code
    WrongBlock,    // the answer carries another sub-command or block number
    Garbage,       // the answer is noise whose command byte is not the request's
    SlowAnswer,    // the answer comes delayMs later than usual
};

// Applies to the requests it matches, `count` times (negative: for ever),
// once the first `after` of them have passed untouched.
struct FaultRule {
    FaultKind kind = FaultKind::NoAnswer;
    int count = -1;
    std::optional<std::uint8_t> command;
    std::optional<std::uint8_t> sub;
    std::uint32_t delayMs = 0;
    int after = 0;
};

// What the emulator around the device must do after a request.
struct DeviceAction {
    bool unplug = false;
    // Stay on the bus this long before going (a switch finishes its transfer first).
    std::uint32_t unplugDelayMs = 0;
    // Plug in again as this kind, after the delay (the bootloader switch).
    std::optional<DeviceKind> replugAs;
    std::uint32_t replugDelayMs = 0;
};

class EmulatedDevice {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr std::size_t kFirmwareCapacity = 128 * 1024;

    explicit EmulatedDevice(DeviceKind kind);

    DeviceKind Kind() const { return kind_; }
    void SetKind(DeviceKind kind) { kind_ = kind; }
    // Answers as input reports rather than latched feature reports.
    bool AnswersByInputReports() const { return kind_ == DeviceKind::Dip; }

    // Report lengths with the report ID byte, as the device's capabilities give them.
    std::uint16_t inputLength = 65;
    std::uint16_t outputLength = 65;
    std::uint16_t featureLength = 65;

    std::uint32_t answerDelayMs = 0;
    // A log clear answers "still erasing" this many times, one answer per interval.
    int eraseSteps = 0;
    std::uint32_t eraseIntervalMs = 50;
    // A switch between the flight controller and the bootloader: how long
    // the device stays after the request, and how long it is away.
    std::uint32_t switchDelayMs = 100;
    std::uint32_t replugDelayMs = 100;
    // The device can be opened for queries only.
    bool refuseReadWrite = false;

    LogMemory logs;
    std::map<std::uint8_t, std::vector<std::uint8_t>> settingsBlocks;
    // Written by the bootloader's data blocks; 0xFF where erased.
    std::vector<std::uint8_t> firmwareMemory;
    // The data blocks taken since the last erase: block number and sequence, in order.
    std::vector<std::pair<std::uint16_t, std::uint8_t>> receivedBlocks;
    // The image the last confirmed apply took; empty before.
    std::vector<std::uint8_t> installedFirmware;

    void AddFault(const FaultRule& rule) { faults_.push_back(rule); }
    void ClearFaults() {
        faults_.clear();
        unplugAfterRequests_.reset();
    }
    // The n-th request from now unplugs the device in place of an answer.
    void UnplugAfterRequests(int n) { unplugAfterRequests_ = n; }

    // Requests taken since the device was made, answered or not.
    int RequestCount() const { return requestCount_; }

    // A feature or output report from the program.
    DeviceAction TakeRequest(const std::vector<std::uint8_t>& report, Clock::time_point now);

    // The whole feature report a get returns now.
    std::vector<std::uint8_t> ReadFeature(Clock::time_point now);

    // Input reports due by now, oldest first, for a device that answers so.
    std::vector<std::vector<std::uint8_t>> TakeDueInputReports(Clock::time_point now);

    // When the next input report falls due.
    std::optional<Clock::time_point> NextInputDue() const;

    // Forgets answers not yet given, as a device does when it is unplugged.
    void DropAnswers();

private:
    struct Scheduled {
        Clock::time_point due;
        std::vector<std::uint8_t> frame;
        bool eraseInProgress = false;  // a "still erasing" status: another follows
    };

    std::optional<std::vector<std::uint8_t>> Answer(std::uint8_t command, std::uint8_t sub,
                                                    const std::vector<std::uint8_t>& payload, DeviceAction& action);
    std::optional<std::vector<std::uint8_t>> AnswerLog(std::uint8_t sub, const std::vector<std::uint8_t>& payload);
    std::optional<std::vector<std::uint8_t>> AnswerBoot(std::uint8_t sub, const std::vector<std::uint8_t>& payload,
                                                        DeviceAction& action);
    const FaultRule* TakeFault(std::uint8_t command, std::uint8_t sub);
    void Schedule(Clock::time_point due, std::vector<std::uint8_t> frame, bool eraseInProgress);
    void FollowErase(const Scheduled& given, Clock::time_point now);
    std::vector<std::uint8_t> AsReport(const std::vector<std::uint8_t>& frame, std::uint16_t length) const;
    std::vector<std::uint8_t> Garbage(std::uint8_t command);

    DeviceKind kind_;
    std::vector<FaultRule> faults_;
    std::optional<int> unplugAfterRequests_;
    int requestCount_ = 0;
    std::deque<Scheduled> scheduled_;
    std::optional<Scheduled> latched_;
    bool latchedFresh_ = false;
    int eraseLeft_ = 0;
    bool checksumMatched_ = false;
    std::uint32_t checkedSize_ = 0;
    std::uint32_t noise_ = 0x9E3779B9u;
};

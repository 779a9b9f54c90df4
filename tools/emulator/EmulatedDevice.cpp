#include "tools/emulator/EmulatedDevice.h"

#include "tools/emulator/EmulatedBlock9.h"

#include "device/firmware/FirmwareChecksum.h"
#include "tools/emulator/EmulatedDipSettings.h"

#include <algorithm>

namespace {

// The commands the controller and its bootloader know.
constexpr std::uint8_t kReadSettings = 0x01;
constexpr std::uint8_t kWriteSettings = 0x02;
constexpr std::uint8_t kLog = 0x07;
constexpr std::uint8_t kLogInfo = 1, kLogFileInfo = 2, kLogData = 3, kLogClear = 4;
constexpr std::uint8_t kBoot = 0x32;
constexpr std::uint8_t kBootStatus = 0, kBootErase = 2, kBootData = 3, kBootChecksum = 4, kBootApply = 5,
                       kBootLeave = 8;
constexpr std::uint8_t kEnterBoot = 0xFE;
constexpr std::uint8_t kEnterBootSub = 0xAA, kEnterBootKey = 0xBB;

constexpr std::uint8_t kFrameStart = 0x03;
constexpr std::uint8_t kRequestMark = 0x12;
constexpr std::size_t kFirmwareBlock = 32;

std::vector<std::uint8_t> Frame(std::uint8_t command, std::uint8_t sub, const std::vector<std::uint8_t>& data = {}) {
    std::vector<std::uint8_t> frame(4 + data.size());
    frame[0] = kFrameStart;
    frame[1] = static_cast<std::uint8_t>(2 + data.size());
    frame[2] = command;
    frame[3] = sub;
    std::copy(data.begin(), data.end(), frame.begin() + 4);
    return frame;
}

void Put24(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    Put24(out, v);
}

// Big-endian from the payload; missing bytes read as 0.
std::uint32_t Get(const std::vector<std::uint8_t>& payload, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | (at + i < payload.size() ? payload[at + i] : 0);
    return v;
}

}  // namespace

const char* ProductStringOf(DeviceKind kind) {
    switch (kind) {
    case DeviceKind::FlightController: return "Velzar flight controller";
    case DeviceKind::Dip: return "Velzar DIP";
    case DeviceKind::Bootloader: return "Velzar mini bootloader";
    }
    return "";
}

EmulatedDevice::EmulatedDevice(DeviceKind kind) : firmwareMemory(kFirmwareCapacity, 0xFF), kind_(kind) {
    if (kind == DeviceKind::Dip) {
        settingsBlocks = DipFactorySettingsBlocks();
    } else {
        settingsBlocks[1].assign(39, 0);
        settingsBlocks[2].assign(20, 0);
        settingsBlocks[kBlock9] = EmptyBlock9(featureLength);
    }
}

DeviceAction EmulatedDevice::TakeRequest(const std::vector<std::uint8_t>& report, Clock::time_point now) {
    DeviceAction action;
    ++requestCount_;
    if (unplugAfterRequests_ && --*unplugAfterRequests_ <= 0) {
        unplugAfterRequests_.reset();
        action.unplug = true;
        return action;
    }
    if (report.size() < 6 || report[1] != kFrameStart || report[3] != kRequestMark) return action;
    std::uint8_t command = report[4];
    std::uint8_t sub = report[5];
    std::vector<std::uint8_t> payload(report.begin() + 6, report.end());

    const FaultRule* fault = TakeFault(command, sub);
    if (fault && fault->kind == FaultKind::NoAnswer) return action;
    std::optional<std::vector<std::uint8_t>> frame = Answer(command, sub, payload, action);
    if (!frame) return action;

    bool eraseInProgress = command == kLog && sub == kLogClear && eraseLeft_ > 0;
    std::uint32_t delay = answerDelayMs;
    if (fault) {
        switch (fault->kind) {
        case FaultKind::WrongCommand: (*frame)[2] ^= 0x40; break;
        case FaultKind::WrongBlock: (*frame)[3] = static_cast<std::uint8_t>((*frame)[3] + 1); break;
        case FaultKind::Garbage: *frame = Garbage(command); break;
        case FaultKind::SlowAnswer: delay += fault->delayMs; break;
        case FaultKind::NoAnswer: break;
        }
    }
    Schedule(now + std::chrono::milliseconds(delay), std::move(*frame), eraseInProgress);
    return action;
}

std::vector<std::uint8_t> EmulatedDevice::ReadFeature(Clock::time_point now) {
    if (!AnswersByInputReports()) {
        while (!scheduled_.empty() && scheduled_.front().due <= now) {
            latched_ = std::move(scheduled_.front());
            latchedFresh_ = true;
            scheduled_.pop_front();
        }
    }
    if (!latchedFresh_) return std::vector<std::uint8_t>(featureLength, 0);
    latchedFresh_ = false;
    FollowErase(*latched_, now);
    return AsReport(latched_->frame, featureLength);
}

std::vector<std::vector<std::uint8_t>> EmulatedDevice::TakeDueInputReports(Clock::time_point now) {
    std::vector<std::vector<std::uint8_t>> reports;
    if (!AnswersByInputReports()) return reports;
    while (!scheduled_.empty() && scheduled_.front().due <= now) {
        Scheduled given = std::move(scheduled_.front());
        scheduled_.pop_front();
        reports.push_back(AsReport(given.frame, inputLength));
        FollowErase(given, now);
    }
    return reports;
}

std::optional<EmulatedDevice::Clock::time_point> EmulatedDevice::NextInputDue() const {
    if (!AnswersByInputReports() || scheduled_.empty()) return std::nullopt;
    return scheduled_.front().due;
}

void EmulatedDevice::DropAnswers() {
    scheduled_.clear();
    latched_.reset();
    latchedFresh_ = false;
    eraseLeft_ = 0;
}

std::optional<std::vector<std::uint8_t>> EmulatedDevice::Answer(std::uint8_t command, std::uint8_t sub,
                                                                const std::vector<std::uint8_t>& payload,
                                                                DeviceAction& action) {
    if (kind_ == DeviceKind::Bootloader) {
        if (command == kBoot) return AnswerBoot(sub, payload, action);
        return std::nullopt;
    }
    switch (command) {
    case kReadSettings: {
        auto block = settingsBlocks.find(sub);
        if (block == settingsBlocks.end()) return std::nullopt;
        return Frame(kReadSettings, sub, block->second);
    }
    case kWriteSettings: {
        auto block = settingsBlocks.find(sub);
        if (block == settingsBlocks.end()) return std::nullopt;
        std::copy_n(payload.begin(), std::min(payload.size(), block->second.size()), block->second.begin());
        return Frame(kWriteSettings, sub);
    }
    case kLog: return AnswerLog(sub, payload);
    case kEnterBoot:
        if (kind_ == DeviceKind::FlightController && sub == kEnterBootSub && Get(payload, 0, 1) == kEnterBootKey) {
            action.unplug = true;
            action.replugAs = DeviceKind::Bootloader;
            action.unplugDelayMs = switchDelayMs;
            action.replugDelayMs = replugDelayMs;
        }
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> EmulatedDevice::AnswerLog(std::uint8_t sub, const std::vector<std::uint8_t>& payload) {
    const std::vector<LogFile>& files = logs.Files();
    std::vector<std::uint8_t> data;
    switch (sub) {
    case kLogInfo:
        data.push_back(static_cast<std::uint8_t>(files.size()));
        Put24(data, (logs.UsedBytes() + LogMemory::kPageSize - 1) / LogMemory::kPageSize);
        data.push_back(0);
        Put32(data, logs.Capacity());
        return Frame(kLog, sub, data);
    case kLogFileInfo: {
        std::size_t index = Get(payload, 0, 1);
        if (index >= files.size()) return std::nullopt;
        data = {static_cast<std::uint8_t>(index), 0, static_cast<std::uint8_t>(files[index].number)};
        Put24(data, static_cast<std::uint32_t>(files[index].bytes.size() / LogMemory::kPageSize));
        return Frame(kLog, sub, data);
    }
    case kLogData: {
        auto packet = logs.Read(Get(payload, 1, 4));
        return Frame(kLog, sub, std::vector<std::uint8_t>(packet.begin(), packet.end()));
    }
    case kLogClear:
        logs.Clear();
        eraseLeft_ = eraseSteps;
        return Frame(kLog, sub, {static_cast<std::uint8_t>(eraseLeft_ > 0 ? 0 : 1)});
    default: return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> EmulatedDevice::AnswerBoot(std::uint8_t sub, const std::vector<std::uint8_t>& payload,
                                                                    DeviceAction& action) {
    switch (sub) {
    case kBootStatus: return Frame(kBoot, sub, {0});
    case kBootErase:
        std::fill(firmwareMemory.begin(), firmwareMemory.end(), 0xFF);
        receivedBlocks.clear();
        checksumMatched_ = false;
        return Frame(kBoot, sub);
    case kBootData: {
        std::size_t block = Get(payload, 0, 2);
        std::size_t offset = block * kFirmwareBlock;
        if (offset + kFirmwareBlock > firmwareMemory.size()) return std::nullopt;
        for (std::size_t i = 0; i < kFirmwareBlock; ++i) firmwareMemory[offset + i] = static_cast<std::uint8_t>(Get(payload, 3 + i, 1));
        receivedBlocks.emplace_back(static_cast<std::uint16_t>(block), static_cast<std::uint8_t>(Get(payload, 2, 1)));
        checksumMatched_ = false;
        return Frame(kBoot, sub, {std::uint8_t(block >> 8), std::uint8_t(block), static_cast<std::uint8_t>(Get(payload, 2, 1))});
    }
    case kBootChecksum: {
        std::uint32_t size = Get(payload, 0, 3);
        std::uint32_t expected = Get(payload, 3, 4);
        checksumMatched_ = size > 0 && size <= firmwareMemory.size() && ChecksumOfBytes(firmwareMemory.data(), size) == expected;
        checkedSize_ = checksumMatched_ ? size : 0;
        return Frame(kBoot, sub, {static_cast<std::uint8_t>(checksumMatched_ ? 1 : 0)});
    }
    case kBootApply:
        if (checksumMatched_) installedFirmware.assign(firmwareMemory.begin(), firmwareMemory.begin() + checkedSize_);
        return Frame(kBoot, sub, {static_cast<std::uint8_t>(checksumMatched_ ? 1 : 0)});
    case kBootLeave:
        action.unplug = true;
        action.replugAs = DeviceKind::FlightController;
        action.unplugDelayMs = switchDelayMs;
        action.replugDelayMs = replugDelayMs;
        return std::nullopt;
    default: return std::nullopt;
    }
}

const FaultRule* EmulatedDevice::TakeFault(std::uint8_t command, std::uint8_t sub) {
    for (FaultRule& rule : faults_) {
        if (rule.count == 0) continue;
        if (rule.command && *rule.command != command) continue;
        if (rule.sub && *rule.sub != sub) continue;
        if (rule.after > 0) {
            --rule.after;
            continue;
        }
        if (rule.count > 0) --rule.count;
        return &rule;
    }
    return nullptr;
}

void EmulatedDevice::Schedule(Clock::time_point due, std::vector<std::uint8_t> frame, bool eraseInProgress) {
    auto at = std::upper_bound(scheduled_.begin(), scheduled_.end(), due,
                               [](Clock::time_point t, const Scheduled& s) { return t < s.due; });
    scheduled_.insert(at, Scheduled{due, std::move(frame), eraseInProgress});
}

void EmulatedDevice::FollowErase(const Scheduled& given, Clock::time_point now) {
    if (!given.eraseInProgress || eraseLeft_ <= 0) return;
    --eraseLeft_;
    Schedule(now + std::chrono::milliseconds(eraseIntervalMs), Frame(kLog, kLogClear, {std::uint8_t(eraseLeft_ > 0 ? 0 : 1)}),
             eraseLeft_ > 0);
}

std::vector<std::uint8_t> EmulatedDevice::AsReport(const std::vector<std::uint8_t>& frame, std::uint16_t length) const {
    std::vector<std::uint8_t> report(length, 0);
    if (length > 1) std::copy_n(frame.begin(), std::min<std::size_t>(frame.size(), length - 1), report.begin() + 1);
    return report;
}

std::vector<std::uint8_t> EmulatedDevice::Garbage(std::uint8_t command) {
    std::vector<std::uint8_t> frame(std::max<std::size_t>(featureLength, inputLength));
    for (std::uint8_t& b : frame) {
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 17;
        noise_ ^= noise_ << 5;
        b = static_cast<std::uint8_t>(noise_);
    }
    if (frame.size() > 2 && frame[2] == command) frame[2] ^= 0x40;
    return frame;
}

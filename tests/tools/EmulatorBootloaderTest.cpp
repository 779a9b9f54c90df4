// The switch into the bootloader and a firmware update as the firmware window
// runs it, watched through the arrival and removal notices.

#include "device/firmware/FirmwareChecksum.h"
#include "platform/hid/HidDeviceNotifier.h"
#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace platform;
using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kBoot = 0x32, kStatus = 0, kErase = 2, kData = 3, kChecksum = 4, kApply = 5, kLeave = 8;
constexpr std::uint8_t kEnterBoot = 0xFE;

// The notices as they came, and a wait for the next.
class NoticeLog {
public:
    HidDeviceNotifier::Callback Callback() {
        return [this](const HidDeviceNotice& notice) {
            std::lock_guard guard(lock_);
            notices_.push_back((notice.event == HidDeviceEvent::Arrival ? "+" : "-") + notice.devicePath);
            changed_.notify_all();
        };
    }
    // True when there are `count` notices within the time.
    bool WaitFor(std::size_t count, std::chrono::milliseconds within = 3000ms) {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, within, [&] { return notices_.size() >= count; });
    }
    std::vector<std::string> Notices() {
        std::lock_guard guard(lock_);
        return notices_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<std::string> notices_;
};

Report Image(std::size_t size) {
    Report image(size);
    for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return image;
}

void SendImage(HANDLE bootloader, const Report& image) {
    std::size_t blocks = (image.size() + 31) / 32;
    for (std::size_t b = 0; b < blocks; ++b) {
        Report payload = {std::uint8_t(b >> 8), std::uint8_t(b), std::uint8_t(b + 1 == blocks ? 7 : b % 8)};
        for (std::size_t i = 0; i < 32; ++i) payload.push_back(32 * b + i < image.size() ? image[32 * b + i] : 0xFF);
        auto answer = Ask(bootloader, Request(kBoot, kData, payload));
        ASSERT_TRUE(answer);
        ASSERT_EQ((*answer)[4], kData);
    }
}

Report ChecksumPayload(std::uint32_t size, std::uint32_t checksum) {
    return {std::uint8_t(size >> 16), std::uint8_t(size >> 8), std::uint8_t(size),  std::uint8_t(checksum >> 24),
            std::uint8_t(checksum >> 16), std::uint8_t(checksum >> 8), std::uint8_t(checksum)};
}

}  // namespace

TEST(EmulatorBootloader, EnterUpdateAndLeaveAsTheFirmwareWindowDoes) {
    EmulatorSession session;
    auto& emulator = session.Emulator();
    emulator.AddDevice(DeviceKind::FlightController);
    emulator.WithDevice(0, [](EmulatedDevice& d) {
        d.switchDelayMs = 300;  // room for the second request on a busy machine
        d.replugDelayMs = 30;
    });
    NoticeLog log;
    HidDeviceNotifier notifier(log.Callback());
    ASSERT_TRUE(log.WaitFor(1));
    std::string flightPath = emulator.DevicePath(0);

    {
        HidHandle flight(flightPath);
        // Sent twice, 50 ms apart, as the firmware window does: the controller
        // takes both before it goes.
        Report enter = Request(kEnterBoot, 0xAA, {0xBB});
        EXPECT_TRUE(Send(flight.Get(), enter));
        std::this_thread::sleep_for(50ms);
        EXPECT_TRUE(Send(flight.Get(), enter));
    }
    ASSERT_TRUE(log.WaitFor(3));
    std::string bootPath = PathOfProduct("Velzar mini bootloader");
    ASSERT_FALSE(bootPath.empty());
    EXPECT_EQ(log.Notices(), (std::vector<std::string>{"+" + flightPath, "-" + flightPath, "+" + bootPath}));

    HidHandle boot(bootPath);
    auto status = Ask(boot.Get(), Request(kBoot, kStatus));
    ASSERT_TRUE(status);
    EXPECT_EQ((*status)[4], kStatus);
    auto erased = Ask(boot.Get(), Request(kBoot, kErase, {0xFF}));
    ASSERT_TRUE(erased);
    EXPECT_EQ((*erased)[4], kErase);

    Report image = Image(65);  // three blocks, the last one filled with 0xFF
    SendImage(boot.Get(), image);
    std::uint32_t checksum = ChecksumOfBytes(image.data(), image.size());
    auto wrong = Ask(boot.Get(), Request(kBoot, kChecksum, ChecksumPayload(65, checksum ^ 1)));
    ASSERT_TRUE(wrong);
    EXPECT_EQ((*wrong)[5], 0) << "a wrong checksum does not match";
    auto refused = Ask(boot.Get(), Request(kBoot, kApply));
    ASSERT_TRUE(refused);
    EXPECT_EQ((*refused)[5], 0) << "nothing applied without a match";

    auto matched = Ask(boot.Get(), Request(kBoot, kChecksum, ChecksumPayload(65, checksum)));
    ASSERT_TRUE(matched);
    EXPECT_EQ((*matched)[4], kChecksum);
    EXPECT_EQ((*matched)[5], 1);
    auto applied = Ask(boot.Get(), Request(kBoot, kApply), 2000);
    ASSERT_TRUE(applied);
    EXPECT_EQ((*applied)[4], kApply);
    EXPECT_EQ((*applied)[5], 1);
    EXPECT_EQ(emulator.WithDevice(0, [](EmulatedDevice& d) { return d.installedFirmware; }), image);

    EXPECT_TRUE(Send(boot.Get(), Request(kBoot, kLeave)));
    ASSERT_TRUE(log.WaitFor(5));
    EXPECT_EQ(log.Notices().at(3), "-" + bootPath);
    EXPECT_FALSE(PathOfProduct("Velzar flight controller").empty());
}

TEST(EmulatorBootloader, TheFlightControllerIgnoresBootloaderCommandsAndABadSwitchKey) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    // Without a delay a switch would take the device away before the request's call returns.
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.switchDelayMs = 0; });
    HidHandle flight(session.Emulator().DevicePath(0));
    EXPECT_FALSE(Ask(flight.Get(), Request(kBoot, kStatus), 100));
    EXPECT_TRUE(Send(flight.Get(), Request(kEnterBoot, 0xAA, {0xBC})));
    EXPECT_TRUE(session.Emulator().IsPlugged(0));
    EXPECT_EQ(session.Emulator().WithDevice(0, [](EmulatedDevice& d) { return d.Kind(); }), DeviceKind::FlightController);
}

TEST(EmulatorBootloader, TimeOutsOnADataBlockThenAnAnswer) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::Bootloader);
    FaultRule rule;
    rule.kind = FaultKind::NoAnswer;
    rule.count = 2;
    rule.command = kBoot;
    rule.sub = kData;
    session.Emulator().WithDevice(0, [&](EmulatedDevice& d) { d.AddFault(rule); });
    HidHandle boot(session.Emulator().DevicePath(0));
    Report block = Request(kBoot, kData, {0, 0, 7, 0xAB});
    EXPECT_FALSE(Ask(boot.Get(), block, 100));
    EXPECT_FALSE(Ask(boot.Get(), block, 100));
    EXPECT_TRUE(Ask(boot.Get(), block, 100));
    EXPECT_EQ(session.Emulator().WithDevice(0, [](EmulatedDevice& d) { return d.firmwareMemory[0]; }), 0xAB);
}

TEST(HidDeviceNotifier, TellsPlugAndUnplugInOrderAndTheEmulatorsEnd) {
    EmulatorSession session;
    auto& emulator = session.Emulator();
    emulator.AddDevice(DeviceKind::FlightController);
    std::string first = emulator.DevicePath(0);
    NoticeLog log;
    HidDeviceNotifier notifier(log.Callback());
    ASSERT_TRUE(log.WaitFor(1)) << "the devices present come first";

    emulator.AddDevice(DeviceKind::Dip);
    std::string dip = emulator.DevicePath(1);
    emulator.Unplug(0);
    emulator.Plug(0);
    std::string again = emulator.DevicePath(0);
    ASSERT_TRUE(log.WaitFor(4));
    session.StopEmulator();
    ASSERT_TRUE(log.WaitFor(6));
    std::vector<std::string> notices = log.Notices();
    ASSERT_EQ(notices.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(notices.begin(), notices.begin() + 4),
              (std::vector<std::string>{"+" + first, "+" + dip, "-" + first, "+" + again}));
    // The emulator's end removes what was present, in any order.
    std::vector<std::string> ends(notices.begin() + 4, notices.end());
    std::vector<std::string> expected = {"-" + again, "-" + dip};
    std::sort(ends.begin(), ends.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ends, expected);
}

// THidDevice and its read thread against the in-process emulator. The test's
// main thread is the GUI thread; it runs the read thread's handovers while
// it pumps CheckSynchronize.

#include "device/hid/HidDevice.h"
#include "device/hid/HidDeviceReadThread.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"
#include "ui/core/Thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<THidDevice> MakeDevice(const std::string& path, THidDeviceHandlers handlers = {}) {
    return std::make_unique<THidDevice>(std::make_unique<THidPnPInfo>(path, 1), nullptr, std::move(handlers));
}

// Runs the GUI thread's handovers until the condition holds or the time is up.
template <class Condition>
bool PumpUntil(Condition condition, std::chrono::milliseconds within = 3000ms) {
    auto until = std::chrono::steady_clock::now() + within;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        CheckSynchronize(10);
    }
    return true;
}

struct Received {
    std::thread::id thread;
    std::uint8_t reportId = 0xEE;
    std::vector<std::uint8_t> data;
};

}  // namespace

TEST(THidDevice, ReadsAttributesAtCreationAndAnswersQueries) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    EXPECT_EQ(device->Attributes().Size, 12u);
    EXPECT_EQ(device->Attributes().VendorID, 0x7A11);
    EXPECT_TRUE(device->OpenedReadWrite());
    EXPECT_TRUE(device->IsPresent());
    EXPECT_FALSE(device->IsClaimed());
    EXPECT_EQ(device->GetProductString(), u"") << "neither claimed nor being enumerated: not opened";
    device->SetListed(true);
    EXPECT_EQ(device->GetProductString(), u"Velzar flight controller");
    platform::HIDP_CAPS caps;
    ASSERT_TRUE(device->GetCaps(caps));
    EXPECT_EQ(caps.FeatureReportByteLength, 65);
}

TEST(THidDevice, AnInterfaceThatCannotBeOpenedIsRefused) {
    EmulatorSession session;
    try {
        MakeDevice("emulator:404");
        ADD_FAILURE() << "made a device of nothing";
    } catch (const EControllerError& error) {
        EXPECT_EQ(error.Message(), "device cannot be opened");
    }
}

TEST(THidDevice, QueryOnlyAccessAnswersQueriesButNeverStartsAReadThread) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::Dip);
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.refuseReadWrite = true; });
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    EXPECT_FALSE(device->OpenedReadWrite());
    device->SetListed(true);
    EXPECT_EQ(device->GetProductString(), u"Velzar DIP");
    platform::HIDP_CAPS caps;
    EXPECT_TRUE(device->GetCaps(caps));
    device->SetClaimed(true);
    device->SetDataHandler([](THidDevice*, std::uint8_t, const std::uint8_t*, std::uint32_t) {});
    EXPECT_FALSE(device->ReadThreadRunning());
}

TEST(THidDevice, ThreadSleepTimeIsTakenFrom10To10000) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    const struct {
        int given, kept;
    } cases[] = {{9, 100}, {10001, 100}, {10, 10}, {10000, 10000}, {0, 10000}, {-5, 10000}};
    for (const auto& c : cases) {
        device->SetThreadSleepTime(c.given);
        EXPECT_EQ(device->ThreadSleepTime(), c.kept) << c.given;
    }
}

TEST(THidDevice, FeatureReportsGoThroughAndFailCleanlyOnceTheDeviceHasGone) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    device->SetClaimed(true);
    device->SetNumInputBuffers(128);
    EXPECT_EQ(device->NumInputBuffers(), 128u);

    auto request = Request(1, 2);
    ASSERT_TRUE(device->SetFeature(request.data(), 65));
    std::vector<std::uint8_t> answer(65, 0);
    ASSERT_TRUE(device->GetFeature(answer.data(), 65));
    EXPECT_EQ(answer[3], 1);
    EXPECT_EQ(answer[4], 2);

    session.Emulator().Unplug(0);
    EXPECT_FALSE(device->SetFeature(request.data(), 65));
    EXPECT_EQ(platform::GetLastError(), platform::ERROR_DEVICE_NOT_CONNECTED);
    int unplugCalls = 0;
    device->SetUnplugHandler([&](THidDevice*) { ++unplugCalls; });
    device->Unplug();
    device->Unplug();
    EXPECT_EQ(unplugCalls, 1);
    EXPECT_FALSE(device->IsPresent());
    EXPECT_FALSE(device->GetFeature(answer.data(), 65));
    EXPECT_EQ(platform::GetLastError(), platform::ERROR_DEVICE_NOT_CONNECTED);
}

TEST(THidDeviceReadThread, HandsEachInputReportToTheHandlerOnTheGuiThread) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::Dip);
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.settingsBlocks[1].assign(30, 0x77); });
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    device->SetClaimed(true);
    std::vector<Received> received;
    device->SetDataHandler([&](THidDevice* dev, std::uint8_t id, const std::uint8_t* data, std::uint32_t size) {
        EXPECT_EQ(dev, device.get());
        received.push_back({std::this_thread::get_id(), id, std::vector<std::uint8_t>(data, data + size)});
    });
    ASSERT_TRUE(device->ReadThreadRunning());
    device->SetNumReadBuffers(128);

    auto request = Request(1, 1);
    platform::DWORD written = 0;
    ASSERT_TRUE(device->WriteOutput(request.data(), 65, written));
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].thread, std::this_thread::get_id());
    EXPECT_EQ(received[0].reportId, 0);
    ASSERT_EQ(received[0].data.size(), 64u) << "a 65-byte report is its ID and 64 bytes";
    EXPECT_EQ(received[0].data[2], 1) << "the command";
    EXPECT_EQ(received[0].data[4], 0x77);

    device->SetDataHandler(nullptr);
    EXPECT_FALSE(device->ReadThreadRunning());
}

constexpr int kLongestReadMs = 10000;

TEST(THidDeviceReadThread, StopsCleanlyWhileItWaitsForTheGuiThread) {
    const struct {
        const char* name;
        bool unplugFirst;
        bool destroy;
    } cases[] = {
        {"handler removed", false, false},
        {"unplugged, then the handler removed", true, false},
        {"device freed", false, true},
    };
    for (const auto& c : cases) {
        EmulatorSession session;
        session.Emulator().AddDevice(DeviceKind::Dip);
        auto device = MakeDevice(session.Emulator().DevicePath(0));
        device->SetClaimed(true);
        // A stop that waited out the read would take the read's whole 10 s.
        device->SetThreadSleepTime(kLongestReadMs);
        device->SetNumReadBuffers(128);
        int delivered = 0;
        device->SetDataHandler([&](THidDevice*, std::uint8_t, const std::uint8_t*, std::uint32_t) { ++delivered; });
        auto request = Request(1, 1);
        platform::DWORD written = 0;
        // Reports arrive while nobody runs the handovers: the thread waits in Synchronize.
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(device->WriteOutput(request.data(), 65, written));
        ASSERT_TRUE(WaitUntil(SynchronizePending)) << c.name;

        auto started = std::chrono::steady_clock::now();
        if (c.unplugFirst) {
            session.Emulator().Unplug(0);
            device->Unplug();
        }
        if (c.destroy)
            device.reset();
        else
            device->SetDataHandler(nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(kLongestReadMs / 2)) << c.name;
        EXPECT_GE(delivered, 1) << c.name << ": the waiting handover ran during the stop";
        if (device) {
            EXPECT_FALSE(device->ReadThreadRunning()) << c.name;
        }
    }
}

TEST(THidDeviceReadThread, AVanishedDeviceIsReportedToTheErrorHandlerWithoutSpinning) {
    platform::testing::VirtualClockScope clock;
    constexpr int kSleepMs = 50;
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::Dip);
    auto device = MakeDevice(session.Emulator().DevicePath(0));
    device->SetClaimed(true);
    device->SetThreadSleepTime(kSleepMs);
    std::vector<std::uint32_t> errors;
    device->SetDataErrorHandler([&](THidDevice*, std::uint32_t error) { errors.push_back(error); });
    device->SetDataHandler([](THidDevice*, std::uint8_t, const std::uint8_t*, std::uint32_t) {});
    session.Emulator().Unplug(0);
    ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    // Gone during a read, or gone before the read handle opened.
    EXPECT_TRUE(errors[0] == platform::ERROR_DEVICE_NOT_CONNECTED || errors[0] == platform::ERROR_FILE_NOT_FOUND) << errors[0];
    // The next try comes a sleep period later on the clock, however long the thread runs meanwhile.
    auto tried = [&] { return errors.size() > 1; };
    EXPECT_FALSE(PumpUntil(tried, 100ms)) << "a spin";
    platform::testing::AdvanceClock(kSleepMs);
    ASSERT_TRUE(PumpUntil(tried));
    EXPECT_EQ(errors.size(), 2u);
    device->SetDataHandler(nullptr);
}

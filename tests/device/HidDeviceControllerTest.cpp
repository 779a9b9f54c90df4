// THidDeviceController against the in-process emulator, with the test's main
// thread as the GUI thread running its messages and handovers.

#include "device/hid/HidDeviceController.h"
#include "tests/device/MessagePump.h"
#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"
#include "ui/core/Thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::string Product(THidDevice* device) {
    std::u16string text = device->GetProductString();
    return std::string(text.begin(), text.end());
}

// The controller with events that write what happened into one log.
struct ControllerFixture : ::testing::Test {
    ControllerFixture() {
        controller = std::make_unique<THidDeviceController>(nullptr);
        controller->SetOnDeviceUnplug([this](THidDevice* d) { log.push_back("unplug " + d->PnPInfo().DevicePath); });
        controller->OnArrival = [this](THidDevice* d) { log.push_back("arrival " + d->PnPInfo().DevicePath); };
        controller->OnRemoval = [this](THidDevice* d) { log.push_back("removal " + d->PnPInfo().DevicePath); };
    }
    int Add(DeviceKind kind) { return session.Emulator().AddDevice(kind); }
    std::string Path(int device) { return session.Emulator().DevicePath(device); }
    // Waits for the list to hold `count` devices.
    bool ListHolds(int count) {
        return RunMessagesUntil([&] { return controller->Count() == count; });
    }
    EmulatorSession session;
    std::vector<std::string> log;
    std::unique_ptr<THidDeviceController> controller;
};

}  // namespace

TEST_F(ControllerFixture, TheFirstListIsBuiltOnceTheMessageLoopRuns) {
    Add(DeviceKind::FlightController);
    Add(DeviceKind::Dip);
    EXPECT_EQ(controller->Count(), 0);
    EXPECT_EQ(controller->EnumerateDevices(), 0) << "nothing before the posted change is handled";
    ASSERT_TRUE(ListHolds(2));
    EXPECT_EQ(log, (std::vector<std::string>{"arrival " + Path(0), "arrival " + Path(1)}));
    EXPECT_EQ(controller->Devices(0)->PnPInfo().DevicePath, Path(0));
    EXPECT_EQ(controller->Devices(0)->PnPInfo().DeviceID, platform::HidGetInterfaces().at(0).DeviceID);
}

TEST_F(ControllerFixture, EnumerationOffersEveryPluggedDeviceClaimedOrNot) {
    Add(DeviceKind::FlightController);
    Add(DeviceKind::Dip);
    Add(DeviceKind::Bootloader);
    ASSERT_TRUE(ListHolds(3));

    std::vector<std::string> offered;
    controller->SetOnEnumerate([&](THidDevice* device, int index) {
        offered.push_back(std::to_string(index) + " " + Product(device));
        return true;
    });
    EXPECT_EQ(controller->EnumerateDevices(), 3);
    EXPECT_EQ(offered, (std::vector<std::string>{"0 Velzar flight controller", "1 Velzar DIP", "2 Velzar mini bootloader"}));
    EXPECT_EQ(Product(controller->Devices(0)), "Velzar flight controller") << "cached while not listed";

    THidDevice* claimed = nullptr;
    ASSERT_TRUE(controller->ClaimByIndex(claimed, 1));
    offered.clear();
    EXPECT_EQ(controller->EnumerateDevices(), 3);
    EXPECT_EQ(offered.size(), 3u);

    controller->SetOnEnumerate([&](THidDevice*, int index) { return index < 1; });
    EXPECT_EQ(controller->EnumerateDevices(), 2) << "stops after the event says no";
    controller->SetOnEnumerate(nullptr);
    EXPECT_EQ(controller->EnumerateDevices(), 1) << "without a handler the walk stops at the first";
}

TEST_F(ControllerFixture, AnEnumerationHandlerThatFailsLeavesTheDeviceUnlisted) {
    Add(DeviceKind::FlightController);
    ASSERT_TRUE(ListHolds(1));
    THidDevice* device = controller->Devices(0);
    bool listedDuringTheCall = false;
    controller->SetOnEnumerate([&](THidDevice* offered, int) -> bool {
        listedDuringTheCall = offered->IsListed();
        throw std::runtime_error("handler");
    });
    EXPECT_THROW(controller->EnumerateDevices(), std::runtime_error);
    EXPECT_TRUE(listedDuringTheCall);
    EXPECT_FALSE(device->IsListed());
}

TEST_F(ControllerFixture, ClaimingTakesADeviceOnceAndOnlyInsideTheList) {
    Add(DeviceKind::FlightController);
    ASSERT_TRUE(ListHolds(1));
    THidDevice* device = reinterpret_cast<THidDevice*>(1);
    for (int index : {-1, 1}) {
        EXPECT_FALSE(controller->ClaimByIndex(device, index)) << index;
        EXPECT_EQ(device, nullptr) << index;
    }
    ASSERT_TRUE(controller->ClaimByIndex(device, 0));
    EXPECT_TRUE(device->IsClaimed());
    THidDevice* again = nullptr;
    EXPECT_FALSE(controller->ClaimByIndex(again, 0));
    EXPECT_EQ(again, nullptr);
}

TEST_F(ControllerFixture, PlugAndUnplugFollowInOrderAndAClaimedDeviceStaysListed) {
    int flight = Add(DeviceKind::FlightController);
    ASSERT_TRUE(ListHolds(1));
    std::string first = Path(flight);
    int dip = Add(DeviceKind::Dip);
    ASSERT_TRUE(ListHolds(2));
    std::string dipPath = Path(dip);
    THidDevice* claimed = nullptr;
    ASSERT_TRUE(controller->ClaimByIndex(claimed, 0));

    session.Emulator().Unplug(flight);
    ASSERT_TRUE(RunMessagesUntil([&] { return !claimed->IsPresent(); }));
    EXPECT_EQ(controller->Count(), 2) << "claimed and unplugged: still listed";
    session.Emulator().Unplug(dip);
    ASSERT_TRUE(RunMessagesUntil([&] { return controller->Count() == 1; }));
    THidDevice* again = nullptr;
    EXPECT_FALSE(controller->ClaimByIndex(again, 0));

    session.Emulator().Plug(flight);
    ASSERT_TRUE(ListHolds(2));
    THidDevice* replugged = controller->Devices(1);
    EXPECT_NE(replugged, claimed) << "plugged in again: a new device object";
    EXPECT_TRUE(replugged->IsPresent());

    std::vector<std::string> expected = {"arrival " + first, "arrival " + dipPath, "unplug " + first, "removal " + first,
                                         "unplug " + dipPath, "removal " + dipPath};
    ASSERT_GE(log.size(), expected.size() + 1);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6), expected);
    EXPECT_EQ(log.back(), "arrival " + Path(flight));
    // The unplug handler ran once for the claimed device, whatever the rebuilds since.
    EXPECT_EQ(std::count(log.begin(), log.end(), "unplug " + first), 1);
}

TEST_F(ControllerFixture, InputReportsOfTheClaimedDeviceReachTheProgramOnTheGuiThread) {
    Add(DeviceKind::Dip);
    ASSERT_TRUE(ListHolds(1));
    THidDevice* device = nullptr;
    ASSERT_TRUE(controller->ClaimByIndex(device, 0));
    device->SetNumInputBuffers(128);
    device->SetNumReadBuffers(128);
    std::vector<std::pair<std::thread::id, int>> received;
    device->SetDataHandler([&](THidDevice*, std::uint8_t, const std::uint8_t* data, std::uint32_t size) {
        received.emplace_back(std::this_thread::get_id(), size > 2 ? data[2] : -1);
    });
    Report request = Request(0x07, 0x01);
    platform::DWORD written = 0;
    ASSERT_TRUE(device->WriteOutput(request.data(), 65, written));
    ASSERT_TRUE(RunMessagesUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].first, std::this_thread::get_id());
    EXPECT_EQ(received[0].second, 0x07);
}

// Claims the DIP controller, sets the program's removal handler (which drops
// the data handler and so waits for the thread) and leaves the read thread
// waiting to hand reports over to the GUI thread; null when it never gets there.
THidDevice* ClaimReadingDevice(THidDeviceController& controller, bool& threadStopped) {
    THidDevice* device = nullptr;
    if (!controller.ClaimByIndex(device, 0)) return nullptr;
    device->SetNumReadBuffers(128);
    controller.SetOnDeviceUnplug([&threadStopped](THidDevice* d) {
        d->SetDataHandler(nullptr);
        threadStopped = !d->ReadThreadRunning();
    });
    device->SetDataHandler([](THidDevice*, std::uint8_t, const std::uint8_t*, std::uint32_t) {});
    Report request = Request(0x01, 0x01);
    platform::DWORD written = 0;
    for (int i = 0; i < 3; ++i) device->WriteOutput(request.data(), 65, written);
    return WaitUntil(SynchronizePending) ? device : nullptr;
}

constexpr int kLongestReadMs = 10000;
// Half the read's own time-out: far from any delay a loaded machine adds.
constexpr auto kWellBeforeTheRead = std::chrono::milliseconds(kLongestReadMs / 2);

TEST_F(ControllerFixture, TheReadThreadStopsCleanlyOnUnplug) {
    int dip = Add(DeviceKind::Dip);
    ASSERT_TRUE(ListHolds(1));
    // A stop that waited out the read would take the read's whole 10 s.
    controller->SetDevThreadSleepTime(kLongestReadMs);
    bool threadStopped = false;
    THidDevice* device = ClaimReadingDevice(*controller, threadStopped);
    ASSERT_TRUE(device && device->ReadThreadRunning());
    auto started = std::chrono::steady_clock::now();
    session.Emulator().Unplug(dip);
    ASSERT_TRUE(RunMessagesUntil([&] { return threadStopped; }));
    EXPECT_LT(std::chrono::steady_clock::now() - started, kWellBeforeTheRead);
    EXPECT_EQ(controller->Count(), 1) << "claimed: still listed";
}

TEST_F(ControllerFixture, TheReadThreadStopsCleanlyWhenTheControllerCloses) {
    Add(DeviceKind::Dip);
    ASSERT_TRUE(ListHolds(1));
    // A stop that waited out the read would take the read's whole 10 s.
    controller->SetDevThreadSleepTime(kLongestReadMs);
    bool threadStopped = false;
    THidDevice* device = ClaimReadingDevice(*controller, threadStopped);
    ASSERT_TRUE(device && device->ReadThreadRunning());
    // The device carries its own copy of the unplug handler, so it runs once more at close.
    auto started = std::chrono::steady_clock::now();
    controller.reset();
    EXPECT_TRUE(threadStopped);
    EXPECT_LT(std::chrono::steady_clock::now() - started, kWellBeforeTheRead);
}

TEST_F(ControllerFixture, ChangedEventsReachTheDevicesThatStillCarryTheOldOnes) {
    Add(DeviceKind::FlightController);
    Add(DeviceKind::Dip);
    ASSERT_TRUE(ListHolds(2));
    controller->Devices(1)->SetUnplugHandler([this](THidDevice*) { log.push_back("own"); });
    controller->SetOnDeviceUnplug([this](THidDevice*) { log.push_back("new"); });
    log.clear();
    controller->Devices(0)->Unplug();
    controller->Devices(1)->Unplug();
    EXPECT_EQ(log, (std::vector<std::string>{"new", "own"}));

    controller->Devices(0)->SetThreadSleepTime(500);
    controller->SetDevThreadSleepTime(250);
    EXPECT_EQ(controller->Devices(0)->ThreadSleepTime(), 500);
    EXPECT_EQ(controller->Devices(1)->ThreadSleepTime(), 250);
    EXPECT_EQ(controller->DevThreadSleepTime(), 250);
}

TEST_F(ControllerFixture, TheChangeEventFiresForTheFirstListAndForEachChange) {
    int changes = 0;
    controller->SetOnDeviceChange([&](TObject* sender) {
        EXPECT_EQ(sender, controller.get());
        ++changes;
    });
    EXPECT_EQ(changes, 0) << "the setter's rebuild found nothing";
    ASSERT_TRUE(RunMessagesUntil([&] { return changes == 1; })) << "the first list always tells";
    Add(DeviceKind::FlightController);
    ASSERT_TRUE(RunMessagesUntil([&] { return changes == 2; }));
    platform::PostMessage(controller->WindowHandle(), platform::WM_DEVICECHANGE, platform::DBT_DEVNODES_CHANGED, 0);
    RunMessages();  // the rebuild runs while the posted message is handled
    EXPECT_EQ(changes, 2) << "a rebuild that changes nothing is quiet";
}

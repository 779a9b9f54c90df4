// Detection, removal and their announcements, against the emulator.

#include "tests/device/DeviceLinkFixture.h"

#include "platform/system/Clock.h"

#include <thread>

using namespace std::chrono_literals;

namespace {

std::vector<std::string> ConnectedController(const std::string& product) {
    return {"main log: Подключено:" + product, "log files panel: 008000 Устройство подключено",
            "firmware panel: 008000 Устройство подключено", "DIP panel: 008000 Устройство подключено"};
}

std::vector<std::string> DisconnectedController(const std::string& product) {
    return {"main log: Отключено:" + product, "log files panel: 0000FF Устройство не подключено",
            "firmware panel: 0000FF Устройство не подключено", "DIP panel: 0000FF Устройство не подключено",
            "settings buttons off"};
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(DeviceLinkFixture, EachProductStringConnectsAndDisconnectsWithItsAnnouncements) {
    const struct {
        DeviceKind kind;
        std::int32_t mode;
        std::vector<std::string> connected, disconnected;
    } cases[] = {
        {DeviceKind::FlightController, tmFlightController,
         Joined({"settings buttons on"}, ConnectedController("Velzar flight controller")),
         DisconnectedController("Velzar flight controller")},
        {DeviceKind::Dip, tmDip, ConnectedController("Velzar DIP"), DisconnectedController("Velzar DIP")},
        {DeviceKind::Bootloader, tmBootloader,
         {"firmware log: Connect: Velzar mini bootloader", "firmware panel: 008000 Устройство подключено"},
         {"firmware log: Disconnect: Velzar mini bootloader", "firmware panel: 0000FF Устройство не подключено"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ProductStringOf(c.kind));
        recorder.heard.clear();
        int device = Emulator().AddDevice(c.kind);
        ASSERT_TRUE(Connect(c.mode));
        EXPECT_EQ(TDeviceLink::GetProductName(CurrentDevice()), ProductStringOf(c.kind));
        EXPECT_TRUE(CurrentDevice()->IsClaimed());
        EXPECT_TRUE(CurrentDevice()->ReadThreadRunning());
        EXPECT_EQ(CurrentDevice()->NumInputBuffers(), 128u);
        EXPECT_EQ(CurrentDevice()->NumReadBuffers(), 128u);
        EXPECT_EQ(recorder.heard, c.connected);

        recorder.heard.clear();
        THidDevice* taken = CurrentDevice();
        const int alive = THidDevice::LiveCount();
        Emulator().Unplug(device);
        ASSERT_TRUE(Disconnected());
        EXPECT_EQ(TransferMode(), tmNone);
        // Let go by the program, the device left the list and was freed, its read thread stopped first.
        for (int i = 0; i < link->HID()->Count(); ++i) EXPECT_NE(link->HID()->Devices(i), taken);
        EXPECT_EQ(THidDevice::LiveCount(), alive - 1);
        EXPECT_EQ(recorder.heard, c.disconnected);
    }
}

TEST_F(DeviceLinkFixture, OtherDevicesAreNeitherTakenNorAnnounced) {
    Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    THidDevice* first = CurrentDevice();
    recorder.heard.clear();
    // A second controller of either kind while one is current: ignored.
    int second = Emulator().AddDevice(DeviceKind::Dip);
    ASSERT_TRUE(RunMessagesUntil([&] { return link->HID()->Count() == 2; }));
    link->tmrFindDeviceTimer();
    EXPECT_TRUE(link->HIDEnumerate(link->HID()->Devices(1), 1)) << "enumeration always goes on";
    EXPECT_EQ(CurrentDevice(), first);
    EXPECT_TRUE(recorder.heard.empty());
    Emulator().Unplug(second);
    RunMessagesUntil([&] { return link->HID()->Count() == 1; });
    EXPECT_EQ(CurrentDevice(), first);
    EXPECT_TRUE(recorder.heard.empty());
}

TEST_F(DeviceLinkFixture, UnpluggingASecondControllerOfTheSameKindLeavesTheCurrentOne) {
    int first = Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    THidDevice* current = CurrentDevice();
    int second = Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(RunMessagesUntil([&] { return link->HID()->Count() == 2; }));
    recorder.heard.clear();
    Emulator().Unplug(second);
    ASSERT_TRUE(RunMessagesUntil([&] { return link->HID()->Count() == 1; }));
    EXPECT_EQ(CurrentDevice(), current);
    EXPECT_EQ(TransferMode(), tmFlightController);
    EXPECT_TRUE(recorder.heard.empty());

    Emulator().Unplug(first);
    ASSERT_TRUE(Disconnected());
    EXPECT_EQ(recorder.heard, DisconnectedController("Velzar flight controller"));
}

TEST_F(DeviceLinkFixture, TheSearchFindsTheNextDeviceAfterARemoval) {
    int first = Emulator().AddDevice(DeviceKind::FlightController);
    Emulator().AddDevice(DeviceKind::Dip);
    ASSERT_TRUE(Connect(tmFlightController));
    Emulator().Unplug(first);
    ASSERT_TRUE(Disconnected());
    link->tmrFindDeviceTimer();
    EXPECT_EQ(TransferMode(), tmDip);
    EXPECT_EQ(TDeviceLink::GetProductName(CurrentDevice()), "Velzar DIP");
}

TEST_F(DeviceLinkFixture, TheBootloaderSwitchGoesThroughRemovalAndDetection) {
    Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    recorder.heard.clear();

    std::jthread worker(SendEnterBootloader);
    ASSERT_TRUE(RunMessagesUntil([&] { return TransferMode() == tmNone; }));
    worker.join();
    ASSERT_TRUE(Connect(tmBootloader));
    std::vector<std::string> expected = DisconnectedController("Velzar flight controller");
    expected.push_back("firmware log: Connect: Velzar mini bootloader");
    expected.push_back("firmware panel: 008000 Устройство подключено");
    std::erase_if(recorder.heard, [](const std::string& line) { return line.starts_with("main log: SET FEATURE"); });
    EXPECT_EQ(recorder.heard, expected);

    recorder.heard.clear();
    SendLeaveBootloader();
    ASSERT_TRUE(RunMessagesUntil([&] { return TransferMode() == tmNone; }));
    ASSERT_TRUE(Connect(tmFlightController));
    EXPECT_EQ(recorder.heard.front(), "firmware log: Disconnect: Velzar mini bootloader");
    EXPECT_EQ(recorder.heard.back(), "DIP panel: 008000 Устройство подключено");
}

TEST_F(DeviceLinkFixture, ReleaseAnnouncesTheRemovalOnceAndLeavesNoDevice) {
    Emulator().AddDevice(DeviceKind::Dip);
    ASSERT_TRUE(Connect(tmDip));
    recorder.heard.clear();
    link->Release();
    EXPECT_EQ(CurrentDevice(), nullptr);
    EXPECT_EQ(TransferMode(), tmNone);
    EXPECT_EQ(recorder.heard, DisconnectedController("Velzar DIP"));
    link->Release();
    link->tmrFindDeviceTimer();
    EXPECT_EQ(recorder.heard.size(), 5u) << "a second release and a later tick do nothing";
}

TEST_F(DeviceLinkFixture, TheSearchTimerOffersTheDevicesEverySecondWhileNoneIsCurrent) {
    platform::testing::VirtualClockScope clock;
    Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(RunMessagesUntil([&] { return link->HID()->Count() == 1; }));
    RunMessages();
    EXPECT_EQ(CurrentDevice(), nullptr) << "listed, not yet offered";
    platform::testing::AdvanceClock(TDeviceLink::kSearchIntervalMs);
    EXPECT_TRUE(RunMessagesUntil([] { return TransferMode() == tmFlightController; }, 2000ms));
    link->Release();
}

TEST_F(DeviceLinkFixture, UnpluggingAndReplugging200TimesKeepsTheListAndTheDeviceObjectsFlat) {
    int device = Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    const int listed = link->HID()->Count();
    const int alive = THidDevice::LiveCount();
    for (int cycle = 0; cycle < 200; ++cycle) {
        SCOPED_TRACE(cycle);
        Emulator().Unplug(device);
        ASSERT_TRUE(Disconnected());
        EXPECT_EQ(link->HID()->Count(), listed - 1) << "the device left the list once the program let it go";
        EXPECT_EQ(THidDevice::LiveCount(), alive - 1);
        Emulator().Plug(device);
        ASSERT_TRUE(Connect(tmFlightController));
        ASSERT_EQ(link->HID()->Count(), listed);
        ASSERT_EQ(THidDevice::LiveCount(), alive);
    }
}

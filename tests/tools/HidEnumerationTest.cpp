// The HID layer over the emulator: what enumeration and the query calls give.

#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;

TEST(HidEnumeration, ListsEachKindWithItsProductStringAndReportLengths) {
    EmulatorSession session;
    auto& emulator = session.Emulator();
    const struct {
        DeviceKind kind;
        const char* product;
    } kinds[] = {
        {DeviceKind::FlightController, "Velzar flight controller"},
        {DeviceKind::Dip, "Velzar DIP"},
        {DeviceKind::Bootloader, "Velzar mini bootloader"},
    };
    for (const auto& k : kinds) emulator.AddDevice(k.kind);
    emulator.WithDevice(1, [](EmulatedDevice& d) { d.featureLength = 9; });

    std::vector<HidInterface> interfaces = HidGetInterfaces();
    ASSERT_EQ(interfaces.size(), 3u);
    std::set<DWORD> instances;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(interfaces[i].DevicePath, emulator.DevicePath(static_cast<int>(i)));
        instances.insert(interfaces[i].DeviceID);
        HidHandle query(interfaces[i].DevicePath, 0);
        ASSERT_TRUE(query.IsOpen());
        EXPECT_EQ(ProductOf(query.Get()), kinds[i].product);
        HIDD_ATTRIBUTES attributes;
        attributes.Size = 0;
        ASSERT_TRUE(HidD_GetAttributes(query.Get(), &attributes));
        EXPECT_EQ(attributes.Size, 12u);
        HIDP_CAPS caps = CapsOf(query.Get());
        EXPECT_EQ(caps.InputReportByteLength, 65);
        EXPECT_EQ(caps.OutputReportByteLength, 65);
        EXPECT_EQ(caps.FeatureReportByteLength, i == 1 ? 9 : 65);
    }
    EXPECT_EQ(instances.size(), 3u);
}

TEST(HidEnumeration, ProductStringIsCutToTheBufferWithItsTerminator) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    HidHandle query(session.Emulator().DevicePath(0), 0);
    ASSERT_TRUE(query.IsOpen());
    WCHAR text[7];
    std::fill(std::begin(text), std::end(text), u'#');
    ASSERT_TRUE(HidD_GetProductString(query.Get(), text, 6 * sizeof(WCHAR)));
    EXPECT_EQ(std::u16string(text), u"Velza");
    EXPECT_EQ(text[6], u'#');
}

TEST(HidOpen, ReadWriteRefusedLeavesQueriesOnly) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.refuseReadWrite = true; });
    std::string path = session.Emulator().DevicePath(0);

    HidHandle readWrite(path);
    EXPECT_FALSE(readWrite.IsOpen());
    EXPECT_EQ(readWrite.OpenError(), ERROR_ACCESS_DENIED);

    HidHandle query(path, 0);
    ASSERT_TRUE(query.IsOpen());
    EXPECT_EQ(ProductOf(query.Get()), "Velzar flight controller");
    EXPECT_EQ(CapsOf(query.Get()).FeatureReportByteLength, 65);
    Report report(65, 0);
    EXPECT_FALSE(HidD_GetFeature(query.Get(), report.data(), 65));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(HidD_SetFeature(query.Get(), report.data(), 65));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    DWORD read = 7;
    EXPECT_FALSE(HidReadInput(query.Get(), report.data(), 65, &read, 0));
    EXPECT_EQ(read, 0u);
}

TEST(HidOpen, AbsentDevicesAndClosedHandlesGiveErrors) {
    EmulatorSession session;
    HidHandle missing("emulator:999");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.OpenError(), ERROR_FILE_NOT_FOUND);

    session.Emulator().AddDevice(DeviceKind::FlightController);
    HANDLE handle = HidOpenDevice(session.Emulator().DevicePath(0).c_str(), GENERIC_READ | GENERIC_WRITE);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(CloseHandle(handle));
    Report report(65, 0);
    EXPECT_FALSE(HidD_GetFeature(handle, report.data(), 65));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(HidEnumeration, NoEmulatorRunningMeansNoDevices) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    std::string path = session.Emulator().DevicePath(0);
    session.StopEmulator();
    EXPECT_TRUE(HidGetInterfaces().empty());
    HidHandle gone(path);
    EXPECT_FALSE(gone.IsOpen());
}

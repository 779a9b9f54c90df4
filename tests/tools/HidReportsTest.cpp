// Feature, output and input reports through the HID layer: sizes, bounds,
// buffering, cancelling and a device that goes away mid-call.

#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"

#include <gtest/gtest.h>

#include <future>

using namespace platform;
using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kReadSettings = 1;

// The DIP controller answers through input reports.
struct DipFixture : ::testing::Test {
    DipFixture() {
        session.Emulator().AddDevice(DeviceKind::Dip);
        handle = std::make_unique<HidHandle>(session.Emulator().DevicePath(0));
    }
    bool WriteOutput(const Report& report) {
        DWORD written = 0;
        return HidWriteOutput(handle->Get(), report.data(), static_cast<DWORD>(report.size()), &written) &&
               written == report.size();
    }
    EmulatorSession session;
    std::unique_ptr<HidHandle> handle;
};

}  // namespace

TEST(HidFeatureReports, CopiesAreBoundedByTheCallersBufferAndTheReportLength) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    // A block longer than a report holds.
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.settingsBlocks[1].assign(80, 0x5A); });
    HidHandle handle(session.Emulator().DevicePath(0));
    ASSERT_TRUE(handle.IsOpen());

    ASSERT_TRUE(Send(handle.Get(), Request(kReadSettings, 1)));
    Report small(12, 0xEE);
    ASSERT_TRUE(HidD_GetFeature(handle.Get(), small.data(), 10));
    EXPECT_EQ(small[3], kReadSettings);
    EXPECT_EQ(small[9], 0x5A);
    EXPECT_EQ(small[10], 0xEE) << "written past the length given";

    Report large(100, 0xEE);
    ASSERT_TRUE(Send(handle.Get(), Request(kReadSettings, 1)));
    ASSERT_TRUE(HidD_GetFeature(handle.Get(), large.data(), 100));
    EXPECT_EQ(large[64], 0x5A);
    EXPECT_EQ(large[65], 0xEE) << "written past the report length";

    Report tooLong(66, 0);
    EXPECT_FALSE(HidD_SetFeature(handle.Get(), tooLong.data(), 66));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(HidD_SetFeature(handle.Get(), tooLong.data(), 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(HidFeatureReports, AShortRequestIsPaddedToAWholeReport) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::FlightController);
    HidHandle handle(session.Emulator().DevicePath(0));
    Report request = Request(2, 1, Report(39, 0x11));
    request.resize(20);  // payload bytes 6-19 only; the rest arrives as zeros
    ASSERT_TRUE(Send(handle.Get(), request));
    ASSERT_TRUE(PollAnswer(handle.Get(), 2));
    Report block = session.Emulator().WithDevice(0, [](EmulatedDevice& d) { return d.settingsBlocks[1]; });
    EXPECT_EQ(block[13], 0x11);
    EXPECT_EQ(block[14], 0x00);
}

TEST_F(DipFixture, OutputRequestsAreAnsweredByInputReports) {
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) { d.settingsBlocks[2].assign(35, 0x33); });
    ASSERT_TRUE(WriteOutput(Request(kReadSettings, 2)));
    Report input(65, 0);
    DWORD read = 0;
    ASSERT_TRUE(HidReadInput(handle->Get(), input.data(), 65, &read, 2000));
    EXPECT_EQ(read, 65u);
    EXPECT_EQ(input[0], 0) << "report ID";
    EXPECT_EQ(input[3], kReadSettings) << "command at byte 2 of the report without its ID";
    EXPECT_EQ(input[4], 2);
    EXPECT_EQ(input[5], 0x33);
    EXPECT_EQ(input[39], 0x33);
    EXPECT_EQ(input[40], 0);
}

TEST_F(DipFixture, ASmallBufferGetsThePartThatFits) {
    ASSERT_TRUE(WriteOutput(Request(kReadSettings, 1)));
    Report input(8, 0xEE);
    DWORD read = 0;
    ASSERT_TRUE(HidReadInput(handle->Get(), input.data(), 6, &read, 2000));
    EXPECT_EQ(read, 6u);
    EXPECT_EQ(input[3], kReadSettings);
    EXPECT_EQ(input[6], 0xEE);
}

TEST_F(DipFixture, ReadsTimeOutAndCanBeCancelledFromAnotherThread) {
    Report input(65, 0);
    DWORD read = 0;
    EXPECT_FALSE(HidReadInput(handle->Get(), input.data(), 65, &read, 30));
    EXPECT_EQ(GetLastError(), ERROR_TIMEOUT);

    auto started = std::chrono::steady_clock::now();
    auto reader = std::async(std::launch::async, [&] {
        Report buffer(65, 0);
        DWORD got = 0;
        BOOL ok = HidReadInput(handle->Get(), buffer.data(), 65, &got, 20000);
        return std::make_pair(ok, GetLastError());
    });
    EXPECT_EQ(reader.wait_for(50ms), std::future_status::timeout) << "the read waits for a report";
    ASSERT_TRUE(HidCancelInputRead(handle->Get()));
    auto [ok, error] = reader.get();
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, ERROR_OPERATION_ABORTED);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);

    // The cancel is spent: the next read waits for a report again.
    ASSERT_TRUE(WriteOutput(Request(kReadSettings, 1)));
    EXPECT_TRUE(HidReadInput(handle->Get(), input.data(), 65, &read, 2000));
}

TEST_F(DipFixture, ReportsBeyondTheInputBuffersDropTheOldest) {
    Report input(65, 0);
    DWORD read = 0;
    EXPECT_FALSE(HidD_SetNumInputBuffers(handle->Get(), 1));
    EXPECT_FALSE(HidD_SetNumInputBuffers(handle->Get(), HID_MAX_INPUT_BUFFERS + 1));
    ULONG buffers = 0;
    ASSERT_TRUE(HidD_GetNumInputBuffers(handle->Get(), &buffers));
    EXPECT_EQ(buffers, 32u);
    ASSERT_TRUE(HidD_SetNumInputBuffers(handle->Get(), 2));
    ASSERT_TRUE(HidD_GetNumInputBuffers(handle->Get(), &buffers));
    EXPECT_EQ(buffers, 2u);

    for (std::uint8_t block : {1, 2, 1}) ASSERT_TRUE(WriteOutput(Request(kReadSettings, block)));
    ASSERT_TRUE(WaitUntil([&] {
        return !session.Emulator().WithDevice(0, [](EmulatedDevice& d) { return d.NextInputDue().has_value(); });
    })) << "all three sent";
    std::vector<int> blocks;
    while (HidReadInput(handle->Get(), input.data(), 65, &read, 0)) blocks.push_back(input[4]);
    EXPECT_EQ(blocks, (std::vector<int>{2, 1}));
}

TEST(HidUnplug, EveryCallOnAVanishedDeviceFailsWithNotConnected) {
    EmulatorSession session;
    session.Emulator().AddDevice(DeviceKind::Dip);
    std::string path = session.Emulator().DevicePath(0);
    DWORD instance = HidGetInterfaces().at(0).DeviceID;
    HidHandle handle(path);
    ASSERT_TRUE(handle.IsOpen());

    auto reader = std::async(std::launch::async, [&] {
        Report buffer(65, 0);
        DWORD got = 0;
        BOOL ok = HidReadInput(handle.Get(), buffer.data(), 65, &got, 20000);
        return std::make_pair(ok, GetLastError());
    });
    EXPECT_EQ(reader.wait_for(50ms), std::future_status::timeout) << "the read waits for a report";
    session.Emulator().Unplug(0);
    auto [readOk, readError] = reader.get();
    EXPECT_FALSE(readOk);
    EXPECT_EQ(readError, ERROR_DEVICE_NOT_CONNECTED);

    Report report = Request(kReadSettings, 1);
    DWORD written = 0;
    EXPECT_FALSE(HidWriteOutput(handle.Get(), report.data(), 65, &written));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_FALSE(HidD_SetFeature(handle.Get(), report.data(), 65));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_FALSE(HidD_GetFeature(handle.Get(), report.data(), 65));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_EQ(ProductOf(handle.Get()), "Velzar DIP") << "what was learned at open stays";
    EXPECT_TRUE(HidGetInterfaces().empty());

    session.Emulator().Plug(0);
    std::vector<HidInterface> again = HidGetInterfaces();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_NE(again[0].DeviceID, instance);
    EXPECT_NE(again[0].DevicePath, path);
    EXPECT_FALSE(HidD_GetFeature(handle.Get(), report.data(), 65)) << "an old handle stays dead";
}

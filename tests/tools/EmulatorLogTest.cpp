// The flight controller's log commands as the log-files window asks them.

#include "tests/support/TempFolder.h"
#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr std::uint8_t kLog = 7, kLogInfo = 1, kLogFileInfo = 2, kLogData = 3, kLogClear = 4;

std::string Pattern(std::size_t size, int seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    return bytes;
}

struct LogFixture : ::testing::Test {
    LogFixture() {
        first = folder.Write("LOG00012.log", Pattern(512, 1));
        second = folder.Write("LOG00013.log", Pattern(300, 2));  // not whole pages
        folder.Write("notes.txt", "not a log");
        session.Emulator().AddDevice(DeviceKind::FlightController);
        std::string why = session.Emulator().WithDevice(0, [this](EmulatedDevice& d) {
            d.logs.SetCapacity(0x10000);
            return d.logs.LoadFolder(folder.Path());
        });
        EXPECT_EQ(why, "");
        handle = std::make_unique<HidHandle>(session.Emulator().DevicePath(0));
    }
    TempFolder folder;
    std::string first, second;
    EmulatorSession session;
    std::unique_ptr<HidHandle> handle;
};

Report OffsetPayload(std::uint8_t file, std::uint32_t offset) {
    return {file, std::uint8_t(offset >> 24), std::uint8_t(offset >> 16), std::uint8_t(offset >> 8), std::uint8_t(offset)};
}

}  // namespace

TEST_F(LogFixture, LogInfoGivesFileCountMemoryInUseAndSize) {
    auto answer = Ask(handle->Get(), Request(kLog, kLogInfo, {}, 3));
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)[4], kLogInfo);
    EXPECT_EQ((*answer)[5], 2) << "files";
    EXPECT_EQ(BigEndian(*answer, 6, 3), 4u) << "pages in use: 2 + 2 (300 bytes fill two)";
    EXPECT_EQ(BigEndian(*answer, 10, 4), 0x10000u) << "memory size";
}

TEST_F(LogFixture, FileInfoGivesNumberAndSizeInPages) {
    const struct {
        std::uint8_t index;
        int number;
        std::uint32_t pages;
    } cases[] = {{0, 12, 2}, {1, 13, 2}};
    for (const auto& c : cases) {
        auto answer = Ask(handle->Get(), Request(kLog, kLogFileInfo, {c.index}, 4));
        ASSERT_TRUE(answer);
        EXPECT_EQ((*answer)[4], kLogFileInfo);
        EXPECT_EQ((*answer)[7], c.number);
        EXPECT_EQ(BigEndian(*answer, 8, 3), c.pages);
    }
    EXPECT_FALSE(Ask(handle->Get(), Request(kLog, kLogFileInfo, {2}, 4), 100)) << "no third file";
}

TEST_F(LogFixture, LogDataGivesThe32BytesAtAnAbsoluteOffset) {
    std::string memory = Pattern(512, 1) + Pattern(300, 2) + std::string(212, '\xFF');
    for (std::uint32_t offset : {0u, 32u, 480u, 512u, 800u, 992u}) {
        auto answer = Ask(handle->Get(), Request(kLog, kLogData, OffsetPayload(offset < 512 ? 0 : 1, offset), 8));
        ASSERT_TRUE(answer) << offset;
        EXPECT_EQ((*answer)[4], kLogData);
        EXPECT_EQ(std::string(answer->begin() + 5, answer->begin() + 37), memory.substr(offset, 32)) << offset;
    }
}

TEST_F(LogFixture, ClearAnswersStillErasingThenDone) {
    session.Emulator().WithDevice(0, [](EmulatedDevice& d) {
        d.eraseSteps = 3;
        d.eraseIntervalMs = 20;
    });
    ASSERT_TRUE(Send(handle->Get(), Request(kLog, kLogClear, {}, 4)));
    std::vector<int> statuses;
    while (statuses.empty() || statuses.back() == 0) {
        auto answer = PollAnswer(handle->Get(), kLog, 2000);
        ASSERT_TRUE(answer);
        statuses.push_back((*answer)[5]);
    }
    EXPECT_EQ(statuses, (std::vector<int>{0, 0, 0, 1}));
    auto info = Ask(handle->Get(), Request(kLog, kLogInfo, {}, 3));
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)[5], 0) << "no files after the clear";
    EXPECT_EQ(BigEndian(*info, 6, 3), 0u);
}

TEST(EmulatorLogMemory, RefusesWhatTheControllerCouldNotHold) {
    TempFolder folder;
    folder.Write("a.log", std::string(1000, 'x'));
    LogMemory memory(768);
    EXPECT_NE(memory.LoadFolder(folder.Path()), "");
    EXPECT_TRUE(memory.Files().empty()) << "nothing half-loaded";
    EXPECT_NE(memory.LoadFolder(folder.Path() / "missing"), "");
    memory.SetCapacity(1024);
    EXPECT_EQ(memory.LoadFolder(folder.Path()), "");
    EXPECT_EQ(memory.Files().at(0).number, 1u) << "a name without a number takes its place in the list";
    EXPECT_EQ(memory.UsedBytes(), 1024u);
}

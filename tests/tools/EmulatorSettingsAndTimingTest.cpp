// Settings blocks, the timing of latched answers, and the faults the
// emulator injects.

#include "tests/tools/HidTestCalls.h"
#include "tools/emulator/EmulatorSession.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kReadSettings = 1, kWriteSettings = 2, kLog = 7, kLogInfo = 1;

struct FlightFixture : ::testing::Test {
    FlightFixture() {
        session.Emulator().AddDevice(DeviceKind::FlightController);
        handle = std::make_unique<HidHandle>(session.Emulator().DevicePath(0));
    }
    template <class Change>
    void Device(Change change) {
        session.Emulator().WithDevice(0, change);
    }
    EmulatorSession session;
    std::unique_ptr<HidHandle> handle;
};

FaultRule Once(FaultKind kind, std::optional<std::uint8_t> command = std::nullopt, std::uint32_t delayMs = 0) {
    FaultRule rule;
    rule.kind = kind;
    rule.count = 1;
    rule.command = command;
    rule.delayMs = delayMs;
    return rule;
}

bool IsIdle(const Report& report) {
    return !report.empty() && std::all_of(report.begin(), report.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace

TEST_F(FlightFixture, SettingsBlocksAreWrittenAndReadBack) {
    Report block1(39), block2(20);
    for (std::size_t i = 0; i < block1.size(); ++i) block1[i] = std::uint8_t(i + 1);
    for (std::size_t i = 0; i < block2.size(); ++i) block2[i] = std::uint8_t(0xC0 + i);
    for (auto [number, bytes] : {std::pair{std::uint8_t(1), block1}, std::pair{std::uint8_t(2), block2}}) {
        auto written = Ask(handle->Get(), Request(kWriteSettings, number, bytes));
        ASSERT_TRUE(written);
        EXPECT_EQ((*written)[4], number);
        auto read = Ask(handle->Get(), Request(kReadSettings, number));
        ASSERT_TRUE(read);
        EXPECT_EQ((*read)[4], number);
        EXPECT_EQ(Report(read->begin() + 5, read->begin() + 5 + bytes.size()), bytes);
    }
    EXPECT_TRUE(Ask(handle->Get(), Request(kReadSettings, 9, {}, 3))) << "the second stage's block is acknowledged";
    EXPECT_FALSE(Ask(handle->Get(), Request(kReadSettings, 5), 100)) << "an unknown block is not answered";
}

TEST_F(FlightFixture, AnAnswerIsLatchedAfterTheDelayAndConsumedByItsFirstGet) {
    ASSERT_TRUE(IsIdle(GetFeature(handle->Get()))) << "nothing asked yet";

    // Asked and not read: a poll before the next answer latches still reads it.
    ASSERT_TRUE(Send(handle->Get(), Request(kReadSettings, 1)));
    constexpr std::uint32_t kDelayMs = 400;
    Device([](EmulatedDevice& d) { d.answerDelayMs = kDelayMs; });
    auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(Send(handle->Get(), Request(kReadSettings, 2)));
    Report early = GetFeature(handle->Get());
    EXPECT_EQ(early[3], kReadSettings);
    EXPECT_EQ(early[4], 1) << "the previous answer, not yet read";
    EXPECT_TRUE(IsIdle(GetFeature(handle->Get()))) << "read once, it is consumed";

    auto late = PollAnswer(handle->Get(), kReadSettings, 5000);
    ASSERT_TRUE(late);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(kDelayMs)) << "not before its delay";
    EXPECT_EQ((*late)[4], 2);
    EXPECT_TRUE(IsIdle(GetFeature(handle->Get())));
}

TEST_F(FlightFixture, FaultsChangeOrWithholdTheAnswer) {
    const struct {
        const char* name;
        FaultRule rule;
        bool answered;       // an answer with the command code comes
        int block;           // its block byte when answered
    } cases[] = {
        {"no answer", Once(FaultKind::NoAnswer), false, 0},
        {"wrong command", Once(FaultKind::WrongCommand), false, 0},
        {"wrong block", Once(FaultKind::WrongBlock), true, 3},
        {"garbage", Once(FaultKind::Garbage), false, 0},
        {"slow answer", Once(FaultKind::SlowAnswer, std::nullopt, 500), false, 0},
        {"another command's fault", Once(FaultKind::NoAnswer, kLog), true, 2},
    };
    for (const auto& c : cases) {
        Device([&](EmulatedDevice& d) {
            d.ClearFaults();
            d.AddFault(c.rule);
        });
        auto answer = Ask(handle->Get(), Request(kReadSettings, 2), 150);
        EXPECT_EQ(answer.has_value(), c.answered) << c.name;
        if (answer) {
            EXPECT_EQ((*answer)[4], c.block) << c.name;
        }
        // The rule was for one request: the next is answered as usual.
        if (c.rule.kind == FaultKind::SlowAnswer) {
            EXPECT_TRUE(PollAnswer(handle->Get(), kReadSettings, 5000)) << "the slow answer comes after all";
        }
        GetFeature(handle->Get());
        auto next = Ask(handle->Get(), Request(kReadSettings, 1));
        ASSERT_TRUE(next) << c.name;
        EXPECT_EQ((*next)[4], 1) << c.name;
    }
}

TEST_F(FlightFixture, ASlowAnswerComesAfterItsDelay) {
    Device([](EmulatedDevice& d) { d.AddFault(Once(FaultKind::SlowAnswer, std::nullopt, 500)); });
    ASSERT_TRUE(Send(handle->Get(), Request(kLog, kLogInfo, {}, 3)));
    EXPECT_FALSE(PollAnswer(handle->Get(), kLog, 100));
    EXPECT_TRUE(PollAnswer(handle->Get(), kLog, 1000));
}

TEST_F(FlightFixture, UnplugAfterNRequestsTakesTheDeviceAwayInPlaceOfTheNthAnswer) {
    Device([](EmulatedDevice& d) { d.UnplugAfterRequests(3); });
    EXPECT_TRUE(Ask(handle->Get(), Request(kReadSettings, 1)));
    EXPECT_TRUE(Ask(handle->Get(), Request(kReadSettings, 2)));
    Send(handle->Get(), Request(kReadSettings, 1));
    EXPECT_FALSE(PollAnswer(handle->Get(), kReadSettings, 200));
    EXPECT_EQ(GetLastError(), ERROR_DEVICE_NOT_CONNECTED);
    EXPECT_FALSE(session.Emulator().IsPlugged(0));
    EXPECT_TRUE(HidGetInterfaces().empty());
}

TEST_F(FlightFixture, MalformedFramesAreIgnored) {
    Report noStart = Request(kReadSettings, 1);
    noStart[1] = 0x04;
    Report noMark = Request(kReadSettings, 1);
    noMark[3] = 0x13;
    for (const Report& request : {noStart, noMark}) EXPECT_FALSE(Ask(handle->Get(), request, 100));
    EXPECT_TRUE(Ask(handle->Get(), Request(kReadSettings, 1)));
}

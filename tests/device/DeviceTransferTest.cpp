// Requests and answers in the three transfer modes, against the emulator.

#include "tests/device/DeviceLinkFixture.h"

#include "common/SystemText.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"

#include <atomic>
#include <ctime>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return bytes;
}

DeviceRequest LogInfoRequest() { return DeviceRequest(kLengthLogInfo, cmdLog, logInfo); }

DeviceRequest LogDataRequest(std::uint32_t offset) {
    return DeviceRequest(kLengthLogData, cmdLog, logData).Byte(0).Word32(offset);
}

// Runs `job` on a worker while this thread serves as the GUI thread.
template <class Job>
void OnWorker(Job job) {
    std::atomic<bool> done{false};
    std::jthread worker([&] {
        job();
        done = true;
    });
    RunMessagesUntil([&] { return done.load(); }, 30s);
    worker.join();
}

constexpr platform::DWORD kClockStepMs = 10;

struct TransferFixture : DeviceLinkFixture {
    void Plug(DeviceKind kind, std::int32_t mode) {
        device = Emulator().AddDevice(kind);
        Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.logs.AddFile(12, Pattern(1024, 3)); });
        ASSERT_TRUE(Connect(mode));
    }
    void Unplug() {
        Emulator().Unplug(device);
        ASSERT_TRUE(Disconnected());
    }
    void Fault(FaultKind kind, std::optional<std::uint8_t> command = {}, int count = -1) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) {
            FaultRule rule;
            rule.kind = kind;
            rule.count = count;
            rule.command = command;
            d.AddFault(rule);
        });
    }
    // One request and its wait on a worker; the wait's result and how long it took.
    std::pair<bool, std::chrono::milliseconds> Ask(const DeviceRequest& request, std::uint8_t code,
                                                   std::uint32_t timeoutMs, std::optional<std::uint8_t> sub = {}) {
        bool answered = false;
        auto started = std::chrono::steady_clock::now();
        OnWorker([&] {
            TDeviceTransaction transaction;
            transaction.SetRequest(request);
            transaction.SendReport();
            answered = transaction.WaitForReply(code, timeoutMs, sub);
            lastAnswer = transaction.ReceiveBuffer();
            lastMode = transaction.Mode();
        });
        return {answered,
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)};
    }
    DeviceAnswer Answer() const { return DeviceAnswer(lastAnswer, lastMode); }
    std::array<std::uint8_t, kReceiveBufferSize> lastAnswer{};
    std::int32_t lastMode = tmNone;
    int device = -1;
};

}  // namespace

TEST(DeviceRequestTest, TheFrameOverwritesOnlyItsOwnBytes) {
    std::array<std::uint8_t, kSendBufferSize> buffer;
    buffer.fill(0xEE);
    LogDataRequest(0x01020304).WriteTo(buffer);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 12),
              (std::vector<std::uint8_t>{0, 0x03, 8, 0x12, 7, 3, 0, 1, 2, 3, 4, 0xEE}));
    DeviceRequest(kLengthFileInfoOrClear, cmdLog, logFileInfo).Byte(5).WriteTo(buffer);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 12),
              (std::vector<std::uint8_t>{0, 0x03, 4, 0x12, 7, 2, 5, 1, 2, 3, 4, 0xEE}))
        << "a shorter frame leaves the previous frame's tail";
    DeviceRequest tooLong(kLengthSettingsOrBoot, cmdWriteSettings, 1);
    tooLong.Payload.resize(DeviceRequest::kMostPayload + 1);
    EXPECT_THROW(tooLong.WriteTo(buffer), std::length_error);
}

TEST(DeviceAnswerTest, FieldsStandOneByteLowerInModeTwoAndStayInsideTheBuffer) {
    std::array<std::uint8_t, kReceiveBufferSize> buffer{};
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i);
    DeviceAnswer feature(buffer, tmFlightController), input(buffer, tmDip);
    EXPECT_EQ(feature.Command(), 3);
    EXPECT_EQ(feature.Sub(), 4);
    EXPECT_EQ(feature.Data(0), 5);
    EXPECT_EQ(feature.DataWord24(1), 0x060708u);
    EXPECT_EQ(feature.DataWord32(5), 0x0A0B0C0Du);
    EXPECT_EQ(input.Command(), 2);
    EXPECT_EQ(input.Data(0), 4);
    EXPECT_EQ(feature.Data(78), 83);
    EXPECT_EQ(feature.Data(79), 0) << "past the buffer";
    std::uint8_t copy[100];
    EXPECT_EQ(feature.CopyData(copy, 100), 79u);
}

TEST_F(TransferFixture, EachModeSendsAndReceivesItsAnswerLayout) {
    const struct {
        DeviceKind kind;
        std::int32_t mode;
    } cases[] = {{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ProductStringOf(c.kind));
        Plug(c.kind, c.mode);
        auto [answered, took] = Ask(LogInfoRequest(), cmdLog, 5000);
        ASSERT_TRUE(answered);
        EXPECT_EQ(Answer().Sub(), logInfo);
        EXPECT_EQ(Answer().Data(0), 1) << "one file";
        EXPECT_EQ(Answer().DataWord24(1), 4u) << "pages in use";
        auto [dataAnswered, _] = Ask(LogDataRequest(64), cmdLog, 5000);
        ASSERT_TRUE(dataAnswered);
        std::vector<std::uint8_t> expected = Pattern(1024, 3);
        for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(Answer().Data(i), expected[64 + i]) << i;
        Unplug();
    }
    Plug(DeviceKind::Bootloader, tmBootloader);
    auto [answered, _] = Ask(DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootStatus), cmdBoot, 5000);
    EXPECT_TRUE(answered);
    EXPECT_EQ(Answer().Sub(), bootStatus);
}

TEST_F(TransferFixture, AWaitWithoutAnAnswerEndsAtItsTimeOutInEachMode) {
    const struct {
        DeviceKind kind;
        std::int32_t mode;
    } cases[] = {{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ProductStringOf(c.kind));
        Plug(c.kind, c.mode);
        Fault(FaultKind::NoAnswer);
        {
            // The wait can end only once the test has moved the clock past it.
            platform::testing::VirtualClockScope clock;
            std::atomic<bool> answered{true}, ended{false};
            std::jthread worker([&] {
                TDeviceTransaction transaction;
                transaction.SetRequest(LogInfoRequest());
                transaction.SendReport();
                answered = transaction.WaitForReply(cmdLog, 300);
                ended = true;
            });
            platform::DWORD moved = 0;
            ASSERT_TRUE(RunMessagesUntil([&] {
                if (ended) return true;
                platform::testing::AdvanceClock(kClockStepMs);
                moved += kClockStepMs;
                return false;
            }));
            EXPECT_FALSE(answered);
            EXPECT_GT(moved, 300u) << "ended before its time-out";
        }
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
        EXPECT_TRUE(Ask(LogInfoRequest(), cmdLog, 5000).first) << "usable after the time-out";
        Unplug();
    }
}

TEST_F(TransferFixture, ATimeOutOfZeroStillReadsOnce) {
    Plug(DeviceKind::FlightController, tmFlightController);
        OnWorker([] {
        TDeviceTransaction transaction;
        transaction.SetRequest(LogInfoRequest());
        // The emulator schedules an undelayed answer as it takes the request,
        // before the send returns: the one read finds it.
        transaction.SendReport();
        EXPECT_TRUE(transaction.WaitForReply(cmdLog, 0));
    });
}

TEST_F(TransferFixture, AnswersWithAnotherCodeOrSubCommandAreSkipped) {
    for (auto [kind, mode] : {std::pair{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}}) {
        SCOPED_TRACE(ProductStringOf(kind));
        Plug(kind, mode);
        for (FaultKind fault : {FaultKind::WrongCommand, FaultKind::Garbage}) {
            Fault(fault, cmdLog, 1);
            EXPECT_FALSE(Ask(LogInfoRequest(), cmdLog, 200).first);
        }
        Fault(FaultKind::WrongBlock, cmdLog, 1);
        auto [wrongSubTaken, _] = Ask(LogInfoRequest(), cmdLog, 5000);
        EXPECT_TRUE(wrongSubTaken) << "without a sub-command to match, any answer of the command counts";
        Fault(FaultKind::WrongBlock, cmdLog, 1);
        EXPECT_FALSE(Ask(LogInfoRequest(), cmdLog, 200, logInfo).first);
        EXPECT_TRUE(Ask(LogInfoRequest(), cmdLog, 5000, logInfo).first);
        Unplug();
    }
}

TEST_F(TransferFixture, AFailedSendIsLoggedInTheMainWindowAndTheWaitTimesOut) {
    Plug(DeviceKind::FlightController, tmFlightController);
    Emulator().Unplug(device);
    recorder.heard.clear();
    bool answered = true;
    // No messages run meanwhile: the removal is not handled, the device still current.
    std::jthread worker([&] {
        TDeviceTransaction transaction;
        transaction.SetRequest(LogInfoRequest());
        transaction.SendReport();
        answered = transaction.WaitForReply(cmdLog, 100);
    });
    worker.join();
    RunMessages();
    EXPECT_FALSE(answered);
    std::string line = "main log: SET FEATURE ERROR: " + SysErrorText(platform::ERROR_DEVICE_NOT_CONNECTED) + " (48f)";
    EXPECT_EQ(std::count(recorder.heard.begin(), recorder.heard.end(), line), 1);
}

TEST_F(TransferFixture, ARemovalEndsAWaitAtOnceAndLaterTransactionsDoNothing) {
    for (auto [kind, mode] : {std::pair{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}}) {
        SCOPED_TRACE(ProductStringOf(kind));
        Plug(kind, mode);
        Fault(FaultKind::NoAnswer);
        // No time passes: only the removal can end the wait.
        platform::testing::VirtualClockScope clock;
        std::atomic<bool> waiting{false}, answered{true};
        std::jthread worker([&] {
            TDeviceTransaction transaction;
            transaction.SetRequest(LogInfoRequest());
            transaction.SendReport();
            waiting = true;
            answered = transaction.WaitForReply(cmdLog, 30000);
        });
        ASSERT_TRUE(RunMessagesUntil([&] { return waiting.load(); }));
        Emulator().Unplug(device);
        ASSERT_TRUE(Disconnected());
        worker.join();
        EXPECT_FALSE(answered);
        TDeviceTransaction later;
        EXPECT_EQ(later.Mode(), tmNone);
        EXPECT_FALSE(later.WaitForReply(cmdLog, 1000));
    }
}

TEST_F(TransferFixture, TransactionsOfTwoWorkersAndTheGuiThreadNeverMixTheirFrames) {
    for (auto [kind, mode] : {std::pair{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}}) {
        SCOPED_TRACE(ProductStringOf(kind));
        Plug(kind, mode);
        const std::vector<std::uint8_t> memory = Pattern(1024, 3);
        std::atomic<int> wrong{0}, unanswered{0}, running{2};
        auto fetch = [&](std::uint32_t firstOffset) {
            for (std::uint32_t offset = firstOffset; offset < firstOffset + 512; offset += 32) {
                TDeviceTransaction transaction;
                transaction.SetRequest(LogDataRequest(offset));
                transaction.SendReport();
                if (!transaction.WaitForReply(cmdLog, 1000)) {
                    ++unanswered;
                    continue;
                }
                for (std::size_t i = 0; i < 32; ++i)
                    if (transaction.Answer().Data(i) != memory[offset + i]) ++wrong;
            }
            --running;
        };
        std::thread a(fetch, 0), b(fetch, 512);
        // The GUI thread asks too, in between.
        int guiAnswers = 0;
        RunMessagesUntil([&] {
            TDeviceTransaction transaction;
            transaction.SetRequest(LogInfoRequest());
            transaction.SendReport();
            if (transaction.WaitForReply(cmdLog, 1000) && transaction.Answer().Sub() == logInfo) ++guiAnswers;
            return running == 0;
        }, 30s);
        a.join();
        b.join();
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(unanswered, 0);
        EXPECT_GT(guiAnswers, 0);
        Unplug();
    }
}

TEST_F(TransferFixture, ReportsLongerThanTheBuffersAreCutToThem) {
    for (auto [kind, mode] : {std::pair{DeviceKind::FlightController, tmFlightController}, {DeviceKind::Dip, tmDip}}) {
        SCOPED_TRACE(ProductStringOf(kind));
        device = Emulator().AddDevice(kind, false);
        Emulator().WithDevice(device, [](EmulatedDevice& d) {
            d.inputLength = d.outputLength = d.featureLength = 200;
            return d.logs.AddFile(12, Pattern(1024, 3));
        });
        Emulator().Plug(device);
        ASSERT_TRUE(Connect(mode));
        auto [answered, _] = Ask(LogDataRequest(96), cmdLog, 5000);
        ASSERT_TRUE(answered);
        std::vector<std::uint8_t> expected = Pattern(1024, 3);
        for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(Answer().Data(i), expected[96 + i]) << i;
        Unplug();
    }
}

TEST_F(TransferFixture, AModeTwoWaitSleepsRatherThanSpins) {
    Plug(DeviceKind::Dip, tmDip);
    Fault(FaultKind::NoAnswer);
    double cpuMs = 0;
    OnWorker([&] {
        TDeviceTransaction transaction;
        transaction.SetRequest(LogInfoRequest());
        transaction.SendReport();
        timespec before{}, after{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
        EXPECT_FALSE(transaction.WaitForReply(cmdLog, 500));
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
        cpuMs = (after.tv_sec - before.tv_sec) * 1e3 + (after.tv_nsec - before.tv_nsec) / 1e6;
    });
    EXPECT_LT(cpuMs, 100) << "a 500 ms wait took this much processor time";
}

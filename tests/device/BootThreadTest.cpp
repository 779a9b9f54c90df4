// The firmware window's worker end to end against the emulator's bootloader:
// connecting, the five update phases, and every failure with its message.

#include "device/firmware/BootThread.h"
#include "device/firmware/FirmwareChecksum.h"
#include "device/firmware/FirmwareImage.h"
#include "device/link/DeviceWorkers.h"
#include "tests/device/DeviceLinkFixture.h"
#include "tests/device/ThrowingWake.h"
#include "tests/device/HexFileBuilder.h"
#include "tests/support/TempFolder.h"

using namespace std::chrono_literals;

namespace {

struct RecordingBootView : TBootView {
    void AddMemoLine(const std::string& line) override { Note(), memo.push_back(line); }
    void SetStatus(const std::string& text) override { Note(), status = text; }
    void SetGauge(int percent) override { Note(), gauge.push_back(percent); }
    void SetConnectChecked(bool checked) override { Note(), this->checked = checked; }
    void Note() {
        if (!IsMainThread()) ++offGuiThread;
    }
    std::vector<std::string> memo;
    std::string status = "- - -";
    std::vector<int> gauge;
    bool checked = false;
    int offGuiThread = 0;
};

// Loads an image of `size` bytes, the identity first, as the open command does.
std::vector<std::uint8_t> LoadFirmware(std::size_t size) {
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    const std::uint8_t id[] = {0xAA, 0xBB, 0xCC, 0xDD};
    std::copy_n(id, std::min<std::size_t>(4, size), image.begin());
    FirmwareImage.fill(0xFF);
    std::copy(image.begin(), image.end(), FirmwareImage.begin());
    FirmwareSize = static_cast<std::uint32_t>(size);
    FirmwareChecksum = ChecksumOfBytes(image.data(), image.size());
    FirmwareId = kExpectedFirmwareId;
    FirmwareLoaded = true;
    return image;
}

const std::vector<std::string> kStartLines = {"DeviceType: 3", "FwID: AABBCCDD   2864434397"};

struct BootFixture : DeviceLinkFixture {
    BootFixture() {
        UpdateSucceeded = false;
        ConnectChecked = false;
        image = LoadFirmware(200);
    }
    ~BootFixture() override {
        BootWindowClosed();
        RunMessagesUntil([] { return !BootBusy; }, 30s);
    }
    void PlugBootloader() {
        device = Emulator().AddDevice(DeviceKind::Bootloader);
        ASSERT_TRUE(Connect(tmBootloader));
    }
    bool Finish(std::chrono::milliseconds within = 30s) {
        bool ended = RunMessagesUntil([] { return !BootBusy; }, within);
        RunMessages();
        EXPECT_EQ(view->offGuiThread, 0);
        return ended;
    }
    // Runs the GUI thread until a connect job has said it searches.
    bool Searching() {
        return RunMessagesUntil([this] { return !view->memo.empty(); }, 5s);
    }
    bool Update() {
        BootUpdateClick(view, [this](const std::string& text) { messages.push_back(text); });
        return Finish();
    }
    void Fault(FaultKind kind, std::uint8_t sub, int count = -1) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) { d.AddFault(FaultRule{kind, count, cmdBoot, sub, 0, 0}); });
    }
    std::vector<std::uint8_t> Installed() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.installedFirmware; });
    }
    int Requests() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); });
    }
    std::vector<std::string> UpdateLines(const std::vector<std::string>& tail) {
        std::vector<std::string> lines = kStartLines;
        lines.insert(lines.end(), tail.begin(), tail.end());
        return lines;
    }

    int device = -1;
    std::vector<std::uint8_t> image;
    std::shared_ptr<RecordingBootView> view = std::make_shared<RecordingBootView>();
    std::vector<std::string> messages;
};

const std::string kHyphens(34, '-');
const std::vector<std::string> kToData = {kHyphens, "> Запрос статуса!", "> Очистка памяти", "Память успешно очищена!",
                                          "> Передача данных", "  Блоков:7"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(BootFixture, AnUpdateSendsTheImageChecksItAndAppliesIt) {
    PlugBootloader();
    ASSERT_TRUE(Update());
    EXPECT_EQ(view->memo, UpdateLines(Joined(kToData, {"> Проверка контрольной суммы", ">>> Контрольная сумма совпала!",
                                                        "> Обновление программы", ">>> Прошивка успешно обновлена!",
                                                        kHyphens})));
    EXPECT_EQ(view->status, "Прошивка успешно обновлена");
    EXPECT_TRUE(UpdateSucceeded);
    EXPECT_EQ(Installed(), image);
    // 7 blocks: round(b × 96 / 7 + 2) after each, then 99, 100 and 0.
    EXPECT_EQ(view->gauge, (std::vector<int>{0, 1, 2, 16, 29, 43, 57, 71, 84, 99, 100, 0}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(BootFixture, ABlockThatTimesOutTwiceIsSentAgainWithItsRepeatLines) {
    PlugBootloader();
    Fault(FaultKind::NoAnswer, bootData, 2);
    ASSERT_TRUE(Update());
    EXPECT_EQ(std::count(view->memo.begin(), view->memo.end(), "Повторний пакет! (3)"), 2);
    EXPECT_EQ(view->status, "Прошивка успешно обновлена");
    EXPECT_EQ(Installed(), image);
}

TEST_F(BootFixture, AWrongAnswerInAnyPhaseEndsTheUpdateWithItsNumber) {
    PlugBootloader();
    const struct {
        std::uint8_t sub;
        const char* line;
        bool finished;  // only an answered apply ends with the closing lines
    } cases[] = {{bootStatus, "Не верный ответ! (1)", false},
                 {bootErase, "Не верный ответ! (2)", false},
                 {bootData, "Не верный ответ! (3)", false},
                 {bootChecksum, "Не верный ответ! (4)", false},
                 {bootApply, "Не верный ответ! (5)", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        view->memo.clear();
        Fault(FaultKind::WrongBlock, c.sub, 1);
        ASSERT_TRUE(Update());
        ASSERT_GE(view->memo.size(), 2u);
        EXPECT_EQ(view->memo[view->memo.size() - (c.finished ? 2 : 1)], c.line);
        EXPECT_EQ(view->memo.back() == kHyphens, c.finished);
        EXPECT_EQ(view->status, "Ошибка обновления прошивки");
        EXPECT_FALSE(UpdateSucceeded);
    }
    view->memo.clear();
    ASSERT_TRUE(Update()) << "and it can be repeated";
    EXPECT_EQ(view->status, "Прошивка успешно обновлена");
}

TEST_F(BootFixture, ADeviceThatStopsAnsweringGivesTheThirdTimeOutsLine) {
    PlugBootloader();
    for (auto [sub, line] : {std::pair{bootStatus, "Устройство не отвечает! (1)"},
                             std::pair{bootData, "Устройство не отвечает! (3)"}}) {
        view->memo.clear();
        Fault(FaultKind::NoAnswer, sub, 3);
        ASSERT_TRUE(Update());
        EXPECT_EQ(view->memo.back(), line);
        EXPECT_EQ(view->status, "Ошибка обновления прошивки");
    }
    EXPECT_EQ(std::count(view->memo.begin(), view->memo.end(), "Повторний пакет! (3)"), 2);
}

TEST_F(BootFixture, AChecksumThatDoesNotMatchIsAnErrorAndNothingIsApplied) {
    PlugBootloader();
    FirmwareChecksum ^= 1;
    ASSERT_TRUE(Update());
    EXPECT_EQ(view->memo.back(), ">>> Контрольная сумма не совпала!");
    EXPECT_EQ(view->status, "Ошибка обновления прошивки");
    EXPECT_TRUE(Installed().empty());
}

TEST_F(BootFixture, AnUnplugMidUpdateSaysSoAndTheUpdateCanBeRepeated) {
    PlugBootloader();
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.UnplugAfterRequests(5); });
    ASSERT_TRUE(Update());
    EXPECT_EQ(view->memo.back(), "Устройство не отвечает! (3)");
    EXPECT_EQ(view->status, "Ошибка обновления прошивки");
    ASSERT_TRUE(Disconnected());

    Emulator().Plug(device);
    ASSERT_TRUE(Connect(tmBootloader));
    view->memo.clear();
    ASSERT_TRUE(Update());
    EXPECT_EQ(view->status, "Прошивка успешно обновлена");
    EXPECT_EQ(Installed(), image);
}

TEST_F(BootFixture, TheUpdateChecksItsPreconditionsFirst) {
    Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    ASSERT_TRUE(Update());
    EXPECT_EQ(view->memo, (std::vector<std::string>{"DeviceType: 1", "FwID: AABBCCDD   2864434397"}))
        << "a flight controller: the lines and nothing more";
    EXPECT_FALSE(BootBusy);

    TempFolder folder;
    std::string damaged =
        folder.Write("bad.hex", JoinLines({SegmentLine(0x0800), DataLine(0, Bytes(64, 1)), ":0101040042B9", EndLine()}));
    std::vector<std::string> fileLines;
    EXPECT_THROW(OpenFirmwareFile(damaged, fileLines), EFirmwareFileError);
    view->memo.clear();
    ASSERT_TRUE(Update());
    EXPECT_EQ(messages, std::vector<std::string>{"Не выбран файл прошивки!"}) << "a damaged file is never sent";
    EXPECT_TRUE(view->memo.empty());

    LoadFirmware(64);
    FirmwareId = 0x01020304;
    messages.clear();
    ASSERT_TRUE(Update());
    EXPECT_TRUE(messages.empty()) << "not in the bootloader: no identity check yet";
}

TEST_F(BootFixture, AWrongFirmwareIdentityIsRefusedInTheBootloader) {
    PlugBootloader();
    FirmwareId = 0x01020304;
    int before = Requests();
    ASSERT_TRUE(Update());
    EXPECT_EQ(messages, std::vector<std::string>{"Выбран не верный файл прошивки!"});
    EXPECT_EQ(Requests(), before);
}

TEST_F(BootFixture, ConnectingSwitchesAFlightControllerIntoItsBootloader) {
    Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    BootConnectClick(view);
    EXPECT_TRUE(view->checked);
    // The search timer takes the bootloader once it comes.
    ASSERT_TRUE(RunMessagesUntil([&] {
        link->tmrFindDeviceTimer();
        return !BootBusy;
    }, 25s));
    RunMessages();
    EXPECT_EQ(TransferMode(), tmBootloader);
    EXPECT_FALSE(view->checked);
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Find", "Подключено!", "Exit2"}));
    EXPECT_EQ(view->gauge.back(), 0);
}

TEST_F(BootFixture, AConnectJobEndsOnASecondClickOrWhenTheWindowCloses) {
    BootConnectClick(view);
    ASSERT_TRUE(BootBusy);
    ASSERT_TRUE(Searching());
    BootConnectClick(view);
    ASSERT_TRUE(Finish(5s));
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Find", "Exit2"}));
    EXPECT_FALSE(view->checked);

    view->memo.clear();
    BootConnectClick(view);
    ASSERT_TRUE(Searching());
    BootWindowClosed();
    ASSERT_TRUE(Finish(5s));
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Find", "Exit2"}));
    EXPECT_FALSE(view->checked) << "no stale check mark";

    PlugBootloader();
    view->memo.clear();
    BootConnectClick(view);
    ASSERT_TRUE(Finish(5s)) << "a new connect job waits again after a close";
    EXPECT_EQ(view->memo, (std::vector<std::string>{"Find", "Подключено!", "Exit2"}));
}

TEST_F(BootFixture, AfterASuccessTheTimerAsksAndLeavesTheBootloader) {
    PlugBootloader();
    ASSERT_TRUE(Update());
    std::vector<std::string> asked;
    BootTimerTick([&](const std::string& question) {
        asked.push_back(question);
        return true;
    });
    BootTimerTick([&](const std::string& question) {
        asked.push_back(question);
        return true;
    });
    EXPECT_EQ(asked, std::vector<std::string>{"Выйти из загрузчика в основную программу?"}) << "asked once";
    EXPECT_FALSE(UpdateSucceeded);
    ASSERT_TRUE(RunMessagesUntil([] { return TransferMode() == tmNone; }));
    ASSERT_TRUE(Connect(tmFlightController));
}

TEST_F(BootFixture, BlocksCarrySequenceNumbersZeroToSevenAndTheLastOneSeven) {
    PlugBootloader();
    auto sequences = [](std::size_t blocks) {
        std::vector<std::pair<std::uint16_t, std::uint8_t>> expected;
        for (std::size_t b = 0; b < blocks; ++b)
            expected.emplace_back(static_cast<std::uint16_t>(b), b + 1 == blocks ? 7 : b % 8);
        return expected;
    };
    const struct {
        std::size_t bytes;
        std::vector<std::pair<std::uint16_t, std::uint8_t>> blocks;
    } cases[] = {{64, {{0, 0}, {1, 7}}}, {65, {{0, 0}, {1, 1}, {2, 7}}}, {300 * 32, sequences(300)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        image = LoadFirmware(c.bytes);
        ASSERT_TRUE(Update());
        EXPECT_EQ(view->status, "Прошивка успешно обновлена");
        EXPECT_EQ(Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.receivedBlocks; }), c.blocks);
        EXPECT_EQ(Installed(), image);
    }
    // A repeated block keeps its number (the ignored first sending is not recorded).
    image = LoadFirmware(65);
    Fault(FaultKind::NoAnswer, bootData, 1);
    view->memo.clear();
    ASSERT_TRUE(Update());
    EXPECT_EQ(std::count(view->memo.begin(), view->memo.end(), "Повторний пакет! (3)"), 1);
    EXPECT_EQ(Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.receivedBlocks; }), cases[1].blocks);
}

TEST_F(BootFixture, AJobEndedByAnUnexpectedExceptionSaysWhyAndFreesTheWindow) {
    PlugBootloader();
    for (int times : {1, 2}) {
        SCOPED_TRACE(times);
        view->memo.clear();
        view->status = "- - -";
        {
            ThrowingWake wake(times);
            ASSERT_TRUE(Update());
        }
        RunMessages();
        EXPECT_NE(std::find(view->memo.begin(), view->memo.end(), std::string("Ошибка: ") + kWakeFailure),
                  view->memo.end());
        EXPECT_EQ(view->status, "Ошибка обновления прошивки");
        EXPECT_TRUE(RunMessagesUntil([] { return !DeviceWorkerRunning(); }));
    }
    view->memo.clear();
    ASSERT_TRUE(Update());
    EXPECT_EQ(Installed(), image) << "the next update runs";
}

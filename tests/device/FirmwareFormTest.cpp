// The firmware window end to end against the emulator: opening a HEX file,
// updating through the bootloader, refusing a damaged file, an unplug in the
// middle, connecting and leaving the bootloader, as its controls show them.

#include "device/firmware/FirmwareImage.h"
#include "device/forms/FirmwareForm.h"
#include "device/link/DeviceWorkers.h"
#include "tests/device/DeviceLinkFixture.h"
#include "tests/device/ThreadList.h"
#include "tests/device/HexFileBuilder.h"
#include "tests/device/WindowDriving.h"
#include "tests/support/TempFolder.h"
#include "ui/controls/Button.h"
#include "ui/forms/Application.h"

#include <filesystem>

using namespace std::chrono_literals;

namespace {

struct FirmwareWindow : DeviceLinkFixture {
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    FirmwareWindow() {
        UpdateSucceeded = false;
        ConnectChecked = false;
        BootStop = false;
        // 64 bytes from the identity on, then 16 more: three blocks, the last one padded.
        std::vector<std::uint8_t> head = Bytes(64, 0x40);
        const std::uint8_t identity[] = {0xAA, 0xBB, 0xCC, 0xDD};
        std::copy_n(identity, 4, head.begin());
        std::vector<std::uint8_t> tail = Bytes(16, 0x90);
        image = head;
        image.insert(image.end(), tail.begin(), tail.end());
        goodFile = folder.Write("good.hex", JoinLines({SegmentLine(0x0800), DataLine(0x0000, {head.begin(), head.begin() + 32}),
                                                       DataLine(0x0020, {head.begin() + 32, head.end()}),
                                                       DataLine(0x0040, tail), EndLine()}));
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return 1;
        });
        form = std::make_unique<TForm11>(nullptr);
        form->OpenDialog1->InitialDir = folder.Path().string();
        // The tests tick it themselves: a question of its own would wait for nobody.
        form->Timer1->SetEnabled(false);
        form->Show();
        RunMessages();
    }
    ~FirmwareWindow() override {
        BootWindowClosed();
        RunMessagesUntil([] { return !BootBusy; }, 30s);
        form.reset();
        RunMessages();
        Application->SetMessageBoxFunction(nullptr);
    }
    void PlugBootloader() {
        device = Emulator().AddDevice(DeviceKind::Bootloader);
        ASSERT_TRUE(Connect(tmBootloader));
        RunMessages();
    }
    bool Finish(std::chrono::milliseconds within = 30s) {
        bool ended = RunMessagesUntil([] { return !BootBusy; }, within);
        RunMessages();
        return ended;
    }
    // "Открыть файл", the file's name typed into the dialog.
    void Open(const std::string& file) {
        std::string name = std::filesystem::path(file).filename().string();
        ModalAnswer answer(form.get(), {platform::VK_RETURN}, [name] { platform::testing::TypeText(name.c_str()); });
        form->N4->Click();
        EXPECT_EQ(answer.caption, "Открыть");
    }
    bool Update() {
        form->N8->Click();
        return Finish();
    }
    std::vector<std::string> Memo() const {
        std::vector<std::string> lines;
        for (int i = 0; i < form->Memo1->Lines()->Count(); ++i) lines.push_back(form->Memo1->Lines()->Strings(i));
        return lines;
    }
    std::vector<std::uint8_t> Installed() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.installedFirmware; });
    }
    int Requests() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); });
    }

    TempFolder folder;
    std::string goodFile;
    std::vector<std::uint8_t> image;  // what the good file puts into the image
    int device = -1;
    std::unique_ptr<TForm11> form;
    std::vector<std::string> boxes;
};

const std::string kHyphens(34, '-');

TEST_F(FirmwareWindow, OpeningAFileShowsItsIdentitySizeAndChecksum) {
    EXPECT_EQ(form->Edit1->Text(), "Выберите файл прошивки");
    EXPECT_EQ(form->LbStatus->Caption(), "- - -");
    EXPECT_EQ(form->ActiveControl(), form->Button3) << "\"Закрыть\" has the focus on show";
    Open(goodFile);
    EXPECT_EQ(form->Edit1->Text(), std::filesystem::canonical(goodFile).string());
    std::vector<std::string> memo = Memo();
    ASSERT_EQ(memo.size(), 7u);
    EXPECT_EQ(memo[0], "Marker: 0800");
    EXPECT_EQ(memo[1], "Record Id: AABBCCDD");
    EXPECT_EQ(memo[4], "Размер файла: 80 байт");
    EXPECT_EQ(memo[6], std::string(27, '-'));
    EXPECT_TRUE(FirmwareLoaded);
    // A cancelled dialog changes nothing.
    {
        ModalAnswer cancel(form.get(), {platform::VK_ESCAPE});
        form->N4->Click();
    }
    EXPECT_EQ(Memo().size(), 7u);
    EXPECT_EQ(form->Edit1->Text(), std::filesystem::canonical(goodFile).string());
}

TEST_F(FirmwareWindow, AnUpdateInstallsTheImageAndTheTimerOffersToLeaveTheBootloader) {
    PlugBootloader();
    EXPECT_EQ(form->panDevState3->Caption(), "Устройство подключено");
    EXPECT_EQ(form->panDevState3->Color(), clGreen);
    EXPECT_EQ(Memo(), std::vector<std::string>{"Connect: Velzar mini bootloader"});
    Open(goodFile);
    form->Memo1->Lines()->Clear();
    ASSERT_TRUE(Update());
    EXPECT_EQ(Memo(), (std::vector<std::string>{
                          "DeviceType: 3", "FwID: AABBCCDD   2864434397", kHyphens, "> Запрос статуса!",
                          "> Очистка памяти", "Память успешно очищена!", "> Передача данных", "  Блоков:3",
                          "> Проверка контрольной суммы", ">>> Контрольная сумма совпала!", "> Обновление программы",
                          ">>> Прошивка успешно обновлена!", kHyphens}));
    EXPECT_EQ(form->LbStatus->Caption(), "Прошивка успешно обновлена");
    EXPECT_EQ(form->skGauge1->Position(), 0);
    EXPECT_EQ(Installed(), image);
    EXPECT_TRUE(boxes.empty());

    {
        ModalAnswer yes(form.get(), {platform::VK_RETURN});
        form->Timer1Timer(nullptr);
        EXPECT_EQ(yes.caption, "Запрос действия");
    }
    ASSERT_TRUE(Disconnected()) << "the bootloader left for the main program";
    RunMessages();
    EXPECT_EQ(Memo().back(), "Disconnect: Velzar mini bootloader");
    EXPECT_EQ(form->panDevState3->Color(), clRed);
    ASSERT_TRUE(Connect(tmFlightController));
}

TEST_F(FirmwareWindow, TheQuestionAfterAnUpdateAnsweredNoStaysInTheBootloader) {
    PlugBootloader();
    Open(goodFile);
    ASSERT_TRUE(Update());
    int before = Requests();
    std::string yesCaption, noCaption;
    {
        ModalAnswer no(form.get(), {platform::VK_ESCAPE}, [&] {
            TCustomForm* dialog = Screen->ActiveForm();
            yesCaption = dynamic_cast<TButton*>(dialog->FindComponent("Yes"))->Caption();
            noCaption = dynamic_cast<TButton*>(dialog->FindComponent("No"))->Caption();
        });
        form->Timer1Timer(nullptr);
    }
    EXPECT_EQ(yesCaption, "Да");
    EXPECT_EQ(noCaption, "Нет");
    EXPECT_EQ(Requests(), before) << "answered No: nothing is sent";
    RunMessages();
    EXPECT_EQ(TransferMode(), tmBootloader);
}

TEST_F(FirmwareWindow, ADamagedFileIsRefusedAndNothingIsSent) {
    PlugBootloader();
    Open(goodFile);
    std::string damaged = folder.Write(
        "bad.hex", JoinLines({SegmentLine(0x0800), DataLine(0, Bytes(32, 0xAA)), ":10002000FFFF", EndLine()}));
    Open(damaged);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with("Файл прошивки повреждён и не принят. Строка 3")) << boxes[0];
    EXPECT_EQ(form->Edit1->Text(), "Выберите файл прошивки") << "the earlier file is no longer loaded";
    EXPECT_FALSE(FirmwareLoaded);

    int before = Requests();
    ASSERT_TRUE(Update());
    EXPECT_EQ(boxes.back(), "Не выбран файл прошивки!");
    EXPECT_EQ(Requests(), before);
    EXPECT_TRUE(Installed().empty());
    boxes.clear();
}

TEST_F(FirmwareWindow, AnUnplugMidUpdateSaysSoAndTheUpdateCanBeRepeated) {
    PlugBootloader();
    Open(goodFile);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.UnplugAfterRequests(4); });
    ASSERT_TRUE(Update());
    EXPECT_EQ(Memo().back(), "Устройство не отвечает! (3)");
    EXPECT_EQ(form->LbStatus->Caption(), "Ошибка обновления прошивки");
    ASSERT_TRUE(Disconnected());
    RunMessages();
    EXPECT_EQ(form->panDevState3->Caption(), "Устройство не подключено");

    Emulator().Plug(device);
    ASSERT_TRUE(Connect(tmBootloader));
    ASSERT_TRUE(Update());
    EXPECT_EQ(form->LbStatus->Caption(), "Прошивка успешно обновлена");
    EXPECT_EQ(Installed(), image);
}

TEST_F(FirmwareWindow, ConnectingFromTheFlightControllerChecksTheItemUntilTheBootloaderAnswers) {
    device = Emulator().AddDevice(DeviceKind::FlightController);
    ASSERT_TRUE(Connect(tmFlightController));
    form->N7->Click();
    EXPECT_TRUE(form->N7->Checked());
    ASSERT_TRUE(RunMessagesUntil([&] {
        link->tmrFindDeviceTimer();
        return !BootBusy;
    }, 25s));
    RunMessages();
    EXPECT_FALSE(form->N7->Checked());
    std::vector<std::string> memo = Memo();
    EXPECT_EQ(std::vector<std::string>(memo.begin(), memo.begin() + 1), std::vector<std::string>{"Find"});
    EXPECT_EQ(std::vector<std::string>(memo.end() - 2, memo.end()),
              (std::vector<std::string>{"Подключено!", "Exit2"}));
    EXPECT_EQ(TransferMode(), tmBootloader);
    // Leaving without the question.
    form->D1->Click();
    ASSERT_TRUE(RunMessagesUntil([] { return TransferMode() == tmNone; }));
}

TEST_F(FirmwareWindow, ClosingTheWindowEndsAWaitingConnectJob) {
    form->N7->Click();
    ASSERT_TRUE(BootBusy);
    form->Close();
    ASSERT_TRUE(Finish(5s));
    EXPECT_FALSE(form->N7->Checked());
    EXPECT_EQ(Memo(), (std::vector<std::string>{"Find", "Exit2"}));
}

}  // namespace

// What the program does once its message loop has ended: the window closes
// during an update, every device worker is stopped and waited for. The update
// stops between two blocks and says so; the bootloader stays for another try.
TEST_F(FirmwareWindow, ClosingDuringAnUpdateStopsItAndLeavesNoWorkerThread) {
    PlugBootloader();
    Open(goodFile);
    const std::set<int> before = ThreadIds();
    Emulator().WithDevice(device, [](EmulatedDevice& d) {
        d.AddFault(FaultRule{FaultKind::SlowAnswer, -1, cmdBoot, bootData, 200, 0});
    });
    form->N8->Click();
    ASSERT_TRUE(RunMessagesUntil(
        [&] { return Emulator().WithDevice(device, [](EmulatedDevice& d) { return !d.receivedBlocks.empty(); }); }));
    const std::set<int> worker = NewThreads(before, ThreadIds());
    EXPECT_FALSE(worker.empty());
    EXPECT_TRUE(FirmwareUpdateRunning());

    form->Close();
    StopDeviceWorkers();
    EXPECT_FALSE(FirmwareUpdateRunning());
    EXPECT_FALSE(DeviceWorkerRunning());
    EXPECT_FALSE(BootBusy);
    EXPECT_TRUE(RunMessagesUntil([&] { return !AnyAlive(worker); })) << "the worker's thread has ended";
    RunMessages();
    EXPECT_EQ(Memo().back(), "Обновление прервано (3)");
    EXPECT_EQ(form->LbStatus->Caption(), "Ошибка обновления прошивки");
    EXPECT_TRUE(Installed().empty());
}

// The second-stage window's block 9 requests against the emulator: three
// reads to a controller that always answers, the write's tries and its
// confirmation, wrong blocks and silence, the write's zeros whatever the send
// buffer held, the answer read where the transfer mode puts it, and the
// igniter warning.

#include "settings/dialogs/WarningForm.h"
#include "settings/secondstage/SecondStageSettingsForm.h"
#include "tests/settings/SettingsExchangeFixture.h"
#include "tests/device/WindowDriving.h"
#include "tools/emulator/EmulatedBlock9.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/menus/Menus.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <optional>

using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

class SecondStageExchangeTest : public SettingsExchangeFixture {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    SecondStageExchangeTest() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
        form = std::make_unique<TForm6>(nullptr);
    }
    ~SecondStageExchangeTest() override {
        RunMessagesUntil([] { return !Stage2Busy; }, 30s);
        RunMessages();
        form.reset();
        Application->SetMessageBoxFunction(nullptr);
    }
    void Plug(DeviceKind kind, std::int32_t mode) {
        device = Emulator().AddDevice(kind);
        ASSERT_TRUE(Connect(mode));
    }
    // A menu command, run until its job ends.
    void Run(TMenuItem* item) {
        item->Click();
        ASSERT_TRUE(RunMessagesUntil([] { return !Stage2Busy; }, 60s));
        RunMessages();
    }
    Bytes Block9() { return DeviceBlock(kStage2Block); }
    std::vector<std::string> Log() const {
        std::vector<std::string> lines;
        for (int i = 0; i < form->Memo1->Lines()->Count(); ++i) lines.push_back(form->Memo1->Lines()->Strings(i));
        return lines;
    }

    std::vector<std::string> boxes;
    std::unique_ptr<TForm6> form;
};

TEST_F(SecondStageExchangeTest, AReadGoesOutThreeTimesAndLogsNothingWhenAnswered) {
    Plug(DeviceKind::FlightController, tmFlightController);
    {
        // Another window's request filled the buffer's far bytes.
        TDeviceTransaction transaction;
        transaction.SetRequest(DeviceRequest(kLengthLogData, cmdLog, logData).Bytes(Bytes(62, 0xAA).data(), 62));
    }
    Run(form->btnReadSettings);
    EXPECT_EQ(Requests(), 3);
    EXPECT_TRUE(Log().empty());
    TDeviceTransaction transaction;
    const Bytes frame(transaction.SendBuffer().begin(), transaction.SendBuffer().begin() + 6);
    EXPECT_EQ(frame, (Bytes{0x00, 0x03, 0x03, 0x12, 0x01, 0x09}));
    EXPECT_EQ(transaction.SendBuffer()[6], 0xAA) << "a read sets only its frame";
}

TEST_F(SecondStageExchangeTest, TheWriteSendsZerosAfterItsFrameWhateverTheBufferHeld) {
    Plug(DeviceKind::FlightController, tmFlightController);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { std::fill(d.settingsBlocks[kStage2Block].begin(), d.settingsBlocks[kStage2Block].end(), 0x55); });
    {
        TDeviceTransaction transaction;
        transaction.SetRequest(DeviceRequest(kLengthLogData, cmdLog, logData).Bytes(Bytes(62, 0xAA).data(), 62));
    }
    Run(form->btnWriteSettings);
    EXPECT_EQ(Log(), std::vector<std::string>{"Подтверждение активный участок подъема"});
    EXPECT_EQ(Requests(), 1);
    const Bytes block = Block9();
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(block, Bytes(block.size(), 0));
    TDeviceTransaction transaction;
    EXPECT_EQ(transaction.SendBuffer()[2], kLengthSettingsOrBoot);
    EXPECT_EQ(transaction.SendBuffer()[4], cmdWriteSettings);
    EXPECT_EQ(transaction.SendBuffer()[5], kStage2Block);
}

TEST_F(SecondStageExchangeTest, FaultsReachOnlyTheLog) {
    const struct {
        const char* what;
        FaultKind kind;
        std::uint8_t command;
        int count;
        std::vector<std::string> log;
        int requests;
    } cases[] = {
        {"write answered on the second try", FaultKind::NoAnswer, cmdWriteSettings, 1,
         {"Time out!!!", "Подтверждение активный участок подъема"}, 2},
        {"write never answered", FaultKind::NoAnswer, cmdWriteSettings, -1, {"Time out!!!", "Time out!!!", "Time out!!!"}, 3},
        {"write with another block", FaultKind::WrongBlock, cmdWriteSettings, -1,
         {"Bad command!!!", "Bad command!!!", "Bad command!!!"}, 3},
        {"read never answered", FaultKind::NoAnswer, cmdReadSettings, -1, {"Time out!!!", "Time out!!!", "Time out!!!"}, 3},
        {"read with another block once", FaultKind::WrongBlock, cmdReadSettings, 1, {"Bad command!!!"}, 3},
        {"read of noise", FaultKind::Garbage, cmdReadSettings, -1, {"Time out!!!", "Time out!!!", "Time out!!!"}, 3},
    };
    Plug(DeviceKind::FlightController, tmFlightController);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
        Fault(c.kind, c.command, kStage2Block, c.count);
        form->Memo1->Lines()->Clear();
        const int before = Requests();
        Run(c.command == cmdReadSettings ? form->btnReadSettings : form->btnWriteSettings);
        EXPECT_EQ(Log(), c.log);
        EXPECT_EQ(Requests() - before, c.requests);
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(SecondStageExchangeTest, WithNoDeviceEveryTryTimesOutAtOnce) {
    Run(form->btnReadSettings);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Time out!!!", "Time out!!!", "Time out!!!"}));
}

TEST_F(SecondStageExchangeTest, TheDipControllersAnswerIsReadWhereItsModePutsIt) {
    Plug(DeviceKind::Dip, tmDip);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.settingsBlocks[kStage2Block] = Bytes(8, 0); });
    Run(form->btnWriteSettings);
    EXPECT_EQ(Log(), std::vector<std::string>{"Подтверждение активный участок подъема"});
    form->Memo1->Lines()->Clear();
    Fault(FaultKind::WrongBlock, cmdWriteSettings, kStage2Block);
    Run(form->btnWriteSettings);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Bad command!!!", "Bad command!!!", "Bad command!!!"}));
}

TEST_F(SecondStageExchangeTest, AWriteNeedsAnIgniter) {
    Plug(DeviceKind::FlightController, tmFlightController);
    const struct {
        bool brake, main, sent;
    } cases[] = {{false, false, false}, {true, false, true}, {false, true, true}, {true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.brake) + std::to_string(c.main));
        form->CheckBox("CheckBox2")->SetChecked(c.brake);
        form->CheckBox("CheckBox3")->SetChecked(c.main);
        boxes.clear();
        const int before = Requests();
        Run(form->btnWriteSettings);
        EXPECT_EQ(Requests() - before, c.sent ? 1 : 0);
        EXPECT_EQ(boxes, c.sent ? std::vector<std::string>{} : std::vector<std::string>{"Внимание! Не выбран воспламенитель!"});
    }
    EXPECT_TRUE(form->SpinEdit("skDecimalSpinEdit2")->Enabled());
    form->CheckBox("CheckBox2")->SetChecked(false);
    EXPECT_FALSE(form->SpinEdit("skDecimalSpinEdit2")->Enabled()) << "follows the brake parachute";
    EXPECT_TRUE(form->SpinEdit("skDecimalSpinEdit3")->Enabled());
}

TEST_F(SecondStageExchangeTest, OneJobAtATime) {
    Plug(DeviceKind::FlightController, tmFlightController);
    Fault(FaultKind::SlowAnswer, cmdReadSettings, kStage2Block, -1, 0, 100);
    form->btnReadSettings->Click();
    form->btnWriteSettings->Click();
    ASSERT_TRUE(RunMessagesUntil([] { return !Stage2Busy; }, 60s));
    RunMessages();
    EXPECT_EQ(Requests(), 3) << "the write found the read running";
}

}  // namespace

namespace {

class SecondStageWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    SecondStageWindowTest() {
        Form17 = new TForm17(nullptr);
        form = new TForm6(nullptr);
        form->Show();
        RunMessages();
    }
    ~SecondStageWindowTest() override {
        delete form;
        delete Form17;
        Form17 = nullptr;
        RunMessages();
    }
    TForm6* form;
};

TEST_F(SecondStageWindowTest, CreateShowsTheGroupsAndCloseFileHidesThem) {
    EXPECT_TRUE(form->Panel3->Visible());
    for (TPanel* group : form->Groups) EXPECT_FALSE(group->Visible());
    std::optional<ModalAnswer> warning;
    Form17->OnShow = [&warning](TObject*) { warning.emplace(Form17, std::vector<platform::UINT>{platform::VK_RETURN}); };
    ClickOn(form->btnCreate);
    RunMessages();
    Form17->OnShow = nullptr;
    EXPECT_TRUE(warning);
    EXPECT_FALSE(form->Panel3->Visible());
    for (TPanel* group : form->Groups) EXPECT_TRUE(group->Visible());
    EXPECT_FALSE(form->SpinEdit("skDecimalSpinEdit5")->Enabled());
    form->CheckBox("CheckBox1")->SetChecked(true);
    EXPECT_TRUE(form->SpinEdit("skDecimalSpinEdit5")->Enabled());
    form->N13Click(nullptr);
    EXPECT_TRUE(form->Panel3->Visible());
    for (TPanel* group : form->Groups) EXPECT_FALSE(group->Visible());
}

}  // namespace

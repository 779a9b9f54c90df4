// The DIP settings exchange end to end against the emulated DIP controller
// in transfer mode 2: reads and writes of both blocks, tries, time-outs,
// wrong answers, a device of another kind refused, an output key without a
// choice never sent, and every window call made on the GUI thread.

#include "device/link/DeviceWorkers.h"
#include "settings/dip/DipSettingsForm.h"
#include "tests/settings/SettingsExchangeFixture.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// The window as the worker reaches it, noting every call made off the GUI thread.
struct CheckedView : TDipSettingsView {
    explicit CheckedView(TForm12& form) : form(form) {}
    void AddLogLine(const std::string& line) override { Note(), form.AddLogLine(line), log.push_back(line); }
    TDipEncoding EncodeBlock(std::uint8_t block) override { return Note(), form.EncodeBlock(block); }
    void DecodeBlock(std::uint8_t block, const Bytes& bytes) override {
        Note(), form.DecodeBlock(block, bytes);
        log.push_back("Блок " + std::to_string(block) + " успешно прочитан!");
    }
    void Note() {
        if (!IsMainThread()) ++offGuiThread;
    }
    TForm12& form;
    Lines log;
    int offGuiThread = 0;
};

class DipExchangeTest : public SettingsExchangeFixture {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void Plug(DeviceKind kind, std::int32_t mode) {
        form = std::make_unique<TForm12>(nullptr);
        view = std::make_shared<CheckedView>(*form);
        device = Emulator().AddDevice(kind);
        ASSERT_TRUE(Connect(mode));
    }
    ~DipExchangeTest() override {
        RunMessagesUntil([] { return !DipBusy; }, 30s);
        RunMessages();
        view.reset();
        form.reset();
    }
    bool Run(std::int32_t job) {
        view->log.clear();
        if (!StartDipJob(job, view)) return false;
        const bool ended = RunMessagesUntil([] { return !DipBusy; }, 60s);
        RunMessages();
        EXPECT_EQ(view->offGuiThread, 0);
        return ended;
    }
    TDecimalSpinEdit* Edit(const char* name) { return form->SpinEdit(name); }
    std::string LastMemoLine() {
        TStrings* lines = form->Memo1->Lines();
        return lines->Count() ? lines->Strings(lines->Count() - 1) : "";
    }

    std::unique_ptr<TForm12> form;
    std::shared_ptr<CheckedView> view;
};

}  // namespace

TEST_F(DipExchangeTest, AReadLoadsBothBlocksIntoTheControls) {
    Plug(DeviceKind::Dip, tmDip);
    Bytes one = DeviceBlock(1);
    one[0] = 0x08, one[1] = 0x00;    // parShSAcc 3,00
    one[4] = 1;                      // apogee imitation timer on
    one[15] = 0x02, one[16] = 0x01;  // parPasAcc -1/512: shown as the minimum 0,01
    one[25] = 2;                     // apogee by tilt: 2 reads off
    Bytes two = DeviceBlock(2);
    two[6] = 0;                      // separation off
    two[9] = 2;                      // separation on key 3
    two[19] = 0x13, two[20] = 0x88;  // 500 m
    SetDeviceBlock(1, one);
    SetDeviceBlock(2, two);
    ASSERT_TRUE(Run(djRead));
    EXPECT_EQ(view->log, (Lines{"Блок 1 успешно прочитан!", "Блок 2 успешно прочитан!"}));
    EXPECT_DOUBLE_EQ(Edit("skDecimalSpinEdit12")->Value(), 3.0);
    EXPECT_DOUBLE_EQ(Edit("skDecimalSpinEdit11")->Value(), 0.01);
    EXPECT_DOUBLE_EQ(Edit("skDecimalSpinEdit21")->Value(), 500);
    EXPECT_TRUE(form->CheckBox("skCheckBox1")->Checked());
    EXPECT_FALSE(form->CheckBox("CheckBox5")->Checked());
    EXPECT_FALSE(form->CheckBox("CheckBox2")->Checked());
    EXPECT_EQ(form->ComboBox("ComboBox1")->ItemIndex(), 2);
    // The switches' handlers ran on the GUI thread and applied the enabling.
    EXPECT_TRUE(Edit("skDecimalSpinEdit14")->Enabled());
    EXPECT_FALSE(Edit("skDecimalSpinEdit4")->Enabled());
    EXPECT_FALSE(form->ComboBox("ComboBox1")->Enabled());
}

TEST_F(DipExchangeTest, AWriteStoresTheControlsAndAReadBringsEveryFieldBack) {
    Plug(DeviceKind::Dip, tmDip);
    Edit("skDecimalSpinEdit12")->SetValue(4.5);
    Edit("skDecimalSpinEdit11")->SetValue(0.37);
    Edit("skDecimalSpinEdit27")->SetValue(7.7);
    form->CheckBox("CheckBox1")->SetChecked(true);
    form->ComboBox("ComboBox4")->SetItemIndex(2);
    const TDipBlockValues one = form->BlockValues(1), two = form->BlockValues(2);
    ASSERT_TRUE(Run(djWrite));
    EXPECT_EQ(view->log, (Lines{"Поток записи запущен", "Блок 1 успешно записан!", "Блок 2 успешно записан!",
                                "Выход с потока записи"}));
    EXPECT_EQ(DeviceBlock(1), EncodeDipBlock(1, one).Bytes);
    EXPECT_EQ(DeviceBlock(2), EncodeDipBlock(2, two).Bytes);

    form->LoadBlockValues(1, DecodeDipBlock(1, Bytes(kDipBlock1Size, 0).data()));
    form->LoadBlockValues(2, DecodeDipBlock(2, Bytes(kDipBlock2Size, 0).data()));
    ASSERT_TRUE(Run(djRead));
    EXPECT_EQ(EncodeDipBlock(1, form->BlockValues(1)).Bytes, EncodeDipBlock(1, one).Bytes);
    EXPECT_EQ(EncodeDipBlock(2, form->BlockValues(2)).Bytes, EncodeDipBlock(2, two).Bytes);
    EXPECT_DOUBLE_EQ(Edit("skDecimalSpinEdit27")->Value(), 7.7);
    EXPECT_EQ(form->ComboBox("ComboBox4")->ItemIndex(), 2);
}

TEST_F(DipExchangeTest, TriesFaultsAndTheirLogLines) {
    Plug(DeviceKind::Dip, tmDip);
    const struct {
        const char* what;
        FaultKind kind;
        std::int32_t job;
        std::uint8_t command;
        std::optional<std::uint8_t> block;
        int count;
        Lines log;
        int requests;
    } cases[] = {
        {"wrong block three times", FaultKind::WrongBlock, djRead, cmdReadSettings, 1, -1,
         {"Не верный ответ!", "Не верный ответ!", "Не верный ответ!"}, 3},
        {"two lost answers", FaultKind::NoAnswer, djRead, cmdReadSettings, std::nullopt, 2,
         {"Блок 1 успешно прочитан!", "Блок 2 успешно прочитан!"}, 4},
        {"never an answer", FaultKind::NoAnswer, djRead, cmdReadSettings, std::nullopt, -1, {"Устройство не отвечает!"}, 3},
        {"noise", FaultKind::Garbage, djRead, cmdReadSettings, std::nullopt, -1, {"Устройство не отвечает!"}, 3},
        {"another command", FaultKind::WrongCommand, djRead, cmdReadSettings, std::nullopt, -1, {"Устройство не отвечает!"}, 3},
        {"too slow", FaultKind::SlowAnswer, djRead, cmdReadSettings, std::nullopt, -1, {"Устройство не отвечает!"}, 3},
        {"block 2 unanswered", FaultKind::NoAnswer, djWrite, cmdWriteSettings, 2, -1,
         {"Поток записи запущен", "Блок 1 успешно записан!", "Устройство не отвечает!"}, 4},
        {"write wrong block", FaultKind::WrongBlock, djWrite, cmdWriteSettings, 1, -1,
         {"Поток записи запущен", "Не верный ответ!", "Не верный ответ!", "Не верный ответ!"}, 3},
    };
    for (const auto& c : cases) {
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
        // Slow answers come after all three tries: a late answer to the same request would still be right.
        Fault(c.kind, c.command, c.block, c.count, 0, 2000);
        const int before = Requests();
        ASSERT_TRUE(Run(c.job)) << c.what;
        EXPECT_EQ(view->log, c.log) << c.what;
        EXPECT_EQ(Requests() - before, c.requests) << c.what;
        EXPECT_FALSE(DipBusy);
    }
}

TEST_F(DipExchangeTest, AFlightControllerNeverGetsDipBlocks) {
    Plug(DeviceKind::FlightController, tmFlightController);
    const Bytes flightBlock1 = DeviceBlock(1);
    const TDipBlockValues before = form->BlockValues(1);
    for (std::int32_t job : {djRead, djWrite}) {
        ASSERT_TRUE(Run(job));
        EXPECT_EQ(view->log.back(), kDipWrongDevice) << job;
        EXPECT_EQ(std::count(view->log.begin(), view->log.end(), std::string(kDipWrongDevice)), 1);
    }
    EXPECT_EQ(Requests(), 0);
    EXPECT_EQ(DeviceBlock(1), flightBlock1);
    EXPECT_EQ(form->BlockValues(1), before);
}

TEST_F(DipExchangeTest, WithNoDeviceAReadChangesNothing) {
    Plug(DeviceKind::Dip, tmDip);
    Emulator().Unplug(device);
    ASSERT_TRUE(Disconnected());
    const TDipBlockValues one = form->BlockValues(1), two = form->BlockValues(2);
    ASSERT_TRUE(Run(djRead));
    EXPECT_EQ(view->log, Lines{"Устройство не отвечает!"});
    EXPECT_EQ(form->BlockValues(1), one);
    EXPECT_EQ(form->BlockValues(2), two);
}

TEST_F(DipExchangeTest, AKeyWithoutAChoiceStopsTheWriteBeforeAnythingIsSent) {
    Plug(DeviceKind::Dip, tmDip);
    Bytes two = DeviceBlock(2);
    two[21] = 3;  // main parachute on a key the window does not know
    SetDeviceBlock(2, two);
    ASSERT_TRUE(Run(djRead));
    EXPECT_EQ(form->ComboBox("ComboBox4")->ItemIndex(), -1);
    const Bytes before = DeviceBlock(1);
    const int requests = Requests();
    ASSERT_TRUE(Run(djWrite));
    EXPECT_EQ(Requests(), requests);
    EXPECT_EQ(DeviceBlock(1), before);
    EXPECT_EQ(DeviceBlock(2)[21], 3) << "never 0xFF";
    ASSERT_EQ(view->log.size(), 2u);
    EXPECT_NE(view->log[1].find("Выброс основного парашюта"), std::string::npos) << view->log[1];
    // Once the user chooses, the write goes.
    form->ComboBox("ComboBox4")->SetItemIndex(1);
    ASSERT_TRUE(Run(djWrite));
    EXPECT_EQ(DeviceBlock(2)[21], 1);
}

TEST_F(DipExchangeTest, AJobRunsAloneAndTheMenuCommandsStartThem) {
    Plug(DeviceKind::Dip, tmDip);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.answerDelayMs = 100; });
    form->N8Click(nullptr);
    EXPECT_TRUE(DipBusy);
    EXPECT_FALSE(StartDipJob(djRead, view)) << "a read while the write runs";
    form->N7Click(nullptr);
    ASSERT_TRUE(RunMessagesUntil([] { return !DipBusy; }, 60s));
    RunMessages();
    EXPECT_EQ(Requests(), 2) << "only the write's two blocks";
    EXPECT_EQ(LastMemoLine(), "Выход с потока записи");
    form->N7Click(nullptr);
    ASSERT_TRUE(RunMessagesUntil([] { return !DipBusy; }, 60s));
    RunMessages();
    EXPECT_EQ(Requests(), 4);
    EXPECT_EQ(LastMemoLine(), "Блок 2 успешно прочитан!");
}

TEST_F(DipExchangeTest, TheStatusPanelFollowsTheDevice) {
    Plug(DeviceKind::Dip, tmDip);
    RunMessages();
    EXPECT_EQ(form->Panel1->Caption(), "Устройство подключено");
    EXPECT_EQ(form->Panel1->Color(), TColor(0x8000));
    Emulator().Unplug(device);
    ASSERT_TRUE(Disconnected());
    RunMessages();
    EXPECT_EQ(form->Panel1->Caption(), "Устройство не подключено");
    EXPECT_EQ(form->Panel1->Color(), TColor(0xFF));
}

// The single-stage settings exchange end to end against the emulator: reads
// and writes of both blocks, every field's round trip, tries, time-outs,
// wrong answers, unplugging, refused values, and a read and a write racing a
// log download.

#include "device/link/DeviceWorkers.h"
#include "device/logs/LogFilesThread.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "tests/settings/SettingsExchangeFixture.h"
#include "tests/device/WindowDriving.h"
#include "tests/support/TempFolder.h"
#include "ui/dialogs/MessageDialogs.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The window as the worker reaches it, noting every call made off the GUI thread.
struct CheckedView : TEasySettingsView {
    explicit CheckedView(TForm14& form) : form(form) {}
    void AddLogLine(const std::string& line) override { Note(), form.AddLogLine(line), log.push_back(line); }
    TEasyEncoding EncodeBlock(std::uint8_t block) override { return Note(), form.EncodeBlock(block); }
    void DecodeBlock(std::uint8_t block, const Bytes& bytes) override {
        Note(), form.DecodeBlock(block, bytes);
        log.push_back("Блок " + std::to_string(block) + " успешно прочитан!");
    }
    void ShowStatusBalloon(bool ok, const std::string& text) override {
        Note(), form.ShowStatusBalloon(ok, text);
        balloons.push_back((ok ? "blue " : "red ") + text);
    }
    void Note() {
        if (!IsMainThread()) ++offGuiThread;
    }
    TForm14& form;
    std::vector<std::string> log, balloons;
    int offGuiThread = 0;
};

class EasyExchangeTest : public SettingsExchangeFixture {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    EasyExchangeTest() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            questions.push_back(text);
            return answer;
        });
        form = std::make_unique<TForm14>(nullptr);
        view = std::make_shared<CheckedView>(*form);
        device = Emulator().AddDevice(DeviceKind::FlightController);
        EXPECT_TRUE(Connect(tmFlightController));
    }
    ~EasyExchangeTest() override {
        RunMessagesUntil([] { return !EasyBusy; }, 30s);
        RunMessages();
        view.reset();
        form.reset();
        Application->SetMessageBoxFunction(nullptr);
    }
    bool Run(std::int32_t job) {
        if (!StartEasyJob(job, view)) return false;
        bool ended = RunMessagesUntil([] { return !EasyBusy; }, 60s);
        RunMessages();
        EXPECT_EQ(view->offGuiThread, 0);
        return ended;
    }
    // Distinct in-range values for every field, a step of its scale apart from the start.
    void SetDistinctValues() {
        int n = 0;
        for (const TEasyField& field : AllEasyFields()) {
            ++n;
            if (field.Kind == TEasyFieldKind::Flag) {
                form->CheckBox(field.Control)->SetChecked(n % 2 == 0);
            } else if (field.Kind != TEasyFieldKind::AlwaysOn) {
                TDecimalSpinEdit* edit = form->SpinEdit(field.Control);
                // On the field's grid, so the stored value is exact.
                const double stored = std::round((edit->Value() + field.Bias) * field.Scale) + n;
                edit->SetValue(stored / field.Scale - field.Bias);
            }
        }
    }
    std::vector<double> AllValues() {
        std::vector<double> all = form->BlockValues(1);
        TEasyBlockValues two = form->BlockValues(2);
        all.insert(all.end(), two.begin(), two.end());
        return all;
    }

    int answer = IDYES;
    std::vector<std::string> questions;
    std::unique_ptr<TForm14> form;
    std::shared_ptr<CheckedView> view;
};

}  // namespace

TEST_F(EasyExchangeTest, AReadLoadsBothBlocksIntoTheWindow) {
    const Bytes one = {0x06, 0x80, 0x00, 0x1E, 0x01, 0x00, 0x64, 0x03, 0xE8, 0x01, 0x00, 0x1E, 0x01,
                       0x00, 0x32, 0x00, 0x02, 0x01, 0x00, 0x1E, 0x01, 0x02, 0x58, 0x00, 0x14, 0x00,
                       0x05, 0x00, 0x05, 0xFF, 0xE6, 0x00, 0x1E, 0x00, 0x14, 0x00, 0x32, 0x00, 0x05};
    const Bytes two = {0x00, 0x0F, 0x02, 0x00, 0x01, 0x01, 0x00, 0x19, 0x00, 0x05,
                       0x00, 0xC8, 0x00, 0xC8, 0x00, 0x32, 0x00, 0x05, 0x00, 0x05};
    SetDeviceBlock(1, one);
    SetDeviceBlock(2, two);
    ASSERT_TRUE(Run(ejRead));
    EXPECT_EQ(view->log, (std::vector<std::string>{"ЧТЕНИЕ НАСТРОЕК!", "Блок 1 успешно прочитан!", "Блок 2 успешно прочитан!"}));
    EXPECT_EQ(view->balloons, std::vector<std::string>{"blue Настройки успешно прочитаны!"});
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit12")->Value(), 0x0680 / 512.0 - 1);
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit16")->Value(), 0.5);
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit11")->Value(), -26 / 512.0);
    EXPECT_TRUE(form->CheckBox("skCheckBox1")->Checked());
    EXPECT_FALSE(form->CheckBox("skCheckBox3")->Checked()) << "flag byte 2 reads off";
    EXPECT_TRUE(form->CheckBox("skCheckBox2")->Checked());
    EXPECT_EQ(form->EncodeBlock(2).Bytes[2], 0);
    EXPECT_TRUE(form->SpinEdit("skDecimalSpinEdit14")->Enabled()) << "the enabling rules follow the loaded flags";
    EXPECT_FALSE(form->SpinEdit("skDecimalSpinEdit18")->Enabled());
}

TEST_F(EasyExchangeTest, TheWindowsOwnButtonsReadIntoItAndWriteFromIt) {
    form->Show();
    RunMessages();
    ASSERT_TRUE(form->btnReadSett->Enabled()) << "a flight controller came";
    SetDistinctValues();
    const std::vector<double> onDevice = AllValues();
    SetDeviceBlock(1, form->EncodeBlock(1).Bytes);
    SetDeviceBlock(2, form->EncodeBlock(2).Bytes);
    form->LoadDefaultSettings();
    ASSERT_NE(AllValues(), onDevice);

    ClickOn(form->btnReadSett);
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    RunMessages();
    const std::vector<double> shown = AllValues();
    const std::vector<TEasyField> fields = AllEasyFields();
    ASSERT_EQ(shown.size(), onDevice.size());
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_NEAR(shown[i], onDevice[i], 1e-9) << fields[i].Key;
    EXPECT_EQ(form->Memo1->Lines()->Strings(form->Memo1->Lines()->Count() - 1), "Блок 2 успешно прочитан!");
    EXPECT_EQ(form->skAlphaHints1()->ShownText(), "Настройки успешно прочитаны!");

    form->LoadDefaultSettings();
    form->SpinEdit("skDecimalSpinEdit12")->SetValue(3.5);
    form->CheckBox("skCheckBox2")->SetChecked(!form->CheckBox("skCheckBox2")->Checked());
    const Bytes one = form->EncodeBlock(1).Bytes, two = form->EncodeBlock(2).Bytes;
    ASSERT_NE(one, DeviceBlock(1));
    ASSERT_NE(two, DeviceBlock(2));
    ClickOn(form->btnWriteSett);
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    RunMessages();
    EXPECT_TRUE(questions.empty()) << "every value lies in its range";
    EXPECT_EQ(DeviceBlock(1), one);
    EXPECT_EQ(DeviceBlock(2), two);
    EXPECT_EQ(form->skAlphaHints1()->ShownText(), "*Настройки успешно записаны!");
}

TEST_F(EasyExchangeTest, LoadingHoldsClickHandlersBackSoNoLoadedValueChanges) {
    // The brake-parachute box's handler moves the main-parachute delay, as the window's rules do.
    int clicks = 0;
    form->CheckBox("skCheckBox3")->OnClick = [&](TObject*) {
        ++clicks;
        form->SpinEdit("skDecimalSpinEdit17")->SetValue(0.1);
    };
    TEasyBlockValues one = form->BlockValues(1);
    TEasyBlockValues two = form->BlockValues(2);
    one[16] = 7.0;  // parVnStTimeoutMainPar
    two[1] = 0;     // parSpuskTormOnOff
    form->LoadBlockValues(1, one);
    form->LoadBlockValues(2, two);
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit17")->Value(), 7.0);
    EXPECT_EQ(clicks, 0);
    form->CheckBox("skCheckBox3")->SetChecked(true);
    EXPECT_EQ(clicks, 1) << "the handler is back once loading is over";
}

TEST_F(EasyExchangeTest, AWriteStoresTheWindowsValuesAndEveryFieldComesBack) {
    SetDistinctValues();
    const std::vector<double> written = AllValues();
    ASSERT_TRUE(Run(ejWrite));
    EXPECT_EQ(view->log, (std::vector<std::string>{"Поток записи запущен", "Блок 1 успешно записан!", "Блок 2 успешно записан!"}));
    EXPECT_EQ(view->balloons, std::vector<std::string>{"blue *Настройки успешно записаны!"});
    EXPECT_EQ(DeviceBlock(1), form->EncodeBlock(1).Bytes);
    EXPECT_EQ(DeviceBlock(2), form->EncodeBlock(2).Bytes);

    form->LoadBlockValues(1, DecodeEasyBlock(1, Bytes(39, 0).data()));
    form->LoadBlockValues(2, DecodeEasyBlock(2, Bytes(20, 0).data()));
    view->log.clear();
    ASSERT_TRUE(Run(ejRead));
    const std::vector<double> read = AllValues();
    const std::vector<TEasyField> fields = AllEasyFields();
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_NEAR(read[i], fields[i].Kind == TEasyFieldKind::AlwaysOn ? 1 : written[i], 1e-9) << fields[i].Key;
}

TEST_F(EasyExchangeTest, AWrongBlockNumberIsTriedThreeTimesAndBlockTwoNeverAsked) {
    Fault(FaultKind::WrongBlock, cmdReadSettings, 1);
    ASSERT_TRUE(Run(ejRead));
    EXPECT_EQ(view->log, (std::vector<std::string>{"ЧТЕНИЕ НАСТРОЕК!", "Не верный ответ! 1", "Не верный ответ! 1",
                                                   "Не верный ответ! 1"}));
    EXPECT_EQ(view->balloons, std::vector<std::string>{"red *Ошибка чтения настроек!"});
    EXPECT_EQ(Requests(), 3);
    EXPECT_TRUE(form->skAlphaHints1()->HintShown());
}

TEST_F(EasyExchangeTest, ADeviceThatAnswersOnlyTheThirdRequestStillGivesAFullRead) {
    Fault(FaultKind::NoAnswer, cmdReadSettings, 1, 2);
    Fault(FaultKind::NoAnswer, cmdReadSettings, 2, 2);
    ASSERT_TRUE(Run(ejRead));
    EXPECT_EQ(view->log, (std::vector<std::string>{"ЧТЕНИЕ НАСТРОЕК!", "Блок 1 успешно прочитан!", "Блок 2 успешно прочитан!"}));
    EXPECT_EQ(view->balloons, std::vector<std::string>{"blue Настройки успешно прочитаны!"});
    EXPECT_EQ(Requests(), 6);
}

TEST_F(EasyExchangeTest, FaultsThatNeverAnswerEndTheJobWithItsMessage) {
    const struct {
        FaultKind kind;
        std::int32_t job;
        std::uint8_t command;
        std::vector<std::string> log;
        std::string balloon;
    } cases[] = {
        {FaultKind::NoAnswer, ejRead, cmdReadSettings, {"ЧТЕНИЕ НАСТРОЕК!", "Устройство не отвечает! 1"}, "red *Ошибка чтения настроек!"},
        {FaultKind::Garbage, ejRead, cmdReadSettings, {"ЧТЕНИЕ НАСТРОЕК!", "Устройство не отвечает! 1"}, "red *Ошибка чтения настроек!"},
        {FaultKind::WrongCommand, ejRead, cmdReadSettings, {"ЧТЕНИЕ НАСТРОЕК!", "Устройство не отвечает! 1"}, "red *Ошибка чтения настроек!"},
        {FaultKind::SlowAnswer, ejRead, cmdReadSettings, {"ЧТЕНИЕ НАСТРОЕК!", "Устройство не отвечает! 1"}, "red *Ошибка чтения настроек!"},
        {FaultKind::NoAnswer, ejWrite, cmdWriteSettings, {"Поток записи запущен", "Устройство не отвечает!"}, "red *Ошибка записи настроек!"},
        {FaultKind::WrongBlock, ejWrite, cmdWriteSettings,
         {"Поток записи запущен", "Не верный ответ!", "Не верный ответ!", "Не верный ответ!"}, "red *Ошибка записи настроек!"},
    };
    for (const auto& c : cases) {
        Emulator().WithDevice(device, [](EmulatedDevice& d) { d.ClearFaults(); });
        // Slower than all three tries: a late answer to the same request would still be right.
        Fault(c.kind, c.command, std::nullopt, -1, 0, 2000);
        view->log.clear();
        view->balloons.clear();
        ASSERT_TRUE(Run(c.job));
        EXPECT_EQ(view->log, c.log) << int(c.kind) << " job " << c.job;
        EXPECT_EQ(view->balloons, std::vector<std::string>{c.balloon}) << int(c.kind);
        EXPECT_FALSE(EasyBusy);
    }
}

TEST_F(EasyExchangeTest, UnpluggingMidJobEndsItAndClearsTheBusyFlag) {
    EXPECT_TRUE(form->btnReadSett->Enabled()) << "a flight controller came";
    EXPECT_EQ(form->GroupBox9->Font()->Color(), 0x008000);
    Emulator().WithDevice(device, [](EmulatedDevice& d) { d.UnplugAfterRequests(2); });
    ASSERT_TRUE(Run(ejRead));
    // Block 1 came; its values stay.
    EXPECT_EQ(view->log, (std::vector<std::string>{"ЧТЕНИЕ НАСТРОЕК!", "Блок 1 успешно прочитан!", "Устройство не отвечает! 2"}));
    EXPECT_EQ(view->balloons, std::vector<std::string>{"red *Ошибка чтения настроек!"});
    EXPECT_FALSE(EasyBusy);
    EXPECT_TRUE(Disconnected());
    EXPECT_FALSE(form->btnReadSett->Enabled());
    EXPECT_FALSE(form->btnWriteSett->Enabled());
    EXPECT_EQ(form->GroupBox9->Font()->Color(), 0x808080);
    // With no device at all the job ends at once with the same message.
    view->log.clear();
    view->balloons.clear();
    ASSERT_TRUE(Run(ejWrite));
    EXPECT_EQ(view->log, (std::vector<std::string>{"Поток записи запущен", "Устройство не отвечает!"}));
}

TEST_F(EasyExchangeTest, AValueThatCannotBeStoredStopsTheWriteBeforeAnythingIsSent) {
    form->SpinEdit("skDecimalSpinEdit20")->SetValue(7000);  // block 2: block 1 must not go either
    const Bytes before = DeviceBlock(1);
    ASSERT_TRUE(Run(ejWrite));
    EXPECT_EQ(Requests(), 0);
    EXPECT_EQ(DeviceBlock(1), before);
    ASSERT_EQ(view->log.size(), 2u);
    EXPECT_NE(view->log[1].find("Выброс парашюта по времени"), std::string::npos) << view->log[1];
    ASSERT_EQ(view->balloons.size(), 1u);
    EXPECT_EQ(view->balloons[0].rfind("red *Ошибка записи настроек!\r", 0), 0u) << view->balloons[0];
}

TEST_F(EasyExchangeTest, OutOfRangeValuesAskBeforeTheWrite) {
    form->EnableDeviceSettingsButtons();
    form->SpinEdit("skDecimalSpinEdit12")->SetValue(12);
    answer = IDNO;
    form->btnWriteSettClick(nullptr);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Ускорение"), std::string::npos) << questions[0];
    EXPECT_FALSE(EasyBusy);
    EXPECT_EQ(Requests(), 0);
    answer = IDYES;
    form->btnWriteSettClick(nullptr);
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    EXPECT_EQ(Requests(), 2);
    // In range: no question.
    form->SpinEdit("skDecimalSpinEdit12")->SetValue(2);
    questions.clear();
    form->btnWriteSettClick(nullptr);
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    EXPECT_TRUE(questions.empty());
}

TEST_F(EasyExchangeTest, AJobRunsAloneAndItsRequestsCarryNoLeftovers) {
    {
        // An earlier request filled the buffer's far bytes.
        TDeviceTransaction transaction;
        transaction.SetRequest(DeviceRequest(kLengthLogData, cmdLog, logData).Bytes(Bytes(62, 0xAA).data(), 62));
    }
    Fault(FaultKind::SlowAnswer, cmdReadSettings, 1, 1, 0, 150);
    ASSERT_TRUE(StartEasyJob(ejRead, view));
    EXPECT_FALSE(StartEasyJob(ejWrite, view)) << "a second job while one runs";
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    RunMessages();
    TDeviceTransaction transaction;
    for (std::size_t i = 6; i < kSendBufferSize; ++i) EXPECT_EQ(transaction.SendBuffer()[i], 0) << i;
    EXPECT_EQ(transaction.SendBuffer()[4], cmdReadSettings);
    EXPECT_EQ(transaction.SendBuffer()[5], 2);
}

namespace {

struct QuietLogView : TLogFilesView {
    void AddMemoLine(const std::string& line) override { memo.push_back(line); }
    void SetProgress(int) override {}
    void SetGauge(int) override {}
    void ClearList() override {}
    void AddListRow(const std::string&) override { ++rows; }
    void RefreshGauge() override {}
    void RefreshWindow() override {}
    std::vector<std::string> memo;
    int rows = 0;
};

}  // namespace

TEST_F(EasyExchangeTest, AReadAndAWriteRacingALogDownloadCorruptNoFrame) {
    Bytes log(64 * 256);
    for (std::size_t i = 0; i < log.size(); ++i) log[i] = static_cast<std::uint8_t>(i * 13 + 7);
    Emulator().WithDevice(device, [&](EmulatedDevice& d) {
        d.logs.SetCapacity(0x100000);
        EXPECT_EQ(d.logs.AddFile(5, log), "");
    });
    auto logView = std::make_shared<QuietLogView>();
    LogFileTable = TLogFileTable{};
    ASSERT_TRUE(StartLogJob(ljList, logView));
    ASSERT_TRUE(RunMessagesUntil([] { return !LogBusy; }, 60s));
    ASSERT_EQ(LogFileTable.Count, 1u);

    TempFolder folder;
    // Packets a little slow, so the download lasts well beyond both settings jobs.
    Fault(FaultKind::SlowAnswer, cmdLog, logData, -1, 0, 10);
    SetDistinctValues();
    const Bytes written1 = form->EncodeBlock(1).Bytes, written2 = form->EncodeBlock(2).Bytes;
    ASSERT_TRUE(StartLogJob(ljDownload, logView, TLogDownloadOrder{folder.Path().string(), {true}}));
    ASSERT_TRUE(StartEasyJob(ejWrite, view));
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    ASSERT_TRUE(StartEasyJob(ejRead, view));
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    EXPECT_TRUE(LogBusy) << "the download should still run";
    ASSERT_TRUE(RunMessagesUntil([] { return !LogBusy; }, 120s));
    RunMessages();

    EXPECT_EQ(view->balloons, (std::vector<std::string>{"blue *Настройки успешно записаны!", "blue Настройки успешно прочитаны!"}));
    EXPECT_EQ(DeviceBlock(1), written1);
    EXPECT_EQ(DeviceBlock(2), written2);
    EXPECT_EQ(form->EncodeBlock(1).Bytes, written1);
    EXPECT_EQ(form->EncodeBlock(2).Bytes, written2);
    ASSERT_FALSE(logView->memo.empty());
    EXPECT_EQ(logView->memo.back(), "Загрузка закончена");
    std::ifstream in(folder.Path() / LogFileDownloadName(5), std::ios::binary);
    const Bytes downloaded{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(downloaded, log);
}

namespace {

// A window whose decoding fails, as a damaged control might.
struct FailingView : CheckedView {
    using CheckedView::CheckedView;
    void DecodeBlock(std::uint8_t, const Bytes&) override { throw std::runtime_error("сбой окна"); }
};

}  // namespace

TEST_F(EasyExchangeTest, AJobThatFailsInsideSaysWhyAndClearsTheBusyFlag) {
    auto failing = std::make_shared<FailingView>(*form);
    ASSERT_TRUE(StartEasyJob(ejRead, failing));
    ASSERT_TRUE(RunMessagesUntil([] { return !EasyBusy; }, 60s));
    RunMessages();
    EXPECT_EQ(failing->log, (std::vector<std::string>{"ЧТЕНИЕ НАСТРОЕК!", "Ошибка: сбой окна"}));
    EXPECT_EQ(failing->balloons, std::vector<std::string>{"red *Ошибка чтения настроек!"});
    EXPECT_EQ(failing->offGuiThread, 0);
    EXPECT_TRUE(StartEasyJob(ejRead, view)) << "the next job may start";
}

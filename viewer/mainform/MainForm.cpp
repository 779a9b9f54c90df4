#include "viewer/mainform/MainForm.h"

#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "device/link/DeviceWorkers.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"
#include "viewer/settings/SettingsLocation.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kDesignWidth = 1140, kDesignHeight = 695;

constexpr const char* kStopUpdateQuestion =
    "Идёт обновление прошивки. Если прервать его, контроллер может остаться без программы.\n"
    "Прервать обновление и выйти?";
constexpr const char* kStopDeviceWorkQuestion = "Идёт обмен данными с контроллером. Прервать его и выйти?";

}  // namespace

const TClassInfo& TForm1::StaticClass() {
    static const TClassInfo info = TPublished<TForm1>("TForm1", TForm::StaticClass()).Build();
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner), SettingsFolder(ProgramFolder()) {
    SetName("Form1");
    SetCaption("ВЕЛЗАР");
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetBounds(0, 0, kDesignWidth, kDesignHeight);

    BuildMainMenu();
    BuildChart();
    BuildFloatingPanels();
    BuildSidePanel();
    BuildHiddenControls();
    BuildDialogs();
    HookMarkerEvents();
    chartSteps_ = std::make_unique<ChartRecordSteps>(*Chart1);
    ConnectNavigationAndAnalysis();

    DeviceAnnouncements().MainLog = [this](const std::string& line) { AddLogLine(*skMemo1, line); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnCloseQuery = [this](TObject* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    HID = std::make_unique<TDeviceLink>();
}

TForm1::~TForm1() {
    // The controls the layout moves go before the menu, whose leaving resizes the window.
    OnResize = nullptr;
    Chart1->OnResize = nullptr;
    HID.reset();
    DeviceAnnouncements().MainLog = nullptr;
}

void TForm1::FormCloseQuery(TObject*, bool& CanClose) {
    if (!DeviceWorkerRunning()) return;
    const char* question = FirmwareUpdateRunning() ? kStopUpdateQuestion : kStopDeviceWorkQuestion;
    CanClose = Application->MessageBox(question, Caption(), MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    // The workers end before the device they talk to is let go.
    StopDeviceWorkers();
    if (HID) HID->Release();
}

std::string TForm1::SettingsFileToWrite() const { return SettingsFileIn(SettingsFolder, UserConfigFolder()); }

std::string TForm1::SettingsFileToRead() const { return ::SettingsFileToRead(SettingsFolder, UserConfigFolder()); }

void TForm1::ShowWindow(TForm* form) {
    if (form) form->Show();
}

#include "device/forms/FirmwareForm.h"

#include "common/MessageBoxText.h"
#include "device/firmware/FirmwareImage.h"
#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/MessageDialogs.h"

#include <vector>

namespace {

constexpr const char* kNoFileChosen = "Выберите файл прошивки";

}  // namespace

TForm11* Form11 = nullptr;

const TClassInfo& TForm11::StaticClass() {
    static const TClassInfo info = TPublished<TForm11>("TForm11", TForm::StaticClass()).Build();
    return info;
}

TForm11::TForm11(TComponent* owner) : TForm(owner), view_(static_cast<TBootView*>(this), [](TBootView*) {}) {
    SetName("Form11");
    SetCaption("Обновление прошивки");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons({TBorderIcon::biSystemMenu});
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);

    MainMenu1 = new TMainMenu(this);
    TMenuItem* file = AddItem(MainMenu1->Items(), "Файл");
    N4 = AddItem(file, "Открыть файл", [this](TObject* s) { N4Click(s); });
    AddItem(file, "-");
    AddItem(file, "Выход");
    TMenuItem* firmware = AddItem(MainMenu1->Items(), "Прошивка");
    N7 = AddItem(firmware, "Подключиться к загрузчику", [this](TObject* s) { N7Click(s); });
    N8 = AddItem(firmware, "Обновить прошивку", [this](TObject* s) { N8Click(s); });
    AddItem(firmware, "Восстановить прошивку");
    AddItem(firmware, "-");
    D1 = AddItem(firmware, "Перейти на основную программу", [this](TObject* s) { D1Click(s); });
    AddItem(MainMenu1->Items(), "Помощь");
    MainMenu1->AttachToForm(this);
    HandleNeeded();  // the frame knows its menu bar once the window exists
    SetClientSize(480, 390);

    Edit1 = new TEdit(this);
    Edit1->SetParent(this);
    Edit1->SetBounds(8, 8, 464, 22);
    Edit1->SetReadOnly(true);
    Edit1->SetText(kNoFileChosen);

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(8, 38, 464, 250);
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(TScrollStyle::ssVertical);

    LbTextStatus = new TLabel(this);
    LbTextStatus->SetParent(this);
    LbTextStatus->SetBounds(8, 298, 50, 16);
    LbTextStatus->SetCaption("Статус:");
    LbStatus = new TLabel(this);
    LbStatus->SetParent(this);
    LbStatus->SetBounds(64, 298, 300, 16);
    LbStatus->SetCaption("- - -");

    skGauge1 = new TSkProgressBar(this);
    skGauge1->SetParent(this);
    skGauge1->SetBounds(8, 320, 464, 18);
    skGauge1->SetSmooth(true);

    panDevState3 = new TPanel(this);
    panDevState3->SetParent(this);
    panDevState3->SetBounds(8, 350, 300, 28);
    panDevState3->SetColor(static_cast<TColor>(kDeviceDisconnectedColor));
    panDevState3->SetCaption(kDeviceDisconnectedCaption);

    Button3 = new TButton(this);
    Button3->SetParent(this);
    Button3->SetBounds(397, 350, 75, 28);
    Button3->SetCaption("Закрыть");
    Button3->OnClick = [this](TObject*) { Close(); };

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Filter = "Hex Files|*.hex";

    Timer1 = new TTimer(this);
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };

    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };

    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.FirmwareLog = [this](const std::string& line) { AddMemoLine(line); };
    announcements.FirmwareStatus = [this](platform::COLORREF color, const std::string& caption) {
        panDevState3->SetColor(static_cast<TColor>(color));
        panDevState3->SetCaption(caption);
    };
}

TForm11::~TForm11() {
    view_.reset();
    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.FirmwareLog = nullptr;
    announcements.FirmwareStatus = nullptr;
}

TMenuItem* TForm11::AddItem(TMenuItem* parent, const std::string& caption, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

void TForm11::N4Click(TObject*) {
    if (OpenDialog1->Execute()) OpenFirmware(OpenDialog1->FileName);
}

void TForm11::OpenFirmware(const std::string& fileName) {
    std::vector<std::string> memo;
    try {
        OpenFirmwareFile(fileName, memo);
    } catch (const EFirmwareFileError& error) {
        // Nothing of the file was taken and the previous image is gone: the
        // window must not name a file that is not loaded.
        Edit1->SetText(kNoFileChosen);
        ShowMessageBox(error.Message());
        return;
    }
    Edit1->SetText(fileName);
    for (const std::string& line : memo) AddMemoLine(line);
}

void TForm11::N7Click(TObject*) { BootConnectClick(view_); }

void TForm11::N8Click(TObject*) {
    BootUpdateClick(view_, [](const std::string& text) { ShowMessageBox(text); });
}

void TForm11::D1Click(TObject*) { BootLeaveClick(); }

void TForm11::Timer1Timer(TObject*) {
    BootTimerTick([](const std::string& question) {
        std::unique_ptr<TForm> dialog = CreateMessageDialog(question, TMsgDlgType::mtInformation, mbYesNo);
        dialog->SetCaption("Запрос действия");
        if (auto* yes = dynamic_cast<TButton*>(dialog->FindComponent("Yes"))) yes->SetCaption("Да");
        if (auto* no = dynamic_cast<TButton*>(dialog->FindComponent("No"))) no->SetCaption("Нет");
        return dialog->ShowModal() == mrYes;
    });
}

void TForm11::FormShow(TObject*) {
    if (Button3->CanFocus()) Button3->SetFocus();
}

void TForm11::FormClose(TObject*, TCloseAction&) { BootWindowClosed(); }

void TForm11::AddMemoLine(const std::string& line) { AddLogLine(*Memo1, line); }

void TForm11::SetStatus(const std::string& text) { LbStatus->SetCaption(text); }

void TForm11::SetGauge(int percent) { skGauge1->SetPosition(percent); }

void TForm11::SetConnectChecked(bool checked) { N7->SetChecked(checked); }

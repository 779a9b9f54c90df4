#include "device/forms/LogFilesForm.h"

#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/MessageDialogs.h"

#include <filesystem>
#include <optional>
#include <system_error>

TForm5* Form5 = nullptr;

const TClassInfo& TForm5::StaticClass() {
    static const TClassInfo info = TPublished<TForm5>("TForm5", TForm::StaticClass()).Build();
    return info;
}

TForm5::TForm5(TComponent* owner) : TForm(owner), view_(static_cast<TLogFilesView*>(this), [](TLogFilesView*) {}) {
    SetName("Form5");
    SetCaption("Загрузка файлов с данными полета");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons({TBorderIcon::biSystemMenu});
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetClientSize(440, 450);

    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(8, 12, 50, 16);
    Label1->SetCaption("Занято:");
    Gauge1 = new TGauge(this);
    Gauge1->SetParent(this);
    Gauge1->SetBounds(64, 8, 160, 22);
    Gauge1->SetForeColor(clNavy);

    panDevState = new TPanel(this);
    panDevState->SetParent(this);
    panDevState->SetBounds(232, 8, 200, 22);
    panDevState->SetColor(static_cast<TColor>(kDeviceDisconnectedColor));
    panDevState->SetCaption(kDeviceDisconnectedCaption);

    ListView1 = new TListView(this);
    ListView1->SetParent(this);
    ListView1->SetBounds(8, 38, 216, 240);
    ListView1->SetViewStyle(TViewStyle::vsList);
    ListView1->SetMultiSelect(true);
    ListView1->ReadOnly = true;
    ListView1->HideSelection = false;
    ListView1->Columns().Add();

    Button9 = AddButton(38, "Получить список файлов", [this](TObject* s) { Button9Click(s); });
    Button6 = AddButton(74, "Загрузить файлы", [this](TObject* s) { Button6Click(s); });
    Button1 = AddButton(110, "Стереть файлы", [this](TObject* s) { Button1Click(s); });

    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetParent(this);
    ProgressBar1->SetBounds(8, 286, 424, 16);

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(8, 310, 424, 132);
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(TScrollStyle::ssVertical);

    skPathDialog1 = new TSkPathDialog(this);
    skPathDialog1->Caption = "Выберите каталог для сохранения";

    OnShow = [this](TObject* s) { FormShow(s); };

    DeviceAnnouncements().LogFilesStatus = [this](platform::COLORREF color, const std::string& caption) {
        panDevState->SetColor(static_cast<TColor>(color));
        panDevState->SetCaption(caption);
    };
}

TForm5::~TForm5() {
    view_.reset();
    DeviceAnnouncements().LogFilesStatus = nullptr;
}

TButton* TForm5::AddButton(int top, const std::string& caption, TNotifyEvent onClick) {
    auto* button = new TButton(this);
    button->SetParent(this);
    button->SetBounds(232, top, 200, 28);
    button->SetCaption(caption);
    button->OnClick = std::move(onClick);
    return button;
}

void TForm5::Button9Click(TObject*) { LogListClick(view_); }

void TForm5::Button6Click(TObject*) {
    LogDownloadClick(view_, SelectedRows(), [this]() -> std::optional<std::string> {
        std::error_code error;
        skPathDialog1->Path = std::filesystem::current_path(error).string();
        if (!skPathDialog1->Execute()) return std::nullopt;
        return skPathDialog1->Path;
    });
}

void TForm5::Button1Click(TObject*) {
    LogClearClick(view_, [] {
        return MessageDlg("Вы уверены что хотите стереть файлы?", TMsgDlgType::mtConfirmation, mbYesNo) == mrYes;
    });
}

void TForm5::FormShow(TObject*) {
    ListView1->Columns().Items(0)->SetWidth(180);
    Gauge1->SetProgress(0);
    ClearList();
    Memo1->Lines()->Clear();
}

std::vector<bool> TForm5::SelectedRows() const {
    std::vector<bool> selected;
    for (int i = 0; i < ListView1->Items().Count(); ++i) selected.push_back(ListView1->Items().Item(i)->Selected());
    return selected;
}

void TForm5::AddMemoLine(const std::string& line) { AddLogLine(*Memo1, line); }

void TForm5::SetProgress(int percent) { ProgressBar1->SetPosition(percent); }

void TForm5::SetGauge(int percent) { Gauge1->SetProgress(percent); }

void TForm5::ClearList() { ListView1->Items().Clear(); }

void TForm5::AddListRow(const std::string& caption) { ListView1->Items().Add()->SetCaption(caption); }

void TForm5::RefreshGauge() { Gauge1->Refresh(); }

void TForm5::RefreshWindow() { Refresh(); }

#include "app/MainForm.h"

#include "device/forms/FirmwareForm.h"
#include "device/forms/LogFilesForm.h"
#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "ui/core/PublishedProperties.h"

TForm1* Form1 = nullptr;

const TClassInfo& TForm1::StaticClass() {
    static const TClassInfo info = TPublished<TForm1>("TForm1", TForm::StaticClass()).Build();
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption("ВЕЛЗАР");
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetBounds(0, 0, 1140, 695);

    MainMenu1 = new TMainMenu(this);
    N2 = AddItem(MainMenu1->Items(), "   Контроллер   ");
    N32 = AddItem(N2, "Загрузка логов", [this](TObject* s) { N32Click(s); });
    AddItem(N2, "-");
    N11 = AddItem(N2, "Обновление прошивки", [this](TObject* s) { N11Click(s); });
    MainMenu1->AttachToForm(this);

    skMemo1 = new TMemo(this);
    skMemo1->SetParent(this);
    skMemo1->SetAlign(TAlign::alRight);
    skMemo1->SetWidth(290);
    skMemo1->SetReadOnly(true);
    skMemo1->SetScrollBars(TScrollStyle::ssVertical);
    skMemo1->SetTabStop(false);
    DeviceAnnouncements().MainLog = [this](const std::string& line) { AddLogLine(*skMemo1, line); };

    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    HID = std::make_unique<TDeviceLink>();
}

TForm1::~TForm1() {
    HID.reset();
    DeviceAnnouncements().MainLog = nullptr;
}

TMenuItem* TForm1::AddItem(TMenuItem* parent, const std::string& caption, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

void TForm1::N32Click(TObject*) { Form5->Show(); }

void TForm1::N11Click(TObject*) { Form11->Show(); }

void TForm1::FormClose(TObject*, TCloseAction&) {
    if (HID) HID->Release();
}

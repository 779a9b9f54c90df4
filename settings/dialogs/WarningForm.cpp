#include "settings/dialogs/WarningForm.h"

#include "ui/core/PublishedProperties.h"

TForm17* Form17 = nullptr;

namespace {

constexpr int kClientWidth = 349;
constexpr int kClientHeight = 122;
constexpr int kTextHeight = 13;

}  // namespace

const TClassInfo& TForm17::StaticClass() {
    static const TClassInfo info = TPublished<TForm17>("TForm17", TForm::StaticClass()).Build();
    return info;
}

TForm17::TForm17(TComponent* owner) : TForm(owner) {
    SetName("Form17");
    SetCaption("Warning");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poDesktopCenter);
    SetClientSize(kClientWidth, kClientHeight);
    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetCaption("Внимание!");
    Label1->Font()->SetHeight(kTextHeight);
    Label1->SetBounds(16, 12, 317, 18);
    Label2 = new TLabel(this);
    Label2->SetParent(this);
    Label2->SetCaption("Будет создан файл с настройками по умолчанию.");
    Label2->Font()->SetHeight(kTextHeight);
    Label2->SetBounds(16, 40, 317, 18);
    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->SetBounds(kClientWidth / 2 - 40, 80, 80, 28);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
}

void TForm17::Button1Click(TObject*) { Close(); }

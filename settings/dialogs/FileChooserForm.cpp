#include "settings/dialogs/FileChooserForm.h"

#include "settings/dialogs/WarningForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "ui/core/PublishedProperties.h"

TForm16* Form16 = nullptr;

namespace {

constexpr int kClientWidth = 284;
constexpr int kClientHeight = 138;
// The warning stands this far into the single-stage window.
constexpr int kWarningDx = 110;
constexpr int kWarningDy = 150;

}  // namespace

const TClassInfo& TForm16::StaticClass() {
    static const TClassInfo info = TPublished<TForm16>("TForm16", TForm::StaticClass()).Build();
    return info;
}

TForm16::TForm16(TComponent* owner) : TForm(owner) {
    SetName("Form16");
    SetCaption("");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetClientSize(kClientWidth, kClientHeight);
    const auto add = [this](int top, const std::string& caption, TNotifyEvent onClick) {
        auto* button = new TButton(this);
        button->SetParent(this);
        button->SetCaption(caption);
        button->Font()->SetStyle({TFontStyle::fsBold});
        button->SetBounds(16, top, kClientWidth - 32, 40);
        button->OnClick = std::move(onClick);
        return button;
    };
    Button1 = add(16, "Создать новый файл настроек", [this](TObject* s) { Button1Click(s); });
    Button2 = add(76, "Открыть файл настроек", [this](TObject* s) { Button2Click(s); });
}

void TForm16::Button1Click(TObject*) {
    if (Form17 && Form14) {
        Form17->SetPosition(TPosition::poDesigned);
        Form17->SetBounds(Form14->Left() + kWarningDx, Form14->Top() + kWarningDy, Form17->Width(), Form17->Height());
    }
    Hide();
    if (Form17) Form17->ShowModal();
    Application->ProcessMessages();
    if (Form14) Form14->NewEasySettingsFile();
    Close();
}

void TForm16::Button2Click(TObject*) {
    Hide();
    Application->ProcessMessages();
    if (Form14) Form14->OpenEasySettingsFile();
    Close();
}

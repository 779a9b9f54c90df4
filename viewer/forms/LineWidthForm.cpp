#include "viewer/forms/LineWidthForm.h"

#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"
#include "viewer/mainform/MainForm.h"
#include "viewer/settings/DisplaySettings.h"

TForm9* Form9 = nullptr;

namespace {

constexpr int kThinnest = 1, kThickest = 3;

}  // namespace

const TClassInfo& TForm9::StaticClass() {
    static const TClassInfo info = TPublished<TForm9>("TForm9", TForm::StaticClass()).Build();
    return info;
}

TForm9::TForm9(TComponent* owner) : TViewerDialog(owner) {
    SetName("Form9");
    SetCaption("Настройка толщины линий графика");
    SetClientSize(300, 250);
    const char* const groups[] = {"Маркеры времени", "Маркеры событий", "Графики"};
    TSpinEdit** spins[] = {&skSpinEdit1, &skSpinEdit2, &skSpinEdit3};
    for (int i = 0; i < 3; ++i) {
        auto* box = PlaceControl<TGroupBox>(this, "GroupBox" + std::to_string(i + 1), 8, 8 + i * 64, 284, 56);
        box->SetCaption(groups[i]);
        auto* caption = PlaceControl<TLabel>(box, this, "", 12, 24, 120, 16);
        caption->SetCaption("Толщина линии:");
        TSpinEdit* spin = PlaceControl<TSpinEdit>(box, this, "skSpinEdit" + std::to_string(i + 1), 150, 20, 60, 22);
        spin->MinValue = kThinnest;
        spin->MaxValue = kThickest;
        spin->SetValue(kThinnest);
        *spins[i] = spin;
    }
    Button1 = PlaceControl<TButton>(this, "Button1", 202, 214, 90, 26);
    Button1->SetCaption("ОК");
    Button1->SetDefault(true);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
}

void TForm9::Button1Click(TObject*) {
    // Enter reaches OK while a typed width is still in its field, unchecked.
    for (TSpinEdit* spin : {skSpinEdit1, skSpinEdit2, skSpinEdit3}) spin->SetValue(spin->Value());
    WriteLineWidthSettings(*this, Form1->SettingsFileToWrite());
    Form1->ApplyLineWidths();
    Close();
}

#include "viewer/forms/ViewOptionsForm.h"

#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"
#include "viewer/mainform/MainForm.h"
#include "viewer/settings/DisplaySettings.h"

TForm19* Form19 = nullptr;

const TClassInfo& TForm19::StaticClass() {
    static const TClassInfo info = TPublished<TForm19>("TForm19", TForm::StaticClass()).Build();
    return info;
}

TForm19::TForm19(TComponent* owner) : TViewerDialog(owner) {
    SetName("Form19");
    SetCaption("Настройки отображения");
    SetClientSize(300, 140);
    skCheckBox1 = PlaceControl<TCheckBox>(this, "skCheckBox1", 12, 12, 276, 20);
    skCheckBox1->SetCaption("Отображать маркеры событий");
    skCheckBox2 = PlaceControl<TCheckBox>(this, "skCheckBox2", 12, 40, 276, 20);
    skCheckBox2->SetCaption("Отображать окно результата");
    skCheckBox3 = PlaceControl<TCheckBox>(this, "skCheckBox3", 12, 68, 276, 20);
    skCheckBox3->SetCaption("Отображать список маркеров");
    skButton1 = PlaceControl<TButton>(this, "skButton1", 198, 104, 90, 26);
    skButton1->SetCaption("ОК");
    skButton1->SetDefault(true);
    // Checked at design, as the chart starts with its event markers shown:
    // only a read that unchecks it changes the chart.
    skCheckBox1->SetChecked(true);
    skCheckBox1->OnClick = [this](TObject* s) { skCheckBox1Click(s); };
    skCheckBox2->OnClick = [this](TObject* s) { skCheckBox2Click(s); };
    skCheckBox3->OnClick = [this](TObject* s) { skCheckBox3Click(s); };
    skButton1->OnClick = [this](TObject* s) { skButton1Click(s); };
}

void TForm19::skCheckBox1Click(TObject*) {
    for (int series : EventMarkerSeries) Form1->ChartSeries[series]->SetActive(skCheckBox1->Checked());
}

void TForm19::skCheckBox2Click(TObject*) {
    Form1->Panel3->SetVisible(skCheckBox2->Checked());
    Form1->PlaceFloatingPanels();
}

void TForm19::skCheckBox3Click(TObject*) {
    Form1->Panel4->SetVisible(skCheckBox3->Checked());
    Form1->PlaceFloatingPanels();
}

void TForm19::skButton1Click(TObject*) {
    WriteViewSettings(*this, Form1->SettingsFileToWrite());
    Close();
}

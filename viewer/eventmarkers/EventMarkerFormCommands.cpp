// What the event-marker window does: its buttons, the colour panels, the
// first show's notice, the wheel over the sheet.

#include "viewer/eventmarkers/EventMarkerForm.h"

#include "ui/forms/Application.h"
#include "ui/dialogs/MessageDialogs.h"
#include "viewer/mainform/MainForm.h"
#include "viewer/markers/MarkerBalloon.h"

namespace {

constexpr int kWheelStep = 15;
// A log file shorter than this was never loaded.
constexpr std::uint32_t kSmallestLogFile = 10;

constexpr const char* kApplyQuestion = "Применить изминения?";
constexpr const char* kApplyCaption = "Вопрос";
constexpr const char* kClearQuestion = "Вы уверены что хотите удалить маркеры?";
constexpr const char* kClearCaption = "Подтвердите действие";
constexpr const char* kNoLogNotice = "Для коректной настройки нужно открыть файл лога";

}  // namespace

void TForm4::FormShow(TObject*) {
    MarkerWindowShown = true;
    KeepKindsAsSaved();
    SetMarkerBalloonTime(kMarkerBalloonMilliseconds);
    const bool logLoaded = Form1 && Form1->LogFileSize >= kSmallestLogFile;
    if (!logLoaded) Timer1->SetEnabled(true);
}

void TForm4::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    Application->MessageBox(kNoLogNotice, Application->Title(), MB_OK | MB_ICONINFORMATION);
}

void TForm4::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint, bool& Handled) {
    TControlScrollBar& bar = *ScrollBox1->VertScrollBar();
    bar.SetPosition(bar.Position() + (WheelDelta < 0 ? kWheelStep : -kWheelStep));
    Handled = true;
}

void TForm4::ColorPanelClick(TObject* Sender) {
    auto* panel = dynamic_cast<TPanel*>(Sender);
    if (!panel || !skColorDialog1->Execute()) return;
    panel->SetColor(skColorDialog1->Color);
    // A new colour is a change to apply or undo, like a new choice.
    KindsModified = true;
}

void TForm4::Button2Click(TObject*) { ApplyKinds(); }

void TForm4::Button1Click(TObject*) {
    if (KindsModified) {
        KindsModified = false;
        if (Application->MessageBox(kApplyQuestion, kApplyCaption, MB_YESNO | MB_ICONINFORMATION) == IDYES)
            ApplyKinds();
        else
            RestoreSavedKinds();
    }
    Close();
}

void TForm4::Button3Click(TObject*) {
    if (Application->MessageBox(kClearQuestion, kClearCaption, MB_YESNO | MB_ICONINFORMATION) != IDYES) return;
    KindsModified = false;
    for (const MarkerKind& kind : MarkerKindTable) kind.CheckBox->SetChecked(false);
    for (int series : EventMarkerSeries) Form1->ChartSeries[series]->Clear();
}

void TForm4::ApplyKinds() {
    KindsModified = false;
    Form1->HideMarkerLegend();
    Form1->N39->SetChecked(true);
    Form1->PlaceEventMarkers();
    KeepKindsAsSaved();
    // Last: a settings file that cannot be written is told, and the chart
    // already shows the choice.
    SaveMarkerSettings(Form1->SettingsFileToWrite());
}

void TForm4::KeepKindsAsSaved() {
    for (MarkerKind& kind : MarkerKindTable) {
        kind.SavedChecked = kind.CheckBox->Checked();
        kind.SavedColor = kind.ColorPanel->Color();
    }
}

void TForm4::RestoreSavedKinds() {
    // Unchecked first, so that the kinds being put back never count beyond the limit on the way.
    for (const MarkerKind& kind : MarkerKindTable)
        if (!kind.SavedChecked) kind.CheckBox->SetChecked(false);
    for (const MarkerKind& kind : MarkerKindTable) {
        if (kind.SavedChecked) kind.CheckBox->SetChecked(true);
        kind.ColorPanel->SetColor(kind.SavedColor);
    }
    KindsModified = false;
}

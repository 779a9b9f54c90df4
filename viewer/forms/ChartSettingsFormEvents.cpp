// What the chart settings dialog does when its controls change: the user's
// changes saved at once (and a reload asked for where decoding changes),
// the smoothing controls greyed as the filter switch says, and OK.

#include "viewer/forms/ChartSettingsForm.h"

#include "viewer/analysis/ChartSeriesTable.h"
#include "viewer/forms/ViewerDialog.h"
#include "viewer/mainform/MainForm.h"

namespace {

// ComboBox1 ... ComboBox22 are the series' own lists, ComboBox23 the common one.
constexpr int kCommonSmoothingList = 23;

void SetGreyed(TWinControl& control, bool greyed) {
    control.SetEnabled(!greyed);
    control.Font()->SetColor(greyed ? clSilver : clBlack);
}

}  // namespace

void TForm2::ConnectHandlers() {
    OnShow = [this](TObject* s) { FormShow(s); };
    skButton1->OnClick = [this](TObject* s) { skButton1Click(s); };
    auto listChange = [this](TObject* s) { ListChange(s); };
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        SmoothingList(series)->OnChange = listChange;
        ShowBox(series)->OnClick = [this](TObject* s) { ShowBoxClick(s); };
        TPanel* panel = ColorPanel(series);
        panel->OnClick = [this, panel](TObject*) { ColorPanelClick(panel); };
    }
    for (const AxisGroup& group : AxisGroups()) ComboBox[group.AxisList]->OnChange = listChange;
    ComboBox[32]->OnChange = listChange;
    ComboBox[34]->OnChange = listChange;
    ComboBox[23]->OnChange = [this](TObject* s) { ComboBox23Change(s); };
    CheckBox1->OnClick = [this](TObject* s) { SwitchClick(s); };
    skCheckBox[23]->OnClick = [this](TObject* s) { SwitchClick(s); };
    for (TSpinEdit* spin : {SpinEdit1, SpinEdit2, SpinEdit3}) spin->OnChange = [this](TObject* s) { SpinEditChange(s); };
    SpinEdit1->OnExit = [this](TObject* s) { SpinEdit1Exit(s); };
}

void TForm2::SaveSettings() { Form1->N3Click(this); }

void TForm2::ReloadOnNextOpen() {
    Form1->ReloadSameLog = true;
    Form1->ReloadSameStream = true;
}

void TForm2::UpdateFilterControls() {
    const bool filterOn = CheckBox1->Checked();
    // "Выкл" (or no choice) in the common list: each series its own factor.
    const bool ownFactors = ComboBox[kCommonSmoothingList]->ItemIndex() <= 0;
    for (TComboBox* list : FilterControls)
        SetGreyed(*list, !filterOn || (list != ComboBox[kCommonSmoothingList] && !ownFactors));
    SetGreyed(*SpinEdit1, !filterOn || !ownFactors);
}

void TForm2::FormShow(TObject*) {
    FilterControls.clear();
    for (int number = 1; number <= kCommonSmoothingList; ++number) FilterControls.push_back(ComboBox[number]);
    FilterControls.push_back(skComboBox2);
    UpdateFilterControls();
}

void TForm2::skButton1Click(TObject*) {
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        Form1->ChartSeries[series]->SetActive(ShowBox(series)->Checked());
        Form1->ChartSeries[series]->SetSeriesColor(ColorPanel(series)->Color());
    }
    Form1->AssignSeriesToAxes();
    Form1->UpdateDataExtents();
    Form1->Chart1UndoZoom(this);
    Close();
}

void TForm2::ListChange(TObject*) {
    if (!Active()) return;
    ReloadOnNextOpen();
    SaveSettings();
}

void TForm2::ComboBox23Change(TObject*) {
    UpdateFilterControls();
    SaveSettings();
}

void TForm2::SwitchClick(TObject*) {
    if (!Active()) return;
    UpdateFilterControls();
    SaveSettings();
    ReloadOnNextOpen();
}

void TForm2::ShowBoxClick(TObject*) {
    if (Active()) SaveSettings();
}

void TForm2::ColorPanelClick(TPanel* panel) {
    skColorDialog1->Color = panel->Color();
    if (!skColorDialog1->Execute()) return;
    panel->SetColor(skColorDialog1->Color);
    SaveSettings();
}

void TForm2::SpinEditChange(TObject*) {
    if (Active()) ReloadOnNextOpen();
}

void TForm2::SpinEdit1Exit(TObject*) {
    if (SpinEdit1->Text().empty()) SpinEdit1->SetValue(kDesignStepLimit);
}

void TForm2::Dispatch(TMessage& message) {
    TAppWindowForm::Dispatch(message);
    CloseOnUnansweredEscape(*this, message);
}

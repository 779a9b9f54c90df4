#pragma once
// The chart settings dialog "Настройка графиков": per quantity, whether its
// series is shown, its colour (from settings.ini, shown only) and its
// smoothing factor; per quantity group the vertical axis it is drawn on;
// the filter switch and common factor, the 1 g compensation, the axis
// scaling mode and the accelerometer the integration uses. The controls
// keep their numbered names; the arrays are indexed by those numbers.
//
// A change the user makes (the dialog is the active window) goes to
// settings.ini at once; one that affects decoding also makes the next
// "Открыть файл" load the same file again. Changes made by code, such as
// the start-up read, do neither. OK puts visibility, colours and axes on the
// chart.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Panels.h"
#include "ui/controls/SpinEdit.h"
#include "ui/dialogs/ColorDialog.h"
#include "viewer/log/PagedLogDecoder.h"
#include "viewer/analysis/SmoothingFactors.h"
#include "viewer/forms/AppWindowForm.h"

#include <array>
#include <vector>

// A quantity group's axis list and the series drawn on its axis, in the
// order the axis assignment takes them.
struct AxisGroup {
    int AxisList;             // ComboBox number
    std::vector<int> Series;  // chart indexes
    // The text the group adds to its axis title (the speed group's depends
    // on its first shown series).
    std::vector<const char*> TitleTexts;
};

// The groups in the order of the axis assignment.
const std::vector<AxisGroup>& AxisGroups();

class TForm2 : public TAppWindowForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm2(TComponent* owner);

    static constexpr int kCheckBoxes = 24, kPanels = 25, kComboBoxes = 34;
    // The "Прирост:" fields at design, and what an emptied SpinEdit1 gets.
    static constexpr int kDesignStepLimit = 3;
    std::array<TCheckBox*, kCheckBoxes + 1> skCheckBox{};  // 1..24
    std::array<TPanel*, kPanels + 1> skPanel{};            // 1..25
    std::array<TComboBox*, kComboBoxes + 1> ComboBox{};    // 1..34
    TComboBox* skComboBox2;  // smoothing of the 100 g series
    TCheckBox* CheckBox1;    // "Включить фильтрацию"
    TSpinEdit* SpinEdit1;    // "Прирост:" of the altitude group
    TSpinEdit* SpinEdit2;
    TSpinEdit* SpinEdit3;
    TButton* skButton1;      // "OK"
    TColorDialog* skColorDialog1;
    // The smoothing lists UpdateFilterControls enables or greys, built at
    // each show: ComboBox1 ... ComboBox22, ComboBox23, skComboBox2.
    std::vector<TComboBox*> FilterControls;

    // The controls of a channel series (chart index 4..26).
    TCheckBox* ShowBox(int series) const;
    TPanel* ColorPanel(int series) const;
    TComboBox* SmoothingList(int series) const;
    // Everything the next load reads of the dialog.
    SmoothingChoice Smoothing() const;
    LogDecodeOptions DecodeOptions() const;

    void UpdateFilterControls();
    void FormShow(TObject* Sender);
    void skButton1Click(TObject* Sender);
    // Any smoothing list, axis list, ComboBox32 or ComboBox34.
    void ListChange(TObject* Sender);
    void ComboBox23Change(TObject* Sender);
    // CheckBox1 and skCheckBox23.
    void SwitchClick(TObject* Sender);
    void ShowBoxClick(TObject* Sender);
    // Chooses the panel's colour in the colour dialog.
    void ColorPanelClick(TPanel* panel);
    void SpinEditChange(TObject* Sender);
    void SpinEdit1Exit(TObject* Sender);
    void Dispatch(TMessage& message) override;

private:
    void BuildGroups();
    void BuildOtherControls();
    void ConnectHandlers();
    // The user's change: into settings.ini, and the next load reads the same file.
    void SaveSettings();
    void ReloadOnNextOpen();
};

extern TForm2* Form2;

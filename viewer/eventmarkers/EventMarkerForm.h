#pragma once
// The event-marker window "Настройка вертикальных маркеров": the 21 marker
// kinds, each a check box MarkerText<n> with a colour panel ColorPanel<n>,
// laid out in the scroll box like the controller's settings sheet beside
// the values of the log's header page that concern them. The kinds' choice
// is kept in settings.ini ([EasyMarker]). Attached to a log load, the
// window shows the header page's settings snapshot.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/dialogs/ColorDialog.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"
#include "viewer/eventmarkers/MarkerKinds.h"
#include "viewer/eventmarkers/SettingsSheetLayout.h"
#include "viewer/log/LogRecordSteps.h"

#include <array>
#include <map>
#include <string>

class TForm4 : public TForm, public LogRecordSteps {
    DECLARE_CLASS_INFO
public:
    explicit TForm4(TComponent* owner);

    TScrollBox* ScrollBox1;
    TButton* Button1;  // "Выйти"
    TButton* Button2;  // "Применить"
    TButton* Button3;  // "Очистить"
    TColorDialog* skColorDialog1;
    TMemo* Memo1;
    // Tells once a show that no log is loaded yet.
    TTimer* Timer1;
    // By control number 1 to 21.
    TCheckBox* MarkerText(int number) const { return markerTexts_.at(static_cast<std::size_t>(number - 1)); }
    TPanel* ColorPanel(int number) const { return colorPanels_.at(static_cast<std::size_t>(number - 1)); }
    // The value label Label<number> (6 to 42, where the sheet has one).
    TLabel* ValueLabel(int number) const { return Row(number).Value; }
    const SheetRow& Row(int labelNumber) const { return rows_.at(labelNumber); }
    // The caption standing for the switch of a header flag, by page byte.
    TLabel* SwitchCaption(std::size_t pageByte) const { return switchCaptions_.at(pageByte); }

    // By event code 1 to 21.
    struct MarkerKind {
        TPanel* ColorPanel;
        TCheckBox* CheckBox;
        // As last applied (or shown), for undoing changes not applied.
        bool SavedChecked = false;
        TColor SavedColor = clBlack;
    };
    std::array<MarkerKind, kMarkerKindCount> MarkerKindTable{};
    const MarkerKind& KindOfCode(int code) const { return MarkerKindTable.at(static_cast<std::size_t>(code - 1)); }

    // A kind was changed and not applied.
    bool KindsModified = false;
    // From the first show on, at most ten kinds may be chosen.
    bool MarkerWindowShown = false;
    int CheckedKindCount() const;

    // [EasyMarker] of the settings file: colours and choices of kinds 1-20
    // by control number. A missing file or key gives the defaults.
    void LoadMarkerSettings(const std::string& settingsPath);
    // Raises EIniFileException when the file cannot be written.
    void SaveMarkerSettings(const std::string& settingsPath);

    // The settings snapshot of a log's header page, in page byte order:
    // values into their labels, flags enabling or disabling their rows and
    // kinds.
    void ShowHeaderSettings(const LogHeaderPage& header);
    void ShowHeader(const LogHeaderPage& header) override { ShowHeaderSettings(header); }

    void ControlChecked(TObject* Sender);
    void ColorPanelClick(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    void Timer1Timer(TObject* Sender);
    // "Выйти": asks whether to apply what changed, then closes.
    void Button1Click(TObject* Sender);
    // "Применить": the chosen kinds onto the chart and into settings.ini.
    void Button2Click(TObject* Sender);
    // "Очистить": after a question, no kind chosen and no event marker drawn.
    void Button3Click(TObject* Sender);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void BuildSettingsSheet();
    void AddKinds(SettingsSheetLayout& sheet, std::initializer_list<int> codes);
    void AddRows(SettingsSheetLayout& sheet, std::initializer_list<int> labelNumbers);
    void BuildMarkerKindTable();
    void BuildButtons();
    void ApplyKinds();
    void KeepKindsAsSaved();
    void RestoreSavedKinds();
    void ShowHeaderFlag(const LogPage& page, std::size_t flagIndex);

    std::array<TCheckBox*, kMarkerKindCount> markerTexts_{};
    std::array<TPanel*, kMarkerKindCount> colorPanels_{};
    std::map<int, SheetRow> rows_;
    std::map<std::size_t, TLabel*> switchCaptions_;
};

// The one event-marker window, made at start-up.
extern TForm4* Form4;

#pragma once
// The parameter groups of the first- and second-stage settings windows,
// built from rows of data: a spin edit with its caption and unit, a switch,
// a list of output keys, a note. Each control remembers the labels of its
// row, so that enabling a control enables what describes it.

#include "settings/ranges/SettingsBalloons.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/Panels.h"
#include "ui/controls/SpinEdit.h"

#include <map>
#include <string>
#include <vector>

class TComponent;
class TControl;
class TWinControl;

enum class TSheetRowKind { Edit, Switch, HiddenSwitch, KeyList, Note };

struct TSheetRow {
    TSheetRowKind Kind;
    const char* Name;     // the control's name; a note's may be empty
    const char* Caption;  // the caption before an edit, a switch's text, a note's text
    const char* Unit = "";
    double Start = 0;  // an edit's value; a switch's 1 or 0
    double Step = 0;
    int Decimals = 0;
    const char* Hint = "";  // "min/max"
};

struct TSheetGroup {
    int Panel;  // which parameter panel (or group slot) holds it
    const char* Caption;
    std::vector<TSheetRow> Rows;
};

constexpr int kSheetPanelWidth = 530;
constexpr int kSheetGroupGap = 6;

class TSettingsSheet {
public:
    explicit TSettingsSheet(TComponent* owner) : owner_(owner) {}

    // The group box with its rows, `width` wide at (left, top) of `parent`.
    TGroupBox* AddGroup(TWinControl* parent, int left, int top, int width, const TSheetGroup& group);
    // A panel headed by a coloured caption strip, in the scroll box.
    TPanel* AddPanel(TWinControl* parent, const std::string& name, int top, const std::string& caption, TColor color);

    // The control and the labels of its row together.
    void SetRowEnabled(TControl* control, bool enabled) const;
    const std::vector<TControl*>& RowLabels(TControl* control) const;

private:
    TComponent* owner_;
    std::map<const TControl*, std::vector<TControl*>> labels_;
};

// The row count of a group, for its height.
int SheetGroupHeight(const TSheetGroup& group);

#pragma once
// Lays out the controller's settings sheet top to bottom in a scroll box:
// sections (panels with a coloured heading) holding group boxes, which hold
// value rows, captions and the marker kinds that belong to them. Each
// section and group is sized to its content when it ends.

#include "ui/controls/CheckBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"

#include <string>
#include <vector>

// One value row: caption, value label and unit, with a sign caption
// before the value where the sheet has one.
struct SheetRow {
    TLabel* Caption = nullptr;
    TLabel* Sign = nullptr;
    TLabel* Value = nullptr;
    TLabel* Unit = nullptr;

    void SetEnabled(bool enabled);
    // Writes the value and puts the unit just right of it.
    void ShowValue(const std::string& text);
};

struct SheetKind {
    TPanel* ColorPanel = nullptr;
    TCheckBox* CheckBox = nullptr;
};

class SettingsSheetLayout {
public:
    // The sections fill `width` pixels of the sheet, margins included.
    SettingsSheetLayout(TComponent* owner, TWinControl* sheet, int width);

    void BeginSection(const std::string& caption);
    // A hidden group takes no room.
    void BeginGroup(const std::string& caption, bool shown = true);
    // Closes the innermost open section or group.
    void End();

    // The row of value label Label<labelNumber>, its caption and unit as
    // the header fields give them.
    SheetRow AddValueRow(int labelNumber);
    TLabel* AddCaption(const std::string& text);
    // The kind's colour panel ColorPanel<n> and check box MarkerText<n>.
    SheetKind AddKind(int controlNumber);

private:
    struct Open {
        TWinControl* Control;
        int Top;  // where the next item goes
        bool Shown;
    };
    void BeginBlock(TWinControl* block, int contentTop, bool shown);
    int Width() const;
    Open& Current() { return open_.back(); }

    TComponent* owner_;
    int width_;
    std::vector<Open> open_;
};

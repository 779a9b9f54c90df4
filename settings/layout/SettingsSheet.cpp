#include "settings/layout/SettingsSheet.h"

#include "settings/singlestage/EasyFormLayout.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Label.h"

namespace {

constexpr int kNoteHeight = 16;
const char* const kOutputKeys[] = {"Защ. ключ 1", "Защ. ключ 2", "Защ. ключ 3"};

int RowHeight(const TSheetRow& row) {
    if (row.Kind == TSheetRowKind::HiddenSwitch) return 0;
    if (row.Kind == TSheetRowKind::Note) return kNoteHeight * (1 + int(std::string(row.Caption).find('\n') != std::string::npos));
    return kEasyRowHeight;
}

}  // namespace

int SheetGroupHeight(const TSheetGroup& group) {
    int height = kEasyGroupTop + kEasyGroupGap;
    for (const TSheetRow& row : group.Rows) height += RowHeight(row);
    return height;
}

TPanel* TSettingsSheet::AddPanel(TWinControl* parent, const std::string& name, int top, const std::string& caption,
                                 TColor color) {
    auto* panel = new TPanel(owner_);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetCaption("");
    panel->SetBounds(0, top, kSheetPanelWidth, kEasyPanelHeader);
    auto* header = new TPanel(owner_);
    header->SetParent(panel);
    header->SetCaption(caption);
    header->SetColor(color);
    header->Font()->SetStyle({TFontStyle::fsBold});
    header->SetBounds(0, 0, kSheetPanelWidth, kEasyPanelHeader);
    return panel;
}

TGroupBox* TSettingsSheet::AddGroup(TWinControl* parent, int left, int top, int width, const TSheetGroup& group) {
    auto* box = new TGroupBox(owner_);
    box->SetParent(parent);
    box->SetCaption(group.Caption);
    box->SetBounds(left, top, width, SheetGroupHeight(group));
    const auto addLabel = [this, box](const std::string& text, int x, int y, int w, int h) {
        auto* label = new TLabel(owner_);
        label->SetParent(box);
        label->SetCaption(text);
        label->SetBounds(x, y, w, h);
        return label;
    };
    int y = kEasyGroupTop;
    const int editLeft = kEasyGroupGap + kEasyRowIndent + kEasyCaptionWidth;
    for (const TSheetRow& row : group.Rows) {
        switch (row.Kind) {
            case TSheetRowKind::Edit: {
                TLabel* caption = addLabel(row.Caption, kEasyGroupGap + kEasyRowIndent, y + 3, kEasyCaptionWidth, kEasyRowHeight - 4);
                auto* edit = new TDecimalSpinEdit(owner_);
                edit->SetName(row.Name);
                edit->SetParent(box);
                edit->SetBounds(editLeft, y, kEasyEditWidth, kEasyRowHeight - 2);
                edit->SetDecimalPlaces(row.Decimals);
                edit->Increment = row.Step;
                edit->SetHint(row.Hint);
                edit->SetShowHint(true);
                edit->SetValue(row.Start);
                edit->SetColor(NormalEditColor);
                TLabel* unit = addLabel(row.Unit, editLeft + kEasyEditWidth + 6, y + 3, 40, kEasyRowHeight - 4);
                labels_[edit] = {caption, unit};
                break;
            }
            case TSheetRowKind::Switch:
            case TSheetRowKind::HiddenSwitch: {
                auto* option = new TCheckBox(owner_);
                option->SetName(row.Name);
                option->SetParent(box);
                option->SetCaption(row.Caption);
                option->SetBounds(kEasyGroupGap, y, kEasyCaptionWidth + kEasyEditWidth, kEasyRowHeight - 4);
                option->SetChecked(row.Start != 0);
                option->SetVisible(row.Kind == TSheetRowKind::Switch);
                break;
            }
            case TSheetRowKind::KeyList: {
                TLabel* caption = addLabel(row.Caption, kEasyGroupGap + kEasyRowIndent, y + 3, kEasyCaptionWidth, kEasyRowHeight - 4);
                auto* keys = new TComboBox(owner_);
                keys->SetName(row.Name);
                keys->SetParent(box);
                keys->SetStyle(TComboBoxStyle::csDropDownList);
                keys->SetBounds(editLeft, y, kEasyEditWidth + 46, kEasyRowHeight - 2);
                for (const char* key : kOutputKeys) keys->Items().Add(key);
                keys->SetItemIndex(0);
                labels_[keys] = {caption};
                break;
            }
            case TSheetRowKind::Note: {
                TLabel* note = addLabel(row.Caption, kEasyGroupGap + kEasyRowIndent, y + 2, width - 2 * kEasyRowIndent, RowHeight(row) - 2);
                if (*row.Name) note->SetName(row.Name);
                break;
            }
        }
        y += RowHeight(row);
    }
    return box;
}

void TSettingsSheet::SetRowEnabled(TControl* control, bool enabled) const {
    control->SetEnabled(enabled);
    for (TControl* label : RowLabels(control)) label->SetEnabled(enabled);
}

const std::vector<TControl*>& TSettingsSheet::RowLabels(TControl* control) const {
    static const std::vector<TControl*> none;
    const auto found = labels_.find(control);
    return found == labels_.end() ? none : found->second;
}

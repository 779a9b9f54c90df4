#include "viewer/eventmarkers/SettingsSheetLayout.h"

#include "ui/dialogs/PlaceControl.h"
#include "viewer/eventmarkers/HeaderSettingsFields.h"
#include "viewer/eventmarkers/MarkerKinds.h"

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 22;
constexpr int kGroupCaptionHeight = 20;
constexpr int kRowHeight = 20;
constexpr int kRowIndent = 12;
// Where values start, from the left of their group: right of the longest caption.
constexpr int kValueColumn = 330;
constexpr int kSignWidth = 8;
constexpr int kUnitGap = 3;
constexpr int kColorPanelSize = 16;
constexpr int kCheckBoxLeft = kRowIndent + kColorPanelSize + 6;
constexpr int kCheckBoxWidth = 400;
constexpr TColor kHeadingColor = clNavy;
constexpr TColor kValueColor = clNavy;

TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, const std::string& name, const std::string& text, int left,
                   int top) {
    auto* label = PlaceControl<TLabel>(parent, owner, name, left, top);
    label->SetCaption(text);
    return label;
}

}  // namespace

void SheetRow::SetEnabled(bool enabled) {
    for (TLabel* label : {Caption, Sign, Value, Unit})
        if (label) label->SetEnabled(enabled);
}

void SheetRow::ShowValue(const std::string& text) {
    Value->SetCaption(text);
    Unit->SetLeft(Value->Left() + Value->Width() + kUnitGap);
}

SettingsSheetLayout::SettingsSheetLayout(TComponent* owner, TWinControl* sheet, int width)
    : owner_(owner), width_(width) {
    open_.push_back({sheet, kMargin, true});
}

int SettingsSheetLayout::Width() const {
    return (open_.size() == 1 ? width_ : open_.back().Control->Width()) - 2 * kMargin;
}

void SettingsSheetLayout::BeginBlock(TWinControl* block, int contentTop, bool shown) {
    block->SetBounds(kMargin, Current().Top, Width(), contentTop);
    block->SetParent(Current().Control);
    block->SetVisible(shown);
    open_.push_back({block, contentTop, shown});
}

void SettingsSheetLayout::BeginSection(const std::string& caption) {
    auto* section = new TPanel(owner_);
    BeginBlock(section, kHeadingHeight + kMargin, true);
    auto* heading = new TPanel(owner_);
    heading->SetParent(section);
    heading->SetBounds(0, 0, section->Width(), kHeadingHeight);
    heading->SetBevelOuter(TPanelBevel::bvNone);
    heading->SetAlignment(TAlignment::taLeftJustify);
    heading->SetColor(kHeadingColor);
    heading->Font()->SetColor(clWhite);
    heading->Font()->SetStyle({TFontStyle::fsBold});
    heading->SetCaption("  " + caption);
}

void SettingsSheetLayout::BeginGroup(const std::string& caption, bool shown) {
    auto* group = new TGroupBox(owner_);
    BeginBlock(group, kGroupCaptionHeight, shown);
    group->SetCaption(caption);
}

void SettingsSheetLayout::End() {
    const Open closed = Current();
    open_.pop_back();
    closed.Control->SetHeight(closed.Top + kMargin);
    if (closed.Shown) Current().Top += closed.Control->Height() + kMargin;
}

SheetRow SettingsSheetLayout::AddValueRow(int labelNumber) {
    const HeaderValueField& field = HeaderValueFieldOfLabel(labelNumber);
    TWinControl* parent = Current().Control;
    const int top = Current().Top;
    SheetRow row;
    row.Caption = PlaceLabel(owner_, parent, "", field.Caption, kRowIndent, top);
    if (field.Signed) row.Sign = PlaceLabel(owner_, parent, "", "-", kValueColumn - kSignWidth, top);
    row.Value = PlaceLabel(owner_, parent, "Label" + std::to_string(labelNumber), "0", kValueColumn, top);
    row.Value->Font()->SetColor(kValueColor);
    row.Value->Font()->SetStyle({TFontStyle::fsBold});
    row.Unit = PlaceLabel(owner_, parent, "", field.Unit, 0, top);
    row.ShowValue("0");
    Current().Top += kRowHeight;
    return row;
}

TLabel* SettingsSheetLayout::AddCaption(const std::string& text) {
    TLabel* label = PlaceLabel(owner_, Current().Control, "", text, kRowIndent, Current().Top);
    Current().Top += kRowHeight;
    return label;
}

SheetKind SettingsSheetLayout::AddKind(int controlNumber) {
    TWinControl* parent = Current().Control;
    const int top = Current().Top;
    const std::string number = std::to_string(controlNumber);
    SheetKind kind;
    kind.ColorPanel = PlaceControl<TPanel>(parent, owner_, "ColorPanel" + number, kRowIndent, top + 2,
                                           kColorPanelSize, kColorPanelSize);
    kind.ColorPanel->SetBevelOuter(TPanelBevel::bvLowered);
    kind.ColorPanel->SetCaption("");
    kind.ColorPanel->SetColor(DefaultMarkerColor(controlNumber));
    kind.CheckBox = PlaceControl<TCheckBox>(parent, owner_, "MarkerText" + number, kCheckBoxLeft, top,
                                            kCheckBoxWidth, kRowHeight);
    kind.CheckBox->SetCaption(MarkerCaption(controlNumber));
    Current().Top += kRowHeight;
    return kind;
}

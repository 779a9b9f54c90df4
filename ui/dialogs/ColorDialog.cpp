#include "ui/dialogs/ColorDialog.h"

#include "ui/controls/Button.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Shape.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/ColorCells.h"
#include "ui/dialogs/PlaceControl.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace {

const TEnumInfo& ColorDialogOptionInfo() {
    static const TEnumInfo info("TColorDialogOption",
                                {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"});
    return info;
}

// RRGGBB, row by row, eight a row.
constexpr const char* BasicColors[48] = {
    "8080FF", "80FFFF", "80FF80", "80FF00", "FFFF80", "FF8000", "C080FF", "FF80FF",
    "0000FF", "00FFFF", "00FF80", "40FF00", "FFFF00", "C08000", "C08080", "FF00FF",
    "404080", "4080FF", "00FF00", "808000", "804000", "FF8080", "400080", "8000FF",
    "000080", "0080FF", "008000", "408000", "FF0000", "A00000", "800080", "FF0080",
    "000040", "004080", "004000", "004040", "800000", "400000", "400040", "800040",
    "000000", "008080", "408080", "808080", "808040", "C0C0C0", "400040", "FFFFFF",
};
constexpr int CustomCount = 16;
constexpr int Margin = 8;

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }
TColor FromRgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The form and the editors kept in step with the current colour.
class ColorPicker {
public:
    ColorPicker(TColorDialog& dialog) : dialog_(dialog) { Build(); }

    TForm& Form() { return *form_; }
    TColor Current() const { return current_; }
    std::vector<TColor> Custom() const { return custom_->Colors(); }

    void Start() {
        std::vector<TColor> customs(CustomCount, clWhite);
        TStrings* lines = dialog_.CustomColors();
        for (int i = 0; i < std::min(lines->Count(), CustomCount); ++i)
            if (std::optional<TColor> c = ColorFromHex(lines->Strings(i))) customs[static_cast<std::size_t>(i)] = *c;
        custom_->SetColors(customs);
        TColor start = ColorToRGB(dialog_.Color);
        const std::vector<TColor>& basics = basic_->Colors();
        auto at = std::find(basics.begin(), basics.end(), start);
        basic_->SetItemIndex(at == basics.end() ? -1 : static_cast<int>(at - basics.begin()));
        Show(start, nullptr);
    }

private:
    void Build() {
        form_ = std::make_unique<TForm>(nullptr);
        TForm* f = form_.get();
        f->SetBorderStyle(TFormBorderStyle::bsDialog);
        f->SetBorderIcons({TBorderIcon::biSystemMenu});
        f->SetPosition(TPosition::poScreenCenter);
        f->SetCaption("Цвет");
        f->SetColor(clBtnFace);
        f->SetClientSize(420, 300);

        auto* basicLabel = PlaceControl<TLabel>(f, "BasicLabel", Margin, Margin);
        basicLabel->SetCaption("&Основные цвета:");
        basic_ = PlaceControl<TColorCells>(f, "Basic", Margin, 26, 224, 150);
        basicLabel->FocusControl = basic_;
        std::vector<TColor> colors;
        for (const char* hex : BasicColors) colors.push_back(*ColorFromHex(hex));
        basic_->SetColors(colors);
        basic_->OnChange = [this](TObject*) { Show(basic_->ColorAt(basic_->ItemIndex()), nullptr); };
        auto* customLabel = PlaceControl<TLabel>(f, "CustomLabel", Margin, 184);
        customLabel->SetCaption("&Дополнительные цвета:");
        custom_ = PlaceControl<TColorCells>(f, "Custom", Margin, 202, 224, 54);
        customLabel->FocusControl = custom_;
        custom_->OnChange = [this](TObject*) { Show(custom_->ColorAt(custom_->ItemIndex()), nullptr); };
        basic_->OnDblClick = custom_->OnDblClick = [this](TObject*) { form_->ModalResult = mrOk; };

        const int x = 250;
        swatch_ = PlaceControl<TShape>(f, "Swatch", x, 26, 160, 60);
        const char* names[] = {"&Красный:", "&Зелёный:", "&Синий:"};
        const char* editNames[] = {"Red", "Green", "Blue"};
        for (int i = 0; i < 3; ++i) {
            auto* label = PlaceControl<TLabel>(f, std::string(editNames[i]) + "Label", x, 100 + 28 * i);
            label->SetCaption(names[i]);
            rgb_[i] = PlaceControl<TEdit>(f, editNames[i], x + 60, 97 + 28 * i, 50);
            rgb_[i]->SetNumbersOnly(true);
            rgb_[i]->SetMaxLength(3);
            label->FocusControl = rgb_[i];
            rgb_[i]->OnChange = [this](TObject*) { RgbEdited(); };
        }
        auto* hexLabel = PlaceControl<TLabel>(f, "HexLabel", x, 184);
        hexLabel->SetCaption("&Код:");
        hex_ = PlaceControl<TEdit>(f, "Hex", x + 60, 181, 70);
        hexLabel->FocusControl = hex_;
        hex_->SetMaxLength(6);
        hex_->OnChange = [this](TObject*) {
            if (std::optional<TColor> c = ColorFromHex(hex_->Text()); c && hex_->Text().size() == 6) Show(*c, hex_);
        };
        auto* add = PlaceControl<TButton>(f, "AddCustom", x, 214, 160, 25);
        add->SetCaption("Д&обавить в набор");
        add->OnClick = [this](TObject*) {
            custom_->SetColorAt(nextCustom_, current_);
            nextCustom_ = (nextCustom_ + 1) % CustomCount;
        };

        int buttonTop = 300 - Margin - 25;
        auto* ok = PlaceControl<TButton>(f, "OK", Margin, buttonTop, 75, 25);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->ModalResult = mrOk;
        auto* cancel = PlaceControl<TButton>(f, "Cancel", Margin + 81, buttonTop, 75, 25);
        cancel->SetCaption("Отмена");
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
        auto* help = PlaceControl<TButton>(f, "Help", Margin + 162, buttonTop, 75, 25);
        help->SetCaption("Спр&авка");
        help->SetVisible(dialog_.Options.Contains(TColorDialogOption::cdShowHelp));
        f->OnShow = [this](TObject*) { basic_->SetFocus(); };
    }

    void RgbEdited() {
        if (refreshing_) return;
        int v[3];
        for (int i = 0; i < 3; ++i) {
            std::string text = rgb_[i]->Text();
            if (text.empty()) return;
            v[i] = std::stoi(text);
            if (v[i] > 255) return;  // not a channel value yet: nothing changes
        }
        Show(FromRgb(v[0], v[1], v[2]), rgb_[0]);
    }

    // Makes `color` current and writes every editor but the one it came from.
    void Show(TColor color, TEdit* from) {
        if (refreshing_ || color == clNone) return;
        refreshing_ = true;
        current_ = color;
        swatch_->Brush()->SetColor(color);
        if (from != rgb_[0]) {
            rgb_[0]->SetText(std::to_string(Red(color)));
            rgb_[1]->SetText(std::to_string(Green(color)));
            rgb_[2]->SetText(std::to_string(Blue(color)));
        }
        if (from != hex_) hex_->SetText(ColorToHex(color));
        refreshing_ = false;
    }

    TColorDialog& dialog_;
    std::unique_ptr<TForm> form_;
    TColorCells* basic_ = nullptr;
    TColorCells* custom_ = nullptr;
    TShape* swatch_ = nullptr;
    TEdit* rgb_[3] = {};
    TEdit* hex_ = nullptr;
    TColor current_ = clBlack;
    int nextCustom_ = 0;
    bool refreshing_ = false;
};

}  // namespace

std::optional<TColor> ColorFromHex(std::string_view text) {
    if (std::size_t eq = text.find('='); eq != std::string_view::npos) text = text.substr(eq + 1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.size() != 6) return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (!std::isxdigit(static_cast<unsigned char>(ch))) return std::nullopt;
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : std::toupper(ch) - 'A' + 10);
    }
    return FromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::string ColorToHex(TColor color) {
    static const char digits[] = "0123456789ABCDEF";
    TColor c = ColorToRGB(color);
    std::string out;
    for (int channel : {Red(c), Green(c), Blue(c)}) {
        out += digits[channel >> 4];
        out += digits[channel & 0xF];
    }
    return out;
}

const TClassInfo& TColorDialog::StaticClass() {
    static const TClassInfo info =
        TPublished<TColorDialog>("TColorDialog", TCommonDialog::StaticClass())
            .Integer("Color", &TColorDialog::Color, &TColorDialog::Color, clBlack)
            .Set("Options", ColorDialogOptionInfo(), &TColorDialog::Options, &TColorDialog::Options, 0)
            .Build();
    return info;
}

TColorDialog::TColorDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TColorDialog::Execute() {
    ColorPicker picker(*this);
    picker.Start();
    bool ok = RunModal(picker.Form());
    customColors_.Clear();
    for (TColor c : picker.Custom()) customColors_.Add(ColorToHex(c));
    if (ok) Color = picker.Current();
    return ok;
}

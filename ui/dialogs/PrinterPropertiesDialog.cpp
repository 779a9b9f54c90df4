#include "ui/dialogs/PrinterPropertiesDialog.h"

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/PlaceControl.h"
#include "ui/forms/Form.h"
#include "ui/printers/Printer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int Margin = 8, Width = 320, Height = 196, ListLeft = 110, ListWidth = 200;

struct Choice {
    short code;
    std::string name;
};

// Printing into a file offers the common standard papers.
std::vector<Choice> PapersOf(const platform::PrinterCapabilities* caps) {
    if (!caps)
        return {{platform::DMPAPER_A4, "A4"},
                {platform::DMPAPER_A3, "A3"},
                {platform::DMPAPER_A5, "A5"},
                {platform::DMPAPER_LETTER, "Letter"}};
    std::vector<Choice> papers;
    for (const auto& p : caps->papers) papers.push_back({p.code, p.name});
    return papers;
}

std::vector<Choice> TraysOf(const platform::PrinterCapabilities* caps) {
    std::vector<Choice> trays;
    if (caps)
        for (const auto& t : caps->trays) trays.push_back({t.code, t.name});
    if (trays.empty()) trays.push_back({platform::DMBIN_AUTO, "Автовыбор"});
    return trays;
}

const std::vector<Choice>& Sides() {
    static const std::vector<Choice> sides = {{platform::DMDUP_SIMPLEX, "Односторонняя"},
                                              {platform::DMDUP_VERTICAL, "Двусторонняя (длинный край)"},
                                              {platform::DMDUP_HORIZONTAL, "Двусторонняя (короткий край)"}};
    return sides;
}

TComboBox* ChoiceList(TForm* f, const std::string& name, const std::string& caption, int top,
                      const std::vector<Choice>& choices, short chosen) {
    auto* label = PlaceControl<TLabel>(f, "Label" + name, Margin, top + 3);
    label->SetCaption(caption);
    auto* list = PlaceControl<TComboBox>(f, name, ListLeft, top, ListWidth);
    list->SetStyle(TComboBoxStyle::csDropDownList);
    for (const Choice& c : choices) list->Items().Add(c.name);
    auto found = std::find_if(choices.begin(), choices.end(), [chosen](const Choice& c) { return c.code == chosen; });
    list->SetItemIndex(found == choices.end() ? 0 : static_cast<int>(found - choices.begin()));
    label->FocusControl = list;
    return list;
}

short CodeOf(const TComboBox* list, const std::vector<Choice>& choices) {
    int index = list->ItemIndex();
    return index >= 0 && index < static_cast<int>(choices.size()) ? choices[index].code : choices.front().code;
}

}  // namespace

bool EditPrinterProperties(TPrinter& printer) {
    const platform::PrinterCapabilities* caps = printer.Capabilities();
    platform::DEVMODEA mode = printer.DeviceMode();
    std::vector<Choice> papers = PapersOf(caps), trays = TraysOf(caps);

    auto form = std::make_unique<TForm>(nullptr);
    TForm* f = form.get();
    f->SetBorderStyle(TFormBorderStyle::bsDialog);
    f->SetBorderIcons({TBorderIcon::biSystemMenu});
    f->SetPosition(TPosition::poScreenCenter);
    f->SetCaption("Свойства");
    f->SetColor(clBtnFace);
    f->SetClientSize(Width, Height);

    auto* paper = ChoiceList(f, "Paper", "&Бумага:", Margin, papers, mode.dmPaperSize);
    auto* portrait = PlaceControl<TRadioButton>(f, "Portrait", ListLeft, 40, 95);
    portrait->SetCaption("&Книжная");
    auto* landscape = PlaceControl<TRadioButton>(f, "Landscape", ListLeft + 100, 40, 95);
    landscape->SetCaption("&Альбомная");
    (mode.dmOrientation == platform::DMORIENT_LANDSCAPE ? landscape : portrait)->SetChecked(true);
    auto* sides = ChoiceList(f, "Sides", "&Стороны:", 72, Sides(), mode.dmDuplex);
    sides->SetEnabled(caps && caps->duplex);
    auto* tray = ChoiceList(f, "Tray", "&Лоток:", 104, trays, mode.dmDefaultSource);

    int buttonTop = Height - Margin - 25;
    auto* ok = PlaceControl<TButton>(f, "OK", Width - 2 * (75 + Margin), buttonTop, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* cancel = PlaceControl<TButton>(f, "Cancel", Width - 75 - Margin, buttonTop, 75, 25);
    cancel->SetCaption("Отмена");
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;
    ok->OnClick = [&](TObject*) {
        platform::DEVMODEA changed = mode;
        changed.dmFields |= platform::DM_PAPERSIZE | platform::DM_ORIENTATION | platform::DM_DEFAULTSOURCE;
        changed.dmPaperSize = CodeOf(paper, papers);
        changed.dmOrientation = landscape->Checked() ? platform::DMORIENT_LANDSCAPE : platform::DMORIENT_PORTRAIT;
        changed.dmDefaultSource = CodeOf(tray, trays);
        if (sides->Enabled()) {
            changed.dmFields |= platform::DM_DUPLEX;
            changed.dmDuplex = CodeOf(sides, Sides());
        }
        try {
            printer.SetDeviceMode(changed);
            f->ModalResult = mrOk;
        } catch (const EPrinter& e) {
            MessageDlg(e.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        }
    };
    return f->ShowModal() == mrOk;
}

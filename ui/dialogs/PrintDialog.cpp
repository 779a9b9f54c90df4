#include "ui/dialogs/PrintDialog.h"

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/controls/UpDown.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/PlaceControl.h"
#include "ui/dialogs/PrinterPropertiesDialog.h"
#include "ui/forms/Form.h"
#include "ui/printers/Printer.h"

#include <algorithm>
#include <memory>

namespace {

const TEnumInfo& PrintRangeInfo() {
    static const TEnumInfo info("TPrintRange", {"prAllPages", "prSelection", "prPageNums"});
    return info;
}

const TEnumInfo& PrintDialogOptionInfo() {
    static const TEnumInfo info("TPrintDialogOption", {"poPrintToFile", "poPageNums", "poSelection", "poWarning",
                                                       "poHelp", "poDisablePrintToFile"});
    return info;
}

constexpr int Margin = 8, MaxCopies = 9999, FormWidth = 380, FormHeight = 244, GroupTop = 70;

// A number typed into an edit; -1 when there is none.
int NumberIn(const TEdit* edit) {
    std::string text = edit->Text();
    if (text.empty() || text.size() > 6) return -1;
    return std::stoi(text);
}

class PrintChoices {
public:
    explicit PrintChoices(TPrintDialog& dialog) : dialog_(dialog) { Build(); }
    TForm& Form() { return *form_; }

    // The choices back into the dialog.
    void Store() {
        TPrintRange range = pages_->Checked() ? TPrintRange::prPageNums
                            : selection_->Checked() ? TPrintRange::prSelection
                                                    : TPrintRange::prAllPages;
        dialog_.PrintRange = range;
        if (range == TPrintRange::prPageNums) {
            dialog_.FromPage = NumberIn(from_);
            dialog_.ToPage = NumberIn(to_);
        }
        dialog_.Copies = NumberIn(copies_);
        dialog_.Collate = collate_->Checked();
        dialog_.PrintToFile = toFile_->Checked();
    }

    // The choices that belong to the printer; false when the user gave up
    // choosing the output file.
    bool StorePrinter() {
        TPrinter* printer = Printer();
        std::string outputFile;
        if (toFile_->Checked() && !AskOutputFile(outputFile)) return false;
        if (printers_->Items().Count() > 0) printer->SetPrinterIndex(printers_->ItemIndex());
        platform::DEVMODEA mode = printer->DeviceMode();
        mode.dmCopies = static_cast<short>(NumberIn(copies_));
        mode.dmCollate = collate_->Checked() ? platform::DMCOLLATE_TRUE : platform::DMCOLLATE_FALSE;
        printer->SetDeviceMode(mode);
        printer->OutputFile = outputFile;
        return true;
    }

private:
    void Build() {
        const TPrintDialogOptions& o = dialog_.Options;
        form_ = std::make_unique<TForm>(nullptr);
        TForm* f = form_.get();
        f->SetBorderStyle(TFormBorderStyle::bsDialog);
        f->SetBorderIcons({TBorderIcon::biSystemMenu});
        f->SetPosition(TPosition::poScreenCenter);
        f->SetCaption("Печать");
        f->SetColor(clBtnFace);
        f->SetClientSize(FormWidth, FormHeight);

        BuildPrinterRow(f);
        toFile_ = PlaceControl<TCheckBox>(f, f, "PrintToFile", 250, 40, 120);
        toFile_->SetCaption("Печать в &файл");
        bool noPrinter = printers_->Items().Count() == 0;
        toFile_->SetVisible(o.Contains(TPrintDialogOption::poPrintToFile) || noPrinter);
        toFile_->SetEnabled(!o.Contains(TPrintDialogOption::poDisablePrintToFile));
        toFile_->SetChecked(dialog_.PrintToFile || (noPrinter && toFile_->Enabled()));

        auto* range = PlaceControl<TGroupBox>(f, f, "Range", Margin, GroupTop, 180, 124);
        range->SetCaption("Диапазон печати");
        all_ = PlaceControl<TRadioButton>(range, f, "All", 10, 22, 150);
        all_->SetCaption("&Все");
        pages_ = PlaceControl<TRadioButton>(range, f, "Pages", 10, 46, 150);
        pages_->SetCaption("&Страницы");
        pages_->SetEnabled(o.Contains(TPrintDialogOption::poPageNums));
        auto* fromLabel = PlaceControl<TLabel>(range, f, "FromLabel", 28, 72);
        fromLabel->SetCaption("&с:");
        from_ = PlaceControl<TEdit>(range, f, "From", 62, 69, 40);
        fromLabel->FocusControl = from_;
        auto* toLabel = PlaceControl<TLabel>(range, f, "ToLabel", 108, 72);
        toLabel->SetCaption("п&о:");
        to_ = PlaceControl<TEdit>(range, f, "To", 128, 69, 40);
        toLabel->FocusControl = to_;
        for (TEdit* e : {from_, to_}) {
            e->SetNumbersOnly(true);
            e->SetMaxLength(6);
            e->SetEnabled(pages_->Enabled());
            // Typing a page number chooses the page range.
            e->OnChange = [this](TObject*) {
                if (!refreshing_ && pages_->Enabled() && !pages_->Checked()) pages_->SetChecked(true);
            };
        }
        selection_ = PlaceControl<TRadioButton>(range, f, "Selection", 10, 96, 150);
        selection_->SetCaption("В&ыделенный фрагмент");
        selection_->SetEnabled(o.Contains(TPrintDialogOption::poSelection));

        auto* copies = PlaceControl<TGroupBox>(f, f, "CopiesBox", 196, GroupTop, 176, 124);
        copies->SetCaption("Копии");
        auto* copiesLabel = PlaceControl<TLabel>(copies, f, "CopiesLabel", 10, 26);
        copiesLabel->SetCaption("Число &копий:");
        copies_ = PlaceControl<TEdit>(copies, f, "Copies", 118, 22, 36);
        copies_->SetNumbersOnly(true);
        copies_->SetMaxLength(4);
        copiesLabel->FocusControl = copies_;
        auto* updown = PlaceControl<TUpDown>(copies, f, "CopiesUpDown", 154, 22, 16, 22);
        updown->SetMin(1);
        updown->SetMax(MaxCopies);
        updown->SetAssociate(copies_);
        collate_ = PlaceControl<TCheckBox>(copies, f, "Collate", 10, 60, 160);
        collate_->SetCaption("&Разобрать по копиям");
        collate_->SetChecked(dialog_.Collate);

        int buttonTop = FormHeight - Margin - 25;
        auto* ok = PlaceControl<TButton>(f, f, "OK", FormWidth - 2 * (75 + Margin), buttonTop, 75, 25);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Confirm(); };
        auto* cancel = PlaceControl<TButton>(f, f, "Cancel", FormWidth - 75 - Margin, buttonTop, 75, 25);
        cancel->SetCaption("Отмена");
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
        if (o.Contains(TPrintDialogOption::poHelp)) {
            auto* help = PlaceControl<TButton>(f, f, "Help", Margin, buttonTop, 75, 25);
            help->SetCaption("Спр&авка");
        }

        refreshing_ = true;
        updown->SetPosition(std::clamp(dialog_.Copies, 1, MaxCopies));
        if (pages_->Enabled()) {
            from_->SetText(std::to_string(dialog_.FromPage));
            to_->SetText(std::to_string(dialog_.ToPage));
        }
        refreshing_ = false;
        TRadioButton* chosen = dialog_.PrintRange == TPrintRange::prPageNums && pages_->Enabled()       ? pages_
                               : dialog_.PrintRange == TPrintRange::prSelection && selection_->Enabled() ? selection_
                                                                                                         : all_;
        chosen->SetChecked(true);
    }

    void BuildPrinterRow(TForm* f) {
        auto* label = PlaceControl<TLabel>(f, f, "PrinterLabel", Margin, Margin + 3);
        label->SetCaption("&Принтер:");
        printers_ = PlaceControl<TComboBox>(f, f, "Printers", 70, Margin, 200);
        printers_->SetStyle(TComboBoxStyle::csDropDownList);
        label->FocusControl = printers_;
        TPrinter* printer = Printer();
        TStrings* names = printer->Printers();
        for (int i = 0; i < names->Count(); ++i) printers_->Items().Add(names->Strings(i));
        int chosen = printer->PrinterIndex() >= 0 ? printer->PrinterIndex() : names->IndexOf(printer->PrinterName());
        printers_->SetItemIndex(names->Count() > 0 ? std::max(chosen, 0) : -1);
        printers_->SetEnabled(names->Count() > 0);
        auto* properties = PlaceControl<TButton>(f, f, "Properties", 278, Margin - 1, 94, 25);
        properties->SetCaption("Сво&йства...");
        properties->OnClick = [this](TObject*) { ShowProperties(); };
        if (names->Count() == 0) {
            auto* note = PlaceControl<TLabel>(f, f, "NoPrinter", Margin, 42);
            note->SetCaption("Принтер не установлен: печать только в файл.");
        }
    }

    // The properties of the printer chosen in the list, not yet the one the
    // program prints on: that changes only with OK.
    void ShowProperties() {
        TPrinter* printer = Printer();
        int before = printer->PrinterIndex();
        if (printers_->Items().Count() > 0) printer->SetPrinterIndex(printers_->ItemIndex());
        if (!EditPrinterProperties(*printer)) printer->SetPrinterIndex(before);
    }

    bool AskOutputFile(std::string& file) {
        TSaveDialog save(nullptr);
        save.Title = "Печать в файл";
        save.Filter = "PDF (*.pdf)|*.pdf";
        save.SetDefaultExt("pdf");
        save.FileName = Printer()->OutputFile;
        save.Options.Include(TOpenOption::ofOverwritePrompt);
        if (!save.Execute()) return false;
        file = save.FileName;
        return true;
    }

    void Confirm() {
        if (!toFile_->Checked() && printers_->Items().Count() == 0) {
            MessageDlg(NoPrinterMessage, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            return;
        }
        int copies = NumberIn(copies_);
        if (copies < 1 || copies > MaxCopies) {
            MessageDlg("Введите число копий от 1 до " + std::to_string(MaxCopies) + ".",
                       TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
            return;
        }
        if (pages_->Checked()) {
            std::string error = PageRangeError(NumberIn(from_), NumberIn(to_), dialog_.MinPage, dialog_.MaxPage);
            if (!error.empty()) {
                MessageDlg(error, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
                return;
            }
        }
        // A save dialog given up leaves the print dialog open.
        if (StorePrinter()) form_->ModalResult = mrOk;
    }

    TPrintDialog& dialog_;
    std::unique_ptr<TForm> form_;
    TComboBox* printers_ = nullptr;
    TCheckBox* toFile_ = nullptr;
    TRadioButton *all_ = nullptr, *pages_ = nullptr, *selection_ = nullptr;
    TEdit *from_ = nullptr, *to_ = nullptr, *copies_ = nullptr;
    TCheckBox* collate_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace

std::string PageRangeError(int from, int to, int minPage, int maxPage) {
    int low = std::max(minPage, 1);
    bool within = from >= low && to >= low && (maxPage <= 0 || (from <= maxPage && to <= maxPage));
    if (within && from <= to) return {};
    if (!within) {
        if (maxPage > 0)
            return "Значение вне диапазона страниц.\nВведите число от " + std::to_string(low) + " до " +
                   std::to_string(maxPage) + ".";
        return "Значение вне диапазона страниц.\nВведите число не меньше " + std::to_string(low) + ".";
    }
    return "Первая страница стоит после последней.\nУкажите сначала меньший номер.";
}

const TClassInfo& TPrintDialog::StaticClass() {
    static const TClassInfo info =
        TPublished<TPrintDialog>("TPrintDialog", TCommonDialog::StaticClass())
            .Integer("Copies", &TPrintDialog::Copies, &TPrintDialog::Copies, 0)
            .Boolean("Collate", &TPrintDialog::Collate, &TPrintDialog::Collate, false)
            .Integer("FromPage", &TPrintDialog::FromPage, &TPrintDialog::FromPage, 0)
            .Integer("ToPage", &TPrintDialog::ToPage, &TPrintDialog::ToPage, 0)
            .Integer("MinPage", &TPrintDialog::MinPage, &TPrintDialog::MinPage, 0)
            .Integer("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::MaxPage, 0)
            .Enumeration("PrintRange", PrintRangeInfo(), &TPrintDialog::PrintRange, &TPrintDialog::PrintRange, 0)
            .Boolean("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::PrintToFile, false)
            .Set("Options", PrintDialogOptionInfo(), &TPrintDialog::Options, &TPrintDialog::Options, 0)
            .Build();
    return info;
}

TPrintDialog::TPrintDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TPrintDialog::Execute() {
    PrintChoices choices(*this);
    if (!RunModal(choices.Form())) return false;
    choices.Store();
    return true;
}

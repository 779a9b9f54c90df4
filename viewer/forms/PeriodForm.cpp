#include "viewer/forms/PeriodForm.h"

#include "ui/core/NumberConversion.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/dialogs/PlaceControl.h"
#include "viewer/mainform/MainForm.h"

#include <cmath>
#include <filesystem>
#include <limits>

TForm7* Form7 = nullptr;

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;

constexpr double kRecordsPerSecond = 100;

// A second as a record number; nothing for a text that is not a second of the tables.
std::optional<std::int32_t> RecordOfSecond(const std::string& text) {
    const double seconds = StrToFloatDef(text, std::numeric_limits<double>::quiet_NaN());
    if (!std::isfinite(seconds) || seconds < 0 || seconds * kRecordsPerSecond > kFlightTableSlots) return std::nullopt;
    return static_cast<std::int32_t>(Round(seconds * kRecordsPerSecond));
}

bool PassesPeriodFilter(char32_t key) { return key == kBackspace || key == ',' || (key >= '0' && key <= '9'); }

}  // namespace

const TClassInfo& TForm7::StaticClass() {
    static const TClassInfo info = TPublished<TForm7>("TForm7", TForm::StaticClass()).Build();
    return info;
}

TForm7::TForm7(TComponent* owner) : TForm(owner) {
    SetName("Form7");
    SetCaption("Выбор периода загрузки данных");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(360, 150);

    Label1 = PlaceControl<TLabel>(this, "Label1", 12, 10, 336, 16);
    Label1->SetCaption("Файл: ");
    skRadioButton1 = PlaceControl<TRadioButton>(this, "skRadioButton1", 12, 36, 300, 20);
    skRadioButton1->SetCaption("Загрузить данные полностью");
    skRadioButton2 = PlaceControl<TRadioButton>(this, "skRadioButton2", 12, 66, 110, 20);
    skRadioButton2->SetCaption("Загрузить c:");
    skRadioButton1->SetChecked(true);

    auto keyPress = [this](TObject* s, char32_t& key) { Edit1KeyPress(s, key); };
    Edit1 = PlaceControl<TEdit>(this, "Edit1", 124, 64, 56, 22);
    Edit1->SetText("0");
    Edit1->OnKeyPress = keyPress;
    auto* until = PlaceControl<TLabel>(this, "Label2", 188, 68, 24, 16);
    until->SetCaption("по");
    Edit2 = PlaceControl<TEdit>(this, "Edit2", 214, 64, 56, 22);
    Edit2->SetText("60");
    Edit2->OnKeyPress = keyPress;
    auto* seconds = PlaceControl<TLabel>(this, "Label3", 278, 68, 70, 16);
    seconds->SetCaption("секунду");

    Button1 = PlaceControl<TButton>(this, "Button1", 258, 112, 90, 26);
    Button1->SetCaption("OK");
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TForm7::FormShow(TObject*) {
    Label1->SetCaption("Файл: " + std::filesystem::path(Form1->skOpenDialog1->FileName).filename().string());
}

void TForm7::Edit1KeyPress(TObject*, char32_t& Key) {
    skRadioButton2->SetChecked(true);
    if (Key == kEnter) {
        Key = 0;
        Close();
        return;
    }
    if (!PassesPeriodFilter(Key)) Key = 0;
}

void TForm7::Button1Click(TObject*) {
    Form1->ReloadSameStream = true;
    Close();
}

PeriodChoice TForm7::ChosenPeriod() const {
    PeriodChoice choice;
    if (!skRadioButton2->Checked()) return choice;
    const std::optional<std::int32_t> start = RecordOfSecond(Edit1->Text());
    const std::optional<std::int32_t> end = RecordOfSecond(Edit2->Text());
    if (!start || !end) {
        choice.Error = "Период загрузки задан неверно: укажите секунды от 0 до " +
                       std::to_string(static_cast<int>(kFlightTableSlots / kRecordsPerSecond)) + ".";
    } else if (*end != 0 && *end <= *start) {
        choice.Error = "Период загрузки задан неверно: конец периода должен быть позже его начала.";
    } else {
        choice.Period = StreamPeriod{*start, *end};
    }
    return choice;
}

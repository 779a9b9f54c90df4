// The DIP window's values by control, the blocks' values, and the
// settings-file commands. A save with an output key left without a choice
// is refused, since such a file could not be loaded back; a failed write is
// told, never passed over.

#include "settings/dip/DipSettingsForm.h"

#include "settings/dip/DipFormLayout.h"
#include "ui/core/Exceptions.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

double TForm12::ValueOf(const std::string& control) const {
    if (const TDecimalSpinEdit* edit = SpinEdit(control.c_str())) return edit->Value();
    if (const TCheckBox* box = CheckBox(control.c_str())) return box->Checked() ? 1 : 0;
    const int index = ComboBox(control.c_str())->ItemIndex();
    return index >= 0 && index < kDipOutputKeyCount ? index : kDipNoKey;
}

void TForm12::SetValue(const std::string& control, double value) {
    if (TDecimalSpinEdit* edit = SpinEdit(control.c_str()))
        edit->SetValue(value);
    else if (TCheckBox* box = CheckBox(control.c_str()))
        box->SetChecked(value != 0);
    else
        ComboBox(control.c_str())->SetItemIndex(value >= 0 && value < kDipOutputKeyCount ? int(value) : -1);
}

TDipBlockValues TForm12::BlockValues(std::uint8_t block) const {
    TDipBlockValues values;
    for (const TDipField& field : DipBlockFields(block)) values.push_back(ValueOf(field.Control));
    return values;
}

void TForm12::LoadBlockValues(std::uint8_t block, const TDipBlockValues& values) {
    const std::vector<TDipField>& fields = DipBlockFields(block);
    for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) SetValue(fields[i].Control, values[i]);
}

TDipSettings TForm12::Settings() const {
    TDipSettings values;
    for (const TDipFileKey& key : DipFileKeys()) values[key.Control] = ValueOf(key.Control);
    return values;
}

void TForm12::LoadSettings(const TDipSettings& values) {
    for (const TDipFileKey& key : DipFileKeys())
        if (auto found = values.find(key.Control); key.Read && found != values.end()) SetValue(key.Control, found->second);
}

void TForm12::N2Click(TObject*) {
    SaveDialog1->Filter = kDipFileFilter;
    SaveDialog1->SetDefaultExt(kDipFileExt);
    if (!SaveDialog1->Execute()) return;
    const TDipSettings values = Settings();
    for (const TDipFileKey& key : DipFileKeys())
        if (key.Kind == TDipFileKind::OutputKey && values.at(key.Control) == kDipNoKey) {
            Application->MessageBox("Не выбран защитный ключ.\rНастройки не сохранены.", "Ошибка", MB_OK | MB_ICONERROR);
            return;
        }
    try {
        WriteDipSettingsFile(SaveDialog1->FileName, values);
    } catch (const EIniFileException&) {
        Application->MessageBox("Не удалось записать файл настроек\r" + SaveDialog1->FileName, "Ошибка",
                                MB_OK | MB_ICONERROR);
    }
}

void TForm12::N3Click(TObject*) {
    OpenDialog1->Filter = kDipFileFilter;
    OpenDialog1->SetDefaultExt(kDipFileExt);
    OpenDialog1->FileName = kDipFileOffered;
    if (!OpenDialog1->Execute()) return;
    const TDipFileRead read = ReadDipSettingsFile(OpenDialog1->FileName);
    if (!read.Ok()) {
        Application->MessageBox(read.Error, "Ошибка", MB_OK | MB_ICONERROR);
        return;
    }
    LoadSettings(read.Values);
}

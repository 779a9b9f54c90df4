#include "viewer/settings/DisplaySettings.h"

#include "ui/core/IniFiles.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/mainform/MainForm.h"

#include <array>

namespace {

// The channel series by the name their keys share, in the order of the file.
struct SeriesKey {
    const char* Name;
    int Series;
};
constexpr SeriesKey kSeriesKeys[] = {
    {"Kren", 15}, {"Tangaz", 16}, {"Kyrs", 17}, {"AltBaro", 10}, {"TemperBaro", 11}, {"AltGPS", 13},
    {"SpeedGPS", 14}, {"TemperSens", 12}, {"AccX", 4}, {"AccY", 5}, {"AccZ", 6}, {"GyroX", 7},
    {"GyroY", 8}, {"GyroZ", 9}, {"VoltMK", 18}, {"VoltPov", 19}, {"Servo1", 20}, {"Servo2", 21},
    {"Servo3", 22}, {"Servo4", 23}, {"Acc100g", 24}, {"AccAlt", 25}, {"AccSpeed", 26},
};

struct ListKey {
    const char* Name;
    int ComboBox;
};
constexpr ListKey kAxisKeys[] = {
    {"caAlt", 24}, {"caSpeed", 25}, {"caPower", 26}, {"caTemper", 27}, {"caAngel", 29},
    {"caAccr", 30}, {"caGiro", 31}, {"caServo", 28}, {"caTypeView", 32}, {"caAcc100g", 33},
};

constexpr const char* kForm = "Form";
constexpr const char* kColor = "Color";
constexpr const char* kChecked = "Checked";
constexpr const char* kFilter = "Filter";
constexpr const char* kOther = "Other";
constexpr const char* kCustomAxisAlt = "CustomAxisAlt";
constexpr const char* kGraphSize = "GraphSize";

constexpr int kDefaultTop = 10, kDefaultLeft = 10, kDefaultWidth = 1500, kDefaultHeight = 700;
// The window is made this wide at every start, whatever the file says.
constexpr int kStartWidth = 1200;
constexpr int kDefaultStepLimit = 3;
constexpr std::array<int, 3> kDefaultLineWidths{2, 2, 1};

std::string Key(const char* prefix, const SeriesKey& key) { return std::string(prefix) + key.Name; }

// An index the list does not have leaves it without a selection.
void SelectItem(TComboBox& list, int index) {
    list.SetItemIndex(index >= 0 && index < list.Items().Count() ? index : -1);
}

std::array<TSpinEdit*, 3> WidthEdits(TForm9& widths) {
    return {widths.skSpinEdit1, widths.skSpinEdit2, widths.skSpinEdit3};
}

}  // namespace

void ReadDisplaySettings(TForm1& main, TForm2& chart, TForm19& view, const std::string& file) {
    TIniFile ini(file);
    main.SetTop(ini.ReadInteger(kForm, "frmTop", kDefaultTop));
    main.SetLeft(ini.ReadInteger(kForm, "frmLeft", kDefaultLeft));
    main.SetWidth(ini.ReadInteger(kForm, "frmWidth", kDefaultWidth));
    main.SetWidth(kStartWidth);
    main.SetHeight(ini.ReadInteger(kForm, "frmHeight", kDefaultHeight));

    for (const SeriesKey& key : kSeriesKeys)
        chart.ColorPanel(key.Series)->SetColor(static_cast<TColor>(ini.ReadInteger(kColor, Key("cl", key), 0)));
    for (const SeriesKey& key : kSeriesKeys)
        chart.ShowBox(key.Series)->SetChecked(ini.ReadBool(kChecked, Key("ch", key), false));
    main.N24->SetChecked(ini.ReadBool(kChecked, "AvtiveSkin", false));
    main.N26->SetChecked(ini.ReadBool(kChecked, "WndSize", false));
    view.skCheckBox1->SetChecked(ini.ReadBool(kChecked, "chViewMarker", true));
    view.skCheckBox2->SetChecked(ini.ReadBool(kChecked, "chViewWndResult", false));
    view.skCheckBox3->SetChecked(ini.ReadBool(kChecked, "chViewListMarker", false));

    chart.CheckBox1->SetChecked(ini.ReadBool(kFilter, "chAvtive", false));
    chart.skCheckBox[23]->SetChecked(ini.ReadBool(kFilter, "chComp1G", false));
    SelectItem(*chart.ComboBox[23], ini.ReadInteger(kFilter, "chAll", 0));
    for (const SeriesKey& key : kSeriesKeys)
        SelectItem(*chart.SmoothingList(key.Series), ini.ReadInteger(kFilter, Key("ch", key), 0));
    chart.SpinEdit1->SetValue(ini.ReadInteger(kFilter, "maxPrir", kDefaultStepLimit));

    SelectItem(*chart.ComboBox[34], ini.ReadInteger(kOther, "setSensorAcc", 0));
    for (const ListKey& key : kAxisKeys) SelectItem(*chart.ComboBox[key.ComboBox], ini.ReadInteger(kCustomAxisAlt, key.Name, 0));
}

void WriteDisplaySettings(TForm1& main, TForm2& chart, const std::string& file) {
    TIniFile ini(file);
    ini.WriteInteger(kForm, "frmTop", main.Top());
    ini.WriteInteger(kForm, "frmLeft", main.Left());
    ini.WriteInteger(kForm, "frmWidth", main.Width());
    ini.WriteInteger(kForm, "frmHeight", main.Height());

    for (const SeriesKey& key : kSeriesKeys)
        ini.WriteInteger(kColor, Key("cl", key), static_cast<std::int32_t>(chart.ColorPanel(key.Series)->Color()));
    for (const SeriesKey& key : kSeriesKeys) ini.WriteBool(kChecked, Key("ch", key), chart.ShowBox(key.Series)->Checked());
    ini.WriteBool(kChecked, "AvtiveSkin", main.N24->Checked());
    ini.WriteBool(kChecked, "WndSize", main.N26->Checked());

    ini.WriteBool(kFilter, "chAvtive", chart.CheckBox1->Checked());
    ini.WriteBool(kFilter, "chComp1G", chart.skCheckBox[23]->Checked());
    ini.WriteInteger(kFilter, "chAll", chart.ComboBox[23]->ItemIndex());
    for (const SeriesKey& key : kSeriesKeys)
        ini.WriteInteger(kFilter, Key("ch", key), chart.SmoothingList(key.Series)->ItemIndex());
    ini.WriteInteger(kFilter, "maxPrir", chart.SpinEdit1->Value());

    ini.WriteInteger(kOther, "setSensorAcc", chart.ComboBox[34]->ItemIndex());
    for (const ListKey& key : kAxisKeys) ini.WriteInteger(kCustomAxisAlt, key.Name, chart.ComboBox[key.ComboBox]->ItemIndex());
}

void ReadLineWidthSettings(TForm9& widths, const std::string& file) {
    TIniFile ini(file);
    const auto edits = WidthEdits(widths);
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->SetValue(ini.ReadInteger(kGraphSize, "Graph" + std::to_string(i + 1), kDefaultLineWidths[i]));
}

void WriteLineWidthSettings(TForm9& widths, const std::string& file) {
    TIniFile ini(file);
    const auto edits = WidthEdits(widths);
    for (std::size_t i = 0; i < edits.size(); ++i) ini.WriteInteger(kGraphSize, "Graph" + std::to_string(i + 1), edits[i]->Value());
}

void WriteViewSettings(TForm19& view, const std::string& file) {
    TIniFile ini(file);
    ini.WriteBool(kChecked, "chViewMarker", view.skCheckBox1->Checked());
    ini.WriteBool(kChecked, "chViewWndResult", view.skCheckBox2->Checked());
    ini.WriteBool(kChecked, "chViewListMarker", view.skCheckBox3->Checked());
}

void WriteSkinChoice(int choice, const std::string& file) {
    TIniFile ini(file);
    ini.WriteInteger(kForm, "SetSkin", choice);
}

#include "settings/files/EasySettingsFile.h"

#include "common/TextFormatting.h"
#include "settings/ranges/MinMaxHint.h"
#include "settings/singlestage/EasyBlocks.h"
#include "ui/core/IniFileStorage.h"
#include "ui/core/IniFiles.h"
#include "ui/core/Rounding.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <stdexcept>

const char* const kWrongSettingsFileText = "Не верный файл настроек!";

namespace {

const char* const kTypeSection = "RecordType";
const char* const kTypeKey = "RecordType";
const char* const kParamsSection = "ParamsEasy";
constexpr int kFlag = 0;

const std::vector<TEasyFileKey> kKeys = {
    {"parShSAcc", "skDecimalSpinEdit12", 1000},
    {"parShSAccTime", "skDecimalSpinEdit13", 1000},
    {"parShSImitApog", "skCheckBox1", kFlag},
    {"parShSTimerApog", "skDecimalSpinEdit14", 1},
    {"parShSTimerSpusk", "skDecimalSpinEdit22", 1},
    {"parShSImitEngOff", "skCheckBox6", kFlag},
    {"parShSTimerEngOff", "skDecimalSpinEdit5", 10},
    {"parShSBaroOnOff", "skCheckBox5", kFlag},
    {"parShSBaroAlt", "skDecimalSpinEdit1", 1},
    {"parShSBaroFlt", "skDecimalSpinEdit2", 1000},
    {"parShSBaroImitIngOnOff", "skCheckBox4", kFlag},
    {"parShSBaroTimeIngCompl", "skDecimalSpinEdit4", 1000},
    {"parVnStOnOff", "skCheckBox14", kFlag},
    {"parVnStAngel", "skDecimalSpinEdit6", 1},
    {"parVnStTimeFix", "skDecimalSpinEdit10", 1000},
    {"parVnStTimeoutPar", "skDecimalSpinEdit16", 1000},
    {"parVnStTimeoutMainPar", "skDecimalSpinEdit17", 1000},
    {"parPasAcc", "skDecimalSpinEdit11", 1000},
    {"parPasAccTime", "skDecimalSpinEdit3", 1000},
    {"parPasBaroBlock", "skDecimalSpinEdit9", 1000},
    {"parApogTimeAlt", "skDecimalSpinEdit8", 1},
    {"parApogDeltaAlt", "skDecimalSpinEdit7", 1000},
    {"parSpuskVosplamTime", "skDecimalSpinEdit15", 1000},
    {"parSpuskTormOnOff", "skCheckBox3", kFlag},
    {"parSpuskTormTimeout", "skDecimalSpinEdit18", 1000},
    {"parSpuskVtorOnOff", "skCheckBox2", kFlag},
    {"parSpuskVtorBlock", "skDecimalSpinEdit19", 1000},
    {"parSpuskVtorBaroFlt", "skDecimalSpinEdit31", 1000},
    {"parSpuskVtorAltPar", "skDecimalSpinEdit21", 1},
    {"parSpuskVtorTimeout", "skDecimalSpinEdit20", 1},
    {"parGndBaroDelta", "skDecimalSpinEdit27", 1000},
    {"parGndBaroFilter", "skDecimalSpinEdit33", 1000},
    {"parGndBaroTime", "skDecimalSpinEdit26", 1},
};

// Decimal digits with an optional sign and blanks around, nothing else.
std::optional<long long> StrictInteger(const std::string& text) {
    const std::string trimmed = TrimText(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+') ++first;
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

std::string RangeOf(const char* control) {
    for (const TEasyField& field : AllEasyFields())
        if (std::string(field.Control) == control) return field.Range;
    throw std::logic_error(std::string("no settings field for ") + control);
}

std::string Damaged(const std::string& what) { return "Файл настроек повреждён:\r" + what + "\rНастройки не загружены."; }

}  // namespace

const std::vector<TEasyFileKey>& EasyFileKeys() { return kKeys; }

void WriteEasySettingsFile(const std::string& path, const TEasySettings& values) {
    TMemIniFile file(path);
    file.WriteInteger(kTypeSection, kTypeKey, kEasyRecordType);
    for (const TEasyFileKey& key : kKeys) {
        const double value = values.at(key.Control);
        if (key.Scale == kFlag)
            file.WriteBool(kParamsSection, key.Key, value != 0);
        else
            file.WriteString(kParamsSection, key.Key, std::to_string(Round(value * key.Scale)));
    }
    file.UpdateFile();
}

TEasyFileRead ReadEasySettingsFile(const std::string& path) {
    TEasyFileRead result;
    TIniText text(false);
    if (LoadIniText(path, text) != IniFileState::Loaded) {
        result.Error = "Не удалось прочитать файл настроек\r" + std::filesystem::path(path).filename().string();
        return result;
    }
    const std::optional<std::string> type = text.Read(kTypeSection, kTypeKey);
    const std::optional<long long> typeNumber = type ? StrictInteger(*type) : std::nullopt;
    if (!typeNumber || *typeNumber != kEasyRecordType) {
        result.Error = kWrongSettingsFileText;
        return result;
    }
    TEasySettings values;
    for (const TEasyFileKey& key : kKeys) {
        const std::optional<std::string> raw = text.Read(kParamsSection, key.Key);
        const std::string name = std::string("\"") + key.Key + "\"";
        if (!raw) {
            result.Error = Damaged("нет параметра " + name + ".");
            return result;
        }
        const std::optional<long long> number = StrictInteger(*raw);
        if (!number) {
            result.Error = Damaged("значение параметра " + name + " не является целым числом: \"" + *raw + "\".");
            return result;
        }
        if (key.Scale == kFlag) {
            values[key.Control] = *number != 0 ? 1 : 0;
            continue;
        }
        const double value = double(*number) / key.Scale;
        const TMinMax range = ParseMinMaxHint(RangeOf(key.Control));
        if (TolerantLess(value, range.Min) || TolerantGreater(value, range.Max)) {
            result.Error = Damaged("значение параметра " + name + " (" + *raw + ") вне допустимого диапазона от " +
                                   range.MinText + " до " + range.MaxText + ".");
            return result;
        }
        values[key.Control] = value;
    }
    result.Values = std::move(values);
    return result;
}

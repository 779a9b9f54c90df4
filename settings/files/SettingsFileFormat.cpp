#include "settings/files/SettingsFileFormat.h"

#include "common/TextFormatting.h"
#include "settings/ranges/MinMaxHint.h"
#include "ui/core/IniFileStorage.h"
#include "ui/core/IniFiles.h"
#include "ui/core/Rounding.h"

#include <charconv>
#include <filesystem>

const char* const kWrongSettingsFileText = "Не верный файл настроек!";

namespace {

const char* const kTypeSection = "RecordType";
const char* const kTypeKey = "RecordType";
const char* const kParamsSection = "ParamsEasy";

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

std::string Damaged(const std::string& what) { return "Файл настроек повреждён:\r" + what + "\rНастройки не загружены."; }

}  // namespace

void WriteSettingsFile(const std::string& path, const TSettingsFileFormat& format, const TSettingsValues& values) {
    TMemIniFile file(path);
    file.WriteInteger(kTypeSection, kTypeKey, format.RecordType);
    for (const TSettingsFileKey& key : format.Keys) {
        const double value = values.at(key.Control);
        if (key.Scale == 0)
            file.WriteBool(kParamsSection, key.Key, value != 0);
        else
            file.WriteString(kParamsSection, key.Key, std::to_string(Round(value * key.Scale)));
    }
    file.UpdateFile();
}

TSettingsFileRead ReadSettingsFile(const std::string& path, const TSettingsFileFormat& format) {
    TSettingsFileRead result;
    TIniText text(false);
    if (LoadIniText(path, text) != IniFileState::Loaded) {
        result.Error = "Не удалось прочитать файл настроек\r" + std::filesystem::path(path).filename().string();
        return result;
    }
    const std::optional<std::string> type = text.Read(kTypeSection, kTypeKey);
    const std::optional<long long> typeNumber = type ? StrictInteger(*type) : std::nullopt;
    if (!typeNumber || *typeNumber != format.RecordType) {
        result.Error = kWrongSettingsFileText;
        return result;
    }
    TSettingsValues values;
    for (const TSettingsFileKey& key : format.Keys) {
        const std::optional<std::string> raw = text.Read(kParamsSection, key.Key);
        const std::string name = std::string("\"") + key.Key + "\"";
        if (!raw && !key.Missing) {
            result.Error = Damaged("нет параметра " + name + ".");
            return result;
        }
        const std::optional<long long> number = raw ? StrictInteger(*raw) : key.Missing;
        if (!number) {
            result.Error = Damaged("значение параметра " + name + " не является целым числом: \"" + *raw + "\".");
            return result;
        }
        if (key.Scale == 0) {
            values[key.Control] = *number != 0 ? 1 : 0;
            continue;
        }
        const double value = double(*number) / key.Scale;
        const TMinMax range = ParseMinMaxHint(format.RangeOf(key.Control));
        if (TolerantLess(value, range.Min) || TolerantGreater(value, range.Max)) {
            result.Error = Damaged("значение параметра " + name + " (" + (raw ? *raw : std::to_string(*number)) +
                                   ") вне допустимого диапазона от " + range.MinText + " до " + range.MaxText + ".");
            return result;
        }
        values[key.Control] = value;
    }
    result.Values = std::move(values);
    return result;
}

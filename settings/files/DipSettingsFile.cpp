#include "settings/files/DipSettingsFile.h"

#include "settings/files/EasySettingsFile.h"
#include "ui/core/Exceptions.h"
#include "ui/core/IniFileStorage.h"
#include "ui/core/IniFiles.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"

#include <filesystem>
#include <optional>

namespace {

using F = TDipFileKind;

const char* const kTypeSection = "RecordType";
const char* const kTypeKey = "RecordType";
const char* const kParamsSection = "ParamsDip";
constexpr int kThousand = 1000;
constexpr int kOutputKeyCount = 3;

constexpr bool kBoth = true;

const std::vector<TDipFileKey> kKeys = {
    {"parShSAcc", "skDecimalSpinEdit12", F::Thousandths, kBoth, kBoth, 0},
    {"parShSAccTime", "skDecimalSpinEdit13", F::Thousandths, kBoth, kBoth, 0},
    {"parShSImitApog", "skCheckBox1", F::Flag, kBoth, kBoth, 1},
    {"parShSTimerApog", "skDecimalSpinEdit14", F::Whole, kBoth, kBoth, 0},
    {"parShSBaroMaxFlt", "skDecimalSpinEdit30", F::Whole, true, false, 0},
    {"parVnShSOnOff", "CheckBox7", F::Flag, true, false, 0},
    {"parVnShSAngel", "skDecimalSpinEdit5", F::Thousandths, kBoth, kBoth, 0},
    {"parVnShSAcc", "skDecimalSpinEdit1", F::Thousandths, false, true, 0},
    {"parVnShSAngelTime", "skDecimalSpinEdit10", F::Thousandths, kBoth, kBoth, 0},
    {"parVnShSTimeParashut", "skDecimalSpinEdit2", F::Thousandths, kBoth, kBoth, 0},
    {"parPasAcc", "skDecimalSpinEdit11", F::Thousandths, kBoth, kBoth, 0},
    {"parPasAccTime", "skDecimalSpinEdit3", F::Thousandths, kBoth, kBoth, 0},
    {"parPasBlockBaro", "skDecimalSpinEdit9", F::Thousandths, kBoth, kBoth, 0},
    {"parTwoStgSOnOff", "CheckBox1", F::Flag, true, false, 0},
    {"parTwoStgNumKey", "ComboBox2", F::OutputKey, true, false, 0},
    {"parTwoStgSTimeout", "skDecimalSpinEdit16", F::Thousandths, true, false, 0},
    {"parApogTimeAlt", "skDecimalSpinEdit8", F::Whole, kBoth, kBoth, 0},
    {"parApogDeltaAlt", "skDecimalSpinEdit7", F::Thousandths, kBoth, kBoth, 0},
    {"parApogAngelOn", "CheckBox5", F::Flag, kBoth, kBoth, 1},
    {"parApogAngel", "skDecimalSpinEdit4", F::Whole, kBoth, kBoth, 0},
    {"parApogFilt", "skDecimalSpinEdit6", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskVosplamTime", "skDecimalSpinEdit15", F::Thousandths, kBoth, kBoth, 0},
    {"parStage2On", "CheckBox1", F::Flag, kBoth, kBoth, 1},
    {"parStage2Key", "ComboBox2", F::OutputKey, kBoth, kBoth, 0},
    {"parStage2Timeout", "skDecimalSpinEdit16", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskRazborOn", "CheckBox2", F::Flag, kBoth, kBoth, 1},
    {"parSpuskRazborKey", "ComboBox1", F::OutputKey, kBoth, kBoth, 1},
    {"parSpuskRazborTimeout", "skDecimalSpinEdit17", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskTormozOn", "CheckBox4", F::Flag, kBoth, kBoth, 1},
    {"parSpuskTormoKey", "ComboBox3", F::OutputKey, kBoth, kBoth, 2},
    {"parSpuskTormozTimeout", "skDecimalSpinEdit18", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskVtorOn", "CheckBox3", F::Flag, kBoth, kBoth, 1},
    {"parSpuskVtorKey", "ComboBox4", F::OutputKey, kBoth, kBoth, 2},
    {"parSpuskVtorBlock", "skDecimalSpinEdit19", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskVtorTimeout", "skDecimalSpinEdit20", F::Thousandths, kBoth, kBoth, 0},
    {"parSpuskVtorAltPar", "skDecimalSpinEdit21", F::Whole, kBoth, kBoth, 0},
    {"parGndOn", "CheckBox6", F::Flag, kBoth, kBoth, 1},
    {"parGndTimeoutSpusk", "skDecimalSpinEdit22", F::Thousandths, kBoth, kBoth, 0},
    {"parGndRebootGps", "skDecimalSpinEdit23", F::Thousandths, kBoth, kBoth, 0},
    {"parGndTimeSaveBat", "skDecimalSpinEdit24", F::Thousandths, kBoth, kBoth, 0},
    {"parGndDetectAng", "skDecimalSpinEdit25", F::Thousandths, kBoth, kBoth, 0},
    {"parGndDetectBaro", "skDecimalSpinEdit26", F::Thousandths, kBoth, kBoth, 0},
    {"parGndBaroDelta", "skDecimalSpinEdit27", F::Thousandths, kBoth, kBoth, 0},
};

std::string Damaged(const std::string& what) { return "Файл настроек повреждён:\r" + what + "\rНастройки не загружены."; }

std::int64_t Written(const TDipFileKey& key, double value) {
    switch (key.Kind) {
        case F::Thousandths: return Round(value * kThousand);
        case F::Flag: return value != 0 ? 1 : 0;
        default: return Round(value);
    }
}

double ReadBack(const TDipFileKey& key, std::int32_t number) {
    switch (key.Kind) {
        case F::Thousandths: return double(number) / kThousand;
        case F::Flag: return number != 0 ? 1 : 0;
        default: return number;
    }
}

}  // namespace

const std::vector<TDipFileKey>& DipFileKeys() { return kKeys; }

void WriteDipSettingsFile(const std::string& path, const TDipSettings& values) {
    TMemIniFile file(path);
    file.WriteInteger(kTypeSection, kTypeKey, kDipRecordType);
    for (const TDipFileKey& key : kKeys)
        if (key.Written) file.WriteString(kParamsSection, key.Key, std::to_string(Written(key, values.at(key.Control))));
    file.UpdateFile();
}

TDipFileRead ReadDipSettingsFile(const std::string& path) {
    TDipFileRead result;
    TIniText text(false);
    if (LoadIniText(path, text) != IniFileState::Loaded) {
        result.Error = "Не удалось прочитать файл настроек\r" + std::filesystem::path(path).filename().string();
        return result;
    }
    const std::optional<std::string> type = text.Read(kTypeSection, kTypeKey);
    if (!type || StrToIntDef(*type, 0) != kDipRecordType) {
        result.Error = kWrongSettingsFileText;
        return result;
    }
    TDipSettings values;
    for (const TDipFileKey& key : kKeys) {
        if (!key.Read) continue;
        const std::optional<std::string> raw = text.Read(kParamsSection, key.Key);
        if (!raw) {
            values[key.Control] = key.Default;
            continue;
        }
        const std::string name = std::string("\"") + key.Key + "\"";
        std::int32_t number = 0;
        try {
            number = StrToInt(*raw);
        } catch (const EConvertError&) {
            result.Error = Damaged("значение параметра " + name + " не является целым числом: \"" + *raw + "\".");
            return result;
        }
        if (key.Kind == F::OutputKey && (number < 0 || number >= kOutputKeyCount)) {
            result.Error = Damaged("параметр " + name + " (" + *raw + ") не является номером защитного ключа от 0 до 2.");
            return result;
        }
        values[key.Control] = ReadBack(key, number);
    }
    result.Values = std::move(values);
    return result;
}

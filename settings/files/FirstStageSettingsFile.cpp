#include "settings/files/FirstStageSettingsFile.h"

#include "settings/firststage/FirstStageLayout.h"

namespace {

const std::vector<TSettingsFileKey> kKeys = {
    {"parShSAcc", "skDecimalSpinEdit13", 1000, 2000},
    {"parShSAccTime", "skDecimalSpinEdit14", 1000, 300},
    {"parShSImitApog", "skCheckBox6", 0, 0},
    {"parShSTimerApog", "skDecimalSpinEdit18", 1, 10},
    {"parShSTimerSpusk", "skDecimalSpinEdit22", 1, 100},
    {"parShSImitEngOff", "skCheckBox7", 0, 0},
    {"parShSTimerEngOff", "skDecimalSpinEdit19", 10, 30},
    {"parShSBaroOnOff", "skCheckBox5", 0, 0},
    {"parShSBaroAlt", "skDecimalSpinEdit9", 1000, 5000},
    {"parShSBaroFlt", "skDecimalSpinEdit10", 1000, 500},
    // The soft sign in place of "m" is how the controller's files have it.
    {"parShSBaroIьitIngOnOff", "skCheckBox4", 0, 1},
    {"parShSBaroTimeIngCompl", "skDecimalSpinEdit11", 1000, 3000},
    {"parSnStartOnOff", "skCheckBox14", 0, 1},
    {"parSnStartAngel", "skDecimalSpinEdit5", 1000, 30000},
    {"parSnStartTime", "skDecimalSpinEdit3", 1000, 300},
    {"parSnStarttimeout", "skDecimalSpinEdit4", 1000, 300},
    {"parPasAcc", "skDecimalSpinEdit24", 1000, 100},
    {"parPasAccTime", "skDecimalSpinEdit25", 1000, 300},
    {"parPasBaroBlock", "skDecimalSpinEdit28", 1000, 300},
    {"parSecStageTimeVosplam", "skDecimalSpinEdit1", 1000, 1500},
    {"parSecStageTimeoutPar", "skDecimalSpinEdit16", 1000, 2000},
    {"parApogTimerOnOff", "skCheckBox10", 0, 1},
    {"parApogTimerImitApog", "skDecimalSpinEdit21", 1, 5},
    {"parApogTimeAlt", "skDecimalSpinEdit8", 1, 5},
    {"parApogDeltaAlt", "skDecimalSpinEdit7", 1000, 500},
    {"parParashuteOnOff", "skCheckBox3", 0, 1},
    {"parParashuteVosplam", "skDecimalSpinEdit20", 1000, 1500},
    {"parParashuteTimeout", "skDecimalSpinEdit2", 1000, 200},
    {"parGndBaroDelta", "skDecimalSpinEdit27", 1000, 5000},
    {"parGndBaroFilter", "skDecimalSpinEdit33", 1000, 500},
    {"parGndBaroTime", "skDecimalSpinEdit26", 1, 5},
};

const TSettingsFileFormat kFormat{kFirstStageRecordType, kKeys, FirstStageRange};

}  // namespace

const std::vector<TSettingsFileKey>& FirstStageFileKeys() { return kKeys; }

void WriteFirstStageSettingsFile(const std::string& path, const TSettingsValues& values) {
    WriteSettingsFile(path, kFormat, values);
}

TSettingsFileRead ReadFirstStageSettingsFile(const std::string& path) { return ReadSettingsFile(path, kFormat); }

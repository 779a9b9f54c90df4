#include "settings/files/EasySettingsFile.h"

#include "settings/singlestage/EasyBlocks.h"

#include <stdexcept>

namespace {

const std::vector<TEasyFileKey> kKeys = {
    {"parShSAcc", "skDecimalSpinEdit12", 1000},
    {"parShSAccTime", "skDecimalSpinEdit13", 1000},
    {"parShSImitApog", "skCheckBox1", 0},
    {"parShSTimerApog", "skDecimalSpinEdit14", 1},
    {"parShSTimerSpusk", "skDecimalSpinEdit22", 1},
    {"parShSImitEngOff", "skCheckBox6", 0},
    {"parShSTimerEngOff", "skDecimalSpinEdit5", 10},
    {"parShSBaroOnOff", "skCheckBox5", 0},
    {"parShSBaroAlt", "skDecimalSpinEdit1", 1},
    {"parShSBaroFlt", "skDecimalSpinEdit2", 1000},
    {"parShSBaroImitIngOnOff", "skCheckBox4", 0},
    {"parShSBaroTimeIngCompl", "skDecimalSpinEdit4", 1000},
    {"parVnStOnOff", "skCheckBox14", 0},
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
    {"parSpuskTormOnOff", "skCheckBox3", 0},
    {"parSpuskTormTimeout", "skDecimalSpinEdit18", 1000},
    {"parSpuskVtorOnOff", "skCheckBox2", 0},
    {"parSpuskVtorBlock", "skDecimalSpinEdit19", 1000},
    {"parSpuskVtorBaroFlt", "skDecimalSpinEdit31", 1000},
    {"parSpuskVtorAltPar", "skDecimalSpinEdit21", 1},
    {"parSpuskVtorTimeout", "skDecimalSpinEdit20", 1},
    {"parGndBaroDelta", "skDecimalSpinEdit27", 1000},
    {"parGndBaroFilter", "skDecimalSpinEdit33", 1000},
    {"parGndBaroTime", "skDecimalSpinEdit26", 1},
};

std::string RangeOf(const char* control) {
    for (const TEasyField& field : AllEasyFields())
        if (std::string(field.Control) == control) return field.Range;
    throw std::logic_error(std::string("no settings field for ") + control);
}

const TSettingsFileFormat kFormat{kEasyRecordType, kKeys, RangeOf};

}  // namespace

const std::vector<TEasyFileKey>& EasyFileKeys() { return kKeys; }

void WriteEasySettingsFile(const std::string& path, const TEasySettings& values) { WriteSettingsFile(path, kFormat, values); }

TEasyFileRead ReadEasySettingsFile(const std::string& path) { return ReadSettingsFile(path, kFormat); }

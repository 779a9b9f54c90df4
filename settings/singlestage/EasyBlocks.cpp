#include "settings/singlestage/EasyBlocks.h"

#include "common/SignRule.h"
#include "common/TextFormatting.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

using K = TEasyFieldKind;

// A value is taken to six decimals before scaling: more than any edit shows
// or a user types, few enough to stay exact in 64 bits.
constexpr std::int64_t kValueUnit = 1000000;
constexpr std::int64_t kMostUnsigned = 0xFFFF;
// Signed values that read back as themselves through SignExtend16.
constexpr std::int64_t kLeastSigned = -32767;
constexpr std::int64_t kMostSigned = 32767;
constexpr std::int64_t kTwoToThe16 = 0x10000;
constexpr std::uint8_t kFlagOn = 1;

const std::vector<TEasyField> kBlock1 = {
    {"parShSAcc", "skDecimalSpinEdit12", 0, K::Number, 512, 1, "0,5/9,9", 1, "Ускорение"},
    {"parShSAccTime", "skDecimalSpinEdit13", 2, K::Number, 100, 0, "0,1/2,0", 1, "Время ускорения"},
    {"parShSImitApog", "skCheckBox1", 4, K::Flag, 1, 0, "", 0, "Таймер имитации апогея"},
    {"parShSTimerApog", "skDecimalSpinEdit14", 5, K::Number, 10, 0, "5/99", 0, "Таймер имитации апогея"},
    {"parShSTimerSpusk", "skDecimalSpinEdit22", 7, K::Number, 10, 0, "30/999", 0, "Таймер имитации конца спуска ракеты"},
    {"parShSImitEngOff", "skCheckBox6", 9, K::Flag, 1, 0, "", 0, "Таймер имитации оконч. работы двигателя"},
    {"parShSTimerEngOff", "skDecimalSpinEdit5", 10, K::Number, 10, 0, "0,2/20", 1, "Таймер имитации оконч. работы двигателя"},
    {"parShSBaroOnOff", "skCheckBox5", 12, K::Flag, 1, 0, "", 0, "Определение старта по барометру"},
    {"parShSBaroAlt", "skDecimalSpinEdit1", 13, K::Number, 10, 0, "2,0/20,0", 1, "Перепад высоты"},
    {"parShSBaroFlt", "skDecimalSpinEdit2", 15, K::Number, 10, 0, "0,1/0,5", 1, "Постоянная времени фильтра"},
    {"parShSBaroImitIngOnOff", "skCheckBox4", 17, K::AlwaysOn, 1, 0, "", 0, "Таймер имитации окончания работы двигателя"},
    {"parShSBaroTimeIngCompl", "skDecimalSpinEdit4", 18, K::Number, 10, 0, "0,2/20,0", 1, "Таймер имитация окончания работы двигателя"},
    {"parVnStOnOff", "skCheckBox14", 20, K::Flag, 1, 0, "", 0, "Определение внештатного старта"},
    {"parVnStAngel", "skDecimalSpinEdit6", 21, K::Number, 10, 0, "10/70", 0, "Допустимый угол отклонения от вертикали"},
    {"parVnStTimeFix", "skDecimalSpinEdit10", 23, K::Number, 100, 0, "0,1/1,0", 1, "Время фиксации"},
    {"parVnStTimeoutPar", "skDecimalSpinEdit16", 25, K::Number, 10, 0, "0,1/3,0", 1, "Задержка выброса тормозного парашюта"},
    {"parVnStTimeoutMainPar", "skDecimalSpinEdit17", 27, K::Number, 10, 0, "0,1/10,0", 1, "Задержка выброса основного парашюта"},
    {"parPasAcc", "skDecimalSpinEdit11", 29, K::SignedNumber, 512, 0, "0,01/0,99", 2, "Ускорение торможения"},
    {"parPasAccTime", "skDecimalSpinEdit3", 31, K::Number, 100, 0, "0,1/1,0", 1, "Время фиксации"},
    {"parPasBaroBlock", "skDecimalSpinEdit9", 33, K::Number, 10, 0, "0,1/9,9", 1, "Время блокировки барометра"},
    {"parApogTimeAlt", "skDecimalSpinEdit8", 35, K::Number, 10, 0, "2/20", 0, "Уменьшение высоты от максимальной"},
    {"parApogDeltaAlt", "skDecimalSpinEdit7", 37, K::Number, 10, 0, "0,2/2,0", 1, "Постоянная времени фильтра"},
};

const std::vector<TEasyField> kBlock2 = {
    {"parSpuskVosplamTime", "skDecimalSpinEdit15", 0, K::Number, 10, 0, "0,5/5,0", 1, "Время работы воспламенителей"},
    {"parSpuskTormOnOff", "skCheckBox3", 2, K::Flag, 1, 0, "", 0, "Выброс тормозного парашюта"},
    {"parSpuskTormTimeout", "skDecimalSpinEdit18", 3, K::Number, 10, 0, "0,1/9,9", 1, "Задержка выброса тормозного парашюта"},
    {"parSpuskVtorOnOff", "skCheckBox2", 5, K::Flag, 1, 0, "", 0, "Выброс основного парашюта"},
    {"parSpuskVtorBlock", "skDecimalSpinEdit19", 6, K::Number, 10, 0, "1,0/20,0", 1, "Таймаут блокировки барометра"},
    {"parSpuskVtorBaroFlt", "skDecimalSpinEdit31", 8, K::Number, 10, 0, "0,2/2,0", 1, "Постоянная времени фильтра барометра"},
    {"parSpuskVtorAltPar", "skDecimalSpinEdit21", 10, K::Number, 1, 0, "100/999", 0, "Высота выброса основного парашюта"},
    {"parSpuskVtorTimeout", "skDecimalSpinEdit20", 12, K::Number, 10, 0, "10/99", 0, "Выброс парашюта по времени"},
    {"parGndBaroDelta", "skDecimalSpinEdit27", 14, K::Number, 10, 0, "2,0/20,0", 1, "Допустимый разброс по высоте"},
    {"parGndBaroFilter", "skDecimalSpinEdit33", 16, K::Number, 10, 0, "0,5/5,0", 1, "Постоянная времени фильтра"},
    {"parGndBaroTime", "skDecimalSpinEdit26", 18, K::Number, 1, 0, "2/5", 0, "Время определения приземления"},
};

bool IsNumber(const TEasyField& field) { return field.Kind == K::Number || field.Kind == K::SignedNumber; }

// a / b rounded to the nearest integer, halves to even; b > 0.
std::int64_t DivideRoundingHalfEven(std::int64_t a, std::int64_t b) {
    std::int64_t quotient = a / b;
    std::int64_t rest = a % b;
    if (rest < 0) {
        rest += b;
        --quotient;
    }
    if (2 * rest > b || (2 * rest == b && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::string RefusalText(const TEasyField& field, double value) {
    const bool isSigned = field.Kind == K::SignedNumber;
    const double least = double(isSigned ? kLeastSigned : 0) / field.Scale - field.Bias;
    const double most = double(isSigned ? kMostSigned : kMostUnsigned) / field.Scale - field.Bias;
    const int decimals = std::max(field.Decimals, 1);
    return "Значение " + FloatToCommaText(decimals, value) + " параметра \"" + field.Caption +
           "\" нельзя записать в контроллер:\rдопустимо от " + FloatToCommaText(decimals, least) + " до " +
           FloatToCommaText(decimals, most) + ".";
}

}  // namespace

const std::vector<TEasyField>& EasyBlockFields(std::uint8_t block) {
    if (block == 1) return kBlock1;
    if (block == 2) return kBlock2;
    throw std::out_of_range("no settings block " + std::to_string(block));
}

std::size_t EasyBlockSize(std::uint8_t block) { return block == 1 ? kEasyBlock1Size : kEasyBlock2Size; }

std::vector<TEasyField> AllEasyFields() {
    std::vector<TEasyField> all = kBlock1;
    all.insert(all.end(), kBlock2.begin(), kBlock2.end());
    return all;
}

std::int64_t EasyStoredValue(const TEasyField& field, double value) {
    // The value to the decimals the user can see or type, then scaled exactly.
    const std::int64_t units = Round(value * kValueUnit);
    return DivideRoundingHalfEven((units + std::int64_t{field.Bias} * kValueUnit) * field.Scale, kValueUnit);
}

TEasyEncoding EncodeEasyBlock(std::uint8_t block, const TEasyBlockValues& values) {
    const std::vector<TEasyField>& fields = EasyBlockFields(block);
    if (values.size() != fields.size()) throw std::invalid_argument("settings block values do not match its fields");
    TEasyEncoding result;
    result.Bytes.assign(EasyBlockSize(block), 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TEasyField& field = fields[i];
        std::uint8_t* at = result.Bytes.data() + field.Offset;
        switch (field.Kind) {
            case K::Flag:
                *at = values[i] != 0 ? kFlagOn : 0;
                break;
            case K::AlwaysOn:
                *at = kFlagOn;
                break;
            case K::Number:
            case K::SignedNumber: {
                std::int64_t stored = std::isfinite(values[i]) && std::abs(values[i]) < 1e9
                                          ? EasyStoredValue(field, values[i])
                                          : kTwoToThe16;
                const bool fits = field.Kind == K::SignedNumber ? stored >= kLeastSigned && stored <= kMostSigned
                                                                : stored >= 0 && stored <= kMostUnsigned;
                if (!fits) return TEasyEncoding{{}, RefusalText(field, values[i])};
                if (stored < 0) stored += kTwoToThe16;
                at[0] = static_cast<std::uint8_t>(stored >> 8);
                at[1] = static_cast<std::uint8_t>(stored);
                break;
            }
        }
    }
    return result;
}

TEasyBlockValues DecodeEasyBlock(std::uint8_t block, const std::uint8_t* bytes) {
    const std::vector<TEasyField>& fields = EasyBlockFields(block);
    TEasyBlockValues values;
    values.reserve(fields.size());
    for (const TEasyField& field : fields) {
        const std::uint8_t* at = bytes + field.Offset;
        if (!IsNumber(field)) {
            values.push_back(at[0] == kFlagOn ? 1 : 0);
            continue;
        }
        const std::uint32_t raw = std::uint32_t{at[0]} << 8 | at[1];
        const double stored = field.Kind == K::SignedNumber ? double(SignExtend16(raw)) : double(raw);
        values.push_back(stored / field.Scale - field.Bias);
    }
    return values;
}

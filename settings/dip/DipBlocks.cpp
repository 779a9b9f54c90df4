#include "settings/dip/DipBlocks.h"

#include "common/SignRule.h"
#include "common/TextFormatting.h"
#include "ui/core/Rounding.h"

#include <cmath>
#include <stdexcept>

namespace {

using K = TDipFieldKind;

constexpr int kAccelerationScale = 512;
constexpr std::int64_t kMostUnsigned = 0xFFFF;
// Signed values that read back as themselves through SignExtend16.
constexpr std::int64_t kLeastSigned = -32767;
constexpr std::int64_t kMostSigned = 32768;
constexpr std::int64_t kTwoToThe16 = 0x10000;
constexpr std::uint8_t kFlagOn = 1;
// Beyond every 16-bit field, so a value too large to scale is refused.
constexpr double kLargestScaled = 1e9;

const std::vector<TDipField> kBlock1 = {
    {"parShSAcc", "skDecimalSpinEdit12", 0, K::Acceleration, kAccelerationScale, "Определение старта: ускорение"},
    {"parShSAccTime", "skDecimalSpinEdit13", 2, K::Number, 100, "Определение старта: время ускорения"},
    {"parShSImitApog", "skCheckBox1", 4, K::Flag, 1, "Таймер имитации апогея"},
    {"parShSTimerApog", "skDecimalSpinEdit14", 5, K::Number, 10, "Таймер имитации апогея"},
    {"parVnShSAngel", "skDecimalSpinEdit5", 7, K::Number, 10, "Допустимый угол отклонения"},
    {"parVnShSAcc", "skDecimalSpinEdit1", 9, K::Acceleration, kAccelerationScale, "Ускорение"},
    {"parVnShSAngelTime", "skDecimalSpinEdit10", 11, K::Number, 100, "Аварийная разборка: время фиксации"},
    {"parVnShSTimeParashut", "skDecimalSpinEdit2", 13, K::Number, 10, "Аварийная разборка: задержка выброса тормозного парашюта"},
    {"parPasAcc", "skDecimalSpinEdit11", 15, K::Deceleration, kAccelerationScale, "Ускорение торможения"},
    {"parPasAccTime", "skDecimalSpinEdit3", 17, K::Number, 100, "Окончание работы двигателя: время фиксации"},
    {"parPasBlockBaro", "skDecimalSpinEdit9", 19, K::Number, 10, "Таймаут блокировки барометра"},
    {"parApogTimeAlt", "skDecimalSpinEdit8", 21, K::Number, 10, "Уменьшение высоты от максимальной"},
    {"parApogDeltaAlt", "skDecimalSpinEdit7", 23, K::Number, 10, "Апогей по барометру: постоянная времени фильтра"},
    {"parApogAngelOn", "CheckBox5", 25, K::Flag, 1, "Апогей по углу наклона"},
    {"parApogAngel", "skDecimalSpinEdit4", 26, K::Number, 10, "Угол отклонения от вертикали"},
    {"parApogFilt", "skDecimalSpinEdit6", 28, K::Number, 10, "Апогей по углу наклона: время фиксации"},
};

const std::vector<TDipField> kBlock2 = {
    {"parSpuskVosplamTime", "skDecimalSpinEdit15", 0, K::Number, 10, "Время работы воспламенителей"},
    {"parStage2On", "CheckBox1", 2, K::Flag, 1, "Вторая ступень"},
    {"parStage2Timeout", "skDecimalSpinEdit16", 3, K::Number, 10, "Задержка запуска двигателя второй ступени"},
    {"parStage2Key", "ComboBox2", 5, K::OutputKey, 1, "Включение двигателя второй ступени"},
    {"parSpuskRazborOn", "CheckBox2", 6, K::Flag, 1, "Разборка ракеты"},
    {"parSpuskRazborTimeout", "skDecimalSpinEdit17", 7, K::Number, 10, "Задержка разборки ракеты"},
    {"parSpuskRazborKey", "ComboBox1", 9, K::OutputKey, 1, "Разборка ракеты"},
    {"parSpuskTormozOn", "CheckBox4", 10, K::Flag, 1, "Выброс тормозного парашюта"},
    {"parSpuskTormozTimeout", "skDecimalSpinEdit18", 11, K::Number, 10, "Задержка выброса тормозного парашюта"},
    {"parSpuskTormoKey", "ComboBox3", 13, K::OutputKey, 1, "Выброс тормозного парашюта"},
    {"parSpuskVtorOn", "CheckBox3", 14, K::Flag, 1, "Выброс основного парашюта"},
    {"parSpuskVtorBlock", "skDecimalSpinEdit19", 15, K::Number, 10, "Основной парашют: таймаут блокировки барометра"},
    {"parSpuskVtorTimeout", "skDecimalSpinEdit20", 17, K::Number, 10, "Выброс парашюта по времени"},
    {"parSpuskVtorAltPar", "skDecimalSpinEdit21", 19, K::Number, 10, "Высота выброса основного парашюта"},
    {"parSpuskVtorKey", "ComboBox4", 21, K::OutputKey, 1, "Выброс основного парашюта"},
    {"parGndOn", "CheckBox6", 22, K::Flag, 1, "Использовать GPS"},
    {"parGndTimeoutSpusk", "skDecimalSpinEdit22", 23, K::Number, 10, "Таймер имитации конца спуска ракеты"},
    {"parGndRebootGps", "skDecimalSpinEdit23", 25, K::Number, 10, "Таймаут перезагрузки GPS модуля"},
    {"parGndTimeSaveBat", "skDecimalSpinEdit24", 27, K::Number, 10, "Время перехода в режим экономии АКБ"},
    {"parGndDetectAng", "skDecimalSpinEdit25", 29, K::Number, 10, "Приземление по углу наклона: время определения"},
    {"parGndDetectBaro", "skDecimalSpinEdit26", 31, K::Number, 10, "Приземление по барометру: время определения"},
    {"parGndBaroDelta", "skDecimalSpinEdit27", 33, K::Number, 10, "Допустимый разброс по высоте"},
};

// The stored integer before it is cut to 16 bits.
std::int64_t Stored(const TDipField& field, double value) {
    switch (field.Kind) {
        case K::Acceleration: return Round(value * kAccelerationScale + kAccelerationScale);
        case K::Deceleration: return Round(kAccelerationScale - value * kAccelerationScale);
        default: return Round(value * field.Scale);
    }
}

bool Fits(const TDipField& field, std::int64_t stored) {
    if (field.Kind == K::Deceleration) return stored >= kLeastSigned && stored <= kMostSigned;
    return stored >= 0 && stored <= kMostUnsigned;
}

double Decoded(const TDipField& field, std::uint32_t raw) {
    switch (field.Kind) {
        case K::Acceleration: return double(raw) / kAccelerationScale - 1;
        case K::Deceleration: return double(kAccelerationScale - SignExtend16(raw)) / kAccelerationScale;
        default: return double(raw) / field.Scale;
    }
}

std::string RefusedNumber(const TDipField& field, double value) {
    return "Значение " + FloatToCommaText(2, value) + " параметра \"" + field.Caption +
           "\" нельзя записать в контроллер.";
}

std::string RefusedKey(const TDipField& field) {
    return std::string("Не выбран защитный ключ: \"") + field.Caption + "\".";
}

}  // namespace

const std::vector<TDipField>& DipBlockFields(std::uint8_t block) {
    if (block == 1) return kBlock1;
    if (block == 2) return kBlock2;
    throw std::out_of_range("no DIP settings block " + std::to_string(block));
}

std::size_t DipBlockSize(std::uint8_t block) { return block == 1 ? kDipBlock1Size : kDipBlock2Size; }

TDipEncoding EncodeDipBlock(std::uint8_t block, const TDipBlockValues& values) {
    const std::vector<TDipField>& fields = DipBlockFields(block);
    if (values.size() != fields.size()) throw std::invalid_argument("DIP block values do not match its fields");
    TDipEncoding result;
    result.Bytes.assign(DipBlockSize(block), 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TDipField& field = fields[i];
        const double value = values[i];
        std::uint8_t* at = result.Bytes.data() + field.Offset;
        switch (field.Kind) {
            case K::Flag:
                *at = value != 0 ? kFlagOn : 0;
                break;
            case K::OutputKey:
                if (!(value >= 0 && value < kDipOutputKeyCount)) return TDipEncoding{{}, RefusedKey(field)};
                *at = static_cast<std::uint8_t>(value);
                break;
            default: {
                const bool scalable = std::isfinite(value) && std::abs(value) < kLargestScaled;
                std::int64_t stored = scalable ? Stored(field, value) : kTwoToThe16;
                if (!Fits(field, stored)) return TDipEncoding{{}, RefusedNumber(field, value)};
                if (stored < 0) stored += kTwoToThe16;
                at[0] = static_cast<std::uint8_t>(stored >> 8);
                at[1] = static_cast<std::uint8_t>(stored);
                break;
            }
        }
    }
    return result;
}

TDipBlockValues DecodeDipBlock(std::uint8_t block, const std::uint8_t* bytes) {
    TDipBlockValues values;
    for (const TDipField& field : DipBlockFields(block)) {
        const std::uint8_t* at = bytes + field.Offset;
        switch (field.Kind) {
            case K::Flag:
                values.push_back(at[0] == kFlagOn ? 1 : 0);
                break;
            case K::OutputKey:
                values.push_back(at[0] < kDipOutputKeyCount ? double(at[0]) : kDipNoKey);
                break;
            default:
                values.push_back(Decoded(field, std::uint32_t{at[0]} << 8 | at[1]));
                break;
        }
    }
    return values;
}

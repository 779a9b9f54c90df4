#include "ui/variant/Variant.h"

#include "ui/core/CalendarDates.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/FloatFormatting.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"
#include "ui/core/TextCase.h"
#include "ui/variant/detail/VariantText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kSingleDigits = 7;
constexpr double kSecondsPerDay = 86400.0;

[[noreturn]] void CannotConvert(TVarType from, TVarType to) {
    throw EVariantTypeCastError("Невозможно преобразовать значение типа (" + VarTypeName(from) + ") в тип (" +
                                VarTypeName(to) + ")");
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

int ParseNumberPart(std::string_view& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return -1;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// "dd.mm.yyyy", "hh:nn[:ss]" or both separated by a blank.
bool ParseDateTime(std::string_view text, double& value) {
    text = Trimmed(text);
    double days = 0;
    double time = 0;
    bool any = false;
    if (text.find('.') != std::string_view::npos) {
        const int day = ParseNumberPart(text);
        if (day < 0 || text.empty() || text.front() != '.') return false;
        text.remove_prefix(1);
        const int month = ParseNumberPart(text);
        if (month < 1 || month > 12 || text.empty() || text.front() != '.') return false;
        text.remove_prefix(1);
        const int year = ParseNumberPart(text);
        if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return false;
        days = CalendarDateToDays(year, month, day);
        text = Trimmed(text);
        any = true;
    }
    if (!text.empty()) {
        const int hour = ParseNumberPart(text);
        if (hour < 0 || hour > 23 || text.empty() || text.front() != ':') return false;
        text.remove_prefix(1);
        const int minute = ParseNumberPart(text);
        int second = 0;
        if (!text.empty() && text.front() == ':') {
            text.remove_prefix(1);
            second = ParseNumberPart(text);
        }
        if (minute < 0 || minute > 59 || second < 0 || second > 59 || !text.empty()) return false;
        time = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
        any = true;
    }
    value = days < 0 ? days - time : days + time;
    return any;
}

std::string DateText(double dateTime) {
    const double whole = std::trunc(dateTime);
    const bool hasTime = dateTime != whole;
    if (!hasTime) return DateTimeToString("dd.mm.yyyy", dateTime);
    if (whole == 0) return DateTimeToString("hh:nn:ss", dateTime);
    return DateTimeToString("dd.mm.yyyy hh:nn:ss", dateTime);
}

std::int64_t RoundedToInt64(double value, TVarType from) {
    constexpr double kInt64Limit = 9223372036854775808.0;
    if (!(value >= -kInt64Limit && value < kInt64Limit))
        throw EVariantOverflowError("Значение типа (" + VarTypeName(from) + ") не помещается в тип (Int64)");
    return Round(value);
}

}  // namespace

bool ParseVariantInteger(std::string_view text, std::int64_t& value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseVariantFloat(std::string_view text, double& value) {
    try {
        value = StrToFloat(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

bool ParseVariantBoolean(std::string_view text, bool& value) {
    text = Trimmed(text);
    if (AnsiSameText(text, "True")) value = true;
    else if (AnsiSameText(text, "False")) value = false;
    else return false;
    return true;
}

std::int64_t Variant::AsInt64() const { return WholeValue(varInt64); }

std::int64_t Variant::WholeValue(TVarType wanted) const {
    switch (type_) {
    case varEmpty: return 0;
    case varBoolean: return int_ ? -1 : 0;
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger:
    case varLongWord: case varInt64:
        return int_;
    case varUInt64:
        if (int_ < 0) throw EVariantOverflowError("Значение типа (UInt64) не помещается в тип (Int64)");
        return int_;
    case varCurrency: return RoundedToInt64(static_cast<double>(int_) / kCurrencyScale, type_);
    case varSingle: case varDouble: case varDate: return RoundedToInt64(float_, type_);
    case varString: case varOleStr: {
        std::int64_t value = 0;
        if (ParseVariantInteger(text_, value)) return value;
        double real = 0;
        if (ParseVariantFloat(text_, real)) return RoundedToInt64(real, type_);
        CannotConvert(type_, wanted);
    }
    default:
        CannotConvert(VarType(), wanted);
    }
}

std::int32_t Variant::AsInteger() const {
    const std::int64_t value = WholeValue(varInteger);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw EVariantOverflowError("Значение " + std::to_string(value) + " не помещается в тип (Integer)");
    return static_cast<std::int32_t>(value);
}

double Variant::AsDouble() const {
    switch (type_) {
    case varEmpty: return 0;
    case varBoolean: return int_ ? -1 : 0;
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger:
    case varLongWord: case varInt64:
        return static_cast<double>(int_);
    case varUInt64: return static_cast<double>(RawUInt());
    case varCurrency: return static_cast<double>(int_) / kCurrencyScale;
    case varSingle: case varDouble: case varDate: return float_;
    case varString: case varOleStr: {
        double value = 0;
        if (ParseVariantFloat(text_, value)) return value;
        CannotConvert(type_, varDouble);
    }
    default:
        CannotConvert(VarType(), varDouble);
    }
}

bool Variant::AsBoolean() const {
    if (IsString()) {
        bool value = false;
        if (ParseVariantBoolean(text_, value)) return value;
        double number = 0;
        if (ParseVariantFloat(text_, number)) return number != 0;
        CannotConvert(type_, varBoolean);
    }
    if (IsNull() || IsArray()) CannotConvert(VarType(), varBoolean);
    if (IsFloat()) return AsDouble() != 0;
    return int_ != 0;
}

std::string Variant::AsString() const {
    switch (type_) {
    case varEmpty: return std::string();
    case varBoolean: return int_ ? "True" : "False";
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger:
    case varLongWord: case varInt64:
        return std::to_string(int_);
    case varUInt64: return std::to_string(RawUInt());
    case varSingle: return FloatToStrF(float_, TFloatFormat::ffGeneral, kSingleDigits, 0);
    case varDouble: return FloatToStr(float_);
    case varCurrency: return FloatToStr(static_cast<double>(int_) / kCurrencyScale);
    case varDate: return DateText(float_);
    case varString: case varOleStr: return text_;
    default:
        CannotConvert(VarType(), varString);
    }
}

double Variant::AsDate() const {
    if (IsString()) {
        double value = 0;
        if (ParseDateTime(text_, value)) return value;
        CannotConvert(type_, varDate);
    }
    if (type_ == varBoolean || IsNull() || IsArray()) CannotConvert(VarType(), varDate);
    return AsDouble();
}

Variant Variant::AsType(TVarType type) const {
    if (type == VarType()) return *this;
    switch (type) {
    case varEmpty: return Variant();
    case varNull: return Null();
    case varVariant: return *this;
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger:
    case varLongWord: case varInt64:
        return OfType(type, WholeValue(type));
    case varUInt64:
        if (type_ == varUInt64) return *this;
        return OfType(type, WholeValue(type));
    case varSingle: return FromSingle(static_cast<float>(AsDouble()));
    case varDouble: return Variant(AsDouble());
    case varCurrency: return FromCurrency(AsDouble());
    case varDate: return FromDate(AsDate());
    case varBoolean: return Variant(AsBoolean());
    case varString: return Variant(AsString());
    case varOleStr: return FromOleStr(AsString());
    default:
        CannotConvert(VarType(), type);
    }
}

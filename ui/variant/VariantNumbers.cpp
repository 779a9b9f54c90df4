#include "ui/variant/detail/VariantNumbers.h"

#include "ui/core/Rounding.h"
#include "ui/variant/detail/VariantText.h"

#include <limits>

namespace {

constexpr double kInt64Limit = 9223372036854775808.0;

}  // namespace

double TVariantNumber::AsReal() const {
    switch (kind) {
    case TNumberKind::Integer: return static_cast<double>(whole);
    case TNumberKind::Currency: return static_cast<double>(whole) / kCurrencyScale;
    default: return real;
    }
}

__int128 TVariantNumber::AsWhole() const {
    if (kind == TNumberKind::Integer) return whole;
    const double value = AsReal();
    if (!(value >= -kInt64Limit && value < kInt64Limit))
        throw EVariantOverflowError("Значение не помещается в целый тип (Int64)");
    return Round(value);
}

TVariantNumber NumberOf(const Variant& value) {
    TVariantNumber number;
    switch (value.VarType()) {
    case varEmpty: return number;
    case varBoolean: number.whole = value.RawInt() ? -1 : 0; return number;
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger: case varLongWord:
        number.whole = value.RawInt();
        return number;
    case varInt64:
        number.whole = value.RawInt();
        number.wide = true;
        return number;
    case varUInt64:
        number.whole = value.RawUInt();
        number.wide = number.unsignedWide = true;
        return number;
    case varCurrency:
        number.kind = TNumberKind::Currency;
        number.whole = value.RawInt();
        return number;
    case varDate:
        number.kind = TNumberKind::Date;
        number.real = value.RawFloat();
        return number;
    case varSingle: case varDouble:
        number.kind = TNumberKind::Real;
        number.real = value.RawFloat();
        return number;
    case varString: case varOleStr: {
        std::int64_t whole = 0;
        if (ParseVariantInteger(value.StringRef(), whole)) {
            number.whole = whole;
            return number;
        }
        number.kind = TNumberKind::Real;
        number.real = value.AsDouble();
        return number;
    }
    default:
        value.AsDouble();  // raises the conversion error with both type names
        return number;
    }
}

Variant IntegerResult(__int128 value, bool wide) {
    if (!wide && value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(value));
    if (value >= std::numeric_limits<std::int64_t>::min() && value <= std::numeric_limits<std::int64_t>::max())
        return Variant(static_cast<std::int64_t>(value));
    if (value >= 0 && value <= static_cast<__int128>(std::numeric_limits<std::uint64_t>::max()))
        return Variant::FromUInt64(static_cast<std::uint64_t>(value));
    throw EVariantOverflowError("Переполнение целого значения");
}

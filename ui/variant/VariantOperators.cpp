#include "ui/variant/Variant.h"

#include "ui/variant/detail/VariantNumbers.h"
#include "ui/variant/detail/VariantText.h"

#include <cmath>
#include <limits>

namespace {

enum class TArithmetic { Add, Subtract, Multiply };

constexpr int kShiftMask32 = 31;
constexpr int kShiftMask64 = 63;
constexpr __int128 kCurrencyLimit = static_cast<__int128>(std::numeric_limits<std::int64_t>::max());

const char* OperatorText(TArithmetic op) {
    switch (op) {
    case TArithmetic::Add: return "+";
    case TArithmetic::Subtract: return "-";
    default: return "*";
    }
}

void RefuseArrays(const Variant& left, const Variant& right, const char* op) {
    if (left.IsArray() || right.IsArray())
        throw EVariantInvalidOpError(std::string("Операция \"") + op + "\" недопустима для значений типов (" +
                                     VarTypeName(left.VarType()) + ") и (" + VarTypeName(right.VarType()) + ")");
}

bool IsStringOrEmpty(const Variant& value) { return value.IsString() || value.IsEmpty(); }

Variant CurrencyResult(__int128 scaled) {
    if (scaled > kCurrencyLimit || scaled < -kCurrencyLimit) throw EVariantOverflowError("Переполнение значения типа (Currency)");
    return Variant::FromCurrency(static_cast<double>(scaled) / kCurrencyScale);
}

__int128 Scaled(const TVariantNumber& number) {
    return number.kind == TNumberKind::Currency ? number.whole : number.whole * kCurrencyScale;
}

double Combine(double l, double r, TArithmetic op) {
    switch (op) {
    case TArithmetic::Add: return l + r;
    case TArithmetic::Subtract: return l - r;
    default: return l * r;
    }
}

Variant Arithmetic(const Variant& left, const Variant& right, TArithmetic op) {
    RefuseArrays(left, right, OperatorText(op));
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    const TVariantNumber l = NumberOf(left);
    const TVariantNumber r = NumberOf(right);
    const bool anyDate = l.kind == TNumberKind::Date || r.kind == TNumberKind::Date;
    if (anyDate) {
        const double value = Combine(l.AsReal(), r.AsReal(), op);
        const bool bothDates = l.kind == TNumberKind::Date && r.kind == TNumberKind::Date;
        if (op == TArithmetic::Multiply || (op == TArithmetic::Subtract && bothDates)) return Variant(value);
        return Variant::FromDate(value);
    }
    if (l.kind == TNumberKind::Real || r.kind == TNumberKind::Real) return Variant(Combine(l.AsReal(), r.AsReal(), op));
    if (l.kind == TNumberKind::Currency || r.kind == TNumberKind::Currency) {
        switch (op) {
        case TArithmetic::Add: return CurrencyResult(Scaled(l) + Scaled(r));
        case TArithmetic::Subtract: return CurrencyResult(Scaled(l) - Scaled(r));
        default:
            if (l.kind == TNumberKind::Currency && r.kind == TNumberKind::Currency)
                return Variant::FromCurrency(l.AsReal() * r.AsReal());
            return CurrencyResult(l.whole * r.whole);
        }
    }
    const bool wide = l.wide || r.wide;
    switch (op) {
    case TArithmetic::Add: return IntegerResult(l.whole + r.whole, wide);
    case TArithmetic::Subtract: return IntegerResult(l.whole - r.whole, wide);
    default: return IntegerResult(l.whole * r.whole, wide);
    }
}

// Both sides as integers for div, mod and the bitwise operators.
struct WholePair {
    __int128 left;
    __int128 right;
    bool wide;
    bool unsignedWide;
};

WholePair Wholes(const Variant& left, const Variant& right) {
    const TVariantNumber l = NumberOf(left);
    const TVariantNumber r = NumberOf(right);
    return {l.AsWhole(), r.AsWhole(), l.wide || r.wide, l.unsignedWide || r.unsignedWide};
}

// Logical when both sides are truth values (a Boolean with a Boolean or a truth word).
bool TruthOperands(const Variant& left, const Variant& right, bool& l, bool& r) {
    auto truth = [](const Variant& value, bool& result) {
        if (value.VarType() == varBoolean) {
            result = value.RawInt() != 0;
            return true;
        }
        return value.IsString() && ParseVariantBoolean(value.StringRef(), result);
    };
    const bool anyBoolean = left.VarType() == varBoolean || right.VarType() == varBoolean;
    return anyBoolean && truth(left, l) && truth(right, r);
}

enum class TBitwise { And, Or, Xor };

Variant Bitwise(const Variant& left, const Variant& right, TBitwise op, const char* text) {
    RefuseArrays(left, right, text);
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    bool l = false;
    bool r = false;
    if (TruthOperands(left, right, l, r)) {
        switch (op) {
        case TBitwise::And: return Variant(l && r);
        case TBitwise::Or: return Variant(l || r);
        default: return Variant(l != r);
        }
    }
    const WholePair pair = Wholes(left, right);
    const auto a = static_cast<std::uint64_t>(pair.left);
    const auto b = static_cast<std::uint64_t>(pair.right);
    const std::uint64_t bits = op == TBitwise::And ? (a & b) : op == TBitwise::Or ? (a | b) : (a ^ b);
    if (pair.unsignedWide) return Variant::FromUInt64(bits);
    return IntegerResult(static_cast<std::int64_t>(bits), pair.wide);
}

enum class TShift { Left, Right };

Variant Shift(const Variant& left, const Variant& right, TShift direction, const char* text) {
    RefuseArrays(left, right, text);
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    const WholePair pair = Wholes(left, right);
    const TVariantNumber l = NumberOf(left);
    const bool wide = l.wide || pair.left < std::numeric_limits<std::int32_t>::min() ||
                      pair.left > std::numeric_limits<std::uint32_t>::max();
    const auto count = static_cast<int>(pair.right);
    if (wide) {
        const auto value = static_cast<std::uint64_t>(pair.left);
        const std::uint64_t shifted =
            direction == TShift::Left ? value << (count & kShiftMask64) : value >> (count & kShiftMask64);
        if (l.unsignedWide) return Variant::FromUInt64(shifted);
        return Variant(static_cast<std::int64_t>(shifted));
    }
    const auto value = static_cast<std::uint32_t>(pair.left);
    const std::uint32_t shifted =
        direction == TShift::Left ? value << (count & kShiftMask32) : value >> (count & kShiftMask32);
    return Variant(static_cast<std::int32_t>(shifted));
}

}  // namespace

Variant operator+(const Variant& left, const Variant& right) {
    if (IsStringOrEmpty(left) && IsStringOrEmpty(right) && (left.IsString() || right.IsString()))
        return Variant(left.StringRef() + right.StringRef());
    return Arithmetic(left, right, TArithmetic::Add);
}

Variant operator-(const Variant& left, const Variant& right) { return Arithmetic(left, right, TArithmetic::Subtract); }

Variant operator*(const Variant& left, const Variant& right) { return Arithmetic(left, right, TArithmetic::Multiply); }

Variant operator/(const Variant& left, const Variant& right) {
    RefuseArrays(left, right, "/");
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    const double divisor = NumberOf(right).AsReal();
    const double dividend = NumberOf(left).AsReal();
    if (divisor == 0) throw EZeroDivide("Деление на ноль");
    return Variant(dividend / divisor);
}

Variant VarIntDiv(const Variant& left, const Variant& right) {
    RefuseArrays(left, right, "div");
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    const WholePair pair = Wholes(left, right);
    if (pair.right == 0) throw EDivByZero("Деление на ноль");
    return IntegerResult(pair.left / pair.right, pair.wide);
}

Variant VarMod(const Variant& left, const Variant& right) {
    RefuseArrays(left, right, "mod");
    if (left.IsNull() || right.IsNull()) return Variant::Null();
    const WholePair pair = Wholes(left, right);
    if (pair.right == 0) throw EDivByZero("Деление на ноль");
    return IntegerResult(pair.left % pair.right, pair.wide);
}

Variant VarAnd(const Variant& left, const Variant& right) { return Bitwise(left, right, TBitwise::And, "and"); }
Variant VarOr(const Variant& left, const Variant& right) { return Bitwise(left, right, TBitwise::Or, "or"); }
Variant VarXor(const Variant& left, const Variant& right) { return Bitwise(left, right, TBitwise::Xor, "xor"); }
Variant VarShl(const Variant& left, const Variant& right) { return Shift(left, right, TShift::Left, "shl"); }
Variant VarShr(const Variant& left, const Variant& right) { return Shift(left, right, TShift::Right, "shr"); }

Variant VarNot(const Variant& value) {
    RefuseArrays(value, Variant(), "not");
    if (value.IsNull()) return Variant::Null();
    bool truth = false;
    if (value.VarType() == varBoolean) return Variant(value.RawInt() == 0);
    if (value.IsString() && ParseVariantBoolean(value.StringRef(), truth)) return Variant(!truth);
    const TVariantNumber number = NumberOf(value);
    const auto bits = ~static_cast<std::uint64_t>(number.AsWhole());
    if (number.unsignedWide) return Variant::FromUInt64(bits);
    if (number.wide) return Variant(static_cast<std::int64_t>(bits));
    return Variant(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
}

Variant VarNeg(const Variant& value) {
    RefuseArrays(value, Variant(), "-");
    if (value.IsNull()) return Variant::Null();
    switch (value.VarType()) {
    case varSingle: return Variant::FromSingle(static_cast<float>(-value.RawFloat()));
    case varDouble: return Variant(-value.RawFloat());
    case varDate: return Variant::FromDate(-value.RawFloat());
    case varCurrency: return CurrencyResult(-static_cast<__int128>(value.RawInt()));
    default: break;
    }
    const TVariantNumber number = NumberOf(value);
    if (number.kind == TNumberKind::Real) return Variant(-number.real);
    return IntegerResult(-number.whole, number.wide);
}

#pragma once
// The library's variant: one value of any of the kinds a script or a report
// expression handles. Empty (never assigned) and Null (no value) differ:
// Empty acts as 0, "" or false in operations, Null passes through
// arithmetic and cannot be converted. Numbers convert to and from text with
// the program's decimal comma (a point is read too).

#include "ui/variant/VariantErrors.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using TVarType = std::uint16_t;

constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varUInt64 = 0x0015;
constexpr TVarType varString = 0x0100;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;

// Currency values are fixed-point with four decimals.
constexpr std::int64_t kCurrencyScale = 10000;

struct TVariantArray;

class Variant {
public:
    Variant() = default;
    Variant(bool value);
    Variant(std::int32_t value);
    Variant(std::int64_t value);
    Variant(double value);
    Variant(const char* text);
    Variant(std::string text);
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    static Variant Null();
    // The integer kinds; a value outside the kind's range raises EVariantOverflowError.
    static Variant OfType(TVarType type, std::int64_t value);
    static Variant FromUInt64(std::uint64_t value);
    static Variant FromSingle(float value);
    static Variant FromCurrency(double value);
    // Days since 30 December 1899, the time as the fraction.
    static Variant FromDate(double dateTime);
    static Variant FromOleStr(std::string text);

    // The type code; arrays: varArray with the element type.
    TVarType VarType() const;
    bool IsEmpty() const { return type_ == varEmpty; }
    bool IsNull() const { return type_ == varNull; }
    bool IsArray() const { return array_ != nullptr; }
    bool IsString() const { return type_ == varString || type_ == varOleStr; }
    bool IsOrdinal() const;
    bool IsFloat() const;
    bool IsNumeric() const { return IsOrdinal() || IsFloat(); }

    // Conversions; each raises EVariantTypeCastError for a value it cannot
    // take (Null, an array, a text that is no number) and the integer ones
    // EVariantOverflowError outside their range. Reals become integers by
    // the program's rounding (halves to even).
    std::int32_t AsInteger() const;
    std::int64_t AsInt64() const;
    double AsDouble() const;
    bool AsBoolean() const;
    std::string AsString() const;
    double AsDate() const;
    // The value converted to another type code (a plain type, not an array).
    Variant AsType(TVarType type) const;

    // The string held, for a string variant; "" otherwise. Cheap.
    const std::string& StringRef() const { return text_; }
    // Appends to a string variant in place.
    void AppendString(const std::string& text);

    // Arrays.
    int ArrayDimCount() const;
    // dim counts from 1; raises EVariantBadIndexError outside 1..ArrayDimCount().
    int ArrayLowBound(int dim) const;
    int ArrayHighBound(int dim) const;
    // One index per dimension, each inside its bounds, else EVariantBadIndexError.
    const Variant& GetElement(const std::vector<int>& indexes) const;
    // Stores the value converted to the element type (kept as it is for varVariant).
    void PutElement(const std::vector<int>& indexes, const Variant& value);

    // The raw payloads, for the operators.
    std::int64_t RawInt() const { return int_; }
    std::uint64_t RawUInt() const { return static_cast<std::uint64_t>(int_); }
    double RawFloat() const { return float_; }

private:
    friend Variant VarArrayCreate(const std::vector<int>& bounds, TVarType elementType);

    TVarType type_ = varEmpty;
    std::int64_t int_ = 0;
    double float_ = 0;
    std::string text_;
    std::unique_ptr<TVariantArray> array_;

    const TVariantArray& Array() const;
    // The value as a 64-bit integer; errors name the wanted type.
    std::int64_t WholeValue(TVarType wanted) const;
    std::size_t ElementOffset(const std::vector<int>& indexes) const;
};

// The type's name as errors show it ("Integer", "String", "Null"...).
std::string VarTypeName(TVarType type);

// bounds: low and high of each dimension in turn; every element starts as
// Empty converted to the element type (0, "", false; Empty for varVariant).
Variant VarArrayCreate(const std::vector<int>& bounds, TVarType elementType);
// One dimension 0..n-1 of varVariant elements.
Variant VarArrayOf(std::initializer_list<Variant> values);
Variant VarArrayOf(const std::vector<Variant>& values);

// Null gives "", anything else AsString().
std::string VarToStr(const Variant& value);

// Arithmetic. Integers stay integers in the narrowest of Integer, Int64 and
// UInt64 that holds the result; reals give Double; Currency stays Currency
// with integers; Date plus or minus a number is a Date. Strings take part as
// the numbers they hold, except that + joins two strings. Null in any
// operand gives Null. Arrays raise EVariantInvalidOpError.
Variant operator+(const Variant& left, const Variant& right);
Variant operator-(const Variant& left, const Variant& right);
Variant operator*(const Variant& left, const Variant& right);
// Always a Double; a zero divisor raises EZeroDivide.
Variant operator/(const Variant& left, const Variant& right);
// Integer division and remainder (truncating); a zero divisor raises EDivByZero.
Variant VarIntDiv(const Variant& left, const Variant& right);
Variant VarMod(const Variant& left, const Variant& right);
// Logical on two Booleans (or a Boolean and a text "True"/"False"), bitwise otherwise.
Variant VarAnd(const Variant& left, const Variant& right);
Variant VarOr(const Variant& left, const Variant& right);
Variant VarXor(const Variant& left, const Variant& right);
// 32-bit shifts unless the left side is a 64-bit integer; shr fills with zeros.
Variant VarShl(const Variant& left, const Variant& right);
Variant VarShr(const Variant& left, const Variant& right);
// Logical on a Boolean, bitwise on integers.
Variant VarNot(const Variant& value);
Variant VarNeg(const Variant& value);

// Ordering. Null equals Null and is below every other value; strings
// compare as text, a string with a number as the number it holds; False
// is below True. Arrays raise EVariantInvalidOpError.
enum class TVarCompareResult { Less, Equal, Greater };
TVarCompareResult VarCompare(const Variant& left, const Variant& right);
bool operator==(const Variant& left, const Variant& right);
bool operator!=(const Variant& left, const Variant& right);
bool operator<(const Variant& left, const Variant& right);
bool operator<=(const Variant& left, const Variant& right);
bool operator>(const Variant& left, const Variant& right);
bool operator>=(const Variant& left, const Variant& right);

struct TVariantArray {
    std::vector<int> lowBounds;
    std::vector<int> highBounds;
    TVarType elementType = varVariant;
    std::vector<Variant> elements;
};

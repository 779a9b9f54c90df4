#include "ui/variant/Variant.h"

#include <cmath>
#include <limits>

Variant::Variant(bool value) : type_(varBoolean), int_(value ? 1 : 0) {}
Variant::Variant(std::int32_t value) : type_(varInteger), int_(value) {}
Variant::Variant(std::int64_t value) : type_(varInt64), int_(value) {}
Variant::Variant(double value) : type_(varDouble), float_(value) {}
Variant::Variant(const char* text) : type_(varString), text_(text) {}
Variant::Variant(std::string text) : type_(varString), text_(std::move(text)) {}

Variant::Variant(const Variant& other)
    : type_(other.type_), int_(other.int_), float_(other.float_), text_(other.text_),
      array_(other.array_ ? std::make_unique<TVariantArray>(*other.array_) : nullptr) {}

Variant::Variant(Variant&& other) noexcept
    : type_(other.type_), int_(other.int_), float_(other.float_), text_(std::move(other.text_)),
      array_(std::move(other.array_)) {
    other.type_ = varEmpty;
    other.text_.clear();
}

Variant& Variant::operator=(const Variant& other) {
    if (this == &other) return *this;
    // The array is copied first: when that fails, this value stays as it was.
    std::unique_ptr<TVariantArray> array = other.array_ ? std::make_unique<TVariantArray>(*other.array_) : nullptr;
    if (other.IsString()) text_ = other.text_;
    else text_.clear();
    type_ = other.type_;
    int_ = other.int_;
    float_ = other.float_;
    array_ = std::move(array);
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    type_ = other.type_;
    int_ = other.int_;
    float_ = other.float_;
    text_ = std::move(other.text_);
    array_ = std::move(other.array_);
    other.type_ = varEmpty;
    other.text_.clear();
    return *this;
}

Variant::~Variant() = default;

Variant Variant::Null() {
    Variant value;
    value.type_ = varNull;
    return value;
}

namespace {

struct IntegerRange {
    TVarType type;
    std::int64_t low;
    std::int64_t high;
};

constexpr IntegerRange kIntegerRanges[] = {
    {varShortInt, std::numeric_limits<std::int8_t>::min(), std::numeric_limits<std::int8_t>::max()},
    {varByte, 0, std::numeric_limits<std::uint8_t>::max()},
    {varSmallint, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()},
    {varWord, 0, std::numeric_limits<std::uint16_t>::max()},
    {varInteger, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()},
    {varLongWord, 0, std::numeric_limits<std::uint32_t>::max()},
    {varInt64, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()},
};

}  // namespace

Variant Variant::OfType(TVarType type, std::int64_t value) {
    if (type == varUInt64) {
        if (value < 0) throw EVariantOverflowError("Значение " + std::to_string(value) + " не помещается в тип (UInt64)");
        return FromUInt64(static_cast<std::uint64_t>(value));
    }
    for (const IntegerRange& range : kIntegerRanges) {
        if (range.type != type) continue;
        if (value < range.low || value > range.high)
            throw EVariantOverflowError("Значение " + std::to_string(value) + " не помещается в тип (" +
                                        VarTypeName(type) + ")");
        Variant result;
        result.type_ = type;
        result.int_ = value;
        return result;
    }
    throw EVariantTypeCastError("Тип (" + VarTypeName(type) + ") не является целым");
}

Variant Variant::FromUInt64(std::uint64_t value) {
    Variant result;
    result.type_ = varUInt64;
    result.int_ = static_cast<std::int64_t>(value);
    return result;
}

Variant Variant::FromSingle(float value) {
    Variant result;
    result.type_ = varSingle;
    result.float_ = value;
    return result;
}

Variant Variant::FromCurrency(double value) {
    const double scaled = std::nearbyint(value * kCurrencyScale);
    if (!(std::fabs(scaled) < 9.2e18)) throw EVariantOverflowError("Значение не помещается в тип (Currency)");
    Variant result;
    result.type_ = varCurrency;
    result.int_ = static_cast<std::int64_t>(scaled);
    return result;
}

Variant Variant::FromDate(double dateTime) {
    Variant result;
    result.type_ = varDate;
    result.float_ = dateTime;
    return result;
}

Variant Variant::FromOleStr(std::string text) {
    Variant result(std::move(text));
    result.type_ = varOleStr;
    return result;
}

TVarType Variant::VarType() const {
    return array_ ? static_cast<TVarType>(varArray | array_->elementType) : type_;
}

bool Variant::IsOrdinal() const {
    switch (type_) {
    case varShortInt: case varByte: case varSmallint: case varWord: case varInteger:
    case varLongWord: case varInt64: case varUInt64:
        return true;
    default:
        return false;
    }
}

bool Variant::IsFloat() const {
    return type_ == varSingle || type_ == varDouble || type_ == varCurrency || type_ == varDate;
}

void Variant::AppendString(const std::string& text) {
    if (!IsString()) throw EVariantInvalidOpError("Дописывать текст можно только к строке");
    text_ += text;
}

std::string VarTypeName(TVarType type) {
    if (type & varArray) return "Array of " + VarTypeName(type & varTypeMask);
    switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varUInt64: return "UInt64";
    case varString: return "String";
    default: return "Unknown";
    }
}

std::string VarToStr(const Variant& value) {
    return value.IsNull() ? std::string() : value.AsString();
}

#include "ui/variant/Variant.h"

#include "ui/core/TextCase.h"
#include "ui/variant/detail/VariantNumbers.h"

namespace {

template <class T>
TVarCompareResult Order(const T& l, const T& r) {
    if (l < r) return TVarCompareResult::Less;
    if (r < l) return TVarCompareResult::Greater;
    return TVarCompareResult::Equal;
}

bool IsTextual(const Variant& value) { return value.IsString() || value.IsEmpty(); }

}  // namespace

TVarCompareResult VarCompare(const Variant& left, const Variant& right) {
    if (left.IsArray() || right.IsArray())
        throw EVariantInvalidOpError("Сравнение недопустимо для значений типов (" + VarTypeName(left.VarType()) +
                                     ") и (" + VarTypeName(right.VarType()) + ")");
    if (left.IsNull() || right.IsNull()) return Order(!left.IsNull(), !right.IsNull());
    if (IsTextual(left) && IsTextual(right)) {
        const int order = AnsiCompareStr(left.StringRef(), right.StringRef());
        return Order(order, 0);
    }
    if (left.VarType() == varBoolean && right.VarType() == varBoolean)
        return Order(left.RawInt() != 0, right.RawInt() != 0);
    const TVariantNumber l = NumberOf(left);
    const TVariantNumber r = NumberOf(right);
    if (l.kind == TNumberKind::Integer && r.kind == TNumberKind::Integer) return Order(l.whole, r.whole);
    return Order(l.AsReal(), r.AsReal());
}

bool operator==(const Variant& left, const Variant& right) { return VarCompare(left, right) == TVarCompareResult::Equal; }
bool operator!=(const Variant& left, const Variant& right) { return !(left == right); }
bool operator<(const Variant& left, const Variant& right) { return VarCompare(left, right) == TVarCompareResult::Less; }
bool operator<=(const Variant& left, const Variant& right) { return !(right < left); }
bool operator>(const Variant& left, const Variant& right) { return right < left; }
bool operator>=(const Variant& left, const Variant& right) { return !(left < right); }

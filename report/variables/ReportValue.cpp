#include "report/variables/ReportValue.h"

#include "ui/core/NumberConversion.h"
#include "ui/variant/Variant.h"

std::string ValueText(const TrpValue& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return FloatToStr(d); }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, value);
}

Variant ValueToVariant(const TrpValue& value) {
    return std::visit(
        [](const auto& v) -> Variant {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                return Variant::Null();
            else
                return Variant(v);
        },
        value);
}

TrpValue VariantToValue(const Variant& value) {
    if (value.IsNull() || value.IsEmpty()) return std::monostate{};
    if (value.VarType() == varBoolean) return value.AsBoolean();
    if (value.IsArray()) return VarToStr(value);
    if (value.IsOrdinal()) return value.AsInt64();
    if (value.IsFloat()) return value.AsDouble();
    return value.AsString();
}

#pragma once
// The value a report variable holds: Null, a Boolean, an integer, a real or
// a text (UTF-8), as the report's expressions see values.

#include <cstdint>
#include <string>
#include <variant>

class Variant;

using TrpValue = std::variant<std::monostate, bool, std::int64_t, double, std::string>;

inline bool IsNull(const TrpValue& value) { return std::holds_alternative<std::monostate>(value); }

// The text form: "" for Null, "True"/"False", decimal integers, reals with
// the program's decimal comma, texts as they are.
std::string ValueText(const TrpValue& value);

// The value as the library's variant (Null for Null), and back: a variant
// of another kind (a date, an array) keeps its text form.
Variant ValueToVariant(const TrpValue& value);
TrpValue VariantToValue(const Variant& value);

#include "script/core/CustomVariable.h"

#include "script/component/Script.h"
#include "script/members/ClassVariable.h"
#include "ui/core/TextCase.h"

TscCustomVariable::TscCustomVariable(std::string name, std::string typeName, TscVarType type)
    : Type(type), TypeName(std::move(typeName)), name_(std::move(name)), upperName_(AnsiUpperCase(name_)) {}

void TscCustomVariable::SetValue(const Variant& value) {
    if (!IsReadOnly) StoredValue = value;
}

Variant TscCustomVariable::GetValue() { return StoredValue; }

TscParamItem* TscCustomVariable::GetParam(int index) const { return static_cast<TscParamItem*>(Item(index)); }

int TscCustomVariable::RequiredParamCount() const {
    int required = 0;
    for (int i = 0; i < Count(); ++i)
        if (!GetParam(i)->IsOptional) ++required;
    return required;
}

std::string TscCustomVariable::TypeText() const {
    switch (Type) {
    case fvtInt: return "Integer";
    case fvtBool: return "Boolean";
    case fvtFloat: return "Extended";
    case fvtChar: return "Char";
    case fvtString: return "String";
    case fvtClass: case fvtEnum: return TypeName;
    case fvtArray: return "Array";
    default: return "Variant";
    }
}

namespace {

Variant Hooked(const TscCustomVariable& entry, const Variant& stored) {
    if (!entry.OnGetValue) return stored;
    Variant answer = entry.OnGetValue(entry.Name(), entry.Type, stored);
    return answer.IsNull() ? stored : answer;
}

}  // namespace

void TscVariable::SetValue(const Variant& value) {
    if (IsReadOnly) return;
    switch (Type) {
    case fvtInt: StoredValue = Variant(value.AsInteger()); break;
    case fvtBool: StoredValue = Variant(value.AsBoolean()); break;
    case fvtFloat: StoredValue = Variant(value.AsDouble()); break;
    case fvtString: StoredValue = Variant(value.AsString()); break;
    default: StoredValue = value; break;
    }
}

Variant TscVariable::GetValue() { return Hooked(*this, StoredValue); }

void TscStringVariable::SetValue(const Variant& value) { text_ = value.AsString(); }

Variant TscStringVariable::GetValue() {
    if (!OnGetValue) return Variant(text_);
    return Hooked(*this, Variant(text_));
}

TscParamItem::TscParamItem(std::string name, TscVarType type, std::string typeName, bool optional, bool isVar)
    : TscCustomVariable(std::move(name), std::move(typeName), type), IsOptional(optional), IsVarParam(isVar) {}

TscSetExpression::TscSetExpression() : TscCustomVariable("", "", fvtVariant) {}

void TscSetExpression::AddElement(std::unique_ptr<TscCustomExpression> element) { Add(std::move(element)); }

void TscSetExpression::AddRangeMarker() { Add(nullptr); }

Variant TscSetExpression::GetValue() {
    std::vector<Variant> values;
    values.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) {
        auto* element = static_cast<TscCustomVariable*>(Item(i));
        values.push_back(element ? element->GetValue() : Variant::Null());
    }
    return VarArrayOf(values);
}

bool TscSetExpression::Contains(const Variant& value) {
    for (int i = 0; i < Count(); ++i) {
        auto* element = static_cast<TscCustomVariable*>(Item(i));
        if (!element) continue;
        const bool range = i + 2 < Count() && Item(i + 1) == nullptr && Item(i + 2) != nullptr;
        if (range) {
            auto* last = static_cast<TscCustomVariable*>(Item(i + 2));
            if (value >= element->GetValue() && value <= last->GetValue()) return true;
            i += 2;
        } else if (value == element->GetValue()) {
            return true;
        }
    }
    return false;
}

namespace {

// The source's registered class is the target's or descends from it, by
// the ancestor names the classes were registered with.
bool ClassDescends(const std::string& sourceName, const std::string& targetName, const TscScript& program) {
    const TscClassVariable* target = program.FindClass(targetName);
    if (!target) return false;
    // Ancestor names come from the bindings; a loop among them ends here.
    constexpr int kMaxAncestors = 256;
    const TscClassVariable* entry = program.FindClass(sourceName);
    for (int depth = 0; entry && depth < kMaxAncestors; ++depth) {
        if (entry == target) return true;
        if (entry->AncestorName().empty()) break;
        entry = program.FindClass(entry->AncestorName());
    }
    return false;
}

}  // namespace

bool TypesCompatible(TscVarType target, const std::string& targetTypeName, TscVarType source,
                     const std::string& sourceTypeName, const TscScript& program) {
    if (source == fvtVariant && target != fvtConstructor) return true;
    switch (target) {
    case fvtInt: return source == fvtInt || source == fvtFloat || source == fvtEnum;
    case fvtBool: return source == fvtBool;
    case fvtFloat: return source == fvtInt || source == fvtFloat;
    case fvtChar: case fvtString: return source == fvtChar || source == fvtString;
    case fvtClass: return source == fvtClass && ClassDescends(sourceTypeName, targetTypeName, program);
    case fvtArray: return source == fvtArray;
    case fvtVariant: return true;
    case fvtEnum: return source == fvtInt || (source == fvtEnum && AnsiSameText(targetTypeName, sourceTypeName));
    default: return false;
    }
}

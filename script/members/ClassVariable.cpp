#include "script/members/ClassVariable.h"

#include "script/component/Script.h"
#include "ui/core/Component.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsBooleanEnum(const TPropInfo& property) {
    return property.EnumType && (AnsiSameText(property.EnumType->TypeName(), "Boolean") || AnsiSameText(property.EnumType->TypeName(), "bool"));
}

void TypeOfProperty(const TPropInfo& property, TscVarType& type, std::string& typeName) {
    typeName.clear();
    switch (property.Kind) {
    case TTypeKind::tkEnumeration:
        type = IsBooleanEnum(property) ? fvtBool : fvtEnum;
        typeName = property.EnumType ? property.EnumType->TypeName() : std::string();
        break;
    case TTypeKind::tkSet:
        type = fvtEnum;
        typeName = property.EnumType ? property.EnumType->TypeName() : std::string();
        break;
    case TTypeKind::tkClass:
        type = fvtClass;
        typeName = property.PropClass ? property.PropClass().Name() : std::string("TObject");
        break;
    case TTypeKind::tkChar: type = fvtChar; break;
    case TTypeKind::tkFloat: type = fvtFloat; break;
    case TTypeKind::tkString: type = fvtString; break;
    case TTypeKind::tkVariant: type = fvtVariant; break;
    default: type = fvtInt; break;
    }
}

Variant ReadPublished(TObject& instance, const TPropInfo& property) {
    switch (property.Kind) {
    case TTypeKind::tkInteger: case TTypeKind::tkInt64: case TTypeKind::tkEnumeration: case TTypeKind::tkSet: {
        if (!property.GetOrd) return Variant::Null();
        const std::int64_t value = property.GetOrd(instance);
        return value == static_cast<std::int32_t>(value) ? Variant(static_cast<std::int32_t>(value)) : Variant(value);
    }
    case TTypeKind::tkClass: return property.GetObject ? ObjectToVariant(property.GetObject(instance)) : Variant::Null();
    case TTypeKind::tkChar: return property.GetOrd ? Variant(std::string(1, static_cast<char>(property.GetOrd(instance)))) : Variant::Null();
    case TTypeKind::tkFloat: return property.GetFloat ? Variant(property.GetFloat(instance)) : Variant::Null();
    case TTypeKind::tkString: return property.GetStr ? Variant(property.GetStr(instance)) : Variant::Null();
    case TTypeKind::tkVariant: return property.GetVariant ? property.GetVariant(instance) : Variant::Null();
    case TTypeKind::tkMethod: break;
    }
    return Variant::Null();
}

void WritePublished(TObject& instance, const TPropInfo& property, TscVarType memberType, const Variant& value) {
    switch (property.Kind) {
    case TTypeKind::tkInteger: case TTypeKind::tkInt64: case TTypeKind::tkEnumeration: case TTypeKind::tkSet:
        if (property.SetOrd) property.SetOrd(instance, memberType == fvtBool ? (value.AsBoolean() ? 1 : 0) : value.AsInt64());
        break;
    case TTypeKind::tkClass:
        if (property.SetObject) property.SetObject(instance, VariantToObject(value));
        break;
    case TTypeKind::tkChar: {
        const std::string text = value.AsString();
        if (property.SetOrd) property.SetOrd(instance, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
        break;
    }
    case TTypeKind::tkFloat:
        if (property.SetFloat) property.SetFloat(instance, value.AsDouble());
        break;
    case TTypeKind::tkString:
        if (property.SetStr) property.SetStr(instance, value.AsString());
        break;
    case TTypeKind::tkVariant:
        if (property.SetVariant) property.SetVariant(instance, value);
        break;
    case TTypeKind::tkMethod: break;
    }
}

}  // namespace

TscPropertyHelper::TscPropertyHelper(const std::string& name, const std::string& typeName, TscVarType type,
                                     const TClassInfo& classRef)
    : TscCustomHelper(name, typeName, type), ClassRef(&classRef) {}

Variant TscPropertyHelper::GetValue() {
    Variant result = Variant::Null();
    TObject* instance = VariantToObject(ParentValue);
    if (IsPublished && instance) {
        // The instance's own class, so a descendant's property of the name is found.
        if (const TPropInfo* property = instance->ClassType().FindProperty(Name())) result = ReadPublished(*instance, *property);
    } else if (OnGet) {
        result = OnGet(instance, ClassRef, UpperName());
    }
    if (Type == fvtBool && !result.IsNull()) result = Variant(result.AsBoolean());
    return result;
}

void TscPropertyHelper::SetValue(const Variant& value) {
    if (IsReadOnly) return;
    TObject* instance = VariantToObject(ParentValue);
    if (IsPublished) {
        if (!instance) return;
        if (const TPropInfo* property = instance->ClassType().FindProperty(Name())) WritePublished(*instance, *property, Type, value);
    } else if (OnSet) {
        OnSet(instance, ClassRef, UpperName(), value);
    }
}

TscComponentHelper::TscComponentHelper(TComponent& component)
    : TscCustomHelper(component.Name(), component.ClassName(), fvtClass), component_(&component) {}

Variant TscComponentHelper::GetValue() { return ObjectToVariant(component_); }

Variant ClassToVariant(const TClassInfo& classRef) {
    return Variant(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&classRef)));
}

TscClassVariable::TscClassVariable(const TClassInfo& classRef, std::string ancestorName, TscScript& program)
    : TscCustomVariable(classRef.Name(), classRef.Name(), fvtClass), classRef_(&classRef),
      ancestorName_(std::move(ancestorName)), program_(&program) {
    Add(std::make_unique<TscParamItem>("", fvtVariant, "", true, false));
    std::vector<const TPropInfo*> properties = classRef.Properties();
    std::stable_sort(properties.begin(), properties.end(),
                     [](const TPropInfo* a, const TPropInfo* b) { return AnsiCompareText(a->Name, b->Name) < 0; });
    for (const TPropInfo* property : properties) {
        if (classRef.FindProperty(property->Name) != property) continue;  // hidden by a nearer declaration
        if (property->Kind == TTypeKind::tkMethod) continue;                // events come through AddEvent
        TscVarType type = fvtInt;
        std::string typeName;
        TypeOfProperty(*property, type, typeName);
        auto member = std::make_unique<TscPropertyHelper>(property->Name, typeName, type, classRef);
        member->IsPublished = true;
        Append(std::move(member));
    }
}

template <class Member>
Member& TscClassVariable::Append(std::unique_ptr<Member> member) {
    Member& added = *member;
    members_.Add(std::move(member));
    return added;
}

Variant TscClassVariable::GetValue() {
    TscParamItem& cast = *GetParam(0);
    Variant argument = cast.GetValue();
    cast.SetValue(Variant::Null());
    if (!argument.IsNull()) return argument;
    return ClassToVariant(*classRef_);
}

TscMethodHelper& TscClassVariable::AddMethod(const std::string& declaration, TscMethodCall handler) {
    auto method = std::make_unique<TscMethodHelper>(declaration, *program_);
    method->OnCall = std::move(handler);
    method->ClassRef = classRef_;
    return Append(std::move(method));
}

TscMethodHelper& TscClassVariable::AddConstructor(const std::string& declaration, TscMethodCall handler) {
    std::string text = declaration;
    const std::size_t start = text.find_first_not_of(" \t");
    const std::size_t wordEnd = text.find_first_of(" \t(", start == std::string::npos ? 0 : start);
    text = "function" + (wordEnd == std::string::npos ? std::string() : text.substr(wordEnd));
    while (!text.empty() && (text.back() == ';' || text.back() == ' ')) text.pop_back();
    text += ": Constructor";
    return AddMethod(text, std::move(handler));
}

TscPropertyHelper& TscClassVariable::AddProperty(const std::string& name, const std::string& typeName, TscPropertyGet get,
                                                 TscPropertySet set) {
    auto property = std::make_unique<TscPropertyHelper>(name, typeName, program_->TypeCodeOf(typeName), *classRef_);
    property->IsReadOnly = !set;
    property->OnGet = std::move(get);
    property->OnSet = std::move(set);
    return Append(std::move(property));
}

TscMethodHelper& TscClassVariable::AddIndexProperty(const std::string& name, const std::string& paramTypes,
                                                    const std::string& resultType, TscMethodCall handler, bool readOnly) {
    std::string declaration = "function " + name + "(";
    int index = 0;
    std::size_t from = 0;
    while (from <= paramTypes.size()) {
        const std::size_t comma = paramTypes.find(',', from);
        std::string type = paramTypes.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        type.erase(0, type.find_first_not_of(' '));
        type.erase(type.find_last_not_of(' ') + 1);
        if (!type.empty()) {
            declaration += (index > 0 ? "; p" : "p") + std::to_string(index) + ": " + type;
            ++index;
        }
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    declaration += "): " + resultType;
    TscMethodHelper& method = AddMethod(declaration, std::move(handler));
    method.IsReadOnly = readOnly;
    method.IsIndexMethod = true;
    return method;
}

TscMethodHelper& TscClassVariable::AddDefaultProperty(const std::string& name, const std::string& paramTypes,
                                                      const std::string& resultType, TscMethodCall handler, bool readOnly) {
    TscMethodHelper& method = AddIndexProperty(name, paramTypes, resultType, std::move(handler), readOnly);
    DefaultProperty = &method;
    return method;
}

TscComponentHelper& TscClassVariable::AddComponent(TComponent& component) {
    return Append(std::make_unique<TscComponentHelper>(component));
}

TscCustomVariable* TscClassVariable::FindMember(const std::string& name) const {
    // Ancestor names come from the bindings; a loop among them ends here.
    constexpr int kMaxAncestors = 256;
    int depth = 0;
    for (const TscClassVariable* entry = this; entry && depth < kMaxAncestors; ++depth) {
        for (int i = 0; i < entry->members_.Count(); ++i) {
            auto* member = static_cast<TscCustomVariable*>(entry->members_.Item(i));
            if (AnsiSameText(member->Name(), name)) return member;
        }
        if (entry->ancestorName_.empty() || AnsiSameText(entry->ancestorName_, entry->Name())) break;
        entry = entry->program_->FindClass(entry->ancestorName_);
    }
    return nullptr;
}

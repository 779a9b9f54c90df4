#pragma once
// Published properties: for each class its name, its parent and its
// properties in declaration order (the parent's first), with typed getters,
// setters, defaults and stored conditions; enumerations and sets by name; and
// the registry of classes that can be made by name. Component streaming, the
// report serializer, the script bindings and the skin code all read objects
// through this one description.

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

class TObject;
class TPersistent;
class Variant;

enum class TTypeKind { tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkVariant, tkInt64 };

// The handler an event property holds (a std::function of the event's own
// signature), carried without its signature so that events of every kind
// are read and written by name. Default-made, it is no handler (nil).
class TMethod {
public:
    TMethod() = default;
    template <class Signature>
    TMethod(std::function<Signature> handler)  // NOLINT: a handler is a method value
        : assigned_(static_cast<bool>(handler)), handler_(std::move(handler)) {}

    bool Assigned() const { return assigned_; }
    // The handler as the std::function type F; nothing when it holds another signature.
    template <class F>
    const F* Target() const { return std::any_cast<F>(&handler_); }

private:
    bool assigned_ = false;
    std::any handler_;
};

// The value names of an enumeration, in ordinal order from 0.
class TEnumInfo {
public:
    TEnumInfo(std::string typeName, std::vector<std::string> names);
    const std::string& TypeName() const { return typeName_; }
    int Count() const { return static_cast<int>(names_.size()); }
    // Empty for an ordinal outside the enumeration.
    std::string ValueName(std::int64_t value) const;
    // -1 when no value has the name (compared without regard to case).
    int Value(std::string_view name) const;

private:
    std::string typeName_;
    std::vector<std::string> names_;
};

// "False", "True".
const TEnumInfo& BooleanInfo();

class TPropInfo {
public:
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    const TEnumInfo* EnumType = nullptr;       // enumerations, and the elements of sets
    // Object properties: the class, asked when needed so a class may have
    // properties of its own class.
    const class TClassInfo& (*PropClass)() = nullptr;
    std::optional<std::int64_t> Default;       // ordinal kinds; none = always stored

    std::function<std::int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, std::int64_t)> SetOrd;
    std::function<double(const TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    // The part or reference may be changed through what it answers, so it
    // takes a changeable instance.
    std::function<TObject*(TObject&)> GetObject;
    std::function<void(TObject&, TObject*)> SetObject;  // none for owned sub-objects
    // Events: the handler's std::function type, and the handler itself. The
    // setter raises EPropertyConvertError for a handler of another signature.
    const std::type_info* MethodType = nullptr;
    std::function<TMethod(const TObject&)> GetMethod;
    std::function<void(TObject&, const TMethod&)> SetMethod;
    std::function<Variant(const TObject&)> GetVariant;
    std::function<void(TObject&, const Variant&)> SetVariant;
    std::function<bool(const TObject&)> StoredIf;        // none = stored

    bool IsStored(const TObject& instance) const { return !StoredIf || StoredIf(instance); }
    bool Writable() const;
};

class TClassInfo {
public:
    // The virtual constructor: `owner` is the new object's owner component,
    // or the collection of a collection item.
    using Constructor = std::function<TPersistent*(TObject* owner)>;

    TClassInfo(std::string name, const TClassInfo* parent);

    const std::string& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo& ancestor) const;

    // Every published property, the root class's first.
    std::vector<const TPropInfo*> Properties() const;
    // By name without regard to case; the nearest declaration wins.
    const TPropInfo* FindProperty(std::string_view name) const;

    TPropInfo& AddProperty(TPropInfo property);
    void SetConstructor(Constructor make) { make_ = std::move(make); }
    bool CanCreate() const { return static_cast<bool>(make_); }
    // Raises EClassNotFound when the class has no constructor.
    TPersistent* Create(TObject* owner) const;

private:
    std::string name_;
    const TClassInfo* parent_;
    std::vector<TPropInfo> own_;
    Constructor make_;
};

// The class registry: the classes that form data and scripts make by name.
void RegisterClass(const TClassInfo& info);
void UnRegisterClass(const TClassInfo& info);
// Nothing when the name is not registered.
const TClassInfo* GetClass(std::string_view name);
// Raises EClassNotFound "Class %s not found".
const TClassInfo& FindClass(std::string_view name);

// Access by property name; an unknown name raises EPropertyError
// "Unknown property: '%s'", a read-only or mismatched kind EPropertyError too.
const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name);
const TPropInfo& PropInfoOf(const TObject& instance, std::string_view name);
std::int64_t GetOrdProp(const TObject& instance, std::string_view name);
void SetOrdProp(TObject& instance, std::string_view name, std::int64_t value);
std::string GetEnumProp(const TObject& instance, std::string_view name);
// Raises EPropertyConvertError "Invalid property value" for an unknown name.
void SetEnumProp(TObject& instance, std::string_view name, std::string_view value);
double GetFloatProp(const TObject& instance, std::string_view name);
void SetFloatProp(TObject& instance, std::string_view name, double value);
std::string GetStrProp(const TObject& instance, std::string_view name);
void SetStrProp(TObject& instance, std::string_view name, const std::string& value);
TObject* GetObjectProp(TObject& instance, std::string_view name);
void SetObjectProp(TObject& instance, std::string_view name, TObject* value);
TMethod GetMethodProp(const TObject& instance, std::string_view name);
// A default-made TMethod removes the handler.
void SetMethodProp(TObject& instance, std::string_view name, const TMethod& value);
Variant GetVariantProp(const TObject& instance, std::string_view name);
void SetVariantProp(TObject& instance, std::string_view name, const Variant& value);
std::string GetSetProp(const TObject& instance, std::string_view name, bool brackets = false);
void SetSetProp(TObject& instance, std::string_view name, std::string_view value);

// "[a,b]" (or "a,b" without brackets) of the values whose bits are set.
std::string SetToString(const TEnumInfo& elements, std::uint32_t mask, bool brackets = false);
// Brackets and blanks optional; raises EPropertyConvertError
// "Invalid property element: %s" for a name that is no element.
std::uint32_t StringToSet(const TEnumInfo& elements, std::string_view text);

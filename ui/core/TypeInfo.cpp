#include "ui/core/TypeInfo.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Object.h"
#include "ui/core/TextCase.h"
#include "ui/variant/Variant.h"

#include <algorithm>
#include <map>
#include <mutex>

TEnumInfo::TEnumInfo(std::string typeName, std::vector<std::string> names)
    : typeName_(std::move(typeName)), names_(std::move(names)) {}

std::string TEnumInfo::ValueName(std::int64_t value) const {
    if (value < 0 || value >= Count()) return {};
    return names_[static_cast<std::size_t>(value)];
}

int TEnumInfo::Value(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(names_[static_cast<std::size_t>(i)], name)) return i;
    return -1;
}

const TEnumInfo& BooleanInfo() {
    static const TEnumInfo info("Boolean", {"False", "True"});
    return info;
}

bool TPropInfo::Writable() const {
    switch (Kind) {
        case TTypeKind::tkFloat: return static_cast<bool>(SetFloat);
        case TTypeKind::tkString: return static_cast<bool>(SetStr);
        case TTypeKind::tkClass: return static_cast<bool>(SetObject);
        case TTypeKind::tkMethod: return static_cast<bool>(SetMethod);
        case TTypeKind::tkVariant: return static_cast<bool>(SetVariant);
        default: return static_cast<bool>(SetOrd);
    }
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (c == &ancestor) return true;
    return false;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> result = parent_ ? parent_->Properties() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& p : own_) {
        // A redeclared property keeps its place and takes the new description.
        auto same = std::find_if(result.begin(), result.end(),
                                 [&](const TPropInfo* q) { return AnsiSameText(q->Name, p.Name); });
        if (same != result.end()) *same = &p;
        else result.push_back(&p);
    }
    return result;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const TPropInfo& p : c->own_)
            if (AnsiSameText(p.Name, name)) return &p;
    return nullptr;
}

TPropInfo& TClassInfo::AddProperty(TPropInfo property) {
    own_.push_back(std::move(property));
    return own_.back();
}

TPersistent* TClassInfo::Create(TObject* owner) const {
    if (!make_) throw EClassNotFound("Class " + name_ + " cannot be created");
    return make_(owner);
}

namespace {

struct ClassRegistry {
    std::mutex lock;
    std::map<std::string, const TClassInfo*> byName;  // keys in lower case
};

ClassRegistry& Registry() {
    static ClassRegistry registry;
    return registry;
}

bool IsOrdinalKind(TTypeKind kind) {
    switch (kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet:
        case TTypeKind::tkInt64: return true;
        default: return false;
    }
}

[[noreturn]] void KindMismatch(const TPropInfo& p) {
    throw EPropertyError("Property " + p.Name + " is not of the requested kind");
}

const TPropInfo& Readable(const TObject& instance, std::string_view name, bool ordinal, TTypeKind kind) {
    const TPropInfo& p = PropInfoOf(instance, name);
    bool isOrdinal = IsOrdinalKind(p.Kind);
    if (ordinal ? !isOrdinal : p.Kind != kind) KindMismatch(p);
    return p;
}

const TPropInfo& Writable(const TObject& instance, std::string_view name, bool ordinal, TTypeKind kind) {
    const TPropInfo& p = Readable(instance, name, ordinal, kind);
    if (!p.Writable()) throw EPropertyError("Property " + p.Name + " is read-only");
    return p;
}

}  // namespace

void RegisterClass(const TClassInfo& info) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    r.byName[AnsiLowerCase(info.Name())] = &info;
}

void UnRegisterClass(const TClassInfo& info) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    auto found = r.byName.find(AnsiLowerCase(info.Name()));
    if (found != r.byName.end() && found->second == &info) r.byName.erase(found);
}

const TClassInfo* GetClass(std::string_view name) {
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    auto found = r.byName.find(AnsiLowerCase(name));
    return found == r.byName.end() ? nullptr : found->second;
}

const TClassInfo& FindClass(std::string_view name) {
    if (const TClassInfo* info = GetClass(name)) return *info;
    throw EClassNotFound("Class " + std::string(name) + " not found");
}

const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name) {
    return instance.ClassType().FindProperty(name);
}

const TPropInfo& PropInfoOf(const TObject& instance, std::string_view name) {
    if (const TPropInfo* p = GetPropInfo(instance, name)) return *p;
    throw EPropertyError("Unknown property: '" + std::string(name) + "'");
}

std::int64_t GetOrdProp(const TObject& instance, std::string_view name) {
    return Readable(instance, name, true, TTypeKind::tkInteger).GetOrd(instance);
}

void SetOrdProp(TObject& instance, std::string_view name, std::int64_t value) {
    Writable(instance, name, true, TTypeKind::tkInteger).SetOrd(instance, value);
}

std::string GetEnumProp(const TObject& instance, std::string_view name) {
    const TPropInfo& p = Readable(instance, name, false, TTypeKind::tkEnumeration);
    return p.EnumType->ValueName(p.GetOrd(instance));
}

void SetEnumProp(TObject& instance, std::string_view name, std::string_view value) {
    const TPropInfo& p = Writable(instance, name, false, TTypeKind::tkEnumeration);
    int ordinal = p.EnumType->Value(value);
    if (ordinal < 0) throw EPropertyConvertError("Invalid property value");
    p.SetOrd(instance, ordinal);
}

double GetFloatProp(const TObject& instance, std::string_view name) {
    return Readable(instance, name, false, TTypeKind::tkFloat).GetFloat(instance);
}

void SetFloatProp(TObject& instance, std::string_view name, double value) {
    Writable(instance, name, false, TTypeKind::tkFloat).SetFloat(instance, value);
}

std::string GetStrProp(const TObject& instance, std::string_view name) {
    return Readable(instance, name, false, TTypeKind::tkString).GetStr(instance);
}

void SetStrProp(TObject& instance, std::string_view name, const std::string& value) {
    Writable(instance, name, false, TTypeKind::tkString).SetStr(instance, value);
}

TObject* GetObjectProp(TObject& instance, std::string_view name) {
    return Readable(instance, name, false, TTypeKind::tkClass).GetObject(instance);
}

void SetObjectProp(TObject& instance, std::string_view name, TObject* value) {
    Writable(instance, name, false, TTypeKind::tkClass).SetObject(instance, value);
}

TMethod GetMethodProp(const TObject& instance, std::string_view name) {
    return Readable(instance, name, false, TTypeKind::tkMethod).GetMethod(instance);
}

void SetMethodProp(TObject& instance, std::string_view name, const TMethod& value) {
    Writable(instance, name, false, TTypeKind::tkMethod).SetMethod(instance, value);
}

Variant GetVariantProp(const TObject& instance, std::string_view name) {
    return Readable(instance, name, false, TTypeKind::tkVariant).GetVariant(instance);
}

void SetVariantProp(TObject& instance, std::string_view name, const Variant& value) {
    Writable(instance, name, false, TTypeKind::tkVariant).SetVariant(instance, value);
}

std::string GetSetProp(const TObject& instance, std::string_view name, bool brackets) {
    const TPropInfo& p = Readable(instance, name, false, TTypeKind::tkSet);
    return SetToString(*p.EnumType, static_cast<std::uint32_t>(p.GetOrd(instance)), brackets);
}

void SetSetProp(TObject& instance, std::string_view name, std::string_view value) {
    const TPropInfo& p = Writable(instance, name, false, TTypeKind::tkSet);
    p.SetOrd(instance, StringToSet(*p.EnumType, value));
}

std::string SetToString(const TEnumInfo& elements, std::uint32_t mask, bool brackets) {
    std::string text;
    for (int i = 0; i < elements.Count() && i < 32; ++i) {
        if (!(mask & (1u << i))) continue;
        if (!text.empty()) text += ',';
        text += elements.ValueName(i);
    }
    return brackets ? "[" + text + "]" : text;
}

std::uint32_t StringToSet(const TEnumInfo& elements, std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    if (begin < end && text[begin] == '[') ++begin;
    if (end > begin && text[end - 1] == ']') --end;
    std::uint32_t mask = 0;
    while (begin < end) {
        std::size_t comma = text.find(',', begin);
        if (comma == std::string_view::npos || comma > end) comma = end;
        std::size_t a = begin, b = comma;
        while (a < b && blank(text[a])) ++a;
        while (b > a && blank(text[b - 1])) --b;
        std::string_view element = text.substr(a, b - a);
        if (!element.empty()) {
            int value = elements.Value(element);
            if (value < 0 || value >= 32)
                throw EPropertyConvertError("Invalid property element: " + std::string(element));
            mask |= 1u << value;
        }
        begin = comma + 1;
    }
    return mask;
}

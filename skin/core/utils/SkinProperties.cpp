#include "skin/core/utils/SkinProperties.h"

#include "ui/core/TypeInfo.h"

namespace {

const TPropInfo* PropertyOfKind(const TObject& object, const std::string& name, TTypeKind kind) {
    const TPropInfo* info = GetPropInfo(object, name);
    return info && info->Kind == kind ? info : nullptr;
}

bool IsOrdinal(TTypeKind kind) {
    return kind == TTypeKind::tkInteger || kind == TTypeKind::tkChar || kind == TTypeKind::tkEnumeration ||
           kind == TTypeKind::tkSet || kind == TTypeKind::tkInt64;
}

}  // namespace

bool HasProperty(const TObject& object, const std::string& name) { return GetPropInfo(object, name) != nullptr; }

TObject* GetObjectProperty(TObject& object, const std::string& name) {
    const TPropInfo* info = PropertyOfKind(object, name, TTypeKind::tkClass);
    return info && info->GetObject ? info->GetObject(object) : nullptr;
}

bool SetPropertyHas(const TObject& object, const std::string& setName, const std::string& element) {
    const TPropInfo* info = PropertyOfKind(object, setName, TTypeKind::tkSet);
    if (!info || !info->EnumType || !info->GetOrd) return false;
    int bit = info->EnumType->Value(element);
    constexpr int kSetBits = 32;
    if (bit < 0 || bit >= kSetBits) return false;
    return (static_cast<std::uint64_t>(info->GetOrd(object)) >> bit) & 1u;
}

void ChangeSetProperty(TObject& object, const std::string& setName, const std::string& element, bool add) {
    if (!PropertyOfKind(object, setName, TTypeKind::tkSet)) return;
    std::string text = GetSetProp(object, setName);
    if (add) {
        if (text.find(element) == std::string::npos) text += text.empty() ? element : "," + element;
    } else {
        for (const std::string& form : {"," + element, element + ",", element}) {
            std::size_t at = text.find(form);
            if (at == std::string::npos) continue;
            text.erase(at, form.size());
            break;
        }
    }
    SetSetProp(object, setName, text);
}

std::int64_t GetOrdinalProperty(const TObject& object, const std::string& name) {
    const TPropInfo* info = GetPropInfo(object, name);
    return info && IsOrdinal(info->Kind) && info->GetOrd ? info->GetOrd(object) : -1;
}

void SetOrdinalProperty(TObject& object, const std::string& name, std::int64_t value) {
    const TPropInfo* info = GetPropInfo(object, name);
    if (info && IsOrdinal(info->Kind) && info->SetOrd) info->SetOrd(object, value);
}

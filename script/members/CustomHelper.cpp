#include "script/members/CustomHelper.h"

#include "script/core/ScriptErrors.h"

namespace {

// The general element accessor's parameters: up to three indexes.
constexpr int kGeneralIndexCount = 3;

std::size_t CheckedOffset(const std::string& text, const Variant& index) {
    const std::int64_t position = index.AsInt64();
    if (position < 1 || position > static_cast<std::int64_t>(text.size()))
        throw EScriptRangeError("Индекс символа " + std::to_string(position) + " вне строки длиной " +
                                std::to_string(text.size()));
    return static_cast<std::size_t>(position - 1);
}

}  // namespace

TscArrayHelper::TscArrayHelper(std::string name, std::string typeName, TscVarType type, int dimCount)
    : TscCustomHelper(std::move(name), std::move(typeName), type) {
    const int count = dimCount < 0 ? kGeneralIndexCount : dimCount;
    for (int i = 0; i < count; ++i) {
        const bool optional = dimCount < 0 && i > 0;
        Add(std::make_unique<TscParamItem>("Index" + std::to_string(i), fvtInt, "Integer", optional, false));
    }
}

std::vector<int> TscArrayHelper::Indexes(const Variant& array) const {
    const int dims = array.ArrayDimCount();
    if (dims > ParamCount())
        throw EVariantBadIndexError("Массиву из " + std::to_string(dims) + " измерений нужно столько же индексов");
    std::vector<int> indexes;
    for (int i = 0; i < dims; ++i) indexes.push_back(GetParam(i)->GetValue().AsInteger());
    return indexes;
}

Variant TscArrayHelper::GetValue() {
    const Variant& array = ParentRef->StoredValue;
    if (!array.IsArray()) return Variant::Null();
    return array.GetElement(Indexes(array));
}

void TscArrayHelper::SetValue(const Variant& value) {
    Variant& array = ParentRef->StoredValue;
    if (!array.IsArray()) throw EVariantInvalidOpError("Значение «" + ParentRef->Name() + "» не является массивом");
    array.PutElement(Indexes(array), value);
}

TscStringHelper::TscStringHelper() : TscCustomHelper("__StringHelper", "Char", fvtChar) {
    Add(std::make_unique<TscParamItem>("Index", fvtInt, "Integer", false, false));
}

char CharacterAt(const std::string& text, const Variant& index) { return text[CheckedOffset(text, index)]; }

Variant TscStringHelper::GetValue() {
    return Variant(std::string(1, CharacterAt(ParentValue.AsString(), GetParam(0)->GetValue())));
}

void TscStringHelper::SetValue(const Variant& value) {
    std::string text = ParentValue.AsString();
    const std::string replacement = value.AsString();
    text[CheckedOffset(text, GetParam(0)->GetValue())] = replacement.empty() ? '\0' : replacement.front();
    ParentRef->SetValue(Variant(text));
}

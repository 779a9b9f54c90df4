#include "script/members/CustomHelper.h"

#include "platform/text/Utf8Text.h"
#include "script/core/ScriptErrors.h"

namespace {

// The general element accessor's parameters: up to three indexes.
constexpr int kGeneralIndexCount = 3;

struct CharacterSpan {
    std::size_t offset;
    std::size_t size;
};

CharacterSpan SpanAt(const std::string& text, const Variant& index) {
    const std::int64_t position = index.AsInt64();
    std::int64_t count = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        platform::NextCodePoint(text, at);
        if (++count == position) return {start, at - start};
    }
    throw EScriptRangeError("Индекс символа " + std::to_string(position) + " вне строки длиной " + std::to_string(count));
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

std::string CharacterAt(const std::string& text, const Variant& index) {
    const CharacterSpan span = SpanAt(text, index);
    return text.substr(span.offset, span.size);
}

void ReplaceCharacterAt(std::string& text, const Variant& index, const std::string& replacement) {
    const CharacterSpan span = SpanAt(text, index);
    std::string character(1, '\0');
    if (!replacement.empty()) character = CharacterAt(replacement, Variant(1));
    text.replace(span.offset, span.size, character);
}

Variant TscStringHelper::GetValue() { return Variant(CharacterAt(ParentValue.AsString(), GetParam(0)->GetValue())); }

void TscStringHelper::SetValue(const Variant& value) {
    std::string text = ParentValue.AsString();
    ReplaceCharacterAt(text, GetParam(0)->GetValue(), value.AsString());
    ParentRef->SetValue(Variant(text));
}

#include "report/text/WideStrings.h"

#include "platform/text/Utf8Text.h"
#include "report/text/CodePages.h"
#include "report/text/Utf16Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/Reader.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

namespace {

constexpr char16_t kLineSeparator = 0x2028;
constexpr unsigned char kUtf16LeMark[2] = {0xFF, 0xFE};

// Bytes of the system code page: the program's UTF-8, or Windows-1251 for
// bytes that are no UTF-8.
std::u16string SystemBytesToUtf16(std::string_view bytes) {
    if (platform::IsValidUtf8(bytes)) return Utf8ToUtf16(bytes);
    return AnsiToUnicode(bytes, 0, kSystemAnsiCodePage);
}

}  // namespace

const TClassInfo& TWideStrings::StaticClass() {
    static const TClassInfo info = [] {
        TClassInfo i("TWideStrings", &TPersistent::StaticClass());
        i.SetConstructor([](TObject*) -> TPersistent* { return new TWideStrings(); });
        return i;
    }();
    return info;
}

void TWideStrings::Clear() { items_.clear(); }

std::u16string TWideStrings::Get(int index) const { return ValidIndex(index) ? items_[index].text : std::u16string(); }

TObject* TWideStrings::GetObject(int index) const { return ValidIndex(index) ? items_[index].object : nullptr; }

void TWideStrings::StoreObject(int index, TObject* object) {
    if (ValidIndex(index)) items_[index].object = object;
}

int TWideStrings::AddObject(std::u16string_view text, TObject* object) {
    items_.push_back({std::u16string(text), object});
    return Count() - 1;
}

void TWideStrings::Insert(int index, std::u16string_view text) {
    if (index == Count()) Add(text);
    else if (ValidIndex(index)) items_[index].text = text;
    else throw Exception("Wide String Out of Bounds");
}

void TWideStrings::Delete(int index) {
    if (!ValidIndex(index)) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
}

int TWideStrings::IndexOf(std::u16string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].text == text) return i;
    return -1;
}

void TWideStrings::AppendAll(const TWideStrings& other) {
    if (&other == this) {
        auto copy = items_;
        items_.insert(items_.end(), copy.begin(), copy.end());
        return;
    }
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

std::u16string TWideStrings::Text() const {
    std::size_t size = 0;
    for (const auto& e : items_) size += e.text.size() + 2;
    std::u16string out;
    out.reserve(size);
    for (const auto& e : items_) {
        out += e.text;
        out += u"\r\n";
    }
    return out;
}

void TWideStrings::SetText(std::u16string_view text) {
    Clear();
    std::size_t at = 0;
    auto isBreak = [](char16_t c) { return c == 0 || c == u'\n' || c == u'\r' || c == kLineSeparator; };
    while (at < text.size() && text[at] != 0) {
        std::size_t start = at;
        while (at < text.size() && !isBreak(text[at])) ++at;
        Add(text.substr(start, at - start));
        if (at < text.size() && text[at] == u'\r') ++at;
        if (at < text.size() && text[at] == u'\n') ++at;
        if (at < text.size() && text[at] == kLineSeparator) ++at;
    }
}

void TWideStrings::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TWideStrings::SaveToFile(const std::string& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TWideStrings::LoadFromStream(TStream& stream) {
    std::int64_t size = stream.Size() - stream.Position();
    if (size <= 0) {
        Clear();
        return;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.ReadBuffer(bytes.data(), size);
    bool marked = bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == kUtf16LeMark[0] &&
                  static_cast<unsigned char>(bytes[1]) == kUtf16LeMark[1];
    if (!marked) {
        SetText(SystemBytesToUtf16(bytes));
        return;
    }
    std::u16string text((bytes.size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                        static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    SetText(text);
}

void TWideStrings::SaveToStream(TStream& stream) const {
    std::u16string text = Text();
    std::string bytes(reinterpret_cast<const char*>(kUtf16LeMark), 2);
    bytes.reserve(2 + text.size() * 2);
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TWideStrings::Assign(const TPersistent* source) {
    if (const auto* wide = dynamic_cast<const TWideStrings*>(source)) {
        if (wide == this) return;
        Clear();
        AppendAll(*wide);
        return;
    }
    if (const auto* strings = dynamic_cast<const TStrings*>(source)) {
        Clear();
        for (int i = 0; i < strings->Count(); ++i) AddObject(Utf8ToUtf16(strings->Strings(i)), strings->Objects(i));
        return;
    }
    TPersistent::Assign(source);
}

void TWideStrings::AssignTo(TPersistent* dest) const {
    if (auto* wide = dynamic_cast<TWideStrings*>(dest)) {
        wide->Assign(this);
        return;
    }
    if (auto* strings = dynamic_cast<TStrings*>(dest)) {
        UpdateScope update(*strings);
        strings->Clear();
        for (const auto& e : items_) strings->AddObject(Utf16ToUtf8(e.text), e.object);
        return;
    }
    TPersistent::AssignTo(dest);
}

void TWideStrings::ReadLines(TReader& reader) {
    Clear();
    reader.ReadListBegin();
    while (!reader.EndOfList()) Add(Utf8ToUtf16(reader.ReadString()));
    reader.ReadListEnd();
}

void TWideStrings::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    bool hasLines = Count() > 0;
    filer.DefineProperty("Strings", [this](TReader& r) { ReadLines(r); }, nullptr, hasLines);
    filer.DefineProperty(
        "UTF8", [this](TReader& r) { ReadLines(r); },
        [this](TWriter& w) {
            w.WriteListBegin();
            for (const auto& e : items_) w.WriteString(Utf16ToUtf8(e.text));
            w.WriteListEnd();
        },
        hasLines);
}

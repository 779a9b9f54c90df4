#include "ui/core/StringList.h"

#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"
#include "ui/core/Reader.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

#include <algorithm>
#include <numeric>

// TStrings

const TClassInfo& TStrings::StaticClass() {
    static const TClassInfo info("TStrings", &TPersistent::StaticClass());
    return info;
}

void TStrings::IndexError(int index) const {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStrings::SetString(int index, const std::string& value) {
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, value, object);
}

TObject* TStrings::Objects(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return nullptr;
}

void TStrings::SetObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& value, TObject* object) {
    Insert(index, value);
    SetObject(index, object);
}

int TStrings::Add(const std::string& value) {
    int index = Count();
    Insert(index, value);
    return index;
}

int TStrings::AddObject(const std::string& value, TObject* object) {
    int index = Add(value);
    SetObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    UpdateScope update(*this);
    for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Strings(i), strings.Objects(i));
}

void TStrings::Exchange(int a, int b) {
    std::string textA = Strings(a), textB = Strings(b);
    TObject* objectA = Objects(a);
    TObject* objectB = Objects(b);
    SetString(a, textB);
    SetObject(a, objectB);
    SetString(b, textA);
    SetObject(b, objectA);
}

void TStrings::Move(int from, int to) {
    if (from == to) return;
    std::string text = Strings(from);
    TObject* object = Objects(from);
    Delete(from);
    InsertObject(to, text, object);
}

int TStrings::IndexOf(std::string_view value) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), value) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == object) return i;
    return -1;
}

std::string TStrings::Names(int index) const {
    std::string line = Strings(index);
    std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
    std::string line = Strings(index);
    std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        std::string line = Strings(i);
        std::size_t eq = line.find('=');
        if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    std::string line = std::string(name) + "=" + value;
    if (index >= 0) SetString(index, line);
    else Add(line);
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Strings(i);
        text += LineBreak;
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    UpdateScope update(*this);
    Clear();
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        Add(std::string(text.substr(at, end - at)));
        at = end;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
    }
}

namespace {

std::string Quoted(const std::string& text, char quote) {
    std::string result(1, quote);
    for (char c : text) {
        if (c == quote) result += quote;
        result += c;
    }
    result += quote;
    return result;
}

}  // namespace

std::string TStrings::DelimitedText() const { return Joined(Delimiter, QuoteChar); }

std::string TStrings::Joined(char delimiter, char quoteChar) const {
    if (Count() == 1 && Strings(0).empty()) return std::string(2, quoteChar);
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        std::string item = Strings(i);
        bool quote = std::any_of(item.begin(), item.end(), [&](char c) {
            return static_cast<unsigned char>(c) <= ' ' || c == quoteChar || c == delimiter;
        });
        if (i > 0) result += delimiter;
        result += quote ? Quoted(item, quoteChar) : item;
    }
    return result;
}

void TStrings::SetDelimitedText(std::string_view text) {
    auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
    UpdateScope update(*this);
    Clear();
    std::size_t at = 0;
    while (at < text.size() && blank(text[at])) ++at;
    while (at < text.size()) {
        std::string item;
        if (text[at] == QuoteChar) {
            ++at;
            while (at < text.size()) {
                if (text[at] == QuoteChar) {
                    if (at + 1 < text.size() && text[at + 1] == QuoteChar) {
                        item += QuoteChar;
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                item += text[at++];
            }
        } else {
            while (at < text.size() && !blank(text[at]) && text[at] != Delimiter) item += text[at++];
        }
        Add(item);
        while (at < text.size() && blank(text[at])) ++at;
        if (at < text.size() && text[at] == Delimiter) {
            ++at;
            if (at == text.size()) Add("");
            while (at < text.size() && blank(text[at])) ++at;
        }
    }
}

std::string TStrings::CommaText() const { return Joined(',', '"'); }

void TStrings::SetCommaText(std::string_view text) {
    char delimiter = Delimiter, quote = QuoteChar;
    Delimiter = ',';
    QuoteChar = '"';
    ScopeExit restore([&] {
        Delimiter = delimiter;
        QuoteChar = quote;
    });
    SetDelimitedText(text);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other.Strings(i)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TStrings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    UpdateScope update(*this);
    Clear();
    AddStrings(*other);
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            reader.ReadListBegin();
            {
                UpdateScope update(*this);
                Clear();
                while (!reader.EndOfList()) Add(reader.ReadString());
            }
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& stream) {
    std::int64_t size = stream.Size() - stream.Position();
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)), '\0');
    bytes.resize(static_cast<std::size_t>(stream.Read(bytes.data(), static_cast<std::int64_t>(bytes.size()))));
    SetText(bytes);
}

void TStrings::SaveToStream(TStream& stream) const {
    std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// TStringList

const TClassInfo& TStringList::StaticClass() {
    // Made by name too (scripts create lists).
    static const TClassInfo info = [] {
        TClassInfo c("TStringList", &TStrings::StaticClass());
        c.SetConstructor([](TObject*) -> TPersistent* { return new TStringList(); });
        return c;
    }();
    return info;
}

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    Clear();
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

void TStringList::ReleaseObject(TObject* object) {
    if (ownsObjects_) delete object;
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].text;
}

void TStringList::SetString(int index, const std::string& value) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index);
    Changing();
    items_[static_cast<std::size_t>(index)].text = value;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::SetObject(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    TObject*& slot = items_[static_cast<std::size_t>(index)].object;
    if (slot != object) ReleaseObject(slot);
    slot = object;
    Changed();
}

void TStringList::Insert(int index, const std::string& value) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, value, nullptr);
}

void TStringList::InsertItem(int index, const std::string& value, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{value, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    TObject* object = items_[static_cast<std::size_t>(index)].object;
    items_.erase(items_.begin() + index);
    ReleaseObject(object);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    std::vector<Item> old;
    old.swap(items_);
    for (Item& item : old) ReleaseObject(item.object);
    Changed();
}

int TStringList::Add(const std::string& value) {
    int index = Count();
    if (sorted_) {
        if (Find(value, index)) {
            if (duplicates_ == TDuplicates::dupIgnore) return index;
            if (duplicates_ == TDuplicates::dupError)
                throw EStringListError("String list does not allow duplicates");
            while (index < Count() && CompareStrings(items_[static_cast<std::size_t>(index)].text, value) == 0) ++index;
        }
    }
    InsertItem(index, value, nullptr);
    return index;
}

void TStringList::Exchange(int a, int b) {
    CheckIndex(a);
    CheckIndex(b);
    Changing();
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
    Changed();
}

void TStringList::Move(int from, int to) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(from);
    CheckIndex(to);
    if (from == to) return;
    Changing();
    Item item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed();
}

int TStringList::IndexOf(std::string_view value) const {
    if (!sorted_) return TStrings::IndexOf(value);
    int index;
    return Find(value, index) ? index : -1;
}

bool TStringList::Find(std::string_view value, int& index) const {
    auto first = std::lower_bound(items_.begin(), items_.end(), value,
                                  [&](const Item& item, std::string_view v) { return CompareStrings(item.text, v) < 0; });
    index = static_cast<int>(first - items_.begin());
    return first != items_.end() && CompareStrings(first->text, value) == 0;
}

void TStringList::Sort() {
    CustomSort([](TStringList& list, int a, int b) { return list.CompareStrings(list.items_[a].text, list.items_[b].text); });
}

void TStringList::CustomSort(const std::function<int(TStringList&, int, int)>& compare) {
    if (items_.size() < 2) return;
    Changing();
    // Sort an index permutation so the comparer sees the list as it stands.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[static_cast<std::size_t>(i)]));
    items_.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == sorted_) return;
    if (value) Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == CaseSensitive()) return;
    TStrings::SetCaseSensitive(value);
    if (sorted_) Sort();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) Changing();
    else Changed();
}

void TStringList::Changed() {
    if (UpdateCount() == 0) FireEvent(OnChange, this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0) FireEvent(OnChanging, this);
}

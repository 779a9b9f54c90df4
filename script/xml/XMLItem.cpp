#include "script/xml/XMLItem.h"

#include "script/xml/XMLText.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TextCase.h"

#include <algorithm>

namespace {

// Attribute names are ASCII; upper-casing only ASCII letters keeps every
// byte where it was, so offsets found in the copy hold in the text.
std::string AsciiUpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

struct AttributeSpan {
    std::size_t nameStart = std::string::npos;  // in the attribute text
    std::size_t valueStart = 0;
    std::size_t valueEnd = 0;  // the closing quote, or the text's end
};

// Searches " NAME=\"" in a blank followed by the upper-cased text, so only
// whole attribute names at an attribute's start match.
AttributeSpan FindAttribute(const std::string& text, std::string_view name) {
    const std::string haystack = " " + AsciiUpperCase(text);
    const std::string needle = " " + AsciiUpperCase(name) + "=\"";
    AttributeSpan span;
    const std::size_t at = haystack.find(needle);
    if (at == std::string::npos) return span;
    // Offsets into the haystack are offsets into the text plus one.
    span.nameStart = at;
    span.valueStart = at + needle.size() - 1;
    const std::size_t close = text.find('"', span.valueStart);
    span.valueEnd = close == std::string::npos ? text.size() : close;
    return span;
}

}  // namespace

TscXMLItem::~TscXMLItem() {
    Clear();
    if (parent_ != nullptr) parent_->Detach(this);
}

TscXMLItem* TscXMLItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return children_[static_cast<std::size_t>(index)];
}

TscXMLItem* TscXMLItem::Add() {
    auto* item = new TscXMLItem();
    AddItem(item);
    return item;
}

void TscXMLItem::AddItem(TscXMLItem* item) {
    if (item->parent_ != nullptr) item->parent_->Detach(item);
    children_.push_back(item);
    item->parent_ = this;
}

void TscXMLItem::InsertItem(int index, TscXMLItem* item) {
    AddItem(item);
    const auto at = static_cast<std::ptrdiff_t>(std::clamp(index, 0, Count() - 1));
    std::rotate(children_.begin() + at, children_.end() - 1, children_.end());
}

int TscXMLItem::Find(std::string_view name) const {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (AnsiSameText(children_[i]->name_, name)) return static_cast<int>(i);
    return -1;
}

TscXMLItem* TscXMLItem::FindItem(std::string_view name) {
    const int index = Find(name);
    if (index >= 0) return children_[static_cast<std::size_t>(index)];
    TscXMLItem* item = Add();
    item->name_ = std::string(name);
    return item;
}

TscXMLItem* TscXMLItem::Root() {
    TscXMLItem* item = this;
    while (item->parent_ != nullptr) item = item->parent_;
    return item;
}

std::string TscXMLItem::Prop(std::string_view name) const {
    const AttributeSpan span = FindAttribute(text_, name);
    if (span.nameStart == std::string::npos) return {};
    return DecodeXMLText(std::string_view(text_).substr(span.valueStart, span.valueEnd - span.valueStart));
}

void TscXMLItem::SetProp(std::string_view name, std::string_view value) {
    const std::string attribute = std::string(name) + "=\"" + EncodeXMLText(value) + "\"";
    const AttributeSpan span = FindAttribute(text_, name);
    if (span.nameStart != std::string::npos) {
        const std::size_t end = std::min(span.valueEnd + 1, text_.size());
        text_.replace(span.nameStart, end - span.nameStart, attribute);
        return;
    }
    if (!text_.empty() && text_.back() != ' ') text_ += ' ';
    text_ += attribute;
}

void TscXMLItem::CopyFrom(const TscXMLItem* item) {
    Clear();
    if (item == nullptr) return;
    name_ = item->name_;
    text_ = item->text_;
    data_ = item->data_;
    for (const TscXMLItem* child : item->children_) Add()->CopyFrom(child);
}

void TscXMLItem::Clear() {
    std::vector<TscXMLItem*> children;
    children.swap(children_);
    for (TscXMLItem* child : children) {
        child->parent_ = nullptr;
        delete child;
    }
}

void TscXMLItem::Detach(TscXMLItem* child) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it != children_.end()) children_.erase(it);
    child->parent_ = nullptr;
}

#include "report/xml/XmlItem.h"

#include "report/xml/XmlText.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

TrpXMLItem::~TrpXMLItem() {
    Clear();
    Detach();
}

void TrpXMLItem::Clear() {
    while (!items_.empty()) delete items_.back();  // each child leaves the list itself
    if (Unloadable) Loaded = false;
}

TrpXMLItem* TrpXMLItem::Add() {
    auto* item = new TrpXMLItem();
    item->parent_ = this;
    items_.push_back(item);
    return item;
}

void TrpXMLItem::Detach() {
    if (!parent_) return;
    auto& siblings = parent_->items_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
}

void TrpXMLItem::AddItem(TrpXMLItem* item) {
    item->Detach();
    item->parent_ = this;
    items_.push_back(item);
}

void TrpXMLItem::InsertItem(int index, TrpXMLItem* item) {
    AddItem(item);
    items_.pop_back();
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
}

int TrpXMLItem::Find(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(items_[i]->Name, name)) return i;
    return -1;
}

TrpXMLItem* TrpXMLItem::FindItem(std::string_view name) {
    int index = Find(name);
    if (index >= 0) return items_[index];
    TrpXMLItem* item = Add();
    item->Name = name;
    return item;
}

int TrpXMLItem::IndexOf(const TrpXMLItem* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

std::size_t TrpXMLItem::FindAttribute(std::string_view name) const {
    // A blank put in front so the first attribute is found like the others.
    std::string text = " " + Text;
    std::string key = " " + std::string(name) + "=\"";
    for (std::size_t at = 0; at + key.size() <= text.size(); ++at)
        if (SameAscii(std::string_view(text).substr(at, key.size()), key)) return at;  // = start in Text - 1
    return std::string::npos;
}

std::string TrpXMLItem::Prop(std::string_view name) const {
    std::size_t at = FindAttribute(name);
    if (at == std::string::npos) return {};
    std::size_t valueStart = at + name.size() + 2;  // in Text: past the name, '=' and '"'
    std::size_t valueEnd = Text.find('"', valueStart);
    if (valueEnd == std::string::npos) valueEnd = Text.size();
    return UnescapeAttrText(std::string_view(Text).substr(valueStart, valueEnd - valueStart));
}

void TrpXMLItem::SetProp(std::string_view name, std::string_view value) {
    std::string attribute = std::string(name) + "=\"" + EscapeAttrText(value) + "\"";
    std::size_t at = FindAttribute(name);
    if (at != std::string::npos) {
        std::size_t valueStart = at + name.size() + 2;
        std::size_t valueEnd = Text.find('"', valueStart);
        std::size_t end = valueEnd == std::string::npos ? Text.size() : valueEnd + 1;
        Text.replace(at, end - at, attribute);
        return;
    }
    if (!Text.empty() && Text.back() != ' ') Text += ' ';
    Text += attribute;
}

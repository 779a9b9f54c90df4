#include "ui/controls/ItemListModel.h"

#include "ui/core/TextCase.h"

#include "platform/text/Utf8Text.h"

#include <algorithm>

namespace {
constexpr std::uint64_t TypeAheadPauseMs = 1000;
}

void TItemListModel::SetSorted(bool value) {
    if (value == items_.Sorted()) return;
    ClearSelection();
    items_.SetSorted(value);
    selected_.assign(static_cast<std::size_t>(Count()), false);
}

int TItemListModel::Add(const std::string& text, TObject* object) {
    int index = items_.AddObject(text, object);
    ItemInserted(index);
    return index;
}

void TItemListModel::Insert(int index, const std::string& text, TObject* object) {
    if (items_.Sorted()) {
        Add(text, object);
        return;
    }
    index = std::clamp(index, 0, Count());
    items_.InsertObject(index, text, object);
    ItemInserted(index);
}

void TItemListModel::ItemInserted(int index) {
    selected_.insert(selected_.begin() + index, false);
    if (itemIndex_ >= index) ++itemIndex_;
}

void TItemListModel::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.Delete(index);
    ItemDeleted(index);
}

void TItemListModel::ItemDeleted(int index) {
    selected_.erase(selected_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - 1));
}

void TItemListModel::Clear() {
    items_.Clear();
    selected_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
}

void TItemListModel::SetItems(const TStrings& items) {
    Clear();
    for (int i = 0; i < items.Count(); ++i) Add(items.Strings(i), items.Objects(i));
}

void TItemListModel::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (multiSelect_) {
        itemIndex_ = index;
        return;
    }
    SelectOnly(index);
}

void TItemListModel::SelectOnly(int index) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = true;
    itemIndex_ = index;
}

void TItemListModel::SetMultiSelect(bool value) {
    multiSelect_ = value;
    if (!value) SelectOnly(itemIndex_);
}

bool TItemListModel::Selected(int index) const {
    return index >= 0 && index < Count() && selected_[static_cast<std::size_t>(index)];
}

void TItemListModel::SetSelected(int index, bool value) {
    if (index < 0 || index >= Count()) return;
    if (!multiSelect_) {
        if (value) SelectOnly(index);
        else if (index == itemIndex_) SelectOnly(-1);
        return;
    }
    selected_[static_cast<std::size_t>(index)] = value;
}

int TItemListModel::SelCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TItemListModel::SelectAll() {
    if (multiSelect_) std::fill(selected_.begin(), selected_.end(), true);
}

void TItemListModel::ClearSelection() {
    std::fill(selected_.begin(), selected_.end(), false);
    itemIndex_ = -1;
}

void TItemListModel::SetTopIndex(int index) {
    int last = std::max(0, Count() - visibleRows_);
    topIndex_ = std::clamp(index, 0, last);
}

void TItemListModel::SetVisibleRows(int rows) {
    visibleRows_ = std::max(1, rows);
    SetTopIndex(topIndex_);
}

void TItemListModel::EnsureVisible(int index) {
    if (index < 0 || index >= Count()) return;
    if (index < topIndex_) SetTopIndex(index);
    else if (index >= topIndex_ + visibleRows_) SetTopIndex(index - visibleRows_ + 1);
}

bool TItemListModel::Move(TListMove move) {
    if (Count() == 0) return false;
    int from = itemIndex_;
    int to = from;
    int page = std::max(1, visibleRows_ - 1);
    switch (move) {
    case TListMove::Up: to = from < 0 ? 0 : from - 1; break;
    case TListMove::Down: to = from + 1; break;
    case TListMove::PageUp: to = from - page; break;
    case TListMove::PageDown: to = from < 0 ? page : from + page; break;
    case TListMove::Home: to = 0; break;
    case TListMove::End: to = Count() - 1; break;
    }
    to = std::clamp(to, 0, Count() - 1);
    if (to == from) return false;
    SelectOnly(to);
    EnsureVisible(to);
    return true;
}

int TItemListModel::FindPrefix(const std::string& prefix, int start) const {
    int n = Count();
    if (n == 0) return -1;
    std::u32string wanted = platform::DecodeUtf8(prefix);
    for (int k = 0; k < n; ++k) {
        int i = ((start % n) + n + k) % n;
        std::u32string item = platform::DecodeUtf8(Item(i));
        if (item.size() < wanted.size()) continue;
        if (AnsiSameText(platform::EncodeUtf8(item.substr(0, wanted.size())), prefix)) return i;
    }
    return -1;
}

bool TItemListModel::TypeAhead(char32_t c, std::uint64_t nowMs) {
    if (c < U' ') return false;
    if (typed_.empty() || nowMs - lastTypedMs_ > TypeAheadPauseMs) typed_.clear();
    lastTypedMs_ = nowMs;
    typed_ += c;
    bool repeated = std::all_of(typed_.begin(), typed_.end(), [&](char32_t t) { return t == typed_[0]; });
    int found;
    if (repeated) {
        found = FindPrefix(platform::EncodeUtf8(typed_.substr(0, 1)), itemIndex_ + 1);
    } else {
        found = FindPrefix(platform::EncodeUtf8(typed_), std::max(itemIndex_, 0));
    }
    if (found < 0 || found == itemIndex_) return false;
    SelectOnly(found);
    EnsureVisible(found);
    return true;
}

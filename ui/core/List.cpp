#include "ui/core/List.h"

#include "ui/core/Exceptions.h"

#include <algorithm>
#include <string>

void TList::Check(int index, int count) const {
    if (index < 0 || index >= count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void* TList::Items(int index) const {
    Check(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

void TList::SetItem(int index, void* item) {
    Check(index, Count());
    items_[static_cast<std::size_t>(index)] = item;
}

int TList::Add(void* item) {
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    Check(index, Count() + 1);
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    Check(index, Count());
    items_.erase(items_.begin() + index);
}

int TList::Remove(void* item) {
    int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) { return Remove(item) >= 0 ? item : nullptr; }

int TList::IndexOf(const void* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TList::Exchange(int a, int b) {
    Check(a, Count());
    Check(b, Count());
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}

void TList::Move(int from, int to) {
    if (from == to) return;
    void* item = Items(from);
    Check(to, Count());
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, item);
}

void TList::Clear() { items_.clear(); }

void TList::Pack() { std::erase(items_, nullptr); }

void TList::Sort(const std::function<int(void*, void*)>& compare) {
    std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

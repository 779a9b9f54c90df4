#include "script/core/ItemList.h"

#include <algorithm>

TscItemList::~TscItemList() { TscItemList::Clear(); }

void TscItemList::Clear() {
    // The first first: later items may refer to earlier ones while they go.
    for (auto& item : items_) item.reset();
    items_.clear();
}

void TscItemList::Add(std::unique_ptr<TscItemList> item) { items_.push_back(std::move(item)); }

std::unique_ptr<TscItemList> TscItemList::Remove(const TscItemList* item) {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& held) { return held.get() == item; });
    if (found == items_.end()) return nullptr;
    std::unique_ptr<TscItemList> taken = std::move(*found);
    items_.erase(found);
    return taken;
}

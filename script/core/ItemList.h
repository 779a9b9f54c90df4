#pragma once
// The base of the script's object model: an object that owns a list of
// items (a routine's parameters, a statement's children, a designator's
// steps). An item may be none (a range marker in a set).

#include "ui/core/Object.h"

#include <memory>
#include <vector>

class TscItemList : public TObject {
public:
    TscItemList() = default;
    ~TscItemList() override;

    // Frees every item, the first first.
    virtual void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TscItemList* Item(int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    void Add(std::unique_ptr<TscItemList> item);
    // Takes the item out without freeing it; nothing when it is not held.
    std::unique_ptr<TscItemList> Remove(const TscItemList* item);
    // Exchanges the two lists' items.
    void SwapItems(TscItemList& other) { items_.swap(other.items_); }

private:
    std::vector<std::unique_ptr<TscItemList>> items_;
};

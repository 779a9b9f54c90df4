#include "ui/core/Collection.h"

#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>

const TClassInfo& TCollectionItem::StaticClass() {
    static const TClassInfo info = [] {
        TClassInfo c("TCollectionItem", &TPersistent::StaticClass());
        c.SetConstructor([](TObject* owner) -> TPersistent* {
            return new TCollectionItem(dynamic_cast<TCollection*>(owner));
        });
        return c;
    }();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection == collection_) return;
    if (collection_) collection_->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!collection_) return -1;
    auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (current < 0 || index == current) return;
    auto& items = collection_->items_;
    index = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

std::string TCollectionItem::GetNamePath() const {
    if (!collection_) return ClassName();
    return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info("TCollection", &TPersistent::StaticClass());
    return info;
}

TCollection::TCollection(const TClassInfo& itemClass, TPersistent* owner) : itemClass_(itemClass), owner_(owner) {
    if (!itemClass.InheritsFrom(TCollectionItem::StaticClass()) || !itemClass.CanCreate())
        throw EInvalidOperation("Class " + itemClass.Name() + " cannot be a collection item");
}

TCollection::~TCollection() {
    updateCount_ = 1;
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
    // The item's constructor inserts it, which tells of the change.
    return static_cast<TCollectionItem*>(itemClass_.Create(this));
}

TCollectionItem* TCollection::Insert(int index) {
    UpdateScope update(*this);
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) delete items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_)
        if (item->id_ == id) return item;
    return nullptr;
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    UpdateScope update(*this);
    Clear();
    for (TCollectionItem* item : other->items_) Add()->Assign(item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* item) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    std::erase(items_, item);
    item->collection_ = nullptr;
    Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0) Update(nullptr);
}

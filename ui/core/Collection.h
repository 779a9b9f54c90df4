#pragma once
// Collections: an ordered set of items of one class, each item knowing its
// collection and index; the collection frees its items.

#include "ui/core/Persistent.h"

#include <string>
#include <vector>

class TClassInfo;
class TCollection;

class TCollectionItem : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item into another collection (or out of any with nullptr).
    void SetCollection(TCollection* collection);
    int Index() const;
    // Moves the item within its collection.
    void SetIndex(int index);
    // Unique within the collection, never reused.
    int ID() const { return id_; }
    virtual std::string DisplayName() const;

    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Tells the collection that this item (or with `allItems`, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // `itemClass` must be TCollectionItem or a class derived from it that
    // can be created; `owner` is what GetOwner answers (the owning component).
    explicit TCollection(const TClassInfo& itemClass, TPersistent* owner = nullptr);
    ~TCollection() override;

    const TClassInfo& ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index out of range.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Copies the items of another collection as new items of this one.
    void Assign(const TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

protected:
    // Told after items change; `item` nullptr means every item. Runs only
    // outside BeginUpdate/EndUpdate.
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void Changed();

    const TClassInfo& itemClass_;
    TPersistent* owner_;
    std::vector<TCollectionItem*> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};

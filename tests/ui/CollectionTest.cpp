#include "ui/core/Collection.h"
#include "ui/core/List.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"

#include <gtest/gtest.h>

namespace {

class TNamedItem : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    using TCollectionItem::TCollectionItem;
    std::string Text;
    void Assign(const TPersistent* source) override {
        if (auto* item = dynamic_cast<const TNamedItem*>(source)) Text = item->Text;
        else TCollectionItem::Assign(source);
    }
};

const TClassInfo& TNamedItem::StaticClass() {
    static const TClassInfo info = TPublished<TNamedItem>("TNamedItem", TCollectionItem::StaticClass()).Build();
    return info;
}

class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(TNamedItem::StaticClass()) {}
    int updates = 0;

protected:
    void Update(TCollectionItem*) override { ++updates; }
};

TNamedItem* Add(TCollection& c, const std::string& text) {
    auto* item = static_cast<TNamedItem*>(c.Add());
    item->Text = text;
    return item;
}

}  // namespace

TEST(Collection, ItemsKnowTheirIndexAndKeepTheirId) {
    TCountingCollection c;
    TNamedItem* a = Add(c, "a");
    TNamedItem* b = Add(c, "b");
    TNamedItem* d = Add(c, "d");
    EXPECT_EQ(c.updates, 3);
    d->SetIndex(0);
    EXPECT_EQ(c.Items(0), d);
    EXPECT_EQ(b->Index(), 2);
    int idOfA = a->ID();
    delete a;  // an item freed on its own leaves the collection
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.FindItemID(idOfA), nullptr);
    EXPECT_EQ(Add(c, "e")->ID(), 3);  // ids are never reused
    auto* inserted = static_cast<TNamedItem*>(c.Insert(0));
    EXPECT_EQ(c.Items(0), inserted);
    EXPECT_THROW(c.Items(9), EListError);
}

TEST(Collection, UpdatesWaitForTheEndOfAnUpdateBlockAndAssignCopies) {
    TCountingCollection c;
    c.BeginUpdate();
    Add(c, "x");
    Add(c, "y");
    EXPECT_EQ(c.updates, 0);
    c.EndUpdate();
    EXPECT_EQ(c.updates, 1);

    TCountingCollection copy;
    Add(copy, "old");
    copy.Assign(&c);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(static_cast<TNamedItem*>(copy.Items(1))->Text, "y");
    EXPECT_THROW(TCollection{TCollection::StaticClass()}, EInvalidOperation);
}

TEST(Collection, AnAssignThatFailsHalfwayStillEndsItsUpdate) {
    TCollection foreign(TCollectionItem::StaticClass());
    foreign.Add();
    TCountingCollection c;
    Add(c, "kept until the copy");
    c.updates = 0;
    EXPECT_THROW(c.Assign(&foreign), EConvertError) << "a plain item cannot be copied into a named one";
    EXPECT_EQ(c.UpdateCount(), 0);
    int before = c.updates;
    Add(c, "after");
    EXPECT_EQ(c.updates, before + 1) << "changes are told again";
}

TEST(List, IndexErrorsAndOrderOperations) {
    int a = 1, b = 2, c = 3;
    TList list;
    list.Add(&a);
    list.Add(nullptr);
    list.Add(&b);
    list.Insert(0, &c);
    EXPECT_EQ(list.IndexOf(&b), 3);
    list.Pack();
    EXPECT_EQ(list.Count(), 3);
    list.Move(0, 2);
    EXPECT_EQ(list.Last(), &c);
    list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Remove(&b), 1);
    EXPECT_EQ(list.Extract(&b), nullptr);
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.Insert(5, &a), EListError);
}

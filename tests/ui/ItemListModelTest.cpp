#include "ui/controls/ItemListModel.h"

#include <gtest/gtest.h>

namespace {

void Fruits(TItemListModel& m, bool sorted) {
    m.SetSorted(sorted);
    for (const char* s : {"груша", "Абрикос", "банан", "айва", "Бергамот", "вишня"}) m.Add(s);
}

TEST(ItemListModelTest, SortedItemsLandInPlaceAndKeepTheSelection) {
    TItemListModel m;
    Fruits(m, true);
    EXPECT_EQ(m.Item(0), "Абрикос");
    EXPECT_EQ(m.Item(1), "айва");
    EXPECT_EQ(m.Item(5), "груша");
    m.SetItemIndex(m.IndexOf("банан"));
    EXPECT_EQ(m.Add("апельсин"), 2);  // after "айва": й before п
    EXPECT_EQ(m.Item(m.ItemIndex()), "банан");
    m.Delete(0);
    EXPECT_EQ(m.Item(m.ItemIndex()), "банан");
    m.Delete(m.ItemIndex());
    EXPECT_EQ(m.ItemIndex(), -1);
    m.SetItemIndex(42);
    EXPECT_EQ(m.ItemIndex(), -1);
}

TEST(ItemListModelTest, KeyboardMovesStopAtTheEnds) {
    TItemListModel m;
    Fruits(m, false);
    m.SetVisibleRows(3);
    EXPECT_TRUE(m.Move(TListMove::Down));  // nothing selected: the first item
    EXPECT_EQ(m.ItemIndex(), 0);
    EXPECT_FALSE(m.Move(TListMove::Up));
    EXPECT_TRUE(m.Move(TListMove::PageDown));
    EXPECT_EQ(m.ItemIndex(), 2);
    EXPECT_TRUE(m.Move(TListMove::End));
    EXPECT_EQ(m.ItemIndex(), 5);
    EXPECT_EQ(m.TopIndex(), 3);
    EXPECT_FALSE(m.Move(TListMove::Down));
    EXPECT_TRUE(m.Move(TListMove::Home));
    EXPECT_EQ(m.TopIndex(), 0);
}

TEST(ItemListModelTest, TypeAheadByPrefixAndByRepeatedLetter) {
    TItemListModel m;  // Абрикос айва банан Бергамот вишня груша
    Fruits(m, true);
    EXPECT_TRUE(m.TypeAhead(U'б', 0));
    EXPECT_EQ(m.Item(m.ItemIndex()), "банан");
    EXPECT_TRUE(m.TypeAhead(U'е', 300));  // "бе" within the pause
    EXPECT_EQ(m.Item(m.ItemIndex()), "Бергамот");
    EXPECT_TRUE(m.TypeAhead(U'а', 2000));  // a new search after the pause
    EXPECT_EQ(m.Item(m.ItemIndex()), "Абрикос");
    EXPECT_TRUE(m.TypeAhead(U'а', 2100));  // the same letter again: the next one
    EXPECT_EQ(m.Item(m.ItemIndex()), "айва");
    EXPECT_TRUE(m.TypeAhead(U'а', 2200));  // and round again
    EXPECT_EQ(m.Item(m.ItemIndex()), "Абрикос");
    EXPECT_FALSE(m.TypeAhead(U'я', 5000));
    EXPECT_EQ(m.Item(m.ItemIndex()), "Абрикос");
}

TEST(ItemListModelTest, MultiSelectKeepsSeveralAndSingleSelectOne) {
    TItemListModel m;
    Fruits(m, false);
    m.SetMultiSelect(true);
    m.SetSelected(1, true);
    m.SetSelected(3, true);
    EXPECT_EQ(m.SelCount(), 2);
    m.SelectAll();
    EXPECT_EQ(m.SelCount(), 6);
    m.SetItemIndex(2);
    m.SetMultiSelect(false);
    EXPECT_EQ(m.SelCount(), 1);
    EXPECT_TRUE(m.Selected(2));
    m.SetSelected(4, true);
    EXPECT_EQ(m.ItemIndex(), 4);
    EXPECT_FALSE(m.Selected(2));
}

}  // namespace

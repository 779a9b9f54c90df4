#include "ui/controls/GridCells.h"
#include "ui/controls/ListViewItems.h"
#include "ui/controls/StatusPanels.h"
#include "ui/graphics/ImageStore.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusPanelsTest, LastPanelTakesTheRestAndChangesAreTold) {
    TStatusPanels panels;
    int changes = 0;
    panels.OnChange = [&](TObject*) { ++changes; };
    panels.Add()->SetWidth(100);
    panels.Add()->SetWidth(80);
    panels.Add()->SetText("Подключено");
    EXPECT_GT(changes, 0);
    platform::RECT last = panels.PanelRect(2, 400, 20);
    EXPECT_EQ(last.left, 180);
    EXPECT_EQ(last.right, 400);
    EXPECT_EQ(panels.PanelAt(99, 400), 0);
    EXPECT_EQ(panels.PanelAt(100, 400), 1);
    EXPECT_EQ(panels.PanelAt(399, 400), 2);
    EXPECT_EQ(panels.PanelAt(400, 400), -1);
    // A bar narrower than the fixed panels leaves the last one empty, not inverted.
    platform::RECT squeezed = panels.PanelRect(2, 150, 20);
    EXPECT_EQ(squeezed.right, squeezed.left);
}

TEST(ListViewItemsTest, ColumnsTextsAndSingleSelection) {
    TListItems items;
    std::vector<std::pair<std::string, bool>> told;
    items.OnSelectItem = [&](TListItem* i, bool s) { told.emplace_back(i->Caption(), s); };
    for (const char* name : {"flight1.log", "flight2.log", "flight3.log"}) {
        TListItem* item = items.Add();
        item->SetCaption(name);
        item->SubItems().Add("12 КБ");
    }
    EXPECT_EQ(items.Item(1)->ColumnText(0), "flight2.log");
    EXPECT_EQ(items.Item(1)->ColumnText(1), "12 КБ");
    EXPECT_EQ(items.Item(1)->ColumnText(5), "");

    items.Item(0)->SetSelected(true);
    items.Item(2)->SetSelected(true);  // single select: the first goes
    EXPECT_EQ(items.SelCount(), 1);
    EXPECT_EQ(items.Selected(), items.Item(2));
    EXPECT_EQ(told, (std::vector<std::pair<std::string, bool>>{
                        {"flight1.log", true}, {"flight1.log", false}, {"flight3.log", true}}));
}

TEST(ListViewItemsTest, MultiSelectReadsEverySelectedItem) {
    TListItems items;
    items.SetMultiSelect(true);
    for (int i = 0; i < 5; ++i) items.Add()->SetCaption(std::to_string(i));
    items.Item(1)->SetSelected(true);
    items.Item(3)->SetSelected(true);
    std::vector<std::string> selected;
    for (TListItem* i = items.Selected(); i; i = items.NextSelected(i)) selected.push_back(i->Caption());
    EXPECT_EQ(selected, (std::vector<std::string>{"1", "3"}));
    items.Item(1)->Delete();
    EXPECT_EQ(items.Selected()->Caption(), "3");
    items.SetMultiSelect(false);
    items.Add()->SetSelected(true);
    EXPECT_EQ(items.SelCount(), 1);
    items.Clear();
    EXPECT_EQ(items.Selected(), nullptr);
}

TEST(GridCellsTest, ResizingKeepsWhatFitsAndFixedCellsStayOutOfReach) {
    TGridCells grid(3, 2);
    grid.SetCell(0, 0, "Параметр");
    grid.SetCell(2, 1, "42");
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cell(2, 1), "42");
    EXPECT_EQ(grid.Cell(0, 0), "Параметр");
    grid.SetColCount(2);
    EXPECT_EQ(grid.Cell(2, 1), "");  // outside now
    grid.SetColCount(3);
    EXPECT_EQ(grid.Cell(2, 1), "");  // and not brought back
    grid.SetCell(7, 7, "ignored");
    EXPECT_EQ(grid.Row(0), (std::vector<std::string>{"Параметр", "", ""}));

    EXPECT_FALSE(grid.Select(0, 3));  // a fixed column
    EXPECT_TRUE(grid.Select(1, 3));
    EXPECT_FALSE(grid.Move(TGridMove::Left));
    EXPECT_TRUE(grid.Move(TGridMove::Top));
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_TRUE(grid.Move(TGridMove::Bottom));
    EXPECT_EQ(grid.CurrentRow(), 9);
    grid.SetRowCount(4);  // the current row follows the shrinking grid
    EXPECT_EQ(grid.CurrentRow(), 3);
    grid.SetRowCount(1);  // one row cannot stay fixed
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(ImageStoreTest, ImagesOfOneSizeByIndex) {
    TImageStore store(2, 2);
    std::vector<std::uint32_t> red(4, 0xFFFF0000), green(4, 0xFF00FF00);
    EXPECT_EQ(store.Add(red), 0);
    EXPECT_EQ(store.Add(std::vector<std::uint32_t>(3)), -1);
    // A strip of two images, rows of 4 pixels.
    std::vector<std::uint32_t> strip{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(store.AddStrip(strip, 4), 1);
    EXPECT_EQ(store.Pixels(1), (std::vector<std::uint32_t>{1, 2, 5, 6}));
    EXPECT_EQ(store.Pixels(2), (std::vector<std::uint32_t>{3, 4, 7, 8}));
    EXPECT_EQ(store.AddStrip(strip, 3), -1);
    store.Move(0, 2);
    EXPECT_EQ(store.Pixels(2), red);
    EXPECT_TRUE(store.Replace(0, green));
    store.Delete(1);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_TRUE(store.Pixels(9).empty());
    EXPECT_EQ(TImageStore::Premultiply(0x80FF8000u), 0x80804000u);
    EXPECT_EQ(TImageStore::Premultiply(0x00FFFFFFu), 0u);
}

}  // namespace

#include "ControlFixture.h"

#include "ui/controls/ControlFrames.h"
#include "ui/controls/ListView.h"

#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

// A colour as the pixels hold it, 0x00RRGGBB.
std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

class ListViewControl : public ControlFixture {
protected:
    // The download window's list: list style, several picked at once, one column 180 wide.
    TListView* FileList(int files) {
        auto* list = Add<TListView>(10, 10, 370, 120);
        list->SetViewStyle(TViewStyle::vsList);
        list->SetMultiSelect(true);
        list->ReadOnly = true;
        list->Columns().Add()->SetWidth(180);
        for (int i = 0; i < files; ++i)
            list->Items().Add()->SetCaption("LOG000" + std::to_string(i + 1) + ".log (" + std::to_string(256 * (i + 1)) +
                                            ")       ");
        list->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            notices.push_back((selected ? "+" : "-") + std::to_string(item->Index()));
        };
        return list;
    }
    static std::vector<int> SelectedIndexes(TListView* list) {
        std::vector<int> out;
        for (TListItem* i = list->Items().NextSelected(nullptr); i; i = list->Items().NextSelected(i))
            out.push_back(i->Index());
        return out;
    }
    void ClickItem(TListView* list, int index, platform::UINT modifier = 0) {
        TRect r = list->ItemRect(index);
        if (modifier) platform::testing::PressKey(modifier);
        ClickAt(list, r.Left + 8, (r.Top + r.Bottom) / 2);
        if (modifier) platform::testing::ReleaseKey(modifier);
        Pump();
    }
    // A report of two columns, "Файл" 120 wide and "Размер" 80, and `rows` files.
    TListView* Report(int rows) {
        auto* list = Add<TListView>(10, 10, 300, 150);
        list->SetViewStyle(TViewStyle::vsReport);
        for (auto [caption, width] : {std::pair{"Файл", 120}, std::pair{"Размер", 80}}) {
            TListColumn* column = list->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(width);
        }
        for (int i = 0; i < rows; ++i) list->Items().Add()->SetCaption("f" + std::to_string(i));
        return list;
    }
    // Presses the left button at one client point, moves through the others and lets go at the last.
    static void Drag(TControl* c, std::initializer_list<TPoint> points) {
        bool first = true;
        for (TPoint p : points) {
            TPoint s = c->ClientToScreen(p);
            platform::testing::MoveMouse(s.X, s.Y);
            Pump();
            if (first) platform::testing::PressMouse(0);
            first = false;
            Pump();
        }
        platform::testing::ReleaseMouse(0);
        Pump();
    }
    static std::uint32_t Pixel(TWinControl* c, int x, int y) {
        platform::POINT p{x, y};
        platform::ClientToScreen(c->Handle(), &p);
        platform::RECT w;
        platform::GetWindowRect(c->Handle(), &w);
        return platform::testing::WindowPixel(c->Handle(), p.x - w.left, p.y - w.top) & 0xFFFFFF;
    }
    static bool HasBar(TWinControl* c, platform::DWORD bit) {
        return (platform::GetWindowLongPtr(c->Handle(), platform::GWL_STYLE) & bit) != 0;
    }
    std::vector<std::string> notices;
};

TEST_F(ListViewControl, ListStyleFillsColumnsOfTheGivenWidthAndScrollsAcross) {
    TListView* list = FileList(20);
    ShowForm();
    int perColumn = list->ClientHeight() / list->RowHeight();
    ASSERT_GT(perColumn, 1);
    ASSERT_LT(perColumn, 20);
    EXPECT_EQ(list->ItemRect(1).Top, list->ItemRect(0).Bottom);
    EXPECT_EQ(list->ItemRect(perColumn).Left, list->ItemRect(0).Left + 180);
    EXPECT_EQ(list->ItemRect(perColumn).Top, list->ItemRect(0).Top);
    EXPECT_EQ(list->GetItemAt(185, list->ItemRect(0).Top + 2), list->Items().Item(perColumn));
    EXPECT_TRUE(HasBar(list, platform::WS_HSCROLL));
    EXPECT_FALSE(HasBar(list, platform::WS_VSCROLL));
    Focus(list);
    Key(platform::VK_END);  // the last column comes into view
    EXPECT_EQ(list->ItemFocused(), list->Items().Item(19));
    TRect last = list->ItemRect(19);
    EXPECT_GE(last.Left, 0);
    EXPECT_LE(last.Right, list->ClientWidth());
    EXPECT_EQ(platform::GetScrollPos(list->Handle(), platform::SB_HORZ), 19 / perColumn - 1);
    list->Items().Clear();
    Pump();
    EXPECT_FALSE(HasBar(list, platform::WS_HSCROLL));
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->ItemFocused(), nullptr);
}

TEST_F(ListViewControl, ClicksWithCtrlAndShiftPickSeveralFiles) {
    TListView* list = FileList(8);
    ShowForm();
    ClickItem(list, 0);
    ClickItem(list, 2, platform::VK_CONTROL);
    EXPECT_EQ(SelectedIndexes(list), (std::vector<int>{0, 2}));
    ClickItem(list, 5, platform::VK_SHIFT);  // from the last Ctrl pick
    EXPECT_EQ(SelectedIndexes(list), (std::vector<int>{2, 3, 4, 5}));
    ClickItem(list, 3, platform::VK_CONTROL);
    EXPECT_EQ(SelectedIndexes(list), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(list->SelCount(), 3);
    EXPECT_EQ(list->Selected(), list->Items().Item(2));
    ClickItem(list, 7);
    EXPECT_EQ(SelectedIndexes(list), (std::vector<int>{7}));
    EXPECT_EQ(notices, (std::vector<std::string>{"+0", "+2", "-0", "+3", "+4", "+5", "-3", "-2", "-4", "-5", "+7"}));
    TRect end = list->ItemRect(7);
    ClickAt(list, end.Left + 8, list->ClientHeight() - 2);  // below the items of the last column
    EXPECT_EQ(list->SelCount(), 0) << "a click on no item lets go of the selection";
}

TEST_F(ListViewControl, KeysMoveTheFocusAndExtendTheSelection) {
    TListView* list = FileList(12);
    ShowForm();
    Focus(list);
    int perColumn = list->ClientHeight() / list->RowHeight();
    struct Step {
        platform::UINT modifier, key;
        int focus;
        std::vector<int> selected;
    } steps[] = {
        {0, platform::VK_DOWN, 0, {0}},  // the first key lands on the first item
        {0, platform::VK_DOWN, 1, {1}},
        {0, platform::VK_RIGHT, 1 + perColumn, {1 + perColumn}},
        {platform::VK_SHIFT, platform::VK_UP, perColumn, {perColumn, 1 + perColumn}},
        {platform::VK_CONTROL, platform::VK_HOME, 0, {perColumn, 1 + perColumn}},  // Ctrl moves only the focus
        {platform::VK_CONTROL, platform::VK_SPACE, 0, {0, perColumn, 1 + perColumn}},
        {0, platform::VK_END, 11, {11}},
        {0, platform::VK_DOWN, 11, {11}},
        {platform::VK_CONTROL, 'A', 11, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {platform::VK_SHIFT, platform::VK_HOME, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    for (const Step& s : steps) {
        if (s.modifier)
            KeyWith(s.modifier, s.key);
        else
            Key(s.key);
        ASSERT_NE(list->ItemFocused(), nullptr);
        EXPECT_EQ(list->ItemFocused()->Index(), s.focus) << s.key;
        EXPECT_EQ(SelectedIndexes(list), s.selected) << s.key;
    }
}

TEST_F(ListViewControl, ReportRowsShowSubitemsUnderTheirColumnsAndScrollDown) {
    auto* list = Add<TListView>(10, 10, 300, 150);
    list->SetViewStyle(TViewStyle::vsReport);
    for (auto [caption, width] : {std::pair{"Файл", 120}, std::pair{"Размер", 80}}) {
        TListColumn* column = list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    for (int i = 0; i < 30; ++i) {
        TListItem* item = list->Items().Add();
        item->SetCaption("f" + std::to_string(i));
        item->SubItems().Add(std::to_string(i * 10));
    }
    std::vector<std::string> clicked;
    list->OnColumnClick = [&](TObject*, TListColumn* c) { clicked.push_back(c->Caption()); };
    std::vector<std::string> picks;
    list->OnSelectItem = [&](TObject*, TListItem* item, bool on) {
        picks.push_back((on ? "+" : "-") + item->Caption());
    };
    ShowForm();
    EXPECT_EQ(list->Items().Item(3)->ColumnText(1), "30");
    EXPECT_TRUE(HasBar(list, platform::WS_VSCROLL));
    EXPECT_FALSE(HasBar(list, platform::WS_HSCROLL)) << "the columns fit";
    int header = list->HeaderHeight();
    ASSERT_GT(header, 0);
    ClickAt(list, 150, header / 2);
    EXPECT_EQ(clicked, std::vector<std::string>{"Размер"});
    // A click in any column picks the row and lets go of the last pick; right of the columns is no row.
    ClickAt(list, 150, header + list->RowHeight() / 2);
    ClickAt(list, 20, header + list->RowHeight() * 2 + 1);
    EXPECT_EQ(list->GetItemAt(250, header + 1), nullptr);
    EXPECT_EQ(picks, (std::vector<std::string>{"+f0", "-f0", "+f2"}));
    EXPECT_EQ(list->ItemIndex(), 2);
    Key(platform::VK_NEXT);
    int rows = list->VisibleRowCount();
    EXPECT_EQ(list->ItemIndex(), 2 + rows);
    EXPECT_EQ(list->TopItem()->Index(), 3) << "the focus shows in the last whole row";
    platform::testing::MoveMouse(list->ClientToScreen({50, 60}).X, list->ClientToScreen({50, 60}).Y);
    platform::testing::TurnWheel(-120);
    Pump();
    EXPECT_EQ(list->TopItem()->Index(), 3 + 3);
    EXPECT_EQ(platform::GetScrollPos(list->Handle(), platform::SB_VERT), 6);
}

TEST_F(ListViewControl, ASelectionShowsOnlyWhileFocusedUnlessToldOtherwise) {
    auto* list = Add<TListView>(10, 10, 200, 100);
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add()->SetWidth(150);
    list->Items().Add()->SetCaption("WWWWWW");
    auto* other = Add<TListView>(220, 10, 100, 50);
    list->SetSelected(list->Items().Item(0));
    ShowForm();
    TRect r = list->ItemRect(0);
    auto pixel = [&] {
        TPoint inWindow = {r.Left + 3, (r.Top + r.Bottom) / 2};
        platform::POINT p{inWindow.X, inWindow.Y};
        platform::ClientToScreen(list->Handle(), &p);
        platform::RECT w;
        platform::GetWindowRect(list->Handle(), &w);
        return platform::testing::WindowPixel(list->Handle(), p.x - w.left, p.y - w.top) & 0xFFFFFF;
    };
    Focus(list);
    EXPECT_EQ(pixel(), Rgb(clHighlight));
    Focus(other);
    EXPECT_EQ(pixel(), Rgb(clWindow));
    list->HideSelection = false;
    list->Invalidate();
    Pump();
    EXPECT_EQ(pixel(), Rgb(clBtnFace));
}

TEST_F(ListViewControl, ItemsShowTheirImageBeforeTheCaption) {
    TImageList images(form.get());
    images.SetSize(16, 16);
    images.AddPixels(TPixels(16 * 16, 0xFFFF0000));  // opaque red
    auto* list = Add<TListView>(10, 10, 200, 100);
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add()->SetWidth(150);
    list->SetSmallImages(&images);
    for (int image : {0, -1}) list->Items().Add()->ImageIndex = image;
    list->Items().Item(0)->SetCaption("WWWW");
    list->Items().Item(1)->SetCaption("WWWW");
    list->SetSelected(list->Items().Item(0));
    ShowForm();
    Focus(list);
    EXPECT_GE(list->RowHeight(), 17);
    auto pixel = [&](int x, int y) {
        platform::POINT p{x, y};
        platform::ClientToScreen(list->Handle(), &p);
        platform::RECT w;
        platform::GetWindowRect(list->Handle(), &w);
        return platform::testing::WindowPixel(list->Handle(), p.x - w.left, p.y - w.top) & 0xFFFFFF;
    };
    TRect first = list->ItemRect(0), second = list->ItemRect(1);
    int middle = (first.Top + first.Bottom) / 2;
    EXPECT_EQ(pixel(first.Left + 2 + 8, middle), 0xFF0000u);
    EXPECT_EQ(pixel(first.Left + 2 + 16 + 2 + 1, middle), Rgb(clHighlight)) << "the caption's highlight follows the image";
    EXPECT_EQ(pixel(second.Left + 2 + 8, (second.Top + second.Bottom) / 2), Rgb(clWindow)) << "no image: room left empty";
    list->SetSmallImages(nullptr);
    EXPECT_EQ(list->CurrentImages(), nullptr);
}

TEST_F(ListViewControl, DraggingAHeaderDividerResizesItsColumn) {
    TListView* list = Report(3);
    std::vector<std::string> told;
    auto tell = [&](const char* what) {
        return [&told, what](TCustomListView*, int column, int width) {
            told.push_back(std::string(what) + std::to_string(column) + ":" + std::to_string(width));
        };
    };
    list->OnBeginColumnResize = tell("begin");
    list->OnColumnResize = tell("");
    list->OnEndColumnResize = tell("end");
    int clicks = 0;
    list->OnColumnClick = [&](TObject*, TListColumn*) { ++clicks; };
    ShowForm();
    int y = list->HeaderHeight() / 2;
    EXPECT_EQ(list->DividerAt(121, y), 0);
    EXPECT_EQ(list->DividerAt(60, y), -1);
    EXPECT_EQ(list->DividerAt(121, list->HeaderHeight() + 2), -1) << "only the header has dividers";
    // Caught a pixel right of the divider: the column keeps that grip while it grows.
    Drag(list, {{121, y}, {141, y}, {161, y}});
    EXPECT_EQ(list->Columns().Items(0)->Width(), 160);
    EXPECT_EQ(list->ColumnHeaderRect(1).Left, 160);
    EXPECT_EQ(told, (std::vector<std::string>{"begin0:120", "0:140", "0:160", "end0:160"}));
    EXPECT_EQ(clicks, 0) << "a divider is no column click";
    // Dragged past its left edge the column shrinks to nothing, and can be pulled open again.
    told.clear();
    Drag(list, {{160, y}, {-30, y}});
    EXPECT_EQ(list->Columns().Items(0)->Width(), 0);
    EXPECT_EQ(list->DividerAt(1, y), 0);
    Drag(list, {{1, y}, {51, y}});
    EXPECT_EQ(list->Columns().Items(0)->Width(), 50);
    EXPECT_EQ(list->ItemRect(0).Width(), 50 + 80) << "rows follow the columns";
    EXPECT_EQ(told.front(), "begin0:160");
    EXPECT_EQ(told.back(), "end0:50");
}

TEST_F(ListViewControl, AColumnClickCountsWhenReleasedOverThePressedColumn) {
    struct Case {
        bool columnClick;
        int pressX, releaseX;
        std::vector<std::string> clicked;
        int pressedWhileHeld;
    };
    const Case cases[] = {
        {true, 40, 60, {"Файл"}, 0},
        {true, 150, 170, {"Размер"}, 1},
        {true, 40, 150, {}, 0},  // moved onto another column before letting go
        {false, 40, 60, {}, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.pressX) + " to " + std::to_string(k.releaseX) + (k.columnClick ? "" : " no clicks"));
        SetUp();
        TListView* list = Report(2);
        list->ColumnClick = k.columnClick;
        std::vector<std::string> clicked;
        list->OnColumnClick = [&](TObject*, TListColumn* c) { clicked.push_back(c->Caption()); };
        ShowForm();
        int y = list->HeaderHeight() / 2;
        TPoint s = list->ClientToScreen({k.pressX, y});
        platform::testing::MoveMouse(s.X, s.Y);
        platform::testing::PressMouse(0);
        Pump();
        EXPECT_EQ(list->PressedColumn(), k.pressedWhileHeld);
        s = list->ClientToScreen({k.releaseX, y});
        platform::testing::MoveMouse(s.X, s.Y);
        platform::testing::ReleaseMouse(0);
        Pump();
        EXPECT_EQ(clicked, k.clicked);
        EXPECT_EQ(list->PressedColumn(), -1);
        EXPECT_EQ(list->SelCount(), 0) << "a header click picks no row";
        TearDown();
    }
}

TEST_F(ListViewControl, CheckBoxesToggleByTheBoxAndSpaceAndTellTheChange) {
    for (TViewStyle style : {TViewStyle::vsReport, TViewStyle::vsList}) {
        SCOPED_TRACE(style == TViewStyle::vsReport ? "report" : "list");
        SetUp();
        TListView* list = Report(3);
        list->SetViewStyle(style);
        list->SetCheckboxes(true);
        std::vector<std::string> changes;
        list->OnChange = [&](TObject*, TListItem* item, TItemChange change) {
            if (change == TItemChange::ctState) changes.push_back(item->Caption() + (item->Checked() ? "+" : "-"));
        };
        ShowForm();
        Focus(list);
        // The box is the row's lead; dark tick pixels show inside it only while checked.
        auto ticks = [&](int index) {
            TRect box = list->StateRect(index);
            int dark = 0;
            for (int x = box.Left; x < box.Right; ++x)
                for (int y = box.Top; y < box.Bottom; ++y) dark += Pixel(list, x, y) == Rgb(clWindowText);
            return dark;
        };
        TRect box = list->StateRect(1);
        ASSERT_EQ(box.Width(), CheckBoxSize + 2);
        EXPECT_EQ(ticks(1), 0);
        ClickAt(list, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
        EXPECT_TRUE(list->Items().Item(1)->Checked());
        EXPECT_GT(ticks(1), 5);
        EXPECT_EQ(list->SelCount(), 0) << "the box toggles without picking the row";
        // A click on the caption picks the row and leaves its box alone; Space then toggles it.
        ClickAt(list, box.Right + 8, (box.Top + box.Bottom) / 2);
        EXPECT_EQ(list->ItemIndex(), 1);
        Key(platform::VK_SPACE);
        Key(platform::VK_DOWN);
        Key(platform::VK_SPACE);
        EXPECT_EQ(changes, (std::vector<std::string>{"f1+", "f1-", "f2+"}));
        EXPECT_EQ(ticks(1), 0);
        EXPECT_TRUE(list->Items().Item(2)->Selected());
        list->Items().Item(0)->SetChecked(true);
        list->Items().Item(0)->SetChecked(true);
        EXPECT_EQ(changes.back(), "f0+") << "setting it in code tells too, once";
        EXPECT_EQ(changes.size(), 4u);
        TearDown();
    }
}

TEST_F(ListViewControl, StateImagesTakeThePlaceOfCheckBoxes) {
    TImageList states(form.get());
    states.SetSize(10, 10);
    states.AddPixels(TPixels(10 * 10, 0xFF00FF00));  // opaque green
    TListView* list = Report(2);
    list->SetCheckboxes(true);
    list->SetStateImages(&states);
    list->Items().Item(0)->StateIndex = 0;
    list->Items().Item(1)->StateIndex = 5;  // no such image: nothing drawn
    int changes = 0;
    list->OnChange = [&](TObject*, TListItem*, TItemChange) { ++changes; };
    ShowForm();
    TRect first = list->StateRect(0), second = list->StateRect(1);
    EXPECT_EQ(first.Width(), 10 + 2);
    int middle = (first.Top + first.Bottom) / 2;
    EXPECT_EQ(Pixel(list, first.Left + 5, middle), 0x00FF00u);
    EXPECT_EQ(Pixel(list, second.Left + 5, (second.Top + second.Bottom) / 2), Rgb(clWindow));
    // No box to tick: a click there picks the row, and Space picks as without boxes.
    ClickAt(list, first.Left + 5, middle);
    Focus(list);
    Key(platform::VK_SPACE);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_FALSE(list->Items().Item(0)->Checked());
    EXPECT_EQ(changes, 0);
    list->SetViewStyle(TViewStyle::vsIcon);
    EXPECT_TRUE(list->StateRect(0).IsEmpty()) << "icon view shows no state";
}

TEST_F(ListViewControl, CaptionsAreEditedInPlaceUnlessReadOnly) {
    struct Case {
        const char* name;
        bool readOnly;
        platform::UINT closeKey;
        std::string expected;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"enter keeps the handler's text", false, platform::VK_RETURN, "new.log", {"edited new", "text new.log"}},
        {"escape drops it", false, platform::VK_ESCAPE, "f1", {}},
        {"read-only opens no edit", true, platform::VK_RETURN, "f1", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetUp();
        TListView* list = Report(3);
        list->ReadOnly = k.readOnly;
        std::vector<std::string> told;
        list->OnEdited = [&](TObject*, TListItem*, std::string& text) {
            told.push_back("edited " + text);
            text += ".log";
        };
        list->OnChange = [&](TObject*, TListItem* item, TItemChange change) {
            if (change == TItemChange::ctText) told.push_back("text " + item->Caption());
        };
        ShowForm();
        Focus(list);
        Key(platform::VK_DOWN);
        Key(platform::VK_DOWN);
        Key(platform::VK_F2);
        ASSERT_EQ(list->IsEditing(), !k.readOnly);
        if (!k.readOnly) {
            EXPECT_EQ(list->LabelEditor()->Text(), "f1");
        }
        Type("new");
        Key(k.closeKey);
        EXPECT_FALSE(list->IsEditing());
        EXPECT_EQ(list->Items().Item(1)->Caption(), k.expected);
        EXPECT_EQ(told, k.told);
        EXPECT_TRUE(list->Focused());
        TearDown();
    }
}

TEST_F(ListViewControl, ASlowSecondClickOnTheFocusedItemEditsItsCaption) {
    platform::testing::VirtualClockScope clock;
    TListView* list = Report(3);
    ShowForm();
    TRect r = list->ItemRect(2);
    int x = r.Left + 10, y = (r.Top + r.Bottom) / 2;
    ClickAt(list, x, y);
    PassDoubleClickTime();
    EXPECT_FALSE(list->IsEditing()) << "the first click only picks";
    ClickAt(list, x, y);
    ClickAt(list, x, y);  // a double click opens no edit
    PassDoubleClickTime();
    EXPECT_FALSE(list->IsEditing());
    // The edit waits a double-click time for a second click that would make it a double.
    ClickAt(list, x, y);
    PassTime(platform::GetDoubleClickTime() - 1);
    EXPECT_FALSE(list->IsEditing());
    PassTime(1);
    ASSERT_TRUE(list->IsEditing());
    // Removing the item under the edit drops it.
    list->Items().Delete(2);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_FALSE(list->LabelEditor()->Visible());
}

}  // namespace

#include "ControlFixture.h"

#include "ui/controls/Button.h"
#include "ui/controls/TreeView.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <functional>
#include <string>

namespace {

struct TreeViewControl : ControlFixture {
    // Folders whose children are made when first opened.
    TTreeView* MakeTree() {
        auto* tree = Add<TTreeView>(10, 10, 200, 150);
        tree->OnExpanding = [this, tree](TObject*, TTreeNode* node, bool& allow) {
            log.push_back("expanding " + node->Text());
            if (node->Count() == 0 && node->Level() < 1)
                for (const char* name : {"logs", "settings"})
                    tree->Items().AddChild(node, node->Text() + "/" + name)->SetHasChildren(true);
            allow = node->Text() != "locked";
        };
        tree->OnChange = [this](TObject*, TTreeNode* node) { log.push_back("select " + node->Text()); };
        for (const char* name : {"home", "locked"}) tree->Items().Add(nullptr, name)->SetHasChildren(true);
        return tree;
    }
    std::vector<std::string> log;

    // Flat nodes "row 0" .. "row n-1" in a view of the given height.
    TTreeView* MakeRows(int count, int height = 150) {
        auto* tree = Add<TTreeView>(10, 10, 200, height);
        for (int i = 0; i < count; ++i) tree->Items().Add(nullptr, "row " + std::to_string(i));
        return tree;
    }
    static int RowOf(TTreeView* tree, const TTreeNode* node) {
        int row = 0;
        for (TTreeNode* n = tree->Items().GetFirstNode(); n && n != node; n = n->GetNextVisible()) ++row;
        return row;
    }
    static platform::SCROLLINFO Bar(TTreeView* tree) {
        platform::SCROLLINFO info;
        info.fMask = platform::SIF_ALL;
        EXPECT_TRUE(platform::GetScrollInfo(tree->Handle(), platform::SB_VERT, &info));
        return info;
    }
    static bool HasBar(TTreeView* tree) {
        return (platform::GetWindowLongPtr(tree->Handle(), platform::GWL_STYLE) & platform::WS_VSCROLL) != 0;
    }
    static void Wheel(TTreeView* tree, int delta) {
        TPoint p = tree->ClientToScreen({40, 40});
        platform::testing::MoveMouse(p.X, p.Y);
        platform::testing::TurnWheel(delta);
        Pump();
    }
};

TEST_F(TreeViewControl, KeysExpandLazilyAndWalkTheRows) {
    auto* tree = MakeTree();
    ShowForm();
    Focus(tree);
    Key(platform::VK_DOWN);  // nothing selected: the first node
    Key(platform::VK_RIGHT);
    ASSERT_EQ(tree->Items().GetFirstNode()->Count(), 2);
    EXPECT_TRUE(tree->Items().GetFirstNode()->Expanded());
    Key(platform::VK_RIGHT);
    EXPECT_EQ(tree->Selected()->Text(), "home/logs");
    Key(platform::VK_RIGHT);  // a second-level folder makes nothing: its button goes
    EXPECT_FALSE(tree->Selected()->HasChildren());
    Key(platform::VK_LEFT);
    Key(platform::VK_LEFT);  // the open parent closes
    EXPECT_FALSE(tree->Items().GetFirstNode()->Expanded());
    Key(platform::VK_ADD);
    Key(platform::VK_END);
    Key(platform::VK_ADD);  // refused by the handler
    EXPECT_FALSE(tree->Selected()->Expanded());
    EXPECT_EQ(log, (std::vector<std::string>{"select home", "expanding home", "select home/logs",
                                              "expanding home/logs", "select home", "expanding home",
                                              "select locked", "expanding locked"}));
}

TEST_F(TreeViewControl, TheMouseOpensByTheButtonAndSelectsByTheLabel) {
    auto* tree = MakeTree();
    ShowForm();
    int row = tree->RowHeight();
    ClickAt(tree, 10, 2 + row / 2);  // the first row's button
    EXPECT_TRUE(tree->Items().GetFirstNode()->Expanded());
    EXPECT_EQ(tree->Selected(), nullptr);
    ClickAt(tree, 60, 2 + row + row / 2);  // the second row: home/logs
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), "home/logs");
    EXPECT_EQ(tree->GetNodeAt(60, 2 + 3 * row + 1)->Text(), "locked");
}

TEST_F(TreeViewControl, F2EditsTheSelectedTextEnterKeepsItEscapeDropsIt) {
    struct Case {
        const char* name;
        bool readOnly;
        platform::UINT closeKey;
        const char* typed;
        std::string expected;
        std::vector<std::string> edited;
    };
    const Case cases[] = {
        {"enter keeps the handler's text", false, platform::VK_RETURN, "archive", "archive (2)", {"archive"}},
        {"escape drops it", false, platform::VK_ESCAPE, "archive", "home", {}},
        {"read-only opens no edit", true, platform::VK_RETURN, "", "home", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetUp();
        auto* tree = MakeTree();
        tree->ReadOnly = k.readOnly;
        std::vector<std::string> edited;
        tree->OnEdited = [&](TObject*, TTreeNode*, std::string& text) {
            edited.push_back(text);
            text += " (2)";
        };
        ShowForm();
        Focus(tree);
        Key(platform::VK_DOWN);
        Key(platform::VK_F2);
        EXPECT_EQ(tree->IsEditing(), !k.readOnly);
        if (!k.readOnly) {
            EXPECT_EQ(tree->LabelEditor()->Text(), "home");
            EXPECT_TRUE(tree->LabelEditor()->Focused());
        }
        Type(k.typed);  // replaces the whole text, which the edit opens selected
        Key(k.closeKey);
        EXPECT_FALSE(tree->IsEditing());
        EXPECT_EQ(tree->Items().GetFirstNode()->Text(), k.expected);
        EXPECT_EQ(edited, k.edited);
        EXPECT_TRUE(tree->Focused()) << "the tree has the keys back";
        TearDown();
    }
}

TEST_F(TreeViewControl, ASlowSecondClickEditsAndLeavingTheEditKeepsIt) {
    platform::testing::VirtualClockScope clock;
    auto* tree = MakeTree();
    auto* other = Add<TTreeView>(220, 10, 100, 100);
    ShowForm();
    int row = tree->RowHeight();
    int second = 2 + row + row / 2;  // "locked"
    ClickAt(tree, 30, second);
    PassDoubleClickTime();
    EXPECT_FALSE(tree->IsEditing()) << "the first click only selects";
    // The edit waits a double-click time for a second click that would make it a double.
    ClickAt(tree, 30, second);
    PassTime(platform::GetDoubleClickTime() - 1);
    EXPECT_FALSE(tree->IsEditing());
    PassTime(1);
    ASSERT_TRUE(tree->IsEditing());
    Type("old");
    Focus(other);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(tree->Items().GetFirstNode()->GetNextSibling()->Text(), "old");
    // A double click on the selected node opens it instead of editing.
    ClickAt(tree, 30, 2 + row / 2);
    PassDoubleClickTime();
    ClickAt(tree, 30, 2 + row / 2);
    ClickAt(tree, 30, 2 + row / 2);
    PassDoubleClickTime();
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_TRUE(tree->Items().GetFirstNode()->Expanded());
}

TEST_F(TreeViewControl, EnterAndEscapeInTheEditPassTheFormsButtonsBy) {
    auto* tree = MakeTree();
    auto* ok = Add<TButton>(220, 10);
    ok->SetDefault(true);
    auto* cancel = Add<TButton>(220, 50);
    cancel->Cancel = true;
    int presses = 0;
    ok->OnClick = cancel->OnClick = [&](TObject*) { ++presses; };
    ShowForm();
    Focus(tree);
    Key(platform::VK_DOWN);
    for (platform::UINT key : {platform::VK_ESCAPE, platform::VK_RETURN}) {
        Key(platform::VK_F2);
        ASSERT_TRUE(tree->IsEditing());
        Key(key);
        EXPECT_FALSE(tree->IsEditing());
    }
    EXPECT_EQ(presses, 0);
    Key(platform::VK_RETURN);
    EXPECT_EQ(presses, 1) << "outside the edit Enter is the form's again";
}

TEST_F(TreeViewControl, TheScrollRangeFollowsTheOpenRows) {
    auto* tree = MakeRows(4);
    ShowForm();
    int page = tree->VisibleRows();
    ASSERT_GT(page, 4);
    EXPECT_FALSE(HasBar(tree)) << "four rows fit";
    TTreeNode* first = tree->Items().GetFirstNode();
    for (int i = 0; i < page; ++i) tree->Items().AddChild(first, "child " + std::to_string(i));
    EXPECT_FALSE(HasBar(tree)) << "children of a closed node add no rows";
    first->Expand();
    ASSERT_TRUE(HasBar(tree));
    EXPECT_EQ(Bar(tree).nMax, 4 + page - 1);
    EXPECT_EQ(static_cast<int>(Bar(tree).nPage), page);
    tree->Items().Add(nullptr, "added while shown");
    EXPECT_EQ(Bar(tree).nMax, 4 + page);
    tree->Items().GetFirstNode()->Item(0)->Delete();
    EXPECT_EQ(Bar(tree).nMax, 4 + page - 1);
    first->Collapse();
    EXPECT_FALSE(HasBar(tree)) << "closed again, the rows fit";
}

TEST_F(TreeViewControl, TheWheelAndTheBarScrollWithinTheRows) {
    auto* tree = MakeRows(40);
    ShowForm();
    int page = tree->VisibleRows();
    int last = 40 - page;  // the top row of the last page
    const struct {
        const char* step;
        std::function<void()> act;
        int top;
    } steps[] = {
        {"a notch down", [&] { Wheel(tree, -platform::WHEEL_DELTA); }, 3},
        {"two notches down", [&] { Wheel(tree, -2 * platform::WHEEL_DELTA); }, 9},
        {"a notch up", [&] { Wheel(tree, platform::WHEEL_DELTA); }, 6},
        {"far down stops at the last page", [&] { Wheel(tree, -20 * platform::WHEEL_DELTA); }, last},
        {"a line up by the bar", [&] { platform::SendMessage(tree->Handle(), platform::WM_VSCROLL, platform::SB_LINEUP, 0); }, last - 1},
        {"a page up by the bar", [&] { platform::SendMessage(tree->Handle(), platform::WM_VSCROLL, platform::SB_PAGEUP, 0); }, last - 1 - page},
        {"the top by the bar", [&] { platform::SendMessage(tree->Handle(), platform::WM_VSCROLL, platform::SB_TOP, 0); }, 0},
        {"far up stops at the first row", [&] { Wheel(tree, 5 * platform::WHEEL_DELTA); }, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act();
        Pump();
        ASSERT_NE(tree->TopItem(), nullptr);
        EXPECT_EQ(RowOf(tree, tree->TopItem()), step.top);
        EXPECT_EQ(Bar(tree).nPos, step.top);
        // Clicks find what is shown: the first row under the pointer is the top item.
        EXPECT_EQ(tree->GetNodeAt(40, 2 + tree->RowHeight() / 2), tree->TopItem());
    }
}

TEST_F(TreeViewControl, TheSelectionIsKeptInView) {
    auto* tree = MakeRows(40);
    ShowForm();
    Focus(tree);
    int page = tree->VisibleRows();
    auto shown = [&](TTreeNode* node) {
        int top = RowOf(tree, tree->TopItem());
        int row = RowOf(tree, node);
        return row >= top && row < top + page;
    };
    Key(platform::VK_DOWN);  // selects the first row
    Key(platform::VK_END);
    ASSERT_EQ(tree->Selected()->Text(), "row 39");
    EXPECT_TRUE(shown(tree->Selected()));
    EXPECT_EQ(RowOf(tree, tree->TopItem()), 40 - page);
    EXPECT_EQ(Bar(tree).nPos, 40 - page);
    Wheel(tree, 20 * platform::WHEEL_DELTA);  // the selection scrolled away
    EXPECT_FALSE(shown(tree->Selected()));
    Key(platform::VK_UP);  // the keys bring it back, at the bottom
    EXPECT_EQ(tree->Selected()->Text(), "row 38");
    EXPECT_EQ(RowOf(tree, tree->TopItem()), 38 - page + 1);
    tree->SetSelected(tree->Items().GetFirstNode()->GetNextSibling());  // above the top: it becomes the top
    EXPECT_EQ(tree->TopItem()->Text(), "row 1");
    // A collapse that hides the top row brings its closed parent to the top.
    TTreeNode* parent = tree->Items().GetFirstNode();
    for (int i = 0; i < 30; ++i) tree->Items().AddChild(parent, "inner " + std::to_string(i));
    parent->Expand();
    tree->SetSelected(parent->Item(20));
    ASSERT_TRUE(shown(parent->Item(20)));
    tree->SetSelected(tree->Items().TopLevelItem(5));
    parent->Collapse();
    EXPECT_TRUE(shown(tree->Selected()));
    EXPECT_EQ(RowOf(tree, tree->TopItem()), 0);
}

TEST_F(TreeViewControl, OnlyWholeRowsArePaintedWhereClicksFindThem) {
    auto* tree = MakeRows(6);
    int row = tree->RowHeight();
    // Room for three rows and half of a fourth inside the two-pixel frame.
    tree->SetBounds(10, 10, 200, 4 + 3 * row + row / 2);
    tree->HideSelection = false;
    for (int i = 0; i < 6; ++i) tree->Items().TopLevelItem(i)->SetText("WWWWWWWWWW");
    tree->SetSelected(tree->Items().GetFirstNode());
    auto* other = Add<TButton>(250, 10);
    ShowForm();
    Focus(other);  // the selection shows filled, without a focus rectangle
    ASSERT_EQ(tree->VisibleRows(), 3);
    const int x = tree->Indent + 4;  // inside the selected label
    const std::uint32_t fill = PixelColor(clBtnFace);
    // The selected first row fills from the frame's inside edge down one row, as GetNodeAt reads it.
    EXPECT_EQ(ClientPixel(tree, x, 2), fill);
    EXPECT_EQ(ClientPixel(tree, x, 1 + row), fill);
    EXPECT_NE(ClientPixel(tree, x, 2 + row), fill);
    EXPECT_EQ(tree->GetNodeAt(x, 1 + row), tree->Items().GetFirstNode());
    // Below the third row nothing is drawn and nothing is hit.
    int belowRows = 2 + 3 * row;
    EXPECT_EQ(tree->GetNodeAt(x, belowRows + 1), nullptr);
    for (int y = belowRows; y < tree->ClientHeight() - 2; ++y)
        for (int px = tree->Indent; px < tree->ClientWidth() - 2; ++px)
            ASSERT_EQ(ClientPixel(tree, px, y), PixelColor(clWindow)) << "a cut row at " << px << "," << y;
    // The third row's text is there to see.
    bool inked = false;
    for (int y = 2 + 2 * row; y < belowRows && !inked; ++y)
        for (int px = tree->Indent; px < tree->Indent + 60 && !inked; ++px)
            inked = ClientPixel(tree, px, y) != PixelColor(clWindow);
    EXPECT_TRUE(inked);
}

}  // namespace

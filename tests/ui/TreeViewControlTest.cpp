#include "ControlFixture.h"

#include "ui/controls/Button.h"
#include "ui/controls/TreeView.h"

#include "platform/window/SystemMetrics.h"

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

}  // namespace

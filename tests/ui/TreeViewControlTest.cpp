#include "ControlFixture.h"

#include "ui/TreeView.h"

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

}  // namespace

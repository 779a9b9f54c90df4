#include "ui/controls/TreeNodes.h"

#include <gtest/gtest.h>

namespace {

// A tree whose folders make their children when first opened.
struct LazyTree : ::testing::Test {
    LazyTree() {
        nodes.OnExpanding = [this](TTreeNode* n) {
            ++expandingCalls;
            if (n->Count() == 0 && n->Text() != "empty") {
                for (const char* name : {"a", "b"}) nodes.AddChild(n, n->Text() + "/" + name)->SetHasChildren(n->Level() < 1);
            }
            return allowExpand;
        };
        nodes.OnChange = [this](TTreeNode* n) { changes.push_back(n ? n->Text() : "-"); };
        nodes.OnDeletion = [this](TTreeNode*) { ++deletions; };
        root = nodes.Add(nullptr, "root");
        root->SetHasChildren(true);
        empty = nodes.Add(nullptr, "empty");
        empty->SetHasChildren(true);
    }
    TTreeNodes nodes;
    TTreeNode* root;
    TTreeNode* empty;
    int expandingCalls = 0;
    bool allowExpand = true;
    int deletions = 0;
    std::vector<std::string> changes;
};

TEST_F(LazyTree, ChildrenAreMadeOnFirstExpandOnly) {
    EXPECT_EQ(root->Count(), 0);
    EXPECT_TRUE(root->HasChildren());
    EXPECT_TRUE(root->Expand());
    EXPECT_EQ(root->Count(), 2);
    EXPECT_EQ(root->Item(1)->Text(), "root/b");
    EXPECT_EQ(root->Item(1)->Level(), 1);
    root->Collapse();
    root->Expand();
    EXPECT_EQ(root->Count(), 2);
    EXPECT_EQ(nodes.Count(), 4);
    EXPECT_EQ(expandingCalls, 2);
}

TEST_F(LazyTree, AFolderWithNothingInsideLosesItsButton) {
    EXPECT_FALSE(empty->Expand());
    EXPECT_FALSE(empty->HasChildren());
    EXPECT_FALSE(empty->Expanded());
}

TEST_F(LazyTree, RefusedExpansionStaysClosed) {
    allowExpand = false;
    EXPECT_FALSE(root->Expand());
    EXPECT_FALSE(root->Expanded());
}

TEST_F(LazyTree, KeyboardWalksTheVisibleNodes) {
    EXPECT_TRUE(nodes.Key(TTreeKey::Down));  // nothing selected: the first node
    EXPECT_EQ(nodes.Selected(), root);
    EXPECT_TRUE(nodes.Key(TTreeKey::Right));  // opens
    EXPECT_TRUE(root->Expanded());
    EXPECT_TRUE(nodes.Key(TTreeKey::Right));  // into the first child
    EXPECT_EQ(nodes.Selected()->Text(), "root/a");
    EXPECT_TRUE(nodes.Key(TTreeKey::Down));
    EXPECT_TRUE(nodes.Key(TTreeKey::Down));
    EXPECT_EQ(nodes.Selected(), empty);
    EXPECT_TRUE(nodes.Key(TTreeKey::Up));
    EXPECT_EQ(nodes.Selected()->Text(), "root/b");
    EXPECT_TRUE(nodes.Key(TTreeKey::Left));  // a closed child: to the parent
    EXPECT_EQ(nodes.Selected(), root);
    EXPECT_TRUE(nodes.Key(TTreeKey::End));
    EXPECT_EQ(nodes.Selected(), empty);
    EXPECT_EQ(changes, (std::vector<std::string>{"root", "root/a", "root/b", "empty", "root/b", "root", "empty"}));
}

TEST_F(LazyTree, CollapsingOverTheSelectionSelectsTheNode) {
    root->Expand();
    nodes.Select(root->Item(1));
    root->Collapse();
    EXPECT_EQ(nodes.Selected(), root);
}

TEST_F(LazyTree, ChangingCanRefuse) {
    nodes.OnChanging = [](TTreeNode* n) { return n->Text() != "empty"; };
    EXPECT_FALSE(nodes.Select(empty));
    EXPECT_TRUE(nodes.Select(root));
    EXPECT_EQ(nodes.Selected(), root);
}

TEST_F(LazyTree, DeletingTellsEveryNodeAndMovesTheSelection) {
    root->Expand(true);  // two levels: the grandchildren have none
    int total = nodes.Count();
    nodes.Select(root->Item(0)->Item(0));
    root->Item(0)->Delete();
    EXPECT_EQ(deletions, total - nodes.Count());
    EXPECT_EQ(nodes.Selected()->Text(), "root/b");  // the next sibling of the deleted branch
    root->DeleteChildren();
    EXPECT_FALSE(root->Expanded());
    EXPECT_EQ(nodes.Selected(), root);
    nodes.Clear();
    EXPECT_EQ(nodes.Count(), 0);
    EXPECT_EQ(nodes.Selected(), nullptr);
}

TEST_F(LazyTree, InsertAndSiblingOrder) {
    TTreeNode* first = nodes.AddFirst(root, "first");
    TTreeNode* mid = nodes.Insert(empty, "mid");
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(mid->GetNextSibling(), empty);
    EXPECT_EQ(mid->GetPrevSibling(), root);
    EXPECT_EQ(first->GetNext(), root);
}

}  // namespace

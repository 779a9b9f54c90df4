#pragma once
// The nodes of a tree view: texts, images and data in a tree, expansion
// with children made on demand (a node marked HasChildren is asked for them
// by OnExpanding the first time it opens), the selected node and the
// keyboard moves between the visible nodes. The nodes object owns every node.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TTreeNodes;

enum class TTreeKey { Up, Down, Left, Right, Home, End, Expand, Collapse, ExpandAll };

class TTreeNode {
public:
    TTreeNodes* Owner() const { return owner_; }
    TTreeNode* Parent() const;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    void* Data = nullptr;
    int ImageIndex = -1;
    int SelectedIndex = -1;
    int OverlayIndex = -1;

    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const { return children_.at(static_cast<std::size_t>(index)).get(); }
    int Index() const;
    int Level() const;
    // Shows an expand button: it has children, or is marked to have them made on expanding.
    bool HasChildren() const { return hasChildren_ || !children_.empty(); }
    void SetHasChildren(bool value) { hasChildren_ = value; }
    bool Expanded() const { return expanded_; }
    // True when the node is open afterwards.
    bool Expand(bool recursive = false);
    void Collapse(bool recursive = false);
    void SetExpanded(bool value) { value ? (void)Expand() : Collapse(); }
    // Every parent open.
    bool IsVisible() const;
    bool Selected() const;
    bool Deleting() const { return deleting_; }

    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // Depth first, over every node.
    TTreeNode* GetNext() const;
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool HasAsParent(const TTreeNode* node) const;

    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text)
        : owner_(owner), parent_(parent), text_(std::move(text)) {}
    TTreeNode* LastVisibleDescendant();

    TTreeNodes* owner_;
    TTreeNode* parent_;  // the hidden root for top-level nodes
    std::string text_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    bool hasChildren_ = false;
    bool expanded_ = false;
    bool deleting_ = false;
};

class TTreeNodes {
public:
    TTreeNodes();
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // Nodes in the whole tree.
    int Count() const { return count_; }
    TTreeNode* GetFirstNode() const { return root_->GetFirstChild(); }
    int TopLevelCount() const { return root_->Count(); }
    TTreeNode* TopLevelItem(int index) const { return root_->Item(index); }

    // A node after the last sibling of `sibling` (top level when nullptr).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // A node before `sibling`.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();

    TTreeNode* Selected() const { return selected_; }
    // Asks OnChanging, then tells OnChange; false when refused.
    bool Select(TTreeNode* node);
    // Keyboard moves over the visible nodes; true when the selection or an expansion changed.
    bool Key(TTreeKey key);

    void BeginUpdate() { ++updating_; }
    void EndUpdate() { --updating_; }
    int UpdateCount() const { return updating_; }

    // The tree view's answers: OnExpanding and OnCollapsing and OnChanging may refuse.
    std::function<bool(TTreeNode*)> OnExpanding;
    std::function<void(TTreeNode*)> OnExpanded;
    std::function<bool(TTreeNode*)> OnCollapsing;
    std::function<void(TTreeNode*)> OnCollapsed;
    std::function<bool(TTreeNode*)> OnChanging;
    std::function<void(TTreeNode*)> OnChange;
    std::function<void(TTreeNode*)> OnDeletion;
    // A node came or went among the visible ones (every parent open).
    std::function<void()> OnVisibleRowsChanged;

private:
    friend class TTreeNode;
    TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text);
    // The node the selection goes to when `node` disappears.
    TTreeNode* SelectionAfterRemoving(TTreeNode* node) const;
    void Removing(TTreeNode* node);

    std::unique_ptr<TTreeNode> root_;
    int count_ = 0;
    TTreeNode* selected_ = nullptr;
    int updating_ = 0;
};

#include "ui/controls/TreeNodes.h"

#include <algorithm>

TTreeNode* TTreeNode::Parent() const {
    return parent_ && parent_->parent_ ? parent_ : nullptr;  // the hidden root is nobody's parent
}

int TTreeNode::Index() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->children_;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
    return level;
}

bool TTreeNode::Expand(bool recursive) {
    if (!expanded_ && HasChildren()) {
        if (owner_->OnExpanding && !owner_->OnExpanding(this)) return false;
        if (children_.empty()) {
            // Nothing was made on demand: the button goes.
            hasChildren_ = false;
            return false;
        }
        expanded_ = true;
        if (owner_->OnExpanded) owner_->OnExpanded(this);
    }
    if (recursive)
        for (std::size_t i = 0; i < children_.size(); ++i) children_[i]->Expand(true);
    return expanded_;
}

void TTreeNode::Collapse(bool recursive) {
    if (expanded_) {
        if (owner_->OnCollapsing && !owner_->OnCollapsing(this)) return;
        expanded_ = false;
        // A selection hidden by the collapse comes up to this node.
        if (owner_->selected_ && owner_->selected_->HasAsParent(this)) owner_->Select(this);
        if (owner_->OnCollapsed) owner_->OnCollapsed(this);
    }
    if (recursive)
        for (auto& child : children_) child->Collapse(true);
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->expanded_) return false;
    return true;
}

bool TTreeNode::Selected() const { return owner_->selected_ == this; }

TTreeNode* TTreeNode::GetNextSibling() const {
    int i = Index();
    if (i < 0 || i + 1 >= parent_->Count()) return nullptr;
    return parent_->Item(i + 1);
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    int i = Index();
    if (i <= 0) return nullptr;
    return parent_->Item(i - 1);
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->Parent())
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (expanded_ && !children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->Parent())
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::LastVisibleDescendant() {
    TTreeNode* n = this;
    while (n->expanded_ && !n->children_.empty()) n = n->children_.back().get();
    return n;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    if (TTreeNode* prev = GetPrevSibling()) return prev->LastVisibleDescendant();
    return Parent();
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const {
    for (const TTreeNode* p = Parent(); p; p = p->Parent())
        if (p == node) return true;
    return false;
}

void TTreeNode::Delete() { owner_->Delete(this); }

void TTreeNode::DeleteChildren() {
    while (!children_.empty()) owner_->Delete(children_.back().get());
    expanded_ = false;
}

TTreeNodes::TTreeNodes() : root_(new TTreeNode(this, nullptr, {})) { root_->expanded_ = true; }

TTreeNodes::~TTreeNodes() {
    // The view that set the handlers is going too: no notices now.
    OnChanging = nullptr;
    OnChange = nullptr;
    OnDeletion = nullptr;
    OnVisibleRowsChanged = nullptr;
    Clear();
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text) {
    std::unique_ptr<TTreeNode> node(new TTreeNode(this, parent, text));
    TTreeNode* raw = node.get();
    index = std::clamp(index, 0, parent->Count());
    parent->children_.insert(parent->children_.begin() + index, std::move(node));
    ++count_;
    if (OnVisibleRowsChanged && raw->IsVisible()) OnVisibleRowsChanged();
    return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    TTreeNode* parent = sibling ? sibling->parent_ : root_.get();
    return InsertAt(parent, parent->Count(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
    return InsertAt(sibling ? sibling->parent_ : root_.get(), 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    TTreeNode* p = parent ? parent : root_.get();
    return InsertAt(p, p->Count(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
    return InsertAt(parent ? parent : root_.get(), 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (!sibling) return Add(nullptr, text);
    return InsertAt(sibling->parent_, sibling->Index(), text);
}

TTreeNode* TTreeNodes::SelectionAfterRemoving(TTreeNode* node) const {
    if (TTreeNode* next = node->GetNextSibling()) return next;
    if (TTreeNode* prev = node->GetPrevSibling()) return prev;
    return node->Parent();
}

void TTreeNodes::Removing(TTreeNode* node) {
    node->deleting_ = true;
    while (!node->children_.empty()) {
        TTreeNode* child = node->children_.back().get();
        Removing(child);
        node->children_.pop_back();
    }
    if (OnDeletion) OnDeletion(node);
    --count_;
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node || node == root_.get()) return;
    if (selected_ && (selected_ == node || selected_->HasAsParent(node))) {
        TTreeNode* next = SelectionAfterRemoving(node);
        selected_ = next;
        if (OnChange) OnChange(next);
    }
    TTreeNode* parent = node->parent_;
    bool visible = node->IsVisible();
    Removing(node);
    auto& siblings = parent->children_;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](auto& p) { return p.get() == node; }));
    if (parent != root_.get() && siblings.empty()) parent->expanded_ = false;
    if (visible && OnVisibleRowsChanged) OnVisibleRowsChanged();
}

void TTreeNodes::Clear() {
    selected_ = nullptr;
    while (root_->Count() > 0) Delete(root_->GetLastChild());
}

bool TTreeNodes::Select(TTreeNode* node) {
    if (node == selected_) return true;
    if (OnChanging && !OnChanging(node)) return false;
    selected_ = node;
    if (OnChange) OnChange(node);
    return true;
}

bool TTreeNodes::Key(TTreeKey key) {
    TTreeNode* s = selected_;
    if (!s) return GetFirstNode() && Select(GetFirstNode());
    TTreeNode* target = nullptr;
    switch (key) {
    case TTreeKey::Up: target = s->GetPrevVisible(); break;
    case TTreeKey::Down: target = s->GetNextVisible(); break;
    case TTreeKey::Home: target = GetFirstNode(); break;
    case TTreeKey::End: target = root_->LastVisibleDescendant(); break;
    case TTreeKey::Left:
        if (s->Expanded()) {
            s->Collapse();
            return true;
        }
        target = s->Parent();
        break;
    case TTreeKey::Right:
        if (!s->HasChildren()) return false;
        if (!s->Expanded()) return s->Expand();
        target = s->GetFirstChild();
        break;
    case TTreeKey::Expand: return !s->Expanded() && s->Expand();
    case TTreeKey::Collapse:
        if (!s->Expanded()) return false;
        s->Collapse();
        return true;
    case TTreeKey::ExpandAll: s->Expand(true); return true;
    }
    if (!target || target == s) return false;
    return Select(target);
}

#pragma once
// The tree view: the nodes of a TTreeNodes drawn as indented rows with
// expand buttons, opened and closed by the keyboard (arrows, +, -, *) and
// the mouse (the button, a double click), a node's children made on demand
// in OnExpanding the first time it opens, and the selected node. Unless
// ReadOnly, F2 or a second, slow click on the selected node opens an edit
// over its text: Enter keeps the text (OnEdited may change it), Escape drops it.
// Only whole rows show; a vertical scroll bar appears when the open rows do
// not fit, the wheel scrolls them, and the selected node is kept in view.

#include "ui/controls/TreeNodes.h"
#include "ui/controls/TreeViewLabelEdit.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"

using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, std::string& S)>;

class TCustomTreeView : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes& Items() { return nodes_; }
    TTreeNode* Selected() const { return nodes_.Selected(); }
    void SetSelected(TTreeNode* node);
    bool ShowRoot = true;
    bool ShowButtons = true;
    bool HideSelection = true;
    int Indent = 19;
    bool ReadOnly = false;
    // Opens the edit over the node's text (the node is selected first).
    void EditText(TTreeNode* node);
    bool IsEditing() const { return editing_ != nullptr; }
    // Closes an open edit, keeping its text or not.
    void EndEdit(bool keep);
    TLabelEditor* LabelEditor() const { return editor_; }
    // The first row shown and the node at a client point.
    TTreeNode* TopItem() const;
    TTreeNode* GetNodeAt(int x, int y) const;
    int RowHeight() const;
    // Rows that fit in the view at once (whole ones).
    int VisibleRows() const;

    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVChangingEvent OnChanging;
    TTVChangedEvent OnChange;
    TTVExpandedEvent OnDeletion;
    TTVEditedEvent OnEdited;

    void Dispatch(TMessage& message) override;

protected:
    void CreateHandle() override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void Resize() override;
    void Paint() override;

private:
    // Left edge of a node's button column.
    int NodeLeft(const TTreeNode* node) const;
    void ScrollIntoView(TTreeNode* node);
    TRect TextRect(const TTreeNode* node) const;
    // Rows count the open nodes from the first one down.
    int RowOf(const TTreeNode* node) const;
    TTreeNode* NodeAtRow(int row) const;
    int RowCount() const;
    // Shows the rows from `row` on (kept so the last page is full) and sets the bar to match.
    void ShowFromRow(int row);
    void RowsChanged() { ShowFromRow(RowOf(TopItem())); }
    void ScrollMessage(platform::WORD code);

    TTreeNodes nodes_;
    TTreeNode* top_ = nullptr;
    TTreeNode* editing_ = nullptr;
    TLabelEditor* editor_ = nullptr;  // owned as a child component
    mutable TMeasureCanvas measure_;
};

class TTreeView : public TCustomTreeView {
    DECLARE_CLASS_INFO
public:
    using TCustomTreeView::TCustomTreeView;
};

#pragma once
// The list view: the items of a TListItems shown as a report (a header of
// columns, one row per item with its subitems), as a list (columns of
// captions, filled top to bottom, as wide as column 0 says), or as icons.
// Items are picked by the mouse (Ctrl toggles, Shift takes a range) and the
// keyboard (arrows, pages, Home/End, Shift and Ctrl, Space, Ctrl+A); each
// change of an item's selection runs OnSelectItem. Items show their image
// from SmallImages (LargeImages in icon view) before the caption, and before
// that a check box (Checkboxes) or a state image (StateImages) outside icon
// view. A header column is clicked (ColumnClick) or resized by dragging its
// right divider. Unless ReadOnly, F2 or a second, slow click on the focused
// item opens an edit over its caption: Enter keeps the text (OnEdited may
// change it), Escape drops it. Scroll bars appear when the items do not fit.

#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/ListViewItems.h"
#include "ui/controls/TreeViewLabelEdit.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/MeasureCanvas.h"

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
enum class TCustomDrawStateItem { cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot,
                                  cdsMarked, cdsIndeterminate };
using TCustomDrawState = TSet<TCustomDrawStateItem>;

class TCustomListView;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TColumnResizeEvent = std::function<void(TCustomListView* Sender, int ColumnIndex, int ColumnWidth)>;
enum class TItemChange { ctText, ctImage, ctState };
// After an item changed: ctState when its check box was ticked or cleared.
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, std::string& S)>;
// Owner drawing of a whole row in report view (OwnerDraw).
using TLVDrawItemEvent = std::function<void(TCustomListView* Sender, TListItem* Item, TRect Rect, TOwnerDrawState State)>;
// Runs before an item is drawn; clearing DefaultDraw leaves the item to the handler.
using TLVAdvancedCustomDrawItemEvent = std::function<void(TCustomListView* Sender, TListItem* Item,
                                                          TCustomDrawState State, TCustomDrawStage Stage,
                                                          bool& DefaultDraw)>;

class TCustomListView : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomListView(TComponent* owner);

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    virtual void SetViewStyle(TViewStyle value);
    bool MultiSelect() const { return items_.MultiSelect(); }
    void SetMultiSelect(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool ReadOnly = false;
    // Opens the edit over the item's caption (the item is selected first).
    void EditCaption(TListItem* item);
    bool IsEditing() const { return editing_ != nullptr; }
    // Closes an open edit, keeping its text or not.
    void EndEdit(bool keep);
    TLabelEditor* LabelEditor() const { return editor_; }
    bool RowSelect = false;
    bool GridLines = false;
    bool HideSelection = true;
    bool ShowColumnHeaders = true;
    bool OwnerDraw = false;
    // Header clicks press the column and run OnColumnClick only with this.
    bool ColumnClick = true;
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool value);
    // Drawn from each item's StateIndex; with them no check boxes are shown.
    TCustomImageList* StateImages() const { return stateImages_.Sender; }
    void SetStateImages(TCustomImageList* images);
    TCustomImageList* SmallImages() const { return smallImages_.Sender; }
    void SetSmallImages(TCustomImageList* images);
    TCustomImageList* LargeImages() const { return largeImages_.Sender; }
    void SetLargeImages(TCustomImageList* images);
    // The list the current view draws from: LargeImages in icon view, SmallImages otherwise.
    TCustomImageList* CurrentImages() const;

    TListItem* Selected() const { return items_.Selected(); }
    // Selects only this item (none for nullptr) and makes it the focused one.
    void SetSelected(TListItem* item);
    int SelCount() const { return items_.SelCount(); }
    int ItemIndex() const;
    void SelectAll();
    void ClearSelection() { items_.ClearSelection(); }
    // The item the keyboard works on.
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);

    // An item's rectangle in client coordinates (it may lie outside the
    // client area), and the item at a client point.
    TRect ItemRect(int index) const;
    TListItem* GetItemAt(int x, int y) const;
    TListItem* TopItem() const;
    // Items that fit in the client area at once (whole ones).
    int VisibleRowCount() const;
    void Scroll(int dx, int dy);
    void MakeVisible(int index);
    int HeaderHeight() const;
    int RowHeight() const;
    // A column's rectangle in the header, in client coordinates.
    TRect ColumnHeaderRect(int column) const;
    // The column whose right divider is under a client point, or -1.
    int DividerAt(int x, int y) const;
    // The column held down in the header, or -1.
    int PressedColumn() const { return pressedColumn_; }
    // Where an item's check box or state image sits (empty when it has none).
    TRect StateRect(int index) const;

    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;
    TColumnResizeEvent OnBeginColumnResize;
    TColumnResizeEvent OnColumnResize;
    TColumnResizeEvent OnEndColumnResize;
    TLVChangeEvent OnChange;
    TLVEditedEvent OnEdited;
    TLVDrawItemEvent OnDrawItem;
    TLVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void Resize() override;
    void Paint() override;
    virtual void ColClick(TListColumn* column);
    virtual void SelectItem(TListItem* item, bool selected);
    virtual void Change(TListItem* item, TItemChange change);
    virtual void DoBeginColumnResize(int column, int width);
    virtual void DoColumnResize(int column, int width);
    virtual void DoEndColumnResize(int column, int width);

private:
    // The grid the items sit in: a report row, a list column cell or an icon cell.
    struct Cells {
        int width, height;
        int perLine;    // cells before the next line (rows in a list column, icons in a row)
        bool columnWise;  // list view: cells go down, then to the next column
    };
    Cells Layout() const;
    int ListColumnWidth() const;
    int ColumnAt(int x) const;
    int ReportWidth() const;
    TRect ItemsArea() const;
    void ItemsChanged();
    void UpdateScrollBars();
    void ScrollMessage(bool vertical, platform::WORD code);
    // Moves the focus to `index` as the keyboard or a click does.
    void MoveFocus(int index, TShiftState shift, bool toggle);
    void SelectRange(int from, int to);
    void PaintHeader(TCanvas& c);
    void PaintItem(TCanvas& c, int index);
    // Draws the item's image at the left of a row; answers how far the caption moves right.
    int PaintSmallImage(TCanvas& c, const TListItem& item, const TRect& row);
    // The check box or state image at the left of a row; answers its width.
    int PaintState(TCanvas& c, int index, const TRect& row);
    int StateWidth() const;
    // Where the caption is written in an item's row.
    TRect CaptionRect(int index) const;
    int IconHeight() const;

    TListColumns columns_;
    TListItems items_;
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int focus_ = -1;
    int anchor_ = -1;
    int firstLine_ = 0;  // the first row (report, icons) or list column shown
    int scrollX_ = 0;    // report view: pixels scrolled to the left
    bool updatingBars_ = false;
    TChangeLink smallImages_, largeImages_, stateImages_;
    bool checkboxes_ = false;
    int pressedColumn_ = -1;
    TListItem* editing_ = nullptr;
    TLabelEditor* editor_ = nullptr;  // owned as a child component
    int resizing_ = -1;   // the column whose divider is dragged
    int resizeGrip_ = 0;  // the pointer's distance from that divider when caught
    mutable TMeasureCanvas measure_;
};

class TListView : public TCustomListView {
    DECLARE_CLASS_INFO
public:
    using TCustomListView::TCustomListView;
};

#pragma once
// The list box: rows of items, one or several selected, moved over by the
// arrows, pages, Home/End and type-ahead, and picked by the mouse. A pick by
// the user runs OnClick; setting ItemIndex from code runs nothing.

#include "ui/controls/ComboBox.h"

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };

class TCustomListBox : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomListBox(TComponent* owner);

    TItemListModel& Items() { return items_; }
    void AddItem(const std::string& text, TObject* object = nullptr);
    int ItemIndex() const { return items_.ItemIndex(); }
    void SetItemIndex(int index);
    bool MultiSelect() const { return items_.MultiSelect(); }
    void SetMultiSelect(bool value);
    bool Selected(int index) const { return items_.Selected(index); }
    int SelCount() const { return items_.SelCount(); }
    int TopIndex() const { return items_.TopIndex(); }
    int ItemHeight() const;
    // The row at a client point, or -1.
    int ItemAtPos(int x, int y) const;
    TDrawItemEvent OnDrawItem;
    // lbOwnerDrawFixed: OnDrawItem draws the rows.
    TListBoxStyle Style = TListBoxStyle::lbStandard;

    void Dispatch(TMessage& message) override;

protected:
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    bool DoKeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Resize() override;
    void Paint() override;

private:
    void UserPicked();

    TItemListModel items_;
    mutable TMeasureCanvas measure_;
};

class TListBox : public TCustomListBox {
    DECLARE_CLASS_INFO
public:
    using TCustomListBox::TCustomListBox;
};

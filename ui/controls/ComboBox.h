#pragma once
// The combo box: a closed box showing the chosen item (csDropDownList) or
// an edit line (csDropDown), and a list that drops down below it in a popup
// window of its own. A pick by the user (keys, wheel, the list) runs
// OnChange and OnSelect; setting ItemIndex from code runs nothing.

#include "ui/controls/ItemListModel.h"
#include "ui/controls/TextEditor.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"
#include "ui/menus/OwnerDrawState.h"

#include <memory>

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TCustomComboBox;

// The dropped-down list.
class TComboListWindow : public TCustomControl {
public:
    explicit TComboListWindow(TCustomComboBox& combo);
    int HotIndex() const { return hot_; }
    void SetHotIndex(int index);
    int RowAt(int y) const;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TCustomComboBox& combo_;
    int hot_ = -1;
};

class TCustomComboBox : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    TItemListModel& Items() { return items_; }
    void AddItem(const std::string& text, TObject* object = nullptr);
    int ItemIndex() const { return items_.ItemIndex(); }
    // From code: no OnChange.
    void SetItemIndex(int index);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool value) { items_.SetSorted(value); }
    int DropDownCount = 16;
    int ItemHeight() const;
    void SetItemHeight(int height) { itemHeight_ = height; }

    bool DroppedDown() const { return dropped_; }
    void SetDroppedDown(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    friend class TComboListWindow;
    std::string GetText() const override;
    void SetTextBuffer(const std::string& text) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    // A pick by the user: the item becomes the chosen one and the events run.
    void UserSelect(int index);
    void CloseUp(bool accept);
    // Paints one item (owner draw through OnDrawItem).
    void DrawItem(TCanvas& canvas, int index, const TRect& r, TOwnerDrawState state);
    bool IsOwnerDraw() const {
        return style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable;
    }

private:
    bool ComboKey(platform::WORD key, TShiftState shift);

    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    TItemListModel items_;
    TTextEditor edit_;
    std::unique_ptr<TComboListWindow> list_;
    bool dropped_ = false;
    int indexBeforeDrop_ = -1;
    int itemHeight_ = 0;
    mutable TMeasureCanvas measure_;
};

class TComboBox : public TCustomComboBox {
    DECLARE_CLASS_INFO
public:
    using TCustomComboBox::TCustomComboBox;
};

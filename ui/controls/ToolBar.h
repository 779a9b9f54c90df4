#pragma once
// The tool bar and its buttons. The bar lays its buttons out left to right
// in their order (wrapping onto more rows when Wrapable), each ButtonWidth x
// ButtonHeight (wider when captions show and need it), separators and
// dividers as wide as they are; buttons show an
// image of the bar's Images and, with ShowCaptions, their caption. A button
// is pressed by the mouse and clicks when released over it; a check button
// stays down until clicked again, and in a group (neighbouring Grouped check
// buttons) one down button lets the others up. A drop-down button's arrow
// (or the whole button, when it has no OnClick) shows its DropdownMenu
// below it.

#include "ui/forms/CustomControl.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/MeasureCanvas.h"
#include "ui/menus/PopupMenu.h"

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolBar;

class TToolButton : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TToolButton(TComponent* owner);

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle value);
    bool Down() const { return down_; }
    // From code as from a click: a grouped button going down lets its group up.
    void SetDown(bool value);
    bool Grouped = false;
    // A group's last down button may be clicked up.
    bool AllowAllUp = false;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    bool Indeterminate() const { return indeterminate_; }
    void SetIndeterminate(bool value);
    // Starts a new row in a wrapping bar after this button.
    bool Wrap = false;
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    // Shows DropdownMenu below the button, held down while it is open; false without one.
    bool CheckMenuDropdown();
    TToolBar* ToolBar() const;
    // Held down by the mouse now.
    bool Pressed() const { return pressed_; }

    void Click() override;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;

private:
    bool IsSpacer() const { return style_ == TToolButtonStyle::tbsSeparator || style_ == TToolButtonStyle::tbsDivider; }
    // The neighbouring grouped check buttons, this one included.
    std::vector<TToolButton*> Group() const;

    TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
    bool down_ = false;
    bool indeterminate_ = false;
    int imageIndex_ = -1;
    TPopupMenu* dropdownMenu_ = nullptr;
    bool dropped_ = false;
    bool pressed_ = false;
    bool hot_ = false;
};

class TToolBar : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TToolBar(TComponent* owner);

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int value);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool Wrapable() const { return wrapable_; }
    void SetWrapable(bool value);
    int Indent() const { return indent_; }
    void SetIndent(int value);
    TCustomImageList* Images() const { return imagesLink_.Sender; }
    void SetImages(TCustomImageList* images);
    int RowCount() const { return rows_; }

    void AlignControls() override;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    friend class TToolButton;
    void ArrangeButtons();

    std::vector<TToolButton*> buttons_;
    int buttonWidth_ = 23, buttonHeight_ = 22;
    bool showCaptions_ = false;
    bool flat_ = false;
    bool wrapable_ = true;
    int indent_ = 0;
    int rows_ = 1;
    bool arranging_ = false;
    TChangeLink imagesLink_;
    TMeasureCanvas measure_;
};

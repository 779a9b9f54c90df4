#pragma once
// Check boxes (two or three states) and radio buttons (one checked among
// the radio buttons of the same parent). Setting the state from code runs
// OnClick as a user's click does; setting the same state runs nothing.

#include "ui/controls/ButtonControl.h"
#include "ui/controls/TextAlignment.h"

class TCustomCheckBox : public TButtonControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed = false;
    // The user cannot change it (mouse and space do nothing).
    bool ReadOnly = false;
    // taRightJustify: the box left of the caption.
    TAlignment Alignment = TAlignment::taRightJustify;

    void Dispatch(TMessage& message) override;

protected:
    void UserClick() override;
    void Paint() override;
    // The box: a square for a check box, a circle for a radio button.
    virtual void PaintMark(const TRect& box);

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
    DECLARE_CLASS_INFO
public:
    using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TCustomCheckBox {
    DECLARE_CLASS_INFO
public:
    explicit TRadioButton(TComponent* owner);
    // Checking one unchecks the other radio buttons of its parent; only
    // being checked runs OnClick.
    void SetChecked(bool value);
    bool Checked() const { return TCustomCheckBox::Checked(); }

protected:
    void UserClick() override { SetChecked(true); }
    void PaintMark(const TRect& box) override;
};

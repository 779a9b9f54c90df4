#pragma once
// What push buttons, check boxes and radio buttons share: a caption drawn
// with its accelerator (Alt and the marked letter clicks), a click by the
// mouse that counts only when pressed and released inside, and by the space bar.

#include "ui/controls/CheckState.h"
#include "ui/forms/CustomControl.h"

class TButtonControl : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TButtonControl(TComponent* owner);
    // Held down by the mouse (and still inside) or by the space bar.
    bool Pushed() const { return tracker_.Pushed() || spaceHeld_; }

    void Dispatch(TMessage& message) override;

protected:
    // The user's click: a button clicks, a check box toggles.
    virtual void UserClick() { Click(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    bool DoKeyUp(platform::WORD& key, TShiftState shift) override;
    // The caption in `r` with DrawText flags (accelerator underlined).
    void DrawCaption(const TRect& r, unsigned flags);

private:
    TClickTracker tracker_;
    bool spaceHeld_ = false;
};

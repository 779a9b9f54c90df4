#pragma once
// The speed button: a graphic control (no window of its own) with a glyph
// and a caption. With a GroupIndex it stays down when clicked and the other
// buttons of its group with the same parent come up; AllowAllUp lets the
// down button of a group be clicked up again. A flat button shows its edge
// only while the mouse is over it or it is down.

#include "ui/controls/ButtonGlyph.h"
#include "ui/forms/CustomControl.h"

class TSpeedButton : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TSpeedButton(TComponent* owner);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool Down() const { return down_; }
    // Without a group a button cannot stay down; in a group that does not
    // allow all up the down button stays down.
    void SetDown(bool value);
    bool AllowAllUp() const { return allowAllUp_; }
    // Shared by the whole group.
    void SetAllowAllUp(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    TBitmap* Glyph() { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap* glyph) { glyph_.SetGlyph(glyph); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value) { glyph_.SetNumGlyphs(value); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    // bsDown while held by the mouse, bsExclusive while Down.
    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    // For descendants that hold the button pressed themselves (a drop-down
    // button while its menu shows).
    void SetState(TButtonState state);
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Tells the other buttons of the group that this one went down.
    void UpdateExclusive();
    void ButtonPressed(int group, TSpeedButton* sender);
    TButtonState RestingState() const { return down_ ? TButtonState::bsExclusive : TButtonState::bsUp; }

    TButtonGlyph glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool transparent_ = true;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonState state_ = TButtonState::bsUp;
    bool dragging_ = false;
    bool mouseInControl_ = false;
};

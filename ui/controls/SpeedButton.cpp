#include "ui/controls/SpeedButton.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/text/DrawText.h"

namespace {

const TEnumInfo& ButtonLayoutInfo() {
    static const TEnumInfo info("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

// The held-down look of a group's button: a check of face and highlight.
void FillChecked(TCanvas& c, const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) c.SetPixel(x, y, ((x + y) & 1) ? clBtnHighlight : clBtnFace);
}

}  // namespace

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info =
        TPublished<TSpeedButton>("TSpeedButton", TGraphicControl::StaticClass())
            .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
            .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
            .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
            .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false)
            .Boolean("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent, true)
            .Enumeration("Layout", ButtonLayoutInfo(), &TSpeedButton::Layout, &TSpeedButton::SetLayout, 0)
            .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1)
            .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)
            .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
            .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 23, 22);
    SetColor(clBtnFace);
    // The click comes after Down is settled, in MouseUp.
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
    ControlStyle.Include(TControlStyleItem::csDoubleClicks);
    glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    if (groupIndex_ == 0 && down_) {
        // Out of any group nothing holds it down.
        down_ = false;
        state_ = Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled;
        Invalidate();
    }
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = value;
    state_ = Enabled() ? RestingState() : TButtonState::bsDisabled;
    Invalidate();
    if (down_) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    if (value == allowAllUp_) return;
    allowAllUp_ = value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
    flat_ = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value) {
    margin_ = value < -1 ? -1 : value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    spacing_ = value < -1 ? -1 : value;
    Invalidate();
}

void TSpeedButton::SetState(TButtonState state) {
    if (state == state_) return;
    state_ = state;
    Invalidate();
}

void TSpeedButton::UpdateExclusive() {
    if (groupIndex_ == 0 || !Parent()) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<platform::WPARAM>(groupIndex_),
                                     reinterpret_cast<platform::LPARAM>(this));
}

void TSpeedButton::ButtonPressed(int group, TSpeedButton* sender) {
    if (group != groupIndex_ || !sender || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    if (!down_) {
        state_ = TButtonState::bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    TButtonState now = ClientRect().Contains({x, y}) && !down_ ? TButtonState::bsDown : RestingState();
    if (now != state_) {
        state_ = now;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (dragging_ && button == TMouseButton::mbLeft) {
        dragging_ = false;
        bool inside = ClientRect().Contains({x, y});
        if (groupIndex_ == 0) {
            state_ = TButtonState::bsUp;
            Invalidate();
        } else if (inside) {
            // Clicking the down button of a group brings it up only when all may be up.
            SetDown(!down_);
            state_ = RestingState();
            Invalidate();
        } else {
            state_ = RestingState();
            Invalidate();
        }
        if (inside) Click();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CM_BUTTONPRESSED:
            ButtonPressed(static_cast<int>(m.WParam), dynamic_cast<TSpeedButton*>(reinterpret_cast<TObject*>(m.LParam)));
            return;
        case CM_ENABLEDCHANGED:
            state_ = Enabled() ? RestingState() : TButtonState::bsDisabled;
            break;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            if (m.LParam == 0 || m.LParam == reinterpret_cast<platform::LPARAM>(this)) {
                mouseInControl_ = m.Msg == CM_MOUSEENTER;
                if (flat_ && Enabled()) Invalidate();
            }
            break;
        default: break;
    }
    TGraphicControl::Dispatch(m);
}

void TSpeedButton::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    bool pushed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    if (flat_) {
        if (!transparent_ || pushed) {
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(Color());
            c.FillRect(r);
        }
        if (pushed || (mouseInControl_ && Enabled())) {
            c.Pen()->SetColor(pushed ? clBtnShadow : clBtnHighlight);
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Left, r.Top);
            c.LineTo(r.Right - 1, r.Top);
            c.Pen()->SetColor(pushed ? clBtnHighlight : clBtnShadow);
            c.LineTo(r.Right - 1, r.Bottom - 1);
            c.LineTo(r.Left - 1, r.Bottom - 1);
        }
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        if (state_ == TButtonState::bsExclusive && !mouseInControl_) FillChecked(c, r);
    } else {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(r);
        DrawRaisedFrame(c, r, pushed);
        if (state_ == TButtonState::bsExclusive) FillChecked(c, r);
    }
    if (pushed) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};

    std::string caption = Caption();
    TPoint glyphSize = glyph_.FrameSize();
    bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    int limit = r.Width() - (horizontal && glyphSize.X ? glyphSize.X + std::max(spacing_, 0) : 0);
    c.SetFont(Font());
    TPoint textSize = MeasureButtonCaption(c, caption, limit, false);
    TButtonFaceLayout face = LayoutButtonFace(r, glyphSize, textSize, layout_, margin_, spacing_);
    glyph_.Draw(c, face.GlyphPos.X, face.GlyphPos.Y, state_);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    DrawButtonCaption(c, face.TextBounds, caption, Enabled(),
                      platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
}

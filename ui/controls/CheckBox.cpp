#include "ui/controls/CheckBox.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/text/DrawText.h"

const TClassInfo& TCustomCheckBox::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomCheckBox>("TCustomCheckBox", TButtonControl::StaticClass())
            .Boolean("Checked", &TCustomCheckBox::Checked,
                     [](TCustomCheckBox& c, bool v) { c.SetChecked(v); }, false)
            .Build();
    return info;
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info = TPublished<TCheckBox>("TCheckBox", TCustomCheckBox::StaticClass()).Build();
    return info;
}

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo info = TPublished<TRadioButton>("TRadioButton", TCustomCheckBox::StaticClass()).Build();
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(Left(), Top(), 97, 17);
    SetColor(clBtnFace);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    Invalidate();
    Click();
}

void TCustomCheckBox::UserClick() {
    if (ReadOnly) return;
    SetState(NextCheckState(state_, AllowGrayed));
}

void TCustomCheckBox::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_GETDLGCODE) {
        m.Result = DLGC_BUTTON;
        return;
    }
    TButtonControl::Dispatch(m);
}

void TCustomCheckBox::PaintMark(const TRect& box) {
    DrawCheckBoxMark(*Canvas(), box, state_, Enabled(), Pushed());
}

void TCustomCheckBox::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    bool boxLeft = Alignment == TAlignment::taRightJustify;
    int top = (r.Height() - CheckBoxSize) / 2;
    TRect box = boxLeft ? Bounds(0, top, CheckBoxSize, CheckBoxSize) : Bounds(r.Right - CheckBoxSize, top, CheckBoxSize, CheckBoxSize);
    PaintMark(box);
    TRect text = boxLeft ? TRect{CheckBoxSize + 4, 0, r.Right, r.Bottom} : TRect{0, 0, r.Right - CheckBoxSize - 4, r.Bottom};
    DrawCaption(text, platform::DT_LEFT | platform::DT_VCENTER | platform::DT_SINGLELINE);
    if (Focused()) {
        c.SetFont(Font());
        int w = std::min(text.Width(), c.TextWidth(Caption()) + 2);
        int h = c.TextHeight("Ay") + 2;
        c.DrawFocusRect(Bounds(text.Left - 1, (r.Height() - h) / 2, w + 2, h));
    }
}

TRadioButton::TRadioButton(TComponent* owner) : TCustomCheckBox(owner) { SetBounds(Left(), Top(), 113, 17); }

void TRadioButton::SetChecked(bool value) {
    if (value == Checked()) return;
    if (!value) {
        // Unchecking is quiet: only the checked one tells.
        auto onClick = std::move(OnClick);
        OnClick = nullptr;
        TCustomCheckBox::SetState(TCheckBoxState::cbUnchecked);
        OnClick = std::move(onClick);
        return;
    }
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    }
    TCustomCheckBox::SetState(TCheckBoxState::cbChecked);
}

void TRadioButton::PaintMark(const TRect& box) {
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(clBtnShadow);
    c.Brush()->SetColor(Pushed() || !Enabled() ? clBtnFace : clWindow);
    c.Ellipse(box);
    if (!Checked()) return;
    c.Pen()->SetColor(clWindowText);
    c.Brush()->SetColor(Enabled() ? clWindowText : clBtnShadow);
    c.Ellipse(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
}

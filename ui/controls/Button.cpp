#include "ui/controls/Button.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/text/DrawText.h"
#include "platform/window/Input.h"

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info = TPublished<TButton>("TButton", TButtonControl::StaticClass())
                                       .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
                                       .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(Left(), Top(), 75, 25);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
    default_ = value;
    Invalidate();
}

void TButton::Click() {
    if (ModalResult != mrNone)
        if (TCustomForm* form = ParentForm()) form->ModalResult = ModalResult;
    TButtonControl::Click();
}

bool TButton::AnswersEnter() const {
    if (Focused()) return true;
    if (!default_) return false;
    // Another focused button takes Enter for itself.
    TCustomForm* form = ParentForm();
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    return !dynamic_cast<TButton*>(active);
}

void TButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE:
            m.Result = DLGC_BUTTON | (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            return;
        case CM_DIALOGKEY: {
            auto key = static_cast<platform::UINT>(m.WParam);
            bool enter = key == platform::VK_RETURN && AnswersEnter();
            bool escape = key == platform::VK_ESCAPE && Cancel;
            if ((enter || escape) && Enabled() && IsShowing()) {
                Click();
                m.Result = 1;
                return;
            }
            break;
        }
        default: break;
    }
    TButtonControl::Dispatch(m);
}

void TButton::PaintContent(const TRect& r) {
    DrawCaption(r, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
}

void TButton::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (default_ || Focused()) {
        c.Brush()->SetColor(clWindowFrame);
        c.FrameRect(r);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    DrawRaisedFrame(c, r, Pushed());
    TRect content = r;
    if (Pushed()) content = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    PaintContent(content);
    if (Focused()) c.DrawFocusRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
}

#include "ui/controls/ButtonControl.h"

#include "ui/core/PublishedProperties.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/DrawText.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info = TPublished<TButtonControl>("TButtonControl", TCustomControl::StaticClass()).Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    // Clicks come from the press tracking, not from every release inside.
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
    ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);
}

void TButtonControl::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_KILLFOCUS) {
        spaceHeld_ = false;
        tracker_.Cancel();
        Invalidate();
    } else if (m.Msg == platform::WM_SETFOCUS) {
        Invalidate();
    } else if (m.Msg == CM_DIALOGCHAR) {
        // Alt and the letter the caption marks: focused and clicked.
        if (IsAccel(static_cast<char32_t>(m.WParam), Caption()) && CanFocus()) {
            SetFocus();
            UserClick();
            m.Result = 1;
        }
        return;
    }
    TCustomControl::Dispatch(m);
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        tracker_.Press(ClientRect().Contains({x, y}));
        platform::SetCapture(Handle());
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseMove(TShiftState shift, int x, int y) {
    if (tracker_.Held()) {
        bool was = tracker_.Pushed();
        tracker_.Move(ClientRect().Contains({x, y}));
        if (was != tracker_.Pushed()) Invalidate();
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && tracker_.Held()) {
        bool click = tracker_.Release(ClientRect().Contains({x, y}));
        if (platform::GetCapture() == Handle()) platform::ReleaseCapture();
        Invalidate();
        TCustomControl::MouseUp(button, shift, x, y);
        if (click) UserClick();
        return;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TButtonControl::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    if (key == platform::VK_SPACE && !spaceHeld_) {
        spaceHeld_ = true;
        Invalidate();
        return true;
    }
    return false;
}

bool TButtonControl::DoKeyUp(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyUp(key, shift)) return true;
    if (key == platform::VK_SPACE && spaceHeld_) {
        spaceHeld_ = false;
        Invalidate();
        UserClick();
        return true;
    }
    return false;
}

void TButtonControl::DrawCaption(const TRect& r, unsigned flags) {
    TCanvas& c = *Canvas();
    c.SetFont(Font());
    c.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    platform::RECT rect = r;
    std::string caption = Caption();
    c.TextExtent("");  // puts the font into the context for DrawText
    platform::HDC dc = c.Handle();
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, ColorToRGB(c.Font()->Color()));
    platform::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, flags);
}

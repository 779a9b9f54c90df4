#include "ui/controls/UpDown.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/Timers.h"

#include <string>

const TClassInfo& TCustomUpDown::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomUpDown>("TCustomUpDown", TCustomControl::StaticClass())
            .Integer("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin, 0)
            .Integer("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax, 100)
            .Integer("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition, 0)
            .Integer("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement, 1)
            .Boolean("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap, false)
            .Build();
    return info;
}

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info = TPublished<TUpDown>("TUpDown", TCustomUpDown::StaticClass()).Build();
    return info;
}

namespace {
constexpr platform::UINT_PTR RepeatTimer = 1;
constexpr platform::UINT FirstRepeatMs = 400, RepeatMs = 100;
}  // namespace

TCustomUpDown::TCustomUpDown(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 17, 25);
    SetColor(clBtnFace);
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
    ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);  // a quick second press is another step
}

TCustomUpDown::~TCustomUpDown() { ReleaseAssociate(); }

void TCustomUpDown::SetPosition(int value) {
    range_.SetPosition(value);
    ShowInAssociate();
    Invalidate();
}

void TCustomUpDown::SetOrientation(TUDOrientation value) {
    orientation_ = value;
    Invalidate();
}

void TCustomUpDown::ReleaseAssociate() {
    if (!associate_) return;
    associate_->WindowProc = associateProc_;
    associate_->RemoveFreeNotification(this);
    associate_ = nullptr;
    associateProc_ = nullptr;
}

void TCustomUpDown::SetAssociate(TWinControl* control) {
    if (control == associate_) return;
    ReleaseAssociate();
    if (!control) return;
    associate_ = control;
    associate_->FreeNotification(this);
    associateProc_ = control->WindowProc;
    // The associate's Up and Down keys step this control.
    control->WindowProc = [this](TMessage& m) {
        if (m.Msg == platform::WM_KEYDOWN && ArrowKeys &&
            (m.WParam == platform::VK_UP || m.WParam == platform::VK_DOWN)) {
            Step(m.WParam == platform::VK_UP ? TUpDownDirection::updUp : TUpDownDirection::updDown);
            return;
        }
        if (m.Msg == platform::WM_GETDLGCODE && ArrowKeys) {
            associateProc_(m);
            m.Result |= DLGC_WANTARROWS;
            return;
        }
        associateProc_(m);
    };
    // The associate sits beside it: the up-down takes the associate's height.
    SetBounds(control->Left() + control->Width(), control->Top(), Width(), control->Height());
    ShowInAssociate();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) {
        associate_ = nullptr;  // its window procedure goes with it
        associateProc_ = nullptr;
    }
}

void TCustomUpDown::ShowInAssociate() {
    if (associate_) associate_->SetText(std::to_string(Position()));
}

bool TCustomUpDown::Step(TUpDownDirection direction) {
    TUpDownStep step = range_.Propose(direction);
    bool allow = true;
    FireEvent(OnChanging, this, allow);
    FireEvent(OnChangingEx, this, allow, static_cast<short>(step.NewValue), step.Direction);
    if (!allow) return false;
    if (step.NewValue != Position()) SetPosition(step.NewValue);
    FireEvent(OnClick, this, direction == TUpDownDirection::updUp ? TUDBtnType::btNext : TUDBtnType::btPrev);
    return true;
}

TUpDownDirection TCustomUpDown::HalfAt(int x, int y) const {
    if (orientation_ == TUDOrientation::udVertical)
        return y < Height() / 2 ? TUpDownDirection::updUp : TUpDownDirection::updDown;
    return x < Width() / 2 ? TUpDownDirection::updDown : TUpDownDirection::updUp;
}

void TCustomUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && Enabled()) {
        held_ = HalfAt(x, y);
        platform::SetCapture(Handle());
        Invalidate();
        Step(held_);
        platform::SetTimer(Handle(), RepeatTimer, FirstRepeatMs, nullptr);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomUpDown::StopRepeat() {
    if (held_ == TUpDownDirection::updNone) return;
    held_ = TUpDownDirection::updNone;
    if (HandleAllocated()) platform::KillTimer(Handle(), RepeatTimer);
    if (platform::GetCapture() == Handle()) platform::ReleaseCapture();
    Invalidate();
}

void TCustomUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) StopRepeat();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomUpDown::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_TIMER && m.WParam == RepeatTimer) {
        if (held_ == TUpDownDirection::updNone) return;
        platform::SetTimer(Handle(), RepeatTimer, RepeatMs, nullptr);
        Step(held_);
        return;
    }
    if (m.Msg == platform::WM_CAPTURECHANGED || m.Msg == CM_CANCELMODE) StopRepeat();
    TCustomControl::Dispatch(m);
}

void TCustomUpDown::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    bool vertical = orientation_ == TUDOrientation::udVertical;
    TRect halves[2] = {vertical ? TRect{0, 0, r.Right, r.Bottom / 2} : TRect{r.Right / 2, 0, r.Right, r.Bottom},
                       vertical ? TRect{0, r.Bottom / 2, r.Right, r.Bottom} : TRect{0, 0, r.Right / 2, r.Bottom}};
    TUpDownDirection dirs[2] = {TUpDownDirection::updUp, TUpDownDirection::updDown};
    for (int i = 0; i < 2; ++i) {
        TRect face = halves[i];
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(face);
        DrawRaisedFrame(c, face, held_ == dirs[i]);
        bool limit = range_.AtLimit(dirs[i]) && !Wrap();
        c.Pen()->SetColor(Enabled() && !limit ? clBtnText : clGrayText);
        int cx = (face.Left + face.Right) / 2, cy = (face.Top + face.Bottom) / 2;
        for (int k = 0; k < 3; ++k) {
            if (vertical) {
                int y = i == 0 ? cy - 1 + k : cy + 1 - k;
                c.MoveTo(cx - k, y);
                c.LineTo(cx + k + 1, y);
            } else {
                int x = i == 0 ? cx - 1 + k : cx + 1 - k;
                c.MoveTo(x, cy - k);
                c.LineTo(x, cy + k + 1);
            }
        }
    }
}

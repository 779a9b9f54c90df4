#include "viewer/markers/MarkerBalloon.h"

#include "ui/forms/Application.h"
#include "ui/forms/HintWindow.h"
#include "ui/forms/Timer.h"

namespace {

constexpr int kBalloonOffsetX = -120;
constexpr int kBalloonOffsetY = 22;

// The one balloon, owned by the application; it forgets the control when
// the control goes.
class MarkerBalloon : public TComponent {
public:
    explicit MarkerBalloon(TComponent* owner) : TComponent(owner) {
        window_ = new THintWindow(this);
        timer_ = new TTimer(this);
        timer_->SetEnabled(false);
        timer_->SetInterval(kMarkerBalloonMilliseconds);
        timer_->OnTimer = [this](TObject*) { Hide(); };
    }

    void Show(TControl& control, int x, int y, const std::string& text, int maxWidth) {
        Hide();
        control_ = &control;
        control.FreeNotification(this);
        hintWasShown_ = control.ShowHint();
        control.SetShowHint(false);
        text_ = "*" + text;
        const TRect size = window_->CalcHintRect(maxWidth, text_);
        window_->ActivateHint(Rect(x, y, x + size.Width(), y + size.Height()), text_);
        timer_->SetEnabled(true);
    }

    void Hide() {
        timer_->SetEnabled(false);
        window_->ReleaseHint();
        text_.clear();
        if (!control_) return;
        control_->SetShowHint(hintWasShown_);
        control_->RemoveFreeNotification(this);
        control_ = nullptr;
    }

    const std::string& Text() const { return text_; }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == control_) control_ = nullptr;
    }

private:
    THintWindow* window_;
    TTimer* timer_;
    TControl* control_ = nullptr;
    bool hintWasShown_ = false;
    std::string text_;
};

MarkerBalloon& Balloon() {
    static MarkerBalloon* balloon = new MarkerBalloon(Application);
    return *balloon;
}

}  // namespace

TPoint MarkerBalloonPoint(const TControl& control) {
    const TPoint corner = control.ClientToScreen({0, 0});
    return {corner.X + kBalloonOffsetX, corner.Y + kBalloonOffsetY};
}

void ShowMarkerBalloon(TControl& control, int screenX, int screenY, const std::string& text, int maxWidth) {
    Balloon().Show(control, screenX, screenY, text, maxWidth);
}

void HideMarkerBalloon() { Balloon().Hide(); }

std::string MarkerBalloonText() { return Balloon().Text(); }

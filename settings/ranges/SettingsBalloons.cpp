#include "settings/ranges/SettingsBalloons.h"

#include "settings/ranges/ErrorBalloon.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/core/Rounding.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"

namespace {

TSettingsBalloons* activeBalloons = nullptr;

constexpr int kMaxBalloonWidth = 500;
constexpr int kHoverHintMs = 3000;
// The status balloon's corner from the window's centre.
constexpr int kStatusDx = -100;
constexpr int kStatusDy = -20;

const char* const kDefaultTemplate = "Blue";
const char* const kErrorTemplate = "Red";
const char* const kSuccessTemplate = "Blue3";
const char* const kFailureTemplate = "Red3";

std::vector<TSkHintTemplate> BalloonTemplates() {
    constexpr TColor kBlue = 0xFFF0E0, kRed = 0xE0E0FF;
    return {{"Blue", kBlue}, {"Red", kRed}, {"Red2", kRed}, {"Blue2", kBlue}, {"Blue3", kBlue}, {"Red3", kRed}};
}

}  // namespace

TSettingsBalloons::TSettingsBalloons(TCustomForm* window)
    : TComponent(window), window_(window), hints_(new TSkAlphaHints(this)), timer_(new TTimer(this)) {
    hints_->Templates = BalloonTemplates();
    hints_->MaxWidth = kMaxBalloonWidth;
    hints_->PauseHide = kHoverHintMs;
    hints_->SetTemplateName(kDefaultTemplate);
    timer_->SetEnabled(false);
    timer_->SetInterval(kErrorBalloonMs);
    timer_->OnTimer = [this](TObject*) { TimerFired(); };
    activeBalloons = this;
}

TSettingsBalloons::~TSettingsBalloons() {
    if (activeBalloons == this) activeBalloons = nullptr;
    SetBalloonControl(nullptr);
}

TSettingsBalloons* TSettingsBalloons::Active() { return activeBalloons; }

void TSettingsBalloons::SetBalloonControl(TControl* control) {
    if (balloonControl_ == control) return;
    if (balloonControl_) balloonControl_->RemoveFreeNotification(this);
    balloonControl_ = control;
    if (balloonControl_) balloonControl_->FreeNotification(this);
}

void TSettingsBalloons::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == balloonControl_) balloonControl_ = nullptr;
}

void TSettingsBalloons::ShowAt(int x, int y, const std::string& templateName, const std::string& text) {
    hints_->HideHint();
    hints_->SetTemplateName(templateName);
    hints_->ShowHintAt({x, y}, text);
    hints_->SetTemplateName(kDefaultTemplate);
}

void TSettingsBalloons::ShowErrorBalloon(TControl* control, int screenX, int screenY, const std::string& text) {
    timer_->SetEnabled(true);
    // A control whose balloon another one replaces gets its hint back.
    if (balloonControl_ && balloonControl_ != control) balloonControl_->SetShowHint(true);
    if (control) control->SetShowHint(false);
    SetBalloonControl(control);
    ShowAt(screenX, screenY, kErrorTemplate, kBalloonMark + text);
}

void TSettingsBalloons::ShowStatusBalloon(bool ok, const std::string& text) {
    const int x = static_cast<int>(Round(window_->Width() / 2.0)) + window_->Left() + kStatusDx;
    const int y = static_cast<int>(Round(window_->Height() / 2.0)) + window_->Top() + kStatusDy;
    timer_->SetInterval(kStatusBalloonMs);
    timer_->SetEnabled(true);
    if (balloonControl_) balloonControl_->SetShowHint(true);
    SetBalloonControl(nullptr);
    ShowAt(x, y, ok ? kSuccessTemplate : kFailureTemplate, text);
}

void TSettingsBalloons::TimerFired() {
    HideBalloon();
    timer_->SetEnabled(false);
    if (balloonControl_) balloonControl_->SetShowHint(true);
}

void TSettingsBalloons::HideBalloon() { hints_->HideHint(); }

void ShowErrorBalloon(TControl* control, int screenX, int screenY, const std::string& text) {
    if (TSettingsBalloons* balloons = TSettingsBalloons::Active())
        balloons->ShowErrorBalloon(control, screenX, screenY, text);
}

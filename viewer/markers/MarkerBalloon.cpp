#include "viewer/markers/MarkerBalloon.h"

#include "settings/ranges/ErrorBalloon.h"
#include "settings/ranges/SettingsBalloons.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/forms/Timer.h"

namespace {

constexpr int kBalloonOffsetX = -120;
constexpr int kBalloonOffsetY = 22;

}  // namespace

TPoint MarkerBalloonPoint(const TControl& control) {
    const TPoint corner = control.ClientToScreen({0, 0});
    return {corner.X + kBalloonOffsetX, corner.Y + kBalloonOffsetY};
}

void ShowMarkerBalloon(TControl& control, int screenX, int screenY, const std::string& text, int maxWidth) {
    TSettingsBalloons* balloons = TSettingsBalloons::Active();
    if (!balloons) return;
    balloons->Hints()->MaxWidth = maxWidth;
    ShowErrorBalloon(&control, screenX, screenY, text);
    balloons->Hints()->MaxWidth = kMarkerBalloonWidth;
}

void HideMarkerBalloon() {
    if (TSettingsBalloons* balloons = TSettingsBalloons::Active()) balloons->TimerFired();
}

void SetMarkerBalloonTime(unsigned milliseconds) {
    if (TSettingsBalloons* balloons = TSettingsBalloons::Active()) balloons->Timer()->SetInterval(milliseconds);
}

std::string MarkerBalloonText() {
    TSettingsBalloons* balloons = TSettingsBalloons::Active();
    return balloons ? balloons->Hints()->ShownText() : std::string();
}

#pragma once
// The error balloon of the markers' time edits and of the event-marker
// window's kind limit: "*" and the text at a screen point beside the
// control, hidden again after a while. Every balloon of the markers goes
// through here.

#include "ui/forms/Control.h"

#include <string>

inline constexpr int kMarkerBalloonWidth = 300;
// The time-range balloon is wider: it names the allowed range.
inline constexpr int kWideMarkerBalloonWidth = 500;
inline constexpr unsigned kMarkerBalloonMilliseconds = 2000;

// Where a control's balloon stands: its top-left corner on the screen,
// 120 pixels left and 22 down.
TPoint MarkerBalloonPoint(const TControl& control);

// The control's own hint is off while the balloon shows.
void ShowMarkerBalloon(TControl& control, int screenX, int screenY, const std::string& text, int maxWidth);
void HideMarkerBalloon();
// What the balloon shows now; empty when hidden.
std::string MarkerBalloonText();

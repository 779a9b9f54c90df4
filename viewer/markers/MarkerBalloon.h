#pragma once
// The error balloon of the markers' time edits and of the event-marker
// window's kind limit. It is the single-stage settings window's balloon
// (its hint component and balloon timer), borrowed: "*" and the text at a
// screen point beside the control, hidden when that window's timer fires.

#include "ui/forms/Control.h"

#include <string>

inline constexpr int kMarkerBalloonWidth = 300;
// The time-range balloon is wider: it names the allowed range.
inline constexpr int kWideMarkerBalloonWidth = 500;
// The event-marker window sets the balloon timer to this each time it shows.
inline constexpr unsigned kMarkerBalloonMilliseconds = 2000;

// Where a control's balloon stands: its top-left corner on the screen,
// 120 pixels left and 22 down.
TPoint MarkerBalloonPoint(const TControl& control);

// The control's own hint is off while the balloon shows. The width limit
// holds for this balloon only; the settings window's own stays 300.
void ShowMarkerBalloon(TControl& control, int screenX, int screenY, const std::string& text, int maxWidth);
void HideMarkerBalloon();
void SetMarkerBalloonTime(unsigned milliseconds);
// What the balloon shows now; empty when hidden.
std::string MarkerBalloonText();

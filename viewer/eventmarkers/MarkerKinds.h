#pragma once
// The 21 event-marker kinds: event codes 1 to 21, each shown on the
// event-marker window by a check box MarkerText<n> and a colour panel
// ColorPanel<n>. The control number n is not the event code.

#include "ui/graphics/Colors.h"

#include <array>
#include <string>

inline constexpr int kMarkerKindCount = 21;
// Kinds 1 to 20 by control number keep their choice in [EasyMarker]; the
// 21st control has no keys.
inline constexpr int kStoredMarkerControls = 20;

// The control number of an event code (1 to 21).
int MarkerControlOfCode(int code);
// The check box caption of a control number (1 to 21).
const std::string& MarkerCaption(int controlNumber);
// The colour a control number's panel has until settings say otherwise.
TColor DefaultMarkerColor(int controlNumber);

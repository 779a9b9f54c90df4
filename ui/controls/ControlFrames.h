#pragma once
// The classic two-pixel frames of the standard controls.

#include "ui/controls/CheckState.h"
#include "ui/graphics/Canvas.h"

// Sunken: the edit and list frame. Leaves `r` as the inside.
void DrawSunkenFrame(TCanvas& canvas, TRect& r);
// Raised: the push button's face. Leaves `r` as the inside.
void DrawRaisedFrame(TCanvas& canvas, TRect& r, bool pushed);
// The check box square (13 pixels) with its tick: grey when grayed or disabled,
// the face grey while pressed or disabled.
constexpr int CheckBoxSize = 13;
void DrawCheckBoxMark(TCanvas& canvas, const TRect& box, TCheckBoxState state, bool enabled, bool pushed);

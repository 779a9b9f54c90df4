#pragma once
// The classic two-pixel frames of the standard controls.

#include "ui/Canvas.h"

// Sunken: the edit and list frame. Leaves `r` as the inside.
void DrawSunkenFrame(TCanvas& canvas, TRect& r);
// Raised: the push button's face. Leaves `r` as the inside.
void DrawRaisedFrame(TCanvas& canvas, TRect& r, bool pushed);

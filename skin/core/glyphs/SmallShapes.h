#pragma once
// Small drawing on a canvas or device context: pixel arrows, dotted focus
// frames, 3-D frames, plain fills, and keeping graphic controls out of a
// context's clipping.

#include "ui/core/Types.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/GdiTypes.h"

class TCanvas;
class TWinControl;

// Arrow kinds.
constexpr int kArrowRight = 4, kArrowDown = 8;

// The library-wide option: graphic controls stay in the clipping.
extern bool KeepGraphicControlsClipped;

// A solid triangle of 7, 5, 3 and 1 pixels; other kinds draw nothing.
void DrawPixelArrow(TCanvas& canvas, TColor color, const TRect& rect, int kind);
// Every third pixel of the edges in `first`, the pixel before it in `second`.
void DrawDottedFrame(TCanvas& canvas, const TRect& rect, TColor second, TColor first);
// `width` nested one-pixel frames, light top-left and dark bottom-right;
// the rectangle comes back shrunk by the width and the width as 0.
void Frame3DOnDC(platform::HDC dc, TRect& rect, TColor topLeft, int& width, TColor bottomRight);
void FillDCRect(platform::HDC dc, const TRect& rect, TColor color);
void ExcludeGraphicControls(platform::HDC dc, TWinControl& control, int offsetY, int offsetX);

#pragma once
// Pictures of report views and of the engine's windows on a canvas:
// stretched through device-independent bits or a memory context, drawn with
// a transparent colour left out, and cut into image lists.

#include "platform/gdi/GdiTypes.h"
#include "ui/core/Types.h"
#include "ui/graphics/Colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TGraphic;

// The bitmap's pixels stretched onto the rectangle (halftone, copy), from
// its device-independent bits or through its memory context.
void rpStretchDib(platform::HDC dc, const TRect& rect, TBitmap& bitmap);
void rpStretchDdb(platform::HDC dc, const TRect& rect, TBitmap& bitmap);

// The bitmap stretched onto the rectangle where it is not of the
// transparent colour; elsewhere the canvas shows through. (Blended through
// alpha, which serves screen and printer alike.)
void rpDrawTransparentBitmap(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor transparentColor);
// At its own size, its bottom-left colour left out.
void rpDrawMasked(TCanvas& canvas, int x, int y, TBitmap& bitmap);
// A picture view's graphic in its rectangle: copied into a bitmap first
// for printing, for high quality, or for a transparent graphic that is no
// bitmap; then drawn transparently or stretched.
void rpDrawPicture(TCanvas& canvas, const TRect& rect, TGraphic& graphic, TColor transparentColor, bool transparent,
                   bool highQuality, bool printing);

// Tiles left to right, row by row, each added with its own bottom-left
// colour as the transparent one; with `second` the tiles alternate between
// the lists, the even ones into `list`.
void rpBitmapToImageList(TBitmap& bitmap, int tileWidth, int tileHeight, TCustomImageList* second,
                         TCustomImageList& list);

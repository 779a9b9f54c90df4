#pragma once
// Where a button puts its glyph and caption: the glyph left of, right of,
// above or below the caption, the pair aligned left, right or centred, with
// margin and spacing given or shared out of the free room.

#include "ui/core/Types.h"

enum TSkGlyphLayout : int { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };
enum TSkGlyphAlignment : int { gaLeft = 0, gaRight = 1, gaCenter = 2 };
// Margin and spacing -1: computed.
constexpr int kComputed = -1;

// With `rightToLeft` the glyph's left and right layouts change places.
// Both results are in the client rectangle's coordinates.
void CalcGlyphLayout(const TRect& client, TPoint glyphSize, TPoint captionSize, bool rightToLeft, TRect& captionRect,
                     TPoint& glyphPoint, int spacing, int margin, int alignment, int layout);

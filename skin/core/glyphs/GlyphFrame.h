#pragma once
// A button's glyph: one of NumGlyphs frames side by side in a bitmap (up,
// disabled, down, exclusive), put onto a 32-bit bitmap without its
// transparent colour (the frame's bottom-left pixel), blended in when the
// button asks for it, and grey or half-faded when disabled.

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// TButtonState of the class library.
enum TSkButtonState : int { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };
// Disabled glyph kind bits.
constexpr int kGlyphBlended = 1, kGlyphGrayed = 2;

// The library-wide option: disabled and missing pressed frames fall back to frame 0.
extern bool GlyphFramesFallBack;

// The frame a state draws (a disabled button its first); -1 for an unknown state.
int GlyphFrameIndex(int state, bool enabled, bool down, int numGlyphs, bool fourBitGlyph);
void DrawGlyphBitmapFrame(TBitmap& glyph, TBitmap& destination, const TRect& rect, bool down, int blendPercent,
                          int state, int disabledKind, bool enabled, int numGlyphs);

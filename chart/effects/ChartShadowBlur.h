#pragma once
// The smooth shadow: a mask of the shape (shadow colour on white), blurred
// with bell-shaped weights and multiplied into what a bitmap already shows.

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <vector>

class TBitmap;

// Weights for offsets -size..size; all equal when size is 0.
std::vector<int> ShadowBlurWeights(int size, int smoothBlur);

struct TShadowBlur {
    int HorizSize = 0;   // signed, as the shadow has them
    int VertSize = 0;
    int SmoothBlur = 0;
    bool Whole = false;  // the whole mask, not only the bands beside the shape
    // The clip of this context limits the pixels written, when given.
    platform::HDC ClipDc = nullptr;
};

// `mask` (24-bit) blurred and multiplied into `dest` (24 or 32 bits) with
// its top-left corner at `position`.
void BlurShadowMask(TBitmap& mask, TBitmap& dest, TPoint position, const TShadowBlur& blur);

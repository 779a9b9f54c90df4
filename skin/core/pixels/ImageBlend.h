#pragma once
// Laying a 32-bit image with its own alpha onto a 32-bit bitmap: with an
// overall transparency, an optional tint, key-coloured pixels filled from
// the parent's background, and an optional fading mirror image below.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// The tint argument that means no tint.
constexpr std::uint32_t kNoTint = 0x1FFFFFFF;

void BlendImage32(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, bool reflection,
                  int transparency, std::uint32_t tint, bool fill, const TSkParentCache& cache, TBitmap& source);
// Source alpha over the destination; the destination alpha grows with it.
void OverlayAlphaImage(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, bool fill,
                       const TSkParentCache& cache, TBitmap& source);

#pragma once
// The disabled look of a control image, and copies through the transparent
// corners of a border mask.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;
struct TSkinContent;

enum TSkDisabledKindFlag : std::uint8_t { dkBlended = 1, dkGrayed = 2 };
using TSkDisabledKind = std::uint8_t;

// dkGrayed turns the image grey; dkBlended then lays 40 % of it over the
// parent's background (a ready cache) or mixes it half and half with the
// cache's colour, or with `controlColor` when the cache has none.
void ApplyDisabledKind(TBitmap& bitmap, TSkDisabledKind kind, std::uint32_t controlColor, TPoint offset,
                       const TSkParentCache& cache);

// Corner codes as the non-client hit tests name them.
constexpr int kCornerTopLeft = 13, kCornerTopRight = 14, kCornerBottomLeft = 16, kCornerBottomRight = 17;

// Where the corner of mask `maskIndex` (or, with -1, the destination itself)
// is transparent, the destination pixel in `rect` takes the source pixel
// at sourcePoint + offset, alpha included.
void CopyThroughCornerMask(TBitmap& destination, TBitmap& source, const TRect& rect, int corner,
                           const TSkinContent& skin, int maskIndex, TPoint sourcePoint);

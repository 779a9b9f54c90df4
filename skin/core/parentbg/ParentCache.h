#pragma once
// What lies behind a skinned element: the request and answer a child sends
// its parent with skin command 34, turned into the TSkParentCache the
// painting routines take (SkinConstants.h).

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>

class TBitmap;

enum TSkBgAnswer : std::uint8_t { bgNoAnswer = 0, bgColor = 1, bgBitmap = 2, bgNotReady = 3 };

struct TSkParentBgInfo {
    TBitmap* Bitmap = nullptr;
    std::uint32_t Color = 0;
    // In: the requested area in the receiver's coordinates; answer: the
    // receiver's client origin in Bitmap.
    int OffsetX = 0;
    int OffsetY = 0;
    TRect Rect;
    std::uint8_t Kind = bgNoAnswer;
    bool PaintForMe = false;
    platform::HDC DC = nullptr;
};

TSkParentCache MakeParentCache(TBitmap* bitmap, int x, int y);
// A bitmap answer becomes a ready cache; any other keeps only its colour.
TSkParentCache ParentCacheFromBgInfo(const TSkParentBgInfo& info);
// The cache moved by a point, for painting a part whose origin lies there.
TSkParentCache MovedParentCache(TSkParentCache cache, int dx, int dy);
// The cache bitmap's pixel behind the point (x, y) of the painted area;
// false when the cache has no bitmap or the point lies outside it.
bool ParentPixelAt(const TSkParentCache& cache, int x, int y, std::uint32_t& pixel);

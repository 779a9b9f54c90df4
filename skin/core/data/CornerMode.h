#pragma once
// Whether a border mask's corners hold key-colour pixels, so painters take
// the corners from the parent background.

#include "skin/core/data/SkinRecords.h"

// `picture` is the mask's own image or the master bitmap (32 bits a pixel);
// nullptr or another format finds nothing.
std::int16_t ClassifyCorners(const TSkMaskData& mask, TBitmap* picture);

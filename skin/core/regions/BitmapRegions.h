#pragma once
// Window shapes cut from skin pictures: the key-coloured pixels of a
// picture, one rectangle per horizontal run of a row, and the region of
// the picture without them, which callers hand to SetWindowRgn.

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

class TBitmap;
struct TSkMaskData;

// Runs of transparent pixels, each one pixel high.
using TAOR = std::vector<TRect>;

// Appends every run of pixels whose whole 32-bit value equals `key`, rows
// from the top, each row from the left. Anything but a 32-bit bitmap adds nothing.
void CollectKeyRuns(TAOR& runs, TBitmap& bitmap, std::uint32_t key);

// (0, 0, Width, Height) without the runs of the key's low 24 bits, so a
// key-coloured pixel whose alpha is not 0 stays in. The caller deletes it.
platform::HRGN RegionFromBitmap(TBitmap& bitmap, std::uint32_t key);

// The transparent runs (exact key 0x00FF00FF) of the mask's top corners,
// or with `bottom` its bottom ones, placed for a control `width` wide
// with row 0 at `offsetY`. Corner rows outside the picture add nothing.
void AddCornerRegionRects(TAOR& runs, int width, const TSkMaskData& mask, bool bottom, int offsetY);

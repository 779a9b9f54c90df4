#pragma once
// A control's frame: its border mask painted into its cache bitmap over the
// parent's background, widened to a given width in the section's colour,
// and the strip copies and fills the frame painting needs on contexts.

#include "skin/core/masks/BorderMask.h"

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>

class TSkCommonData;

// The control's border mask into its cache bitmap (`rect` in the cache);
// with `width` > 0 the frame is widened to that width in the state colour
// and, when `dc` is not the cache's own, its four strips are copied to `dc`.
// Without a mask only the `width` strips are filled on `dc`. `inner` gets
// the rectangle inside the frame.
void PaintControlBorder(platform::HDC dc, const TRect& rect, int width, TRect& inner, int state, TSkCommonData& data);
// Four strips inside `rect` filled with a solid colour on a context; its state is kept.
void FillDCFrame(platform::HDC dc, const TRect& rect, TSkBorderWidths widths, std::uint32_t color);
// The four strips of width `strip` along the edges of a width x height area,
// copied from one context to the same place in another.
void CopyBorderStrips(platform::HDC destination, TPoint destOrigin, int strip, platform::HDC source, TPoint sourceOrigin,
                      int width, int height);

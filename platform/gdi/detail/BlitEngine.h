#pragma once
// The transfer shared by the blit calls: destination pixels inside the DC's
// clip, each taking its source pixel(s) through the stretch mode and the
// raster operation.

#include "platform/gdi/detail/BlitSource.h"

#include <functional>

namespace platform {

// Destination in surface pixels; width/height negative to mirror. Sizes are
// wide integers so that sums of caller values cannot overflow.
struct BlitGeometry {
    long long x, y, width, height;
};

// A pixel as a transfer writes it: from the source pixel(s) and what is there.
using BlitCombine = std::function<Pixel(Pixel source, Pixel dest, LONG x, LONG y)>;

// Transfers `source` (its full extent) onto the destination rectangle.
// `stretchMode` applies when sizes differ; pixels whose source lies off the
// source surface are left alone.
void Transfer(Raster& raster, const BlitGeometry& dest, const BlitSource& source, bool mirrorX, bool mirrorY,
              int stretchMode, const BlitCombine& combine);

// Clamps a coordinate sum into the range surfaces can have.
LONG ClampCoordinate(long long value);

}  // namespace platform

#pragma once
// Resizing a bitmap with a filter: a three-lobed windowed sinc by default,
// a triangle when speed matters more than sharpness.

#include <memory>

class TBitmap;

// `source` resized into `dest`'s size; nothing unless both are larger than
// one pixel each way. Both become 24-bit.
void StretchFiltered(TBitmap& source, TBitmap& dest, bool fast = false);

// A new 24-bit bitmap of the given size holding `source` resampled; a side
// of one pixel (where the filter has nothing to weigh) is stretched plainly.
std::unique_ptr<TBitmap> ResampledCopy(TBitmap& source, int width, int height);

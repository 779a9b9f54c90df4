#pragma once
// Resizing a bitmap with a filter: a three-lobed windowed sinc by default,
// a triangle when speed matters more than sharpness.

class TBitmap;

// `source` resized into `dest`'s size; nothing unless both are larger than
// one pixel each way. Both become 24-bit.
void StretchFiltered(TBitmap& source, TBitmap& dest, bool fast = false);

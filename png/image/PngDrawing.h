#pragma once
// How a picture lands on 32-bit pixels (blue in the low byte, rows top-down,
// as in a 32-bit DIB section): a plain stretched copy, a copy with one
// transparent colour, and per-pixel alpha blending against what is there.
// Drawing on a device context reads its pixels under the rectangle into such
// a target, applies one of these and writes them back.

#include "platform/gdi/GdiTypes.h"
#include "png/image/PngDib.h"
#include "ui/core/Types.h"

#include <cstddef>
#include <cstdint>
#include <functional>

class TPngPicture;

struct TPixelTarget {
    std::uint32_t* Pixels;  // the first pixel of the rectangle
    int Width, Height;      // the rectangle
    std::size_t Stride;     // pixels from one row to the next
    std::uint32_t* Row(int y) const { return Pixels + Stride * std::size_t(y); }
};

// The picture stretched over the target, nearest pixel.
void StretchPictureOnto(const TPngPicture& picture, const TPixelTarget& target);
// As above, but where a grey or RGB picture holds its colour key the target
// stays: the pixels the key mask marks, or without a mask (a key read after
// the image data) those that show the key's colour.
void DrawColorKeyedOnto(const TPngPicture& picture, const TPixelTarget& target);
// Each picture pixel blended by its alpha (alpha plane, or each palette
// entry's own alpha from tRNS) over the target: (s × a + (255 − a) × t + 255) >> 8
// per channel, which copies the source at 255 and leaves the target at 0.
// EPngError "There is no such palette entry." for an index beyond the palette.
void BlendPictureOnto(const TPngPicture& picture, const TPixelTarget& target);

// Reads the device context's pixels under the rectangle into a target, lets
// `paint` change them and writes them back; a reversed rectangle is turned
// round, an empty one does nothing. EPNGOutMemory when no memory DC or
// section can be made.
void DrawThroughPixels(platform::HDC dc, TRect rect, const std::function<void(const TPixelTarget&)>& paint);

#pragma once
// Icons made from bitmaps for the skinned image lists, and the clean-up of
// PNG images of older skins. The icon routines work on copies: the
// caller's bitmap keeps its format and pixels.

#include <memory>

class TBitmap;
class TIcon;

// Pixels equal to the top-left one are transparent.
std::unique_ptr<TIcon> BitmapToIcon(const TBitmap& bitmap);
// Pixels of alpha 0 are transparent; a bitmap that is not 32-bit has its
// key-colour (0xFF00FF) pixels transparent and the rest opaque.
std::unique_ptr<TIcon> GraphicToIcon(const TBitmap& graphic);
// Pixels that are exactly 0x00FFFFFF (white of alpha 0) become 0.
void ZeroTransparentWhite(TBitmap& bitmap);

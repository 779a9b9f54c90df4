#pragma once
// The colour formulas over every pixel of a 32-bit bitmap; a missing bitmap
// or one of another format is left alone.

#include <cstdint>

class TBitmap;

// Pixels that are neither exactly 0x00FF00FF nor grey get their hue turned.
void ShiftBitmapHue(TBitmap* bitmap, int offset);
// The same pixels change their saturation by `amount` percent.
void ChangeBitmapSaturation(TBitmap* bitmap, int amount);
// The three colour bytes become (red + green + blue) div 3; alpha kept.
void GrayBitmap(TBitmap* bitmap);
// The same except pixels whose 32-bit value equals `key`.
void GrayBitmapKeyed(TBitmap* bitmap, std::uint32_t key);
// Every pixel but the key colour: each channel Round(ratio * (c - k) + k).
void TintBitmap(TBitmap* bitmap, std::uint32_t color, double ratio);

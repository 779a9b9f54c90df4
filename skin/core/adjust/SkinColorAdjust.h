#pragma once
// Recolouring a loaded skin once, in its data: the master bitmap, the
// records' own images and every colour of every section are turned in hue
// or changed in saturation, so painters need know of neither.

#include "skin/core/data/SkinLookups.h"

// Nothing for 0. With GLOBALINFO's BIKEEPHUE not 0 the close glyphs (with
// 1, every title glyph) keep their own colours.
void ApplyHueOffset(TSkinContent& skin, TSkinData& data, int amount);
// Nothing for 0; the amount used is amount mod 101 (sign kept).
void ApplySaturation(TSkinContent& skin, TSkinData& data, int amount);

#pragma once
// The palette from which new series take their colours.

#include "chart/core/ChartTypes.h"

#include <vector>

using TColorArray = std::vector<TColor>;

extern TColorArray DefaultColorPalette;

// The palette colour at index (wrapping round); index >= 0.
TColor DefaultColorAt(int index);
// Replaces the palette by colors[0..high]; high = 0 loads the built-in colours.
void LoadColorPalette(const TColor* colors, int high);

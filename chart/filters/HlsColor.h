#pragma once
// Hue, luminance and saturation of a colour on a scale of 240 (red, green,
// blue on 255), both ways.

#include "chart/geometry/ChartGeometry.h"

struct THlsColor {
    int Hue;
    int Luminance;
    int Saturation;
};

THlsColor RgbToHls(const TRGBTriple& pixel);
TRGBTriple HlsToRgb(const THlsColor& hls);
